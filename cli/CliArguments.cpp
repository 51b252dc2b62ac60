#include "CliArguments.h"

#include "FieldText.h"
#include "InputValues.h"
#include "QuotedText.h"

namespace {

bool TakesValue(OptionKind kind) {
    return kind != OptionKind::Help && kind != OptionKind::Version && kind != OptionKind::Flag;
}

// "--name" followed by a letter: the next option, not the value of this one. "-10" stays a value.
bool LooksLikeOption(std::string_view arg) {
    return arg.size() > 2 && arg.substr(0, 2) == "--" &&
           ((arg[2] >= 'a' && arg[2] <= 'z') || (arg[2] >= 'A' && arg[2] <= 'Z'));
}

std::string ChoiceAllowed(const OptionInfo& option) {
    return ChoicesText(std::span(option.choices, static_cast<std::size_t>(option.nChoices)));
}

}  // namespace

CollectedOptions CollectOptions(const std::vector<std::string>& args, std::span<const OptionInfo> table) {
    CollectedOptions collected;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.substr(0, 2) != "--") {
            collected.strError = !arg.empty() && arg.front() == '-'
                                     ? "unknown option " + QuoteForMessage(arg) + "; see --help"
                                     : "unexpected argument " + QuoteForMessage(arg) +
                                           "; options start with \"--\", see --help";
            return collected;
        }
        const auto equals = arg.find('=');
        const std::string_view name = arg.substr(2, equals == std::string_view::npos ? arg.npos : equals - 2);
        const OptionInfo* option = FindOption(table, name);
        if (option == nullptr) {
            collected.strError = "unknown option " + QuoteForMessage(arg.substr(0, equals)) + "; see --help";
            return collected;
        }
        if (!TakesValue(option->kind)) {
            if (equals != std::string_view::npos) {
                collected.strError = std::string("--") + option->name + " takes no value";
                return collected;
            }
            if (option->kind == OptionKind::Flag) {
                collected.given.push_back({option, "", false});
                continue;
            }
            collected.action = option->kind == OptionKind::Help ? CliAction::Help : CliAction::Version;
            return collected;
        }
        if (equals != std::string_view::npos)
            collected.given.push_back({option, std::string(arg.substr(equals + 1)), false});
        else if (i + 1 < args.size() && !LooksLikeOption(args[i + 1]))
            collected.given.push_back({option, args[++i], false});
        else
            collected.given.push_back({option, "", true});
    }
    return collected;
}

std::string OptionAllowedText(const OptionInfo& option, FormRecord& record) {
    if (IsInputKind(option.kind)) {
        const InputOption* input = FindInputOption(option.name);
        if (input != nullptr) return InputAllowedText(*input, record);
    }
    switch (option.kind) {
        case OptionKind::Choice:
            return ChoiceAllowed(option);
        case OptionKind::File:
            return "a file name";
        default:
            break;
    }
    return "no value";
}

std::string OptionRefusal(const OptionInfo& option, std::string_view value, const std::string& problem,
                          const std::string& allowed) {
    return OptionValueRefusal(option.name, value, problem, allowed);
}

std::string MissingValueRefusal(const OptionInfo& option, FormRecord& record) {
    return MissingValueText(option.name, OptionAllowedText(option, record));
}

int ChoiceIndex(const OptionInfo& option, std::string_view value) {
    for (int i = 0; i < option.nChoices; ++i) {
        if (value == option.choices[i]) return i;
    }
    return -1;
}

std::string CheckCliValue(const GivenOption& given, FormRecord& record) {
    const OptionInfo& option = *given.option;
    if (given.bMissing) return MissingValueRefusal(option, record);
    if (option.kind == OptionKind::Choice && ChoiceIndex(option, given.value) < 0)
        return OptionRefusal(option, given.value, option.problem, OptionAllowedText(option, record));
    if (option.kind == OptionKind::File && given.value.empty())
        return OptionRefusal(option, given.value, "no file name", OptionAllowedText(option, record));
    return "";
}

NamedValue AsNamedValue(const GivenOption& given) {
    return {given.option->name, given.value, given.bMissing};
}

OptionText AsOptionText(const GivenOption& given) {
    return {given.option->name, given.value, given.bMissing};
}
