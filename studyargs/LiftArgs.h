#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FormRecord.h"
#include "JobFile.h"
#include "LiftSequence.h"
#include "OptionText.h"

// The lift sequence's own options: add-lift (one lift, "at=MIN,lift=X,delivery=Y[,mix=..,pg-high=..,
// pg-low=..]"), next-lift-temp and curves, and the lifts of a job file. A value a lift leaves out takes
// the lift below's; the first lift's the site's (lift, delivery, mix, pg-high, pg-low).

// One lift as given: each value given already checked and read in the site's units.
struct LiftGiven {
    std::optional<int> at;  // whole minutes after the first lift's laydown
    std::optional<double> thickness;
    std::optional<double> delivery;
    std::optional<int> mix;
    std::optional<int> pgHigh;
    std::optional<int> pgLow;
};

struct LiftArgs {
    std::vector<LiftGiven> lifts;        // from add-lift, bottom lift first
    std::optional<double> nextLiftTemp;  // C or F as the site, held as the field shows it
    bool bCurves = false;
};

// add-lift, next-lift-temp, curves.
std::span<const std::string_view> LiftOptionNames();

// One option onto `args`: add-lift adds a lift; next-lift-temp 50 to 157.2 C or 122 to 315 F; curves
// (which takes no value) asks for the curves. Refusals name the lift: "--add-lift 2 delivery \"abc\": not
// a number; allowed 65.56 to 157.2 C". "" or the refusal.
std::string ReadLiftOption(const OptionText& option, const FormRecord& site, LiftArgs& args);

// One lift's value by key, for a lift given as a map rather than a text.
struct LiftValueText {
    std::string key;  // at, lift, delivery, mix, pg-high, pg-low
    std::string value;
};

// Adds one lift given as keys and values, read as add-lift reads each "key=value"; no values at all is a
// lift that takes every value from the one below.
std::string AddLiftValues(std::span<const LiftValueText> values, const FormRecord& site, LiftArgs& args);

struct LiftsRead {
    LiftSequenceInputs inputs;  // complete only when strError is empty
    std::string strError;
};

// The sequence to run on `site`: the lifts given, else the job's "lifts" (read in the job's units and
// converted as the form's unit switch converts a field); the next-lift temperature given, else the job's,
// else none (the default). Each value left out takes the lift below's, the first lift's the site's; only
// the first lift may leave out "at" (it goes down at 0). Refused without any lift. `job` may be null.
LiftsRead LiftSequenceOfArgs(const LiftArgs& args, const FormRecord& site, const JobFile* job,
                             const std::string& strJobPath);
