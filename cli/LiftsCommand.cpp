#include <algorithm>
#include <optional>

#include "CliSubcommands.h"
#include "FieldText.h"
#include "JsonText.h"
#include "LiftSequence.h"
#include "QuotedText.h"
#include "StudyCommand.h"
#include "StudyInputs.h"
#include "UnitConversion.h"

// dravonel-cli lifts: up to four lifts placed one on another (RunLiftSequence), each lift's window and the
// time the next lift may go on it. Lifts come from --add-lift options or from a job file's "lifts".

namespace {

constexpr const char* kLiftKeys = "at, lift, delivery, mix, pg-high, pg-low";
constexpr const char* kAddLiftAllowed = "at=MIN,lift=X,delivery=Y[,mix=..,pg-high=..,pg-low=..]";

std::span<const OptionInfo> LiftsOptions() {
    static const std::vector<OptionInfo> table = StudyOptionTable({
        CommandOption("add-lift", OptionKind::Value, "one lift, bottom lift first; up to 4 of them",
                      "at=MIN,lift=X,delivery=Y[,mix=..,pg-high=..,pg-low=..]: at is whole minutes\n"
                      "after the first lift's laydown (0 for the first, then never before the lift\n"
                      "below and at most 120 after it); the others are read like the options of\n"
                      "those names, in the chosen units. A key left out takes the lift below's value,\n"
                      "the first lift's the scenario's (--lift, --delivery, --mix, --pg-high,\n"
                      "--pg-low); at is needed from the second lift on. Replaces a job's lifts",
                      "KEY=VALUE,..."),
        CommandOption("next-lift-temp", OptionKind::Value,
                      "the mat mean a lift must fall below before the next goes on",
                      "50 to 157.2 C or 122 to 315 F (default 60 C, 140 F; or the job's)", "T"),
        CommandOption("curves", OptionKind::Flag, "add each lift's cooling curve",
                      "JSON: \"curve\": [[minutes after the lift's laydown, mat mean], ...] per lift;\n"
                      "text and CSV: a table of lift, time and temp after the lifts"),
    });
    return table;
}

std::string LiftsUsageText() {
    return StudyUsageText(
        "Usage: dravonel-cli lifts [scenario options] --add-lift at=MIN,lift=X,delivery=Y[,...]...\n"
        "                          [--next-lift-temp T] [--curves] [--format text|csv|json]\n"
        "                          [--output FILE]\n",
        "Runs up to four lifts placed one on another as one cooling column: each lift's compaction\n"
        "window and when its mat is cool enough to carry the next lift. The scenario gives the site,\n"
        "weather, existing surface and the paving date and time of the first lift; each lift brings\n"
        "its own thickness, delivery temperature, mix and grades. With --job, the job file's \"lifts\"\n"
        "are used unless --add-lift is given.\n",
        LiftsOptions(),
        "\nColumns: lift (1 is the bottom lift), laid (minutes after the first lift's laydown, and the\n"
        "clock; +1d on the next day), thickness, delivery, start and stop (whole minutes after the lift's\n"
        "own laydown), window (stop - start), next lift (minutes after the lift's laydown when its mat\n"
        "mean first falls below the next-lift temperature, and the clock) and notice (none, slow or\n"
        "rapid). A lift below takes heat from the one placed on it, so stop and next-lift times read\n"
        "the first crossing. JSON and CSV add each lift's mix and grades.\n\n");
}

// One lift as given: what was given, each value already checked and read in the chosen units.
struct LiftGiven {
    std::optional<int> at;
    std::optional<double> thickness;
    std::optional<double> delivery;
    std::optional<int> mix;
    std::optional<int> pgHigh;
    std::optional<int> pgLow;
};

struct LiftsSettings {
    std::vector<LiftGiven> lifts;  // from --add-lift, in the order given
    std::optional<double> nextLiftTemp;
    bool bCurves = false;
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

// "--add-lift 2 delivery \"abc\": not a number; allowed 65.56 to 157.2 C".
std::string ReadAddLift(const GivenOption& given, const FormRecord& record, LiftsSettings& settings) {
    if (given.bMissing) return std::string("--add-lift: missing value; allowed ") + kAddLiftAllowed;
    const std::string name = "--add-lift " + std::to_string(settings.lifts.size() + 1);
    const std::string_view liftText = given.value;
    if (liftText.empty()) return name + " \"\": no values; allowed " + kAddLiftAllowed;
    LiftGiven lift;
    std::vector<NamedValue> values;
    std::size_t nStart = 0;
    while (nStart <= liftText.size()) {
        const std::size_t nEnd = std::min(liftText.find(',', nStart), liftText.size());
        const std::string_view part = liftText.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        const std::size_t nEquals = part.find('=');
        if (nEquals == std::string_view::npos)
            return name + " " + QuoteForMessage(part) + ": not key=value; allowed keys " + kLiftKeys;
        const std::string_view key = part.substr(0, nEquals);
        const std::string_view value = part.substr(nEquals + 1);
        const bool bTwice =
            (key == "at" && lift.at) ||
            std::any_of(values.begin(), values.end(), [&](const NamedValue& v) { return v.name == key; });
        if (bTwice) return name + " " + QuoteForMessage(part) + ": " + std::string(key) + " given twice";
        if (key == "at") {
            int nAt = 0;
            if (!ParseFieldInt(value, &nAt))
                return name + " at " + QuoteForMessage(value) +
                       ": not a whole number; allowed whole minutes after the first lift's laydown";
            lift.at = nAt;
        } else if (key == "lift" || key == "delivery" || key == "mix" || key == "pg-high" ||
                   key == "pg-low") {
            values.push_back({key, value});
        } else {
            return name + " " + QuoteForMessage(part) + ": not a key; allowed " + kLiftKeys;
        }
    }
    FormRecord scratch = record;  // its unit system and ranges are the ones the values are read in
    if (auto refusal = ReadLiftValues(values, scratch, lift))
        return name + " " + refusal->strName + " " + QuoteForMessage(refusal->strValue) + ": " +
               refusal->strReason + "; allowed " + refusal->strAllowed;
    settings.lifts.push_back(lift);
    return "";
}

std::string ReadLiftsOption(const GivenOption& given, FormRecord& record, LiftsSettings& settings) {
    const std::string_view name = given.option->name;
    if (name == "add-lift") return ReadAddLift(given, record, settings);
    if (name == "curves") {
        settings.bCurves = true;
        return "";
    }
    const UnitSystem units = UnitSystemOfCode(record.inputs.m_nUnits);
    const NextLiftTempRange range =
        units == UnitSystem::SI ? kNextLiftTempRangeSi : kNextLiftTempRangeEnglish;
    double dValue = 0.0;
    const std::string allowed = FormatFieldDouble(range.dMin) + " to " + FormatFieldDouble(range.dMax) + " " +
                                kTemperatureUnit[UnitCode(units)];
    if (std::string error = ReadNumberValue(given, range.dMin, range.dMax, allowed, &dValue); !error.empty())
        return error;
    settings.nextLiftTemp = FieldValueAsShown(dValue);
    return "";
}

// A job's lifts (when bTakeLifts) and next-lift temperature (unless given as an option), read in the job's
// units and then converted as the form's unit switch converts a field.
std::string LiftsOfJob(const JobFile& job, const std::string& strPath, UnitSystem units, bool bTakeLifts,
                       LiftsSettings& settings) {
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
        settings.lifts.push_back(lift);
    }
    double dNext = 0.0;
    if (!settings.nextLiftTemp && !lifts.strNextLiftTemp.empty() &&
        ParseFieldDouble(lifts.strNextLiftTemp, &dNext))
        settings.nextLiftTemp = FieldValueAsShown(converted(dNext, true));
    return "";
}

// Each value left out takes the lift below's; the first lift's the scenario's. The placement cannot be
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

std::string WriteNumber(double dValue) {
    std::string text;
    AppendJsonNumber(text, dValue);
    return text;
}

std::string ClockCell(const LiftClockTime& clock) {
    std::string text;
    for (int n : {clock.nHour, clock.nMinute}) {
        if (!text.empty()) text += ":";
        if (n < 10) text += "0";
        text += std::to_string(n);
    }
    if (clock.nDayOffset > 0) text += " +" + std::to_string(clock.nDayOffset) + "d";
    return text;
}

const char* Entry(const char* const* names, int nCount, int nIndex) {
    return nIndex >= 0 && nIndex < nCount ? names[nIndex] : "?";
}

std::string CurveJson(const CoolingCurve& curve, UnitSystem units) {
    std::string json = "[";
    for (int i = 0; i <= curve.m_nLastSample && i < kCurveCapacity; ++i) {
        if (i > 0) json += ", ";
        json += "[" + WriteNumber(curve.m_dCurveTime[i]) + ", " +
                WriteNumber(ShownTemperature(curve.m_dCurveTemp[i], units)) + "]";
    }
    return json + "]";
}

CliDocument LiftsDocument(const LiftSequenceInputs& inputs, const LiftSequenceResult& result, bool bCurves) {
    const SimulationInputs& site = inputs.site;
    const UnitSystem units = DisplayUnitsOfCode(site.m_nUnits);
    const int u = UnitCode(units);
    const double dNextLiftTemp = inputs.dNextLiftTemp.value_or(DefaultNextLiftTemp(units));
    CliDocument document;
    document.strHeading = std::to_string(result.nLifts) + (result.nLifts == 1 ? " lift" : " lifts") +
                          " on one cooling column; the next lift may go on below " +
                          NumberText(dNextLiftTemp) + " " + kTemperatureUnit[u];
    static constexpr const char* kLiftInputs[] = {"mix", "pg-high", "pg-low", "lift", "delivery"};
    document.facts.push_back(InputsFact(site, true, false, kLiftInputs));
    document.facts.push_back(UnitsFact(site));
    document.facts.push_back(
        {"next_lift_temp", "Next lift below", NumberCell(dNextLiftTemp, kTemperatureUnit[u])});
    document.facts.push_back({"column_minutes", "Column ran", WholeCell(result.nColumnMinutes, "min")});
    document.facts.push_back({"settled", "Settled", YesNoCell(result.bSettled)});
    document.bFactsInCsv = false;
    if (!result.bSettled)
        document.notes.push_back(
            "The column did not settle " + std::to_string(result.nFailedStepMinutes) +
            " min after the first laydown: the lifts running then end there, and lifts not "
            "yet placed are not placed.");

    CliTable table;
    table.strKey = "lifts";
    using Shown = CliColumn::Shown;
    table.columns = {{"lift", "lift"},
                     {"laid", "laid\nmin"},
                     {"laid_clock", "laid\nclock"},
                     {"thickness", std::string("lift\n") + kLiftUnit[u]},
                     {"delivery", std::string("delivery\n") + kTemperatureUnit[u]},
                     {"mix", "mix", Shown::NotInText},
                     {"pg_high", "pg-high", Shown::NotInText},
                     {"pg_low", "pg-low", Shown::NotInText},
                     {"start", "start\nmin"},
                     {"stop", "stop\nmin"},
                     {"window", "window\nmin"},
                     {"next_lift", "next lift\nmin"},
                     {"next_lift_clock", "next lift\nclock"},
                     {"notice", "notice"}};
    if (bCurves) table.columns.push_back({"curve", "curve", Shown::JsonOnly});
    CliTable curves;
    curves.strKey = "curves";
    curves.strTitle = std::string("Curves: the mat mean of each lift, minutes after its own laydown");
    curves.columns = {
        {"lift", "lift"}, {"time", "time\nmin"}, {"temp", std::string("temp\n") + kTemperatureUnit[u]}};
    curves.bInJson = false;
    for (int i = 0; i < result.nLifts; ++i) {
        const LiftOutcome& lift = result.lifts[i];
        const LiftInput& given = inputs.lifts[i];
        std::vector<CliCell> row{WholeCell(i + 1),
                                 WholeCell(lift.nPlacementMinutes),
                                 TextCell(ClockCell(lift.placement)),
                                 NumberCell(given.dLiftThickness),
                                 NumberCell(given.dDeliveryTemp),
                                 TextCell(Entry(kMixTypeNames, kMixTypeCount, given.nMixType)),
                                 TextCell(Entry(kPgHighNames, kPgGradeCount, given.nPgHigh)),
                                 TextCell(Entry(kPgLowNames, kPgGradeCount, given.nPgLow))};
        if (lift.bPlaced) {
            row.push_back(WholeCell(lift.start.nStartTime));
            row.push_back(NumberCell(lift.stop.dStopTime));
            row.push_back(NumberCell(std::max(0.0, lift.stop.dStopTime - lift.start.nStartTime)));
        } else {
            for (int k = 0; k < 3; ++k) row.push_back(MissingCell("-"));
        }
        if (lift.bPlaced && lift.nextLift.bReached) {
            row.push_back(WholeCell(lift.nextLift.nMinutes));
            row.push_back(TextCell(ClockCell(lift.nextLift.clock)));
        } else {
            row.push_back(MissingCell("-"));
            row.push_back(MissingCell(lift.bPlaced ? "not within the run" : "-"));
        }
        row.push_back(lift.bPlaced ? TextCell(NoticeWord(lift.stop.notice)) : MissingCell("not placed"));
        if (bCurves) row.push_back(JsonCell(CurveJson(lift.curve, units), ""));
        table.rows.push_back(std::move(row));
        if (bCurves && lift.bPlaced)
            for (int s = 0; s <= lift.curve.m_nLastSample && s < kCurveCapacity; ++s)
                curves.rows.push_back({WholeCell(i + 1), NumberCell(lift.curve.m_dCurveTime[s]),
                                       NumberCell(ShownTemperature(lift.curve.m_dCurveTemp[s], units))});
    }
    document.tables.push_back(std::move(table));
    if (bCurves) document.tables.push_back(std::move(curves));
    return document;
}

}  // namespace

CliOutcome RunLiftsCommand(const std::vector<std::string>& args, const CliEnvironment& env) {
    LiftsSettings settings;
    const StudyArguments arguments =
        ReadStudyArguments(args, LiftsOptions(), env.now, [&](const GivenOption& given, FormRecord& record) {
            return ReadLiftsOption(given, record, settings);
        });
    if (!arguments.strError.empty()) return StudyRefused(arguments.strError);
    if (arguments.action == CliAction::Help) return {kExitDone, LiftsUsageText(), ""};

    const SimulationInputs& site = arguments.record.inputs;
    const bool bFromJob = settings.lifts.empty();
    if (arguments.job && arguments.job->lifts) {
        if (std::string error = LiftsOfJob(*arguments.job, arguments.strJobPath,
                                           UnitSystemOfCode(site.m_nUnits), bFromJob, settings);
            !error.empty())
            return StudyRefused(error);
    }
    if (settings.lifts.empty())
        return StudyRefused(
            "lifts needs --add-lift at=0,lift=X,delivery=Y (one per lift) or a --job file with lifts; see "
            "dravonel-cli lifts --help");
    std::size_t nMissingAt = 0;
    std::optional<std::vector<LiftInput>> lifts = ResolveLifts(settings.lifts, site, &nMissingAt);
    if (!lifts) {
        const std::string allowed = "whole minutes after the first lift's laydown";
        if (bFromJob)
            return StudyRefused(
                JobFileErrorText({arguments.strJobPath, "lifts.lifts[" + std::to_string(nMissingAt) + "].at",
                                  "missing; allowed " + allowed}));
        return StudyRefused("--add-lift " + std::to_string(nMissingAt + 1) +
                            ": at missing; allowed at=MIN, " + allowed);
    }

    LiftSequenceInputs inputs;
    inputs.site = site;
    inputs.lifts = std::move(*lifts);
    inputs.dNextLiftTemp = settings.nextLiftTemp;
    const LiftSequenceResult result = RunLiftSequence(inputs);
    if (result.error) return StudyRefused(result.error->strMessage);
    return StudyOutput(arguments, LiftsDocument(inputs, result, settings.bCurves));
}
