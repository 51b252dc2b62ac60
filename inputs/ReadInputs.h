#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FormRecord.h"

// Inputs given as name and text (a command line, a job file, a row of a batch file) read into the record
// the form holds, by the form's own rules. Every reader refuses the same things with the same reasons;
// each states the place in its own words (an option, a file's key, a file's line and column).

// One input as given. The value is only read during the call it is passed to.
struct NamedValue {
    std::string_view name;   // a name of InputOptions(): "air", "pg-high", "units"
    std::string_view value;  // the text as typed: "10", "Clear & Dry", "2026-06-15"
    bool bMissing = false;   // the name came without any value (a command line's "--air" at its end)
};

// Why a value was refused: enough to say it in any caller's words.
struct InputRefusal {
    std::string strName;     // the input's name, "air"
    std::string strValue;    // the value as given, "abc" ("" when bMissing)
    bool bMissing = false;   // no value was given
    std::string strReason;   // "not a number", "out of range", "not used with material \"AC\"", ...
    std::string strAllowed;  // what is allowed: "-40 to 120 F", "english or si", ...
    std::size_t nIndex = 0;  // position of the refused value among the values read
};

// The command line's words: "--air \"abc\": not a number; allowed -40 to 120 F", or
// "--air: missing value; allowed -40 to 120 F". The value is quoted by QuoteForMessage.
std::string OptionRefusalText(const InputRefusal& refusal);

// The reason for messages that name the input themselves ("data.csv:3: air: " + this):
// "not a number (\"abc\"); allowed -40 to 120 F", or "missing value; allowed ...".
std::string RefusalReasonText(const InputRefusal& refusal);

// "english" or "si"; nullopt for any other text (no other spelling is taken).
std::optional<UnitSystem> UnitSystemOfText(std::string_view text);
// "english" or "si" for a system.
const char* UnitSystemText(UnitSystem units);

// A fresh form in a unit system: the English start values converted as the form's unit switch converts
// them, the paving date and time from `now` as local time.
FormRecord StartRecord(UnitSystem units, std::time_t now);

// The form's unit switch: the five dimensioned values converted, rounded to hundredths and held as the
// fields then show them; the ranges, labels and unit codes of the target. Nothing changes when the record
// is already in `units`. Returns whether anything was converted.
bool SwitchUnits(FormRecord& record, UnitSystem units);

struct UnitsRead {
    std::optional<UnitSystem> units;      // the last "units" value given; nullopt when none
    std::optional<InputRefusal> refusal;  // the first "units" value that is not a unit system
};
// The unit system the values ask for. Read before all others, since every number is read in it.
UnitsRead ReadUnitSystem(std::span<const NamedValue> values);

// Applies values one at a time in the record's active unit system, for callers that read other things
// between them (the command line reports the first refusal in argument order). ApplyInputs and
// ReadInputs are built on it.
class InputApplier {
public:
    explicit InputApplier(FormRecord& record) : m_record(record) {}

    // One value: a number must read as a form field reads it and lie in the active range (then it is held
    // as the field shows it, rounded to hundredths); a list entry by its text (any ASCII case) or its
    // zero-based index; a date YYYY-MM-DD from 1990 to 3001; a time HH:MM with hour 0 to 24 and minute 0
    // to 60. "units" values are passed over (see ReadUnitSystem). The record changes only when accepted;
    // moisture and state are held until Finish. nIndex is copied into a refusal.
    std::optional<InputRefusal> Apply(const NamedValue& value, std::size_t nIndex);

    // After the last Apply: the form's material rule when a material was applied (moisture lists reset
    // to Dry and Unfrozen, or emptied for AC and PCC), then the moisture and state given, which a bound
    // material refuses.
    std::optional<InputRefusal> Finish();

private:
    struct PendingChoice {
        std::optional<int> index;
        std::string strText;
        std::size_t nIndex = 0;
    };
    FormRecord& m_record;
    PendingChoice m_moisture;
    PendingChoice m_state;
    bool m_bMaterialGiven = false;
};

// Reads every value onto an existing record: a "units" value first switches the record (SwitchUnits),
// then the others are applied in order and finished. On refusal the record may be partly changed; read
// into a copy where that matters.
std::optional<InputRefusal> ApplyInputs(FormRecord& record, std::span<const NamedValue> values);

struct InputsRead {
    FormRecord record;                    // complete only when refusal is empty
    std::optional<InputRefusal> refusal;  // the first value refused
};
// A fresh form (StartRecord) in the system the values name, else in defaultUnits, with every value
// applied: what the form holds after the values were typed into it. Inputs left out keep their start
// values; the date and time come from `now` as local time.
InputsRead ReadInputs(std::span<const NamedValue> values, UnitSystem defaultUnits, std::time_t now);

// One input as the form shows it.
struct InputText {
    const char* name;  // a name of InputOptions()
    std::string text;  // "10", "48.89", "Clear & Dry", "2026-06-15", "09:05", "si"
};
// The texts of every input in InputOptions() order, "units" first: numbers "%.15g" (FormatFieldDouble),
// list entries by their text, the date YYYY-MM-DD, the time HH:MM. A list with no entry chosen (-1, as
// moisture and state for AC and PCC) or an index outside its list is left out. ReadInputs of these texts
// gives back the same inputs for any record the form can hold.
std::vector<InputText> InputTextsOf(const SimulationInputs& inputs);
