#include "LiftArgs.h"

#include <algorithm>
#include <array>

#include "FieldText.h"
#include "QuotedText.h"
#include "ReadInputs.h"
#include "UnitConversion.h"

namespace {

constexpr const char* kLiftKeys = "at, lift, delivery, mix, pg-high, pg-low";
constexpr const char* kAddLiftAllowed = "at=MIN,lift=X,delivery=Y[,mix=..,pg-high=..,pg-low=..]";
constexpr const char* kAtAllowed = "whole minutes after the first lift's laydown";

constexpr std::array<std::string_view, 3> kNames{"add-lift", "next-lift-temp", "curves"};

// One "key=value" of a lift; bPair false for a part without "=".
struct LiftPart {
    std::string_view text;
    std::string_view key;
    std::string_view value;
    bool bPair;
};

// Reads the lift's own values onto `scratch` (a form in the units they are given in) and keeps those given.
std::optional<InputRefusal> ReadLiftValues(const std::vector<NamedValue>& values, FormRecord& scratch,
                                           LiftGiven& lift) {
    InputApplier applier(scratch);
    for (const NamedValue& value : values)
        if (auto refusal = applier.Apply(value, 0)) return refusal;
    if (auto refusal = applier.Finish()) return refusal;
    const SimulationInputs& in = scratch.inputs;
    for (const NamedValue& value : values) {
        if (value.name == "lift") lift.thickness = in.m_dLiftThickness;
        if (value.name == "delivery") lift.delivery = in.m_dDeliveryTemp;
        if (value.name == "mix") lift.mix = in.m_nMixType;
        if (value.name == "pg-high") lift.pgHigh = in.m_nPgHigh;
        if (value.name == "pg-low") lift.pgLow = in.m_nPgLow;
    }
    return std::nullopt;
}

// The parts in order, the first fault reported: "--add-lift 2 \"colour=red\": not a key; allowed ...".
std::string AddLiftParts(std::span<const LiftPart> parts, const FormRecord& site, LiftArgs& args) {
    const std::string name = "--add-lift " + std::to_string(args.lifts.size() + 1);
    LiftGiven lift;
    std::vector<NamedValue> values;
    for (const LiftPart& part : parts) {
        if (!part.bPair)
            return name + " " + QuoteForMessage(part.text) + ": not key=value; allowed keys " + kLiftKeys;
        const std::string_view key = part.key;
        const bool bTwice =
            (key == "at" && lift.at) ||
            std::any_of(values.begin(), values.end(), [&](const NamedValue& v) { return v.name == key; });
        if (bTwice) return name + " " + QuoteForMessage(part.text) + ": " + std::string(key) + " given twice";
        if (key == "at") {
            int nAt = 0;
            if (!ParseFieldInt(part.value, &nAt))
                return name + " at " + QuoteForMessage(part.value) + ": not a whole number; allowed " +
                       kAtAllowed;
            lift.at = nAt;
        } else if (key == "lift" || key == "delivery" || key == "mix" || key == "pg-high" ||
                   key == "pg-low") {
            values.push_back({key, part.value});
        } else {
            return name + " " + QuoteForMessage(part.text) + ": not a key; allowed " + kLiftKeys;
        }
    }
    FormRecord scratch = site;  // its unit system and ranges are the ones the values are read in
    if (auto refusal = ReadLiftValues(values, scratch, lift))
        return name + " " + refusal->strName + " " + QuoteForMessage(refusal->strValue) + ": " +
               refusal->strReason + "; allowed " + refusal->strAllowed;
    args.lifts.push_back(lift);
    return "";
}

std::string AddLiftText(const OptionText& option, const FormRecord& site, LiftArgs& args) {
    if (option.bMissing) return MissingValueText(option.name, kAddLiftAllowed);
    const std::string_view text = option.value;
    if (text.empty())
        return "--add-lift " + std::to_string(args.lifts.size() + 1) + " \"\": no values; allowed " +
               kAddLiftAllowed;
    std::vector<LiftPart> parts;
    std::size_t nStart = 0;
    while (nStart <= text.size()) {
        const std::size_t nEnd = std::min(text.find(',', nStart), text.size());
        const std::string_view part = text.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        const std::size_t nEquals = part.find('=');
        if (nEquals == std::string_view::npos)
            parts.push_back({part, part, "", false});
        else
            parts.push_back({part, part.substr(0, nEquals), part.substr(nEquals + 1), true});
    }
    return AddLiftParts(parts, site, args);
}

// The job's lifts (when bTakeLifts) and next-lift temperature (unless given as an option), read in the
// job's units and then converted as the form's unit switch converts a field.
std::string LiftsOfJob(const JobFile& job, const std::string& strPath, UnitSystem units, bool bTakeLifts,
                       LiftArgs& args) {
    const JobLifts& lifts = *job.lifts;
    const auto converted = [&](double dValue, bool bTemperature) {
        if (job.units == units) return dValue;
        return FieldValueAsShown(bTemperature ? ConvertTemperature(units, dValue)
                                              : ConvertLength(units, dValue));
    };
    for (std::size_t i = 0; bTakeLifts && i < lifts.lifts.size(); ++i) {
        const JobLift& jobLift = lifts.lifts[i];
        LiftGiven lift;
        int nAt = 0;
        if (!jobLift.strAt.empty() && ParseFieldInt(jobLift.strAt, &nAt)) lift.at = nAt;
        std::vector<NamedValue> values;
        for (const auto& [key, text] :
             {std::pair{"lift", &jobLift.strLift}, std::pair{"delivery", &jobLift.strDelivery},
              std::pair{"mix", &jobLift.strMix}, std::pair{"pg-high", &jobLift.strPgHigh},
              std::pair{"pg-low", &jobLift.strPgLow}})
            if (!text->empty()) values.push_back({key, *text});
        FormRecord scratch = StartRecord(job.units, 0);
        // The job reader has checked every value; a refusal here would be a reader fault, said all the same.
        if (auto refusal = ReadLiftValues(values, scratch, lift))
            return JobFileErrorText({strPath, "lifts.lifts[" + std::to_string(i) + "]." + refusal->strName,
                                     RefusalReasonText(*refusal)});
        if (lift.thickness) lift.thickness = converted(*lift.thickness, false);
        if (lift.delivery) lift.delivery = converted(*lift.delivery, true);
        args.lifts.push_back(lift);
    }
    double dNext = 0.0;
    if (!args.nextLiftTemp && !lifts.strNextLiftTemp.empty() &&
        ParseFieldDouble(lifts.strNextLiftTemp, &dNext))
        args.nextLiftTemp = FieldValueAsShown(converted(dNext, true));
    return "";
}

// Each value left out takes the lift below's; the first lift's the site's. The placement cannot be
// guessed: only the first lift may leave it out (it goes down at 0).
std::optional<std::vector<LiftInput>> ResolveLifts(const std::vector<LiftGiven>& given,
                                                   const SimulationInputs& site, std::size_t* pMissingAt) {
    std::vector<LiftInput> lifts;
    LiftInput below;
    below.dLiftThickness = site.m_dLiftThickness;
    below.dDeliveryTemp = site.m_dDeliveryTemp;
    below.nMixType = site.m_nMixType;
    below.nPgHigh = site.m_nPgHigh;
    below.nPgLow = site.m_nPgLow;
    below.nPlacementMinutes = 0;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const LiftGiven& g = given[i];
        if (!g.at && i > 0) {
            *pMissingAt = i;
            return std::nullopt;
        }
        LiftInput lift = below;
        lift.nPlacementMinutes = g.at.value_or(0);
        lift.dLiftThickness = g.thickness.value_or(below.dLiftThickness);
        lift.dDeliveryTemp = g.delivery.value_or(below.dDeliveryTemp);
        lift.nMixType = g.mix.value_or(below.nMixType);
        lift.nPgHigh = g.pgHigh.value_or(below.nPgHigh);
        lift.nPgLow = g.pgLow.value_or(below.nPgLow);
        lifts.push_back(lift);
        below = lift;
    }
    return lifts;
}

}  // namespace

std::span<const std::string_view> LiftOptionNames() { return kNames; }

std::string ReadLiftOption(const OptionText& option, const FormRecord& site, LiftArgs& args) {
    if (option.name == "add-lift") return AddLiftText(option, site, args);
    if (option.name == "curves") {
        args.bCurves = true;
        return "";
    }
    const UnitSystem units = UnitSystemOfCode(site.inputs.m_nUnits);
    const NextLiftTempRange range =
        units == UnitSystem::SI ? kNextLiftTempRangeSi : kNextLiftTempRangeEnglish;
    const std::string allowed = FormatFieldDouble(range.dMin) + " to " + FormatFieldDouble(range.dMax) + " " +
                                kTemperatureUnit[UnitCode(units)];
    double dValue = 0.0;
    if (std::string error = ReadNumberOption(option, range.dMin, range.dMax, allowed, &dValue);
        !error.empty())
        return error;
    args.nextLiftTemp = FieldValueAsShown(dValue);
    return "";
}

std::string AddLiftValues(std::span<const LiftValueText> values, const FormRecord& site, LiftArgs& args) {
    std::vector<std::string> texts;  // "key=value", for the refusals
    texts.reserve(values.size());
    for (const LiftValueText& value : values) texts.push_back(value.key + "=" + value.value);
    std::vector<LiftPart> parts;
    for (std::size_t i = 0; i < values.size(); ++i)
        parts.push_back({texts[i], values[i].key, values[i].value, true});
    return AddLiftParts(parts, site, args);
}

LiftsRead LiftSequenceOfArgs(const LiftArgs& given, const FormRecord& site, const JobFile* job,
                             const std::string& strJobPath) {
    LiftsRead read;
    LiftArgs args = given;
    const SimulationInputs& in = site.inputs;
    const bool bFromJob = args.lifts.empty();
    if (job != nullptr && job->lifts) {
        read.strError = LiftsOfJob(*job, strJobPath, UnitSystemOfCode(in.m_nUnits), bFromJob, args);
        if (!read.strError.empty()) return read;
    }
    if (args.lifts.empty()) {
        read.strError =
            "lifts needs --add-lift at=0,lift=X,delivery=Y (one per lift) or a --job file with lifts; see "
            "dravonel-cli lifts --help";
        return read;
    }
    std::size_t nMissingAt = 0;
    std::optional<std::vector<LiftInput>> lifts = ResolveLifts(args.lifts, in, &nMissingAt);
    if (!lifts) {
        const std::string allowed = kAtAllowed;
        if (bFromJob)
            read.strError =
                JobFileErrorText({strJobPath, "lifts.lifts[" + std::to_string(nMissingAt) + "].at",
                                  "missing; allowed " + allowed});
        else
            read.strError =
                "--add-lift " + std::to_string(nMissingAt + 1) + ": at missing; allowed at=MIN, " + allowed;
        return read;
    }
    read.inputs.site = in;
    read.inputs.lifts = std::move(*lifts);
    read.inputs.dNextLiftTemp = args.nextLiftTemp;
    return read;
}
