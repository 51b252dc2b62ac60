#pragma once

#include <span>
#include <string>
#include <string_view>

#include "FormRules.h"
#include "SimulationInputs.h"

// The options of dravonel-cli, shared by the parser and the usage text so that both list the same things.

enum class OptionKind { Units, Number, List, Date, Time, Format, Output, Help, Version };

// Which list member a list option sets.
enum class ListMember { Sky, Mix, PgHigh, PgLow, Material, Moisture, State };

struct ListInfo {
    ListMember member;
    const char* const* names;
    int nCount;
};

struct OptionInfo {
    const char* name;  // without the leading "--"
    OptionKind kind;
    RealField field;      // Number options only
    ListInfo list;        // List options only
    const char* meaning;  // a few words for the usage text
};

// Every option in the order the usage text lists them.
std::span<const OptionInfo> CliOptions();

// The option of that name (without "--"), or nullptr when there is none.
const OptionInfo* FindCliOption(std::string_view name);

// Unit label of a number field in a unit system (0 SI, 1 English): "C"/"F", "mm"/"in.", "km/h"/"mph",
// "degrees" for the latitude.
const char* FieldUnitLabel(RealField field, int nUnits);

// The range of a number field in the record's active unit system as the help and the refusals state
// it, limits as the field shows them: "-40 to 120 F", "12.7 to 254 mm".
std::string FieldRangeText(FormRecord& record, RealField field);
