#pragma once

#include <span>
#include <string_view>

#include "InputOptions.h"

// The options of dravonel-cli and its subcommands: one description that the argument reader, the refusals
// and the usage texts share, so that all of them list the same things. The inputs of a calculation come
// from the inputs library's table (InputOptions); the rest belong to the command line.

enum class OptionKind {
    Units,    // an input (InputOptions): the unit system
    Number,   // an input: a real number field
    List,     // an input: a list entry
    Date,     // an input: the paving date
    Time,     // an input: the paving time
    Choice,   // one of a few words: --format report|json
    File,     // a file name, not empty
    Flag,     // takes no value and is simply present: --curves
    Value,    // a subcommand's own value, read by that subcommand (CliArguments.h): --every 30
    Help,     // takes no value and ends the reading: show the usage
    Version,  // takes no value and ends the reading: show the version
};

struct OptionInfo {
    const char* name;  // without the leading "--"
    OptionKind kind;
    RealField field;             // Number options only
    ListInfo list;               // List options only
    const char* meaning;         // a few words for the usage text
    const char* const* choices;  // Choice: the words taken, the first the default
    int nChoices;                // Choice: how many
    const char* problem;         // Choice: the reason a refusal gives ("not a format")
    const char* details;         // Choice, File, Flag, Value: the usage text's details; nullptr for none
    const char* placeholder = nullptr;  // Value, File: what the usage text shows after the name ("MIN")
};

// Whether the option is one of the calculation's inputs (read by the inputs library).
constexpr bool IsInputKind(OptionKind kind) {
    return kind == OptionKind::Units || kind == OptionKind::Number || kind == OptionKind::List ||
           kind == OptionKind::Date || kind == OptionKind::Time;
}

// An entry for an option that is not an input (a subcommand's own, --format, --output, --help).
OptionInfo CommandOption(const char* name, OptionKind kind, const char* meaning, const char* details,
                         const char* placeholder = nullptr);

// A Choice option: one of `choices` (the first the default); any other word is refused as `problem`
// ("not a format"). The words must outlive the table.
OptionInfo ChoiceOption(const char* name, const char* meaning, const char* details,
                        std::span<const char* const> choices, const char* problem);

// The table entry of an input of InputOptions(), with a shorter meaning when one is given.
OptionInfo InputOptionInfo(const InputOption& input);

// Every option of the calculation without a subcommand, in the order its usage text lists them.
std::span<const OptionInfo> CliOptions();

// The option of that name (without "--") in a table, or nullptr when there is none.
const OptionInfo* FindOption(std::span<const OptionInfo> table, std::string_view name);
