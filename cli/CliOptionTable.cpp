#include "CliOptionTable.h"

#include <vector>

namespace {

constexpr const char* kFormats[] = {"report", "json"};

constexpr OptionInfo CliOnly(const char* name, OptionKind kind, const char* meaning, const char* details) {
    return {name,    kind,   RealField::Latitude, {ListMember::Sky, nullptr, 0}, meaning, nullptr, 0,
            nullptr, details};
}

std::vector<OptionInfo> MakeCliOptions() {
    std::vector<OptionInfo> options;
    options.push_back(CliOnly("job", OptionKind::File, "take the inputs of a job file (.dravonel)",
                              "options given beside it change its values; with --units the job's\n"
                              "values are first converted as the form's unit switch converts them"));
    for (const InputOption& input : InputOptions()) options.push_back(InputOptionInfo(input));
    options.push_back(ChoiceOption("format", "what to write",
                                   "the report as the form exports it, or one JSON object (default report)",
                                   kFormats, "not a format"));
    options.push_back(CliOnly("output", OptionKind::File, "write to this file instead of standard output",
                              "the whole file or nothing; an existing file is replaced only when complete\n"
                              "(a device or FIFO such as /dev/stdout is written directly)"));
    options.push_back(CliOnly("help", OptionKind::Help, "show this text", nullptr));
    options.push_back(CliOnly("version", OptionKind::Version, "show the program's version", nullptr));
    return options;
}

}  // namespace

OptionInfo CommandOption(const char* name, OptionKind kind, const char* meaning, const char* details,
                         const char* placeholder) {
    OptionInfo option = CliOnly(name, kind, meaning, details);
    option.placeholder = placeholder;
    return option;
}

OptionInfo ChoiceOption(const char* name, const char* meaning, const char* details,
                        std::span<const char* const> choices, const char* problem) {
    OptionInfo option = CliOnly(name, OptionKind::Choice, meaning, details);
    option.choices = choices.data();
    option.nChoices = static_cast<int>(choices.size());
    option.problem = problem;
    return option;
}

OptionInfo InputOptionInfo(const InputOption& input) {
    OptionKind kind = OptionKind::Time;
    switch (input.kind) {
        case InputKind::Units:
            kind = OptionKind::Units;
            break;
        case InputKind::Number:
            kind = OptionKind::Number;
            break;
        case InputKind::List:
            kind = OptionKind::List;
            break;
        case InputKind::Date:
            kind = OptionKind::Date;
            break;
        case InputKind::Time:
            break;
    }
    return {input.name, kind, input.field, input.list, input.meaning, nullptr, 0, nullptr, nullptr};
}

std::span<const OptionInfo> CliOptions() {
    static const std::vector<OptionInfo> options = MakeCliOptions();
    return options;
}

const OptionInfo* FindOption(std::span<const OptionInfo> table, std::string_view name) {
    for (const OptionInfo& option : table) {
        if (name == option.name) return &option;
    }
    return nullptr;
}
