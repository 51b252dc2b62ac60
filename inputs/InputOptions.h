#pragma once

#include <span>
#include <string>
#include <string_view>

#include "FormRules.h"
#include "SimulationInputs.h"

// The inputs of one calculation by name: the command line's options, the keys of a job file's "inputs",
// the columns of a batch file. One table, so that every reader accepts the same names and values.

enum class InputKind { Units, Number, List, Date, Time };

// Which list member a list input sets.
enum class ListMember { Sky, Mix, PgHigh, PgLow, Material, Moisture, State };

struct ListInfo {
    ListMember member;
    const char* const* names;
    int nCount;
};

struct InputOption {
    const char* name;  // "air", "pg-high": the command line's option without its leading "--"
    InputKind kind;
    RealField field;      // Number inputs only
    ListInfo list;        // List inputs only
    const char* meaning;  // a few words for a usage text
};

// Every input in the order the form lists them, "units" first.
std::span<const InputOption> InputOptions();

// The input of that name, or nullptr when there is none.
const InputOption* FindInputOption(std::string_view name);

// Unit label of a number field in a unit system (0 SI, 1 English): "C"/"F", "mm"/"in.", "km/h"/"mph",
// "degrees" for the latitude.
const char* FieldUnitLabel(RealField field, int nUnits);

// The range of a number field in the record's active unit system, limits as the field shows them:
// "-40 to 120 F", "12.7 to 254 mm".
std::string FieldRangeText(FormRecord& record, RealField field);

// What an input takes, as a refusal states it after "allowed ": "-40 to 120 F" in the record's active
// system, "english or si", "0 to 4 or \"Clear & Dry\", ...", the date and time forms.
std::string InputAllowedText(const InputOption& option, FormRecord& record);
