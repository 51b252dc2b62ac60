#include "CommandLine.h"

#include <string_view>
#include <variant>

#include "JobFile.h"

namespace {

bool Named(const GivenOption& given, std::string_view name) { return given.option->name == name; }

// The record the options are applied to: the job's when one is given, else a fresh form. Returns an
// error text, or "" when the record was made.
std::string BaseRecord(const std::vector<GivenOption>& given, const UnitsRead& units, std::time_t now,
                       FormRecord& record) {
    const GivenOption* job = nullptr;
    for (const GivenOption& option : given)
        if (Named(option, "job")) job = &option;
    if (job == nullptr) {
        record = StartRecord(units.units.value_or(UnitSystem::English), now);
        return "";
    }
    if (std::string error = CheckCliValue(*job, record); !error.empty()) return error;
    const JobFileRead read = ReadJobFile(job->value);
    if (const auto* error = std::get_if<JobFileError>(&read)) return JobFileErrorText(*error);
    const InputsRead jobRecord = RecordFromJob(std::get<JobFile>(read), now);
    if (jobRecord.refusal)
        return JobFileErrorText(
            {job->value, "inputs." + jobRecord.refusal->strName, RefusalReasonText(*jobRecord.refusal)});
    record = jobRecord.record;
    if (units.units) SwitchUnits(record, *units.units);
    return "";
}

// The options that are not inputs: the job (read before all), the format and the output.
std::string ApplyCliOption(const GivenOption& given, CliRequest& request) {
    if (std::string error = CheckCliValue(given, request.record); !error.empty()) return error;
    if (Named(given, "format")) {
        request.format = given.value == "json" ? CliFormat::Json : CliFormat::Report;
    } else if (Named(given, "output")) {
        request.bHasOutput = true;
        request.strOutputPath = given.value;
    }
    return "";
}

}  // namespace

CliParseResult ParseCommandLine(const std::vector<std::string>& args, std::time_t now) {
    CliParseResult result;
    CollectedOptions collected = CollectOptions(args, CliOptions());
    result.strError = collected.strError;
    result.request.action = collected.action;
    if (!result.strError.empty()) return result;
    if (result.request.action != CliAction::Run) {
        result.bOk = true;
        return result;
    }

    // The unit system comes first: every number given is read in it. The last --units given counts.
    std::vector<NamedValue> inputs;
    for (const GivenOption& given : collected.given)
        if (IsInputKind(given.option->kind)) inputs.push_back(AsNamedValue(given));
    const UnitsRead units = ReadUnitSystem(inputs);
    if (units.refusal) {
        result.strError = OptionRefusalText(*units.refusal);
        return result;
    }
    FormRecord& record = result.request.record;
    result.strError = BaseRecord(collected.given, units, now, record);
    if (!result.strError.empty()) return result;

    // The first refusal in argument order is reported.
    InputApplier applier(record);
    for (std::size_t i = 0; i < collected.given.size(); ++i) {
        const GivenOption& given = collected.given[i];
        if (IsInputKind(given.option->kind)) {
            if (auto refusal = applier.Apply(AsNamedValue(given), i)) {
                result.strError = OptionRefusalText(*refusal);
                return result;
            }
        } else if (result.strError = ApplyCliOption(given, result.request); !result.strError.empty()) {
            return result;
        }
    }
    if (auto refusal = applier.Finish()) {
        result.strError = OptionRefusalText(*refusal);
        return result;
    }
    result.bOk = true;
    return result;
}
