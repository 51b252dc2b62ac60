#include "CliRun.h"

#include <charconv>

#include "AtomicFile.h"
#include "CliUsage.h"
#include "CommandLine.h"
#include "JsonResult.h"
#include "QuotedText.h"
#include "Report.h"

namespace {

constexpr const char* kProgramPrefix = "dravonel-cli: ";

CliOutcome Refused(const std::string& message) { return {kExitRefused, "", kProgramPrefix + message + "\n"}; }

CliResults Calculate(const SimulationInputs& inputs, CoolingCurve& curve) {
    SelectedProperties properties;
    CliResults results{};
    results.calculation = RunCalculation(inputs, properties, curve);
    // The start of the window as the plot settles it after the calculation's repaint.
    results.dStartTempC = StartTemperatureForGrade(inputs.m_nPgHigh);
    results.nStartTime = FindStartTime(curve, results.dStartTempC, inputs.m_nUnits);
    return results;
}

std::string ReportText(const SimulationInputs& inputs, const CliResults& results, const CoolingCurve& curve,
                       const std::tm& timeOfWriting) {
    const ReportResults reportResults{results.dStartTempC, results.nStartTime,
                                      results.calculation.stop.dStopTime};
    return WriteReport(inputs, reportResults, curve, timeOfWriting);
}

}  // namespace

bool ReportTimeOfWriting(const CliEnvironment& env, std::tm* pTime) {
    if (env.pSourceDateEpoch == nullptr || *env.pSourceDateEpoch == '\0')
        return localtime_r(&env.now, pTime) != nullptr;
    const std::string_view text = env.pSourceDateEpoch;
    long long nSeconds = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), nSeconds);
    if (ec != std::errc() || end != text.data() + text.size() || nSeconds < 0 || text.front() == '-')
        return false;
    const std::time_t seconds = static_cast<std::time_t>(nSeconds);
    return gmtime_r(&seconds, pTime) != nullptr;
}

CliOutcome RunCli(const std::vector<std::string>& args, const CliEnvironment& env) {
    const CliParseResult parsed = ParseCommandLine(args, env.now);
    if (!parsed.bOk) return Refused(parsed.strError);
    const CliRequest& request = parsed.request;
    if (request.action == CliAction::Help) return {kExitDone, CliUsageText(), ""};
    if (request.action == CliAction::Version) return {kExitDone, std::string(kCliVersionText) + "\n", ""};

    // Checked before the calculation so that a refusal never follows work that would be thrown away.
    std::tm timeOfWriting{};
    if (request.format == CliFormat::Report && !ReportTimeOfWriting(env, &timeOfWriting))
        return Refused("SOURCE_DATE_EPOCH " + QuoteForMessage(env.pSourceDateEpoch) +
                       ": not a time; allowed whole seconds since 1970-01-01 00:00 UTC, 0 or more");

    CoolingCurve curve;
    const CliResults results = Calculate(request.record, curve);
    const std::string text = request.format == CliFormat::Json
                                 ? WriteJsonResult(request.record, results, curve)
                                 : ReportText(request.record, results, curve, timeOfWriting);
    if (!request.bHasOutput) return {kExitDone, text, ""};

    std::string error;
    if (!WriteFileAtomically(request.strOutputPath, text, &error))
        return {kExitWriteFailed, "", kProgramPrefix + error + "\n"};
    return {kExitDone, "", ""};
}
