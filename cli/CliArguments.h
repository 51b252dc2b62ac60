#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CliOptionTable.h"
#include "FormRecord.h"
#include "OptionText.h"
#include "ReadInputs.h"

// Reading "--name value" arguments against an option table, and the refusal texts, for the calculation
// and every subcommand alike: one place for how arguments are read and refusals are worded.

enum class CliAction { Run, Help, Version };

struct GivenOption {
    const OptionInfo* option;
    std::string value;
    bool bMissing;  // reported once the unit system is known, so the message states the right range
};

struct CollectedOptions {
    CliAction action = CliAction::Run;
    std::vector<GivenOption> given;  // in argument order
    std::string strError;            // when refused: one line naming the argument
};

// Splits the arguments into options of `table` and their values: "--name value" or "--name=value". A value
// that starts with "--" and a letter is taken for the next option (so "-10" stays a value); a Flag takes no
// value. --help or --version ends the reading where it stands. Refuses unknown options, stray arguments and
// a value given to an option that takes none.
CollectedOptions CollectOptions(const std::vector<std::string>& args, std::span<const OptionInfo> table);

// What the option takes, as a refusal states it: an input's range in the record's system, "report or json",
// "a file name".
std::string OptionAllowedText(const OptionInfo& option, FormRecord& record);

// "--name \"value\": problem; allowed ALLOWED".
std::string OptionRefusal(const OptionInfo& option, std::string_view value, const std::string& problem,
                          const std::string& allowed);

// "--name: missing value; allowed ALLOWED".
std::string MissingValueRefusal(const OptionInfo& option, FormRecord& record);

// The index of a Choice option's word, or -1 when the value is none of them.
int ChoiceIndex(const OptionInfo& option, std::string_view value);

// The refusal of a given Choice, File or Flag option, or "" when its value is accepted (a missing value, a
// word that is not a choice, an empty file name).
std::string CheckCliValue(const GivenOption& given, FormRecord& record);

// The option as the study readers take it (OptionText.h): its name, value and whether the value is missing.
OptionText AsOptionText(const GivenOption& given);

// An input option as the inputs library reads it.
NamedValue AsNamedValue(const GivenOption& given);
