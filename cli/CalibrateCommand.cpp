#include "Calibration.h"
#include "CalibrationArgs.h"
#include "CliSubcommands.h"
#include "StudyCommand.h"
#include "WindowBatch.h"

// dravonel-cli calibrate: the delivery temperature that makes the model meet a temperature measured on the
// mat (Calibrate), and the window it gives beside the window of the delivery given.

namespace {

std::span<const OptionInfo> CalibrateOptions() {
    static const std::vector<OptionInfo> table = [] {
        const OptionInfo where =
            ChoiceOption("where", "where it was measured (required)",
                         "surface: an infrared reading of the surface; mid-depth: a probe "
                         "at\nhalf the lift's thickness",
                         kMeasurementPlaceWords, "not a place");
        return StudyOptionTable({
            CommandOption("measured", OptionKind::Value, "the temperature measured on the mat (required)",
                          "a number in the chosen units (C or F); refused, naming the nearest value the\n"
                          "model reaches, when no delivery temperature gives it",
                          "T"),
            CommandOption("at", OptionKind::Value, "when it was measured, minutes after laydown (required)",
                          "more than 0, at most 120; fractions allowed", "MIN"),
            where,
        });
    }();
    return table;
}

std::string CalibrateUsageText() {
    return StudyUsageText(
        "Usage: dravonel-cli calibrate [scenario options] --measured T --at MIN --where surface|mid-depth\n"
        "                              [--format text|csv|json] [--output FILE]\n",
        "Finds the delivery temperature with which the model meets a temperature measured on the mat,\n"
        "and the compaction window that follows, beside the window of the --delivery given.\n",
        CalibrateOptions(),
        "\nMethod: the model's temperature at the time of the measurement is read from its run (the\n"
        "surface, or the temperature at half the lift), interpolated between the 20 s steps. A hotter\n"
        "delivery gives a hotter mat, so the fit is bracketed by the ends of the delivery range and\n"
        "narrowed by regula falsi with the Illinois correction until the model is within 0.01 C of the\n"
        "measurement, in at most 11 engine runs; the fit is rounded to hundredths as the form holds a\n"
        "delivery temperature and run once more for the window shown (12 engine runs at most).\n"
        "Times are minutes after laydown.\n\n");
}

std::vector<CliCell> WindowRow(const char* pszWhich, double dDelivery, const CalculationSummary& summary) {
    return {TextCell(pszWhich),
            NumberCell(dDelivery),
            WholeCell(summary.start.nStartTime),
            NumberCell(summary.stop.dStopTime),
            NumberCell(WindowLength(summary)),
            TextCell(NoticeName(summary.stop.notice))};
}

CliDocument CalibrateDocument(const CalibrationRequest& request, const CalibrationResult& fit,
                              const CalculationSummary& given) {
    const int u = UnitCode(DisplayUnitsOfCode(request.base.m_nUnits));
    const char* pszTemp = kTemperatureUnit[u];
    const char* pszPlace = request.place == MeasurementPlace::Surface ? "surface" : "mid-depth";
    CliDocument document;
    document.strHeading = "Calibration to a measured temperature: " + NumberText(request.dMeasuredTemp) +
                          " " + pszTemp + " at " + NumberText(request.dMinutesAfterLaydown) + " min, " +
                          (request.place == MeasurementPlace::Surface ? "at the surface" : "at mid-depth");
    document.facts.push_back(InputsFact(request.base, true, true, {}));
    document.facts.push_back(UnitsFact(request.base));
    document.facts.push_back({"measured", "Measured", NumberCell(request.dMeasuredTemp, pszTemp)});
    document.facts.push_back({"at", "At", NumberCell(request.dMinutesAfterLaydown, "min after laydown")});
    document.facts.push_back({"where", "Where", TextCell(pszPlace)});
    document.facts.push_back({"fitted_delivery", "Fitted delivery", NumberCell(fit.dDeliveryTemp, pszTemp)});
    // The search's own figure, before rounding to hundredths; the text shows the rounded one alone.
    document.facts.push_back({"fitted_delivery_exact", "Fitted delivery before rounding",
                              NumberCell(fit.dDeliveryTempExact, pszTemp), false});
    document.facts.push_back({"model_temp", "Model at the measurement", NumberCell(fit.dModelTemp, pszTemp)});
    document.facts.push_back({"engine_runs", "Engine runs", WholeCell(fit.nEngineRuns)});

    CliTable windows;
    windows.strKey = "windows";
    windows.strTitle = "Compaction window with the fitted delivery and with the delivery given";
    windows.columns = {{"delivery_from", "delivery\nfrom"},
                       {"delivery", std::string("delivery\n") + pszTemp},
                       {"start", "start\nmin"},
                       {"stop", "stop\nmin"},
                       {"window", "window\nmin"},
                       {"notice", "notice"}};
    windows.rows.push_back(WindowRow("fitted", fit.dDeliveryTemp, fit.fitted.summary));
    windows.rows.push_back(WindowRow("given", request.base.m_dDeliveryTemp, given));
    document.tables.push_back(std::move(windows));
    return document;
}

}  // namespace

CliOutcome RunCalibrateCommand(const std::vector<std::string>& args, const CliEnvironment& env) {
    CalibrationArgs settings;
    const StudyArguments arguments =
        ReadStudyArguments(args, CalibrateOptions(), env.now, settings, &ReadCalibrationOption);
    if (!arguments.strError.empty()) return StudyRefused(arguments.strError);
    if (arguments.action == CliAction::Help) return {kExitDone, CalibrateUsageText(), ""};
    if (std::string error = CheckCalibrationOptions(settings); !error.empty()) return StudyRefused(error);

    settings.request.base = arguments.record.inputs;
    const CalibrationResult fit = Calibrate(settings.request);
    if (fit.outcome != StudyOutcome::Done) return StudyRefused(fit.fault.strMessage);
    const CalculationSummary given = RunCalculation(settings.request.base).summary;
    return StudyOutput(arguments, CalibrateDocument(settings.request, fit, given));
}
