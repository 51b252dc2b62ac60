#include "StudyCommand.h"

#include <algorithm>

#include "AtomicFile.h"
#include "CliOptionTable.h"
#include "CliUsage.h"
#include "FieldText.h"
#include "InputOptions.h"
#include "JsonText.h"
#include "ReadInputs.h"

namespace {

constexpr const char* kStudyFormats[] = {"text", "csv", "json"};

const char* Entry(const char* const* names, int nCount, int nIndex) {
    return nIndex >= 0 && nIndex < nCount ? names[nIndex] : "?";
}

std::string Padded2(int nValue) {
    std::string text = FormatFieldInt(nValue);
    return text.size() < 2 ? "0" + text : text;
}

}  // namespace

std::vector<OptionInfo> StudyOptionTable(const std::vector<OptionInfo>& own) {
    std::vector<OptionInfo> table;
    table.push_back(*FindOption(CliOptions(), "job"));
    for (const InputOption& input : InputOptions()) table.push_back(InputOptionInfo(input));
    table.insert(table.end(), own.begin(), own.end());
    table.push_back(
        ChoiceOption("format", "what to write",
                     "an aligned text table, CSV (blocks of a header line and rows, separated by an\n"
                     "empty line) or one JSON object (default text)",
                     kStudyFormats, "not a format"));
    table.push_back(*FindOption(CliOptions(), "output"));
    table.push_back(*FindOption(CliOptions(), "help"));
    return table;
}

StudyArguments ReadStudyArguments(const std::vector<std::string>& args, std::span<const OptionInfo> table,
                                  std::time_t now, const OtherOptionReader& own) {
    StudyArguments arguments;
    const CollectedOptions collected = CollectOptions(args, table);
    arguments.strError = collected.strError;
    arguments.action = collected.action;
    if (!arguments.strError.empty() || arguments.action != CliAction::Run) return arguments;
    SiteOptionsRead site = ReadSiteOptions(
        collected.given, now, [&](const GivenOption& given, FormRecord& record) -> std::string {
            const std::string_view name = given.option->name;
            if (name != "format" && name != "output") return own(given, record);
            if (std::string error = CheckCliValue(given, record); !error.empty()) return error;
            if (name == "format") {
                arguments.format = static_cast<CliOutputFormat>(ChoiceIndex(*given.option, given.value));
            } else {
                arguments.bHasOutput = true;
                arguments.strOutputPath = given.value;
            }
            return "";
        });
    arguments.strError = std::move(site.strError);
    arguments.record = std::move(site.record);
    arguments.job = std::move(site.job);
    arguments.strJobPath = std::move(site.strJobPath);
    return arguments;
}

CliOutcome StudyRefused(const std::string& message) { return {kExitRefused, "", CliMessageLine(message)}; }

CliOutcome StudyOutput(const StudyArguments& arguments, const CliDocument& document) {
    const std::string text = WriteCliDocument(document, arguments.format);
    if (!arguments.bHasOutput) return {kExitDone, text, ""};
    std::string error;
    if (!WriteFileAtomically(arguments.strOutputPath, text, &error))
        return {kExitWriteFailed, "", CliMessageLine(error)};
    return {kExitDone, "", ""};
}

std::string StudyUsageText(const char* usage, const char* about, std::span<const OptionInfo> table,
                           const char* after) {
    std::string text = std::string(usage) + about + "\n";
    text +=
        "The scenario's options are those of the single calculation (dravonel-cli --help), read\n"
        "the same way: a value left out keeps the form's start value, numbers are in the unit\n"
        "system chosen with --units, and temperatures are written in that system.\n\n";
    text += OptionLines(table);
    text += after;
    text +=
        "Exit status: 0 done, 1 the output could not be written, 2 an option, the job file or the\n"
        "study's input was refused (nothing is written then).\n";
    return text;
}

std::string ScenarioLine(const SimulationInputs& in, bool bTime, bool bMix) {
    const int u = UnitCode(DisplayUnitsOfCode(in.m_nUnits));
    const std::string temperatureUnit = std::string(" ") + kTemperatureUnit[u];
    std::string line = FormatFieldInt(in.m_nYear) + "-" + Padded2(in.m_nMonth) + "-" + Padded2(in.m_nDay);
    if (bTime) line += " " + Padded2(in.m_nHour) + ":" + Padded2(in.m_nMinute);
    line += ", latitude " + FormatFieldDouble(in.m_dLatitude) + "; air " + FormatFieldDouble(in.m_dAirTemp) +
            temperatureUnit + ", wind " + FormatFieldDouble(in.m_dWindSpeed) + " " + kWindUnit[u] + ", " +
            Entry(kSkyConditionNames, kSkyConditionCount, in.m_nSkyCondition);
    if (bMix)
        line += std::string("; ") + Entry(kMixTypeNames, kMixTypeCount, in.m_nMixType) + " PG " +
                Entry(kPgHighNames, kPgGradeCount, in.m_nPgHigh) +
                Entry(kPgLowNames, kPgGradeCount, in.m_nPgLow) + ", " +
                FormatFieldDouble(in.m_dLiftThickness) + " " + kLiftUnit[u] + " at " +
                FormatFieldDouble(in.m_dDeliveryTemp) + temperatureUnit;
    line += std::string("; on ") + Entry(kMaterialTypeNames, kMaterialTypeCount, in.m_nMaterialType);
    if (in.m_nMoistureContent >= 0 && in.m_nMoistureState >= 0)
        line += std::string(" (") +
                Entry(kMoistureContentNames, kMoistureContentCount, in.m_nMoistureContent) + ", " +
                Entry(kMoistureStateNames, kMoistureStateCount, in.m_nMoistureState) + ")";
    return line + " at " + FormatFieldDouble(in.m_dSurfaceTemp) + temperatureUnit;
}

CliFact InputsFact(const SimulationInputs& inputs, bool bTime, bool bMix,
                   std::span<const char* const> leftOut) {
    std::string json = "{";
    for (const InputText& input : InputTextsOf(inputs)) {
        const std::string_view name = input.name;
        if (std::any_of(leftOut.begin(), leftOut.end(), [&](const char* p) { return name == p; })) continue;
        if (json.size() > 1) json += ", ";
        AppendJsonString(json, name);
        json += ": ";
        const InputOption* option = FindInputOption(name);
        if (option != nullptr && option->kind == InputKind::Number)
            json += input.text;
        else
            AppendJsonString(json, input.text);
    }
    return {"inputs", "Scenario", JsonCell(json + "}", ScenarioLine(inputs, bTime, bMix))};
}

CliFact UnitsFact(const SimulationInputs& inputs) {
    return {"units", "Units", TextCell(UnitSystemText(DisplayUnitsOfCode(inputs.m_nUnits)))};
}
