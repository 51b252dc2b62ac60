#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Calibration.h"
#include "FormRecord.h"
#include "LiftSequence.h"
#include "PavingDayPlanner.h"
#include "StudyInputs.h"
#include "Uncertainty.h"

// The studies' own options by name, as the Python module takes them: the command line's option names
// without "--" ("from", "min-window", "spread-air"), each with the text it was given. A reader fills its
// study's request and returns "" when every option was read, else the first refusal in the command
// line's words: "--every \"abc\": not a whole number; allowed 1 to 1440 (minutes)". A value that reads
// but lies outside what the study takes is refused by the study itself (StudyFaultText).

struct NamedText {
    std::string strName;  // without "--"
    std::string strText;
};

// The names each reader takes, for the caller to tell them from the inputs of the site.
std::span<const std::string_view> PlanOptionNames();         // from, to, every, min-window
std::span<const std::string_view> UncertaintyOptionNames();  // samples, seed, spread-*, min-window
std::span<const std::string_view> CalibrationOptionNames();  // measured, at, where

// from and to HH:MM (the planner takes 00:00 to 24:00), every whole minutes, min-window minutes.
std::string ReadPlanOptions(std::span<const NamedText> options, PavingDayRequest& request);

// samples a whole number, seed a whole number 0 to 2^64 - 1 or "random", spreads and min-window numbers.
std::string ReadUncertaintyOptions(std::span<const NamedText> options, UncertaintyRequest& request);

// measured a temperature in the site's units and at minutes after laydown, both required; where
// "surface" (the default) or "mid-depth".
std::string ReadCalibrationOptions(std::span<const NamedText> options, CalibrationRequest& request);

// The lifts of a sequence, each as key/value texts.
struct LiftOptions {
    std::optional<std::string> nextLiftTemp;    // C or F as the site; none: the default
    std::vector<std::vector<NamedText>> lifts;  // bottom lift first; keys at, lift, delivery, mix,
                                                // pg-high, pg-low
};

// "at=40,lift=40,delivery=145" as its key/value texts, in order. A part without "=" has an empty value
// and so is refused by ReadLiftOptions as a key without value.
std::vector<NamedText> SplitLiftText(std::string_view text);

// The lifts on the site record `site` (its unit system, ranges and inputs): each value is read as the
// input of the same name reads it ("lift" and "delivery" in the site's ranges; "mix", "pg-high" and
// "pg-low" as list entries); values left out take the site's; "at" is whole minutes after the first
// lift's laydown, 0 for the first lift when left out and required for the others. Refusals name the
// lift: "--add-lift 2 delivery \"abc\": not a number; allowed 65.56 to 157.2 C". The sequence's own
// limits (count, order, gaps, next-lift temperature range) are left to RunLiftSequence.
std::string ReadLiftOptions(const LiftOptions& options, const FormRecord& site, LiftSequenceInputs& inputs);

// A study's refusal with the option it concerns where there is one: "--every: the step 0 min is outside 1
// to 1440 min"; a fault of the site's scenario is its message alone.
std::string StudyFaultText(const StudyFault& fault);
