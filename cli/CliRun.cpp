#include "CliRun.h"

#include <charconv>

#include "AtomicFile.h"
#include "CliSubcommands.h"
#include "CliUsage.h"
#include "CommandLine.h"
#include "JsonResult.h"
#include "QuotedText.h"
#include "Report.h"

namespace {

CliOutcome Refused(const std::string& message) { return {kExitRefused, "", CliMessageLine(message)}; }

std::string ReportText(const SimulationInputs& inputs, const CalculationResult& result,
                       const std::tm& timeOfWriting) {
    const CalculationSummary& s = result.summary;
    const ReportResults reportResults{s.start.dStartTemp, s.start.nStartTime, s.stop.dStopTime};
    return WriteReport(inputs, reportResults, result.curve, timeOfWriting);
}

}  // namespace

std::string CliMessageLine(const std::string& message) { return "dravonel-cli: " + message + "\n"; }

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
    if (!args.empty()) {
        if (const CliSubcommand* subcommand = FindSubcommand(args.front()))
            return subcommand->run({args.begin() + 1, args.end()}, env);
    }
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

    const SimulationInputs& inputs = request.record.inputs;
    const CalculationResult result = RunCalculation(inputs);
    const std::string text = request.format == CliFormat::Json ? WriteJsonResult(inputs, result)
                                                               : ReportText(inputs, result, timeOfWriting);
    if (!request.bHasOutput) return {kExitDone, text, ""};

    std::string error;
    if (!WriteFileAtomically(request.strOutputPath, text, &error))
        return {kExitWriteFailed, "", CliMessageLine(error)};
    return {kExitDone, "", ""};
}
