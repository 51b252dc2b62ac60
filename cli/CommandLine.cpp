#include "CommandLine.h"

#include <string_view>
#include <variant>

#include "JobFile.h"

namespace {

bool Named(const GivenOption& given, std::string_view name) { return given.option->name == name; }

// The record the options are applied to: the job's when one is given, else a fresh form. Returns an
// error text, or "" when the record was made.
std::string BaseRecord(const std::vector<GivenOption>& given, const UnitsRead& units, std::time_t now,
                       SiteOptionsRead& site) {
    FormRecord& record = site.record;
    const GivenOption* job = nullptr;
    for (const GivenOption& option : given)
        if (Named(option, "job")) job = &option;
    if (job == nullptr) {
        record = StartRecord(units.units.value_or(UnitSystem::English), now);
        return "";
    }
    if (std::string error = CheckCliValue(*job, record); !error.empty()) return error;
    JobFileRead read = ReadJobFile(job->value);
    if (const auto* error = std::get_if<JobFileError>(&read)) return JobFileErrorText(*error);
    const InputsRead jobRecord = RecordFromJob(std::get<JobFile>(read), now);
    if (jobRecord.refusal)
        return JobFileErrorText(
            {job->value, "inputs." + jobRecord.refusal->strName, RefusalReasonText(*jobRecord.refusal)});
    record = jobRecord.record;
    site.job = std::move(std::get<JobFile>(read));
    site.strJobPath = job->value;
    if (units.units) SwitchUnits(record, *units.units);
    return "";
}

// The options that are neither inputs nor the job: the format and the output.
std::string ApplyCliOption(const GivenOption& given, FormRecord& record, CliRequest& request) {
    if (std::string error = CheckCliValue(given, record); !error.empty()) return error;
    if (Named(given, "format")) {
        request.format = given.value == "json" ? CliFormat::Json : CliFormat::Report;
    } else if (Named(given, "output")) {
        request.bHasOutput = true;
        request.strOutputPath = given.value;
    }
    return "";
}

}  // namespace

SiteOptionsRead ReadSiteOptions(const std::vector<GivenOption>& given, std::time_t now,
                                const OtherOptionReader& other) {
    SiteOptionsRead site;
    // The unit system comes first: every number given is read in it. The last --units given counts.
    std::vector<NamedValue> inputs;
    for (const GivenOption& option : given)
        if (IsInputKind(option.option->kind)) inputs.push_back(AsNamedValue(option));
    const UnitsRead units = ReadUnitSystem(inputs);
    if (units.refusal) {
        site.strError = OptionRefusalText(*units.refusal);
        return site;
    }
    site.strError = BaseRecord(given, units, now, site);
    if (!site.strError.empty()) return site;

    // The first refusal in argument order is reported.
    InputApplier applier(site.record);
    for (std::size_t i = 0; i < given.size(); ++i) {
        const GivenOption& option = given[i];
        if (IsInputKind(option.option->kind)) {
            if (auto refusal = applier.Apply(AsNamedValue(option), i)) {
                site.strError = OptionRefusalText(*refusal);
                return site;
            }
        } else if (Named(option, "job")) {
            site.strError = CheckCliValue(option, site.record);
        } else {
            site.strError = other(option, site.record);
        }
        if (!site.strError.empty()) return site;
    }
    if (auto refusal = applier.Finish()) site.strError = OptionRefusalText(*refusal);
    return site;
}

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
    SiteOptionsRead site =
        ReadSiteOptions(collected.given, now, [&](const GivenOption& given, FormRecord& record) {
            return ApplyCliOption(given, record, result.request);
        });
    result.strError = std::move(site.strError);
    if (!result.strError.empty()) return result;
    result.request.record = std::move(site.record);
    result.bOk = true;
    return result;
}
