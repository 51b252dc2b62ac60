#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "FormRecord.h"
#include "OptionText.h"
#include "Uncertainty.h"

// The uncertainty study's own options: samples, seed, the five spreads and min-window.

// How each spread option is given: a temperature difference in the site's units, or percent of the value.
struct SpreadOption {
    const char* name;  // "spread-air"
    UncertainInput input;
    bool bTemperature;
    double UncertaintySpreads::*pValue;  // the study takes C and percent
};

// The five spread options in UncertainInput order.
std::span<const SpreadOption> SpreadOptions();

struct UncertaintyArgs {
    UncertaintyRequest request;  // base is the caller's to set
    // The spreads as given, in the site's units, so that a spread of 5.4 F is written back as 5.4 and not
    // as 5.4 / 1.8 * 1.8; none for a spread left at its default. In UncertainInput order.
    std::array<std::optional<double>, kUncertainInputCount> givenSpreads;
};

// samples, seed, spread-air, spread-wind, spread-delivery, spread-surface, spread-lift, min-window.
std::span<const std::string_view> UncertaintyOptionNames();

// One option onto `args`: samples whole 2 to 1000000; seed 0 to 2^64 - 1 or "random"; temperature spreads
// 0 to 100 C (0 to 180 F), wind and lift spreads 0 to 100 percent; min-window 0 to 120 minutes.
std::string ReadUncertaintyOption(const OptionText& option, const FormRecord& site, UncertaintyArgs& args);

// Spread k (UncertainInput order) as shown in `units`: as given, else the study's default converted
// (C to F as a difference, x 1.8).
double ShownSpread(const UncertaintyArgs& args, std::size_t k, UnitSystem units);
