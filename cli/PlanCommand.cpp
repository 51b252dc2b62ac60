#include "CliSubcommands.h"
#include "PavingDayPlanner.h"
#include "PlanArgs.h"
#include "StudyCommand.h"

// dravonel-cli plan: the scenario's day slot by slot (PlanPavingDay), one row a paving time.

namespace {

std::span<const OptionInfo> PlanOptions() {
    static const std::vector<OptionInfo> table = StudyOptionTable({
        CommandOption("from", OptionKind::Value, "the first paving time", "00:00 to 24:00 (default 05:00)",
                      "HH:MM"),
        CommandOption("to", OptionKind::Value, "the last paving time",
                      "the first paving time to 24:00 (default 22:00); a paving time only when it\n"
                      "lies on the step from the first",
                      "HH:MM"),
        CommandOption("every", OptionKind::Value, "minutes from one paving time to the next",
                      "1 to 1440 (default 30)", "MIN"),
        CommandOption("min-window", OptionKind::Value, "the shortest window the rollers need, minutes",
                      "0 to 120 (default 15); shorter windows are marked short", "MIN"),
        CommandOption("weather", OptionKind::File, "the weather of each clock hour, from a CSV file",
                      "header hour,air,wind,sky; one row per clock hour 0 to 23, air and wind in\n"
                      "the chosen units, sky as its entry or index; each paving time takes the row\n"
                      "of its hour (24:00 the row of hour 0). Without it, --air, --wind and --sky\n"
                      "hold all day",
                      "FILE.csv"),
    });
    return table;
}

std::string PlanUsageText() {
    return StudyUsageText(
        "Usage: dravonel-cli plan [scenario options] [--from HH:MM] [--to HH:MM] [--every MIN]\n"
        "                         [--min-window MIN] [--weather FILE.csv] [--format text|csv|json]\n"
        "                         [--output FILE]\n",
        "Plans a paving day: the scenario's calculation at every paving time from --from to --to,\n"
        "to find when the compaction window is longest. --time is replaced by each paving time.\n",
        PlanOptions(),
        "\nWhy a minimum window: the breakdown, intermediate and finish rollers each need their passes\n"
        "while the mat lies between the start and the stop temperature. A window too short for all of\n"
        "them lets the mat cool below the stop temperature before the density is reached.\n"
        "\nColumns: time (the paving time), air, wind and sky (with --weather: the weather used),\n"
        "start and stop (whole minutes after laydown), window (stop - start, minutes), notice (none,\n"
        "slow or rapid), short (the window is below the minimum) and best. The best paving times have\n"
        "the longest window among those without a rapid-cooling notice (ties all named); only when\n"
        "every paving time has that notice, the longest of all. A best time may still be short.\n\n");
}

CliDocument PlanDocument(const PlanArgs& settings, const PavingDayPlan& plan) {
    const PavingDayRequest& request = settings.request;
    const SimulationInputs& base = request.base;
    const int u = UnitCode(DisplayUnitsOfCode(base.m_nUnits));
    const bool bWeather = !request.hourly.empty();
    CliDocument document;
    document.strHeading = "Paving day plan: paving times " + ClockText(request.nFromMinute) + " to " +
                          ClockText(request.nToMinute) + " every " + std::to_string(request.nStepMinutes) +
                          " min, minimum window " + NumberText(request.dMinimumWindow) + " min";
    static constexpr const char* kLeftOut[] = {"time"};
    document.facts.push_back(InputsFact(base, false, true, kLeftOut));
    document.facts.push_back(UnitsFact(base));
    document.facts.push_back({"from", "First paving time", TextCell(ClockText(request.nFromMinute)), false});
    document.facts.push_back({"to", "Last paving time", TextCell(ClockText(request.nToMinute)), false});
    document.facts.push_back({"every", "Step", WholeCell(request.nStepMinutes, "min"), false});
    document.facts.push_back(
        {"min_window", "Minimum window", NumberCell(request.dMinimumWindow, "min"), false});
    document.facts.push_back({"weather", "Weather",
                              bWeather ? TextCell(settings.strWeatherPath)
                                       : MissingCell("the scenario's air, wind and sky all day")});
    document.bFactsInCsv = false;

    CliTable slots;
    slots.strKey = "slots";
    slots.columns.push_back({"time", "time"});
    if (bWeather) {
        slots.columns.push_back({"air", std::string("air\n") + kTemperatureUnit[u]});
        slots.columns.push_back({"wind", std::string("wind\n") + kWindUnit[u]});
        slots.columns.push_back({"sky", "sky"});
    }
    for (const char* key : {"start", "stop", "window"})
        slots.columns.push_back({key, std::string(key) + "\nmin"});
    for (const char* key : {"notice", "short", "best"}) slots.columns.push_back({key, key});
    std::string bestTimes;
    std::string bestJson = "[";
    for (const PavingSlot& slot : plan.timeSlots) {
        std::vector<CliCell> row{TextCell(ClockText(slot.nClockMinute))};
        if (bWeather) {
            row.push_back(NumberCell(slot.dAirTemp));
            row.push_back(NumberCell(slot.dWindSpeed));
            row.push_back(TextCell(kSkyConditionNames[slot.nSkyCondition]));
        }
        row.push_back(WholeCell(slot.nStartTime));
        row.push_back(NumberCell(slot.dStopTime));
        row.push_back(NumberCell(slot.dWindow));
        row.push_back(TextCell(NoticeName(slot.notice)));
        row.push_back(YesNoCell(slot.bShortWindow));
        row.push_back(YesNoCell(slot.bBest, "*", ""));
        slots.rows.push_back(std::move(row));
        if (slot.bBest) {
            bestTimes += (bestTimes.empty() ? "" : ", ") + ClockText(slot.nClockMinute);
            bestJson += (bestJson.size() > 1 ? ", \"" : "\"") + ClockText(slot.nClockMinute) + "\"";
        }
    }
    document.tables.push_back(std::move(slots));
    document.facts.push_back({"best", "Best", JsonCell(bestJson + "]", bestTimes), false});
    if (!plan.best.empty()) {
        const PavingSlot& best = plan.timeSlots[plan.best.front()];
        std::string note = std::string(plan.best.size() > 1 ? "Best paving times: " : "Best paving time: ") +
                           bestTimes + " (window " + NumberText(best.dWindow) + " min";
        if (best.bShortWindow)
            note += ", shorter than the minimum of " + NumberText(request.dMinimumWindow) + " min";
        if (best.notice == CoolingNotice::Rapid) note += "; every paving time has a rapid-cooling notice";
        document.notes.push_back(note + ")");
    }
    return document;
}

}  // namespace

CliOutcome RunPlanCommand(const std::vector<std::string>& args, const CliEnvironment& env) {
    PlanArgs settings;
    const StudyArguments arguments =
        ReadStudyArguments(args, PlanOptions(), env.now, settings, &ReadPlanOption);
    if (!arguments.strError.empty()) return StudyRefused(arguments.strError);
    if (arguments.action == CliAction::Help) return {kExitDone, PlanUsageText(), ""};
    if (std::string error = CheckPlanTimes(settings); !error.empty()) return StudyRefused(error);

    settings.request.base = arguments.record.inputs;
    const PavingDayPlan plan = PlanPavingDay(settings.request);
    if (plan.outcome != StudyOutcome::Done) return StudyRefused(PlanFaultText(plan.fault, settings));
    return StudyOutput(arguments, PlanDocument(settings, plan));
}
