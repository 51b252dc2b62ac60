#include <algorithm>

#include "CliSubcommands.h"
#include "JsonText.h"
#include "LiftArgs.h"
#include "LiftSequence.h"
#include "StudyCommand.h"
#include "StudyInputs.h"

// dravonel-cli lifts: up to four lifts placed one on another (RunLiftSequence), each lift's window and the
// time the next lift may go on it. Lifts come from --add-lift options or from a job file's "lifts".

namespace {

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
        row.push_back(lift.bPlaced ? TextCell(NoticeName(lift.stop.notice)) : MissingCell("not placed"));
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
    LiftArgs settings;
    const StudyArguments arguments =
        ReadStudyArguments(args, LiftsOptions(), env.now, settings, &ReadLiftOption);
    if (!arguments.strError.empty()) return StudyRefused(arguments.strError);
    if (arguments.action == CliAction::Help) return {kExitDone, LiftsUsageText(), ""};

    const LiftsRead read = LiftSequenceOfArgs(
        settings, arguments.record, arguments.job ? &*arguments.job : nullptr, arguments.strJobPath);
    if (!read.strError.empty()) return StudyRefused(read.strError);
    const LiftSequenceResult result = RunLiftSequence(read.inputs);
    if (result.error) return StudyRefused(result.error->strMessage);
    return StudyOutput(arguments, LiftsDocument(read.inputs, result, settings.bCurves));
}
