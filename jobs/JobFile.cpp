#include "JobFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <nlohmann/json.hpp>
#include <set>

#include "AtomicFile.h"
#include "FieldText.h"
#include "InputOptions.h"
#include "LiftSequence.h"
#include "QuotedText.h"

namespace {

using Json = nlohmann::ordered_json;

// Thrown while checking a parsed file; ParseJobText turns it into the JobFileError.
struct Refused {
    std::string strKey;
    std::string strReason;
};

const char* const kTopKeys[] = {"format", "version", "units", "inputs", "scenarios", "lifts"};
const char* const kScenarioKeys[] = {"label", "units", "inputs"};
const char* const kLiftsKeys[] = {"next-lift-temp", "lifts"};
const char* const kLiftKeys[] = {"at", "lift", "delivery", "mix", "pg-high", "pg-low"};

template <std::size_t N>
std::string KeyList(const char* const (&keys)[N]) {
    std::string list;
    for (const char* key : keys) list += std::string(list.empty() ? "" : ", ") + key;
    return list;
}

template <std::size_t N>
void RefuseUnknownKeys(const Json& object, const std::string& prefix, const char* const (&keys)[N]) {
    for (const auto& [key, value] : object.items()) {
        bool bKnown = false;
        for (const char* known : keys) bKnown = bKnown || key == known;
        if (!bKnown) throw Refused{prefix + key, "unknown key; allowed " + KeyList(keys)};
    }
}

const char* TypeName(const Json& value) {
    switch (value.type()) {
        case Json::value_t::object:
            return "an object";
        case Json::value_t::array:
            return "a list";
        case Json::value_t::string:
            return "a text";
        case Json::value_t::boolean:
            return "true or false";
        case Json::value_t::null:
            return "null";
        default:
            break;
    }
    return "a number";
}

const Json& NeedObject(const Json& value, const std::string& key) {
    if (!value.is_object()) throw Refused{key, std::string("an object was expected, not ") + TypeName(value)};
    return value;
}

// A value as the text a form field would hold: texts as they are; JSON numbers as "%.15g" shows them, so
// that a hand-written 10 reads as "10".
std::string ValueText(const Json& value, const std::string& key) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number_integer()) return std::to_string(value.get<long long>());
    if (value.is_number_unsigned()) return std::to_string(value.get<unsigned long long>());
    if (value.is_number_float()) return FormatFieldDouble(value.get<double>());
    throw Refused{key, std::string("a text was expected, not ") + TypeName(value)};
}

UnitSystem UnitsOf(const Json& value, const std::string& key) {
    const std::string text = ValueText(value, key);
    const std::optional<UnitSystem> units = UnitSystemOfText(text);
    if (!units)
        throw Refused{key, "not a unit system (" + QuoteForMessage(text) + "); allowed english or si"};
    return *units;
}

// The inputs object: option names other than "units", each value accepted in `units`.
std::vector<JobInput> ReadInputsObject(const Json& object, const std::string& key, UnitSystem units) {
    NeedObject(object, key);
    std::vector<JobInput> inputs;
    for (const auto& [name, value] : object.items()) {
        const InputOption* option = FindInputOption(name);
        if (option == nullptr || option->kind == InputKind::Units) {
            std::string allowed;
            for (const InputOption& o : InputOptions())
                if (o.kind != InputKind::Units) allowed += std::string(allowed.empty() ? "" : ", ") + o.name;
            throw Refused{key + "." + name, option ? "the unit system is given by \"units\" beside \"inputs\""
                                                   : "unknown key; allowed " + allowed};
        }
        inputs.push_back({name, ValueText(value, key + "." + name)});
    }
    std::vector<NamedValue> values;
    for (const JobInput& input : inputs) values.push_back({input.strName, input.strText});
    // The clock only fills a date or time left out; it cannot make a value refused.
    const InputsRead read = ReadInputs(values, units, 0);
    if (read.refusal) throw Refused{key + "." + read.refusal->strName, RefusalReasonText(*read.refusal)};
    return inputs;
}

JobScenario ReadScenario(const Json& object, const std::string& key, UnitSystem jobUnits) {
    NeedObject(object, key);
    RefuseUnknownKeys(object, key + ".", kScenarioKeys);
    JobScenario scenario;
    scenario.units = object.contains("units") ? UnitsOf(object["units"], key + ".units") : jobUnits;
    if (object.contains("label")) {
        if (!object["label"].is_string()) throw Refused{key + ".label", "a text was expected"};
        scenario.strLabel = object["label"].get<std::string>();
    }
    if (object.contains("inputs"))
        scenario.inputs = ReadInputsObject(object["inputs"], key + ".inputs", scenario.units);
    return scenario;
}

std::string RangeText(double dMin, double dMax) {
    return FormatFieldDouble(dMin) + " to " + FormatFieldDouble(dMax);
}

// A whole number of minutes when the lift goes down: 0 for the first lift, then never earlier than the lift
// before and at most kMaxPlacementGapMinutes after it, as the lift engine takes them.
std::string ReadPlacement(const Json& value, const std::string& key, std::optional<int> previous) {
    const std::string text = ValueText(value, key);
    int nMinutes = 0;
    if (!ParseFieldInt(text, &nMinutes))
        throw Refused{key, "not a whole number (" + QuoteForMessage(text) + ")"};
    const int nMin = previous ? *previous : 0;
    const int nMax = previous ? *previous + kMaxPlacementGapMinutes : 0;
    if (nMinutes < nMin || nMinutes > nMax)
        throw Refused{key,
                      "out of range (" + QuoteForMessage(text) + "); allowed " +
                          (previous ? RangeText(nMin, nMax) + " minutes (at most " +
                                          std::to_string(kMaxPlacementGapMinutes) + " after the lift before)"
                                    : std::string("0 for the first lift"))};
    return text;
}

JobLift ReadLift(const Json& object, const std::string& key, UnitSystem units,
                 std::optional<int> previousAt) {
    NeedObject(object, key);
    RefuseUnknownKeys(object, key + ".", kLiftKeys);
    JobLift lift;
    if (object.contains("at")) lift.strAt = ReadPlacement(object["at"], key + ".at", previousAt);
    // The lift's own values follow the rules of the inputs of the same names.
    Json inputs = Json::object();
    for (const char* name : {"lift", "delivery", "mix", "pg-high", "pg-low"})
        if (object.contains(name)) inputs[name] = object[name];
    std::vector<JobInput> read = ReadInputsObject(inputs, key, units);
    for (const JobInput& input : read) {
        std::string* pText = input.strName == "lift"       ? &lift.strLift
                             : input.strName == "delivery" ? &lift.strDelivery
                             : input.strName == "mix"      ? &lift.strMix
                             : input.strName == "pg-high"  ? &lift.strPgHigh
                                                           : &lift.strPgLow;
        *pText = input.strText;
    }
    return lift;
}

std::string ReadNextLiftTemp(const Json& value, const std::string& key, UnitSystem units) {
    const std::string text = ValueText(value, key);
    const NextLiftTempRange range =
        units == UnitSystem::SI ? kNextLiftTempRangeSi : kNextLiftTempRangeEnglish;
    const std::string allowed =
        "; allowed " + RangeText(range.dMin, range.dMax) + (units == UnitSystem::SI ? " C" : " F");
    double dValue = 0.0;
    if (text.size() > 31 || !ParseFieldDouble(text, &dValue))
        throw Refused{key, "not a number (" + QuoteForMessage(text) + ")" + allowed};
    if (dValue < range.dMin || dValue > range.dMax)
        throw Refused{key, "out of range (" + QuoteForMessage(text) + ")" + allowed};
    return text;
}

JobLifts ReadLifts(const Json& object, UnitSystem units) {
    NeedObject(object, "lifts");
    RefuseUnknownKeys(object, "lifts.", kLiftsKeys);
    JobLifts lifts;
    if (object.contains("next-lift-temp"))
        lifts.strNextLiftTemp = ReadNextLiftTemp(object["next-lift-temp"], "lifts.next-lift-temp", units);
    if (object.contains("lifts")) {
        const Json& list = object["lifts"];
        if (!list.is_array())
            throw Refused{"lifts.lifts", std::string("a list was expected, not ") + TypeName(list)};
        if (list.size() > static_cast<std::size_t>(kMaxLifts))
            throw Refused{"lifts.lifts", std::to_string(list.size()) + " lifts; allowed at most " +
                                             std::to_string(kMaxLifts)};
        std::optional<int> previousAt;
        for (std::size_t i = 0; i < list.size(); ++i) {
            lifts.lifts.push_back(
                ReadLift(list[i], "lifts.lifts[" + std::to_string(i) + "]", units, previousAt));
            int nAt = 0;
            previousAt = ParseFieldInt(lifts.lifts.back().strAt, &nAt) ? nAt : previousAt.value_or(0);
        }
    }
    return lifts;
}

JobFile ReadJob(const Json& root) {
    if (!root.is_object()) throw Refused{"", "not a job file: the JSON text is not an object"};
    if (!root.contains("format"))
        throw Refused{"", std::string("not a job file: it has no \"format\": \"") + kJobFormatName + "\""};
    const Json& format = root["format"];
    if (!format.is_string() || format.get<std::string>() != kJobFormatName)
        throw Refused{"format", std::string("not a job file: the format is not \"") + kJobFormatName + "\""};
    // The version comes before any other key: a newer file may hold keys this reader does not know.
    if (!root.contains("version")) throw Refused{"version", "missing"};
    const Json& version = root["version"];
    if (!version.is_number_integer() || version.get<long long>() < 1)
        throw Refused{"version", "not a version; allowed a whole number from 1"};
    if (version.get<long long>() > kJobFormatVersion)
        throw Refused{"version", "written by a newer version of the program (job format " +
                                     std::to_string(version.get<long long>()) + "); this one reads format " +
                                     std::to_string(kJobFormatVersion)};
    RefuseUnknownKeys(root, "", kTopKeys);
    if (!root.contains("units")) throw Refused{"units", "missing; allowed english or si"};

    JobFile job;
    job.units = UnitsOf(root["units"], "units");
    if (root.contains("inputs")) job.inputs = ReadInputsObject(root["inputs"], "inputs", job.units);
    if (root.contains("scenarios")) {
        const Json& list = root["scenarios"];
        if (!list.is_array())
            throw Refused{"scenarios", std::string("a list was expected, not ") + TypeName(list)};
        if (list.size() > kMaxJobScenarios)
            throw Refused{"scenarios", std::to_string(list.size()) + " scenarios; allowed at most " +
                                           std::to_string(kMaxJobScenarios)};
        for (std::size_t i = 0; i < list.size(); ++i)
            job.scenarios.push_back(ReadScenario(list[i], "scenarios[" + std::to_string(i) + "]", job.units));
    }
    if (root.contains("lifts")) job.lifts = ReadLifts(root["lifts"], job.units);
    return job;
}

// Line and column (from 1) of the byte at `nByte` (from 1, as the JSON parser counts).
std::string PlaceOf(std::string_view text, std::size_t nByte) {
    std::size_t nLine = 1;
    std::size_t nColumn = 1;
    for (std::size_t i = 0; i + 1 < nByte && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++nLine;
            nColumn = 1;
        } else {
            ++nColumn;
        }
    }
    return "line " + std::to_string(nLine) + ", column " + std::to_string(nColumn);
}

Json InputsJson(const std::vector<JobInput>& inputs) {
    Json object = Json::object();
    for (const JobInput& input : inputs) object[input.strName] = input.strText;
    return object;
}

void PutIfGiven(Json& object, const char* key, const std::string& text) {
    if (!text.empty()) object[key] = text;
}

}  // namespace

std::string JobFileErrorText(const JobFileError& error) {
    std::string text = ShownFileName(error.strFile) + ": ";
    if (!error.strKey.empty()) text += error.strKey + ": ";
    return text + error.strReason;
}

JobFileRead ParseJobText(std::string_view text, const std::string& fileName) {
    if (text.empty()) return JobFileError{fileName, "", "the file is empty and holds no inputs"};
    // Objects open and close in nesting order; each keeps the keys seen so far, so that a key given twice
    // is refused rather than silently taking the later value.
    std::vector<std::set<std::string>> openObjects;
    std::string strTwice;
    const Json::parser_callback_t noteKeys = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) {
            openObjects.emplace_back();
        } else if (event == Json::parse_event_t::object_end) {
            openObjects.pop_back();
        } else if (event == Json::parse_event_t::key && !openObjects.empty() &&
                   !openObjects.back().insert(parsed.get<std::string>()).second && strTwice.empty()) {
            strTwice = parsed.get<std::string>();
        }
        return true;
    };
    Json root;
    try {
        root = Json::parse(text.begin(), text.end(), noteKeys);
    } catch (const Json::parse_error& error) {
        return JobFileError{fileName, "",
                            "not a job file: not JSON (error at " + PlaceOf(text, error.byte) + ")"};
    } catch (const Json::exception&) {
        return JobFileError{fileName, "", "not a job file: not JSON (a number beyond any double)"};
    }
    if (!strTwice.empty()) return JobFileError{fileName, strTwice, "key given twice in one object"};
    try {
        return ReadJob(root);
    } catch (const Refused& refused) {
        return JobFileError{fileName, refused.strKey, refused.strReason};
    }
}

JobFileRead ReadJobFile(const std::string& path) {
    const auto failed = [&](const std::string& reason) { return JobFileError{path, "", reason}; };
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return failed(std::string("cannot read: ") + std::strerror(errno));
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(fd);
        return failed("cannot read: is a folder");
    }
    std::string text;
    char buffer[65536];
    int nError = 0;
    for (;;) {
        const ssize_t nRead = read(fd, buffer, sizeof buffer);
        if (nRead < 0 && errno == EINTR) continue;
        if (nRead < 0) nError = errno;
        if (nRead <= 0) break;
        text.append(buffer, static_cast<std::size_t>(nRead));
        if (text.size() > kMaxJobFileBytes) break;
    }
    close(fd);
    if (nError != 0) return failed(std::string("cannot read: ") + std::strerror(nError));
    if (text.size() > kMaxJobFileBytes) return failed("too large to be a job file (more than 1 MiB)");
    return ParseJobText(text, path);
}

std::string JobFileText(const JobFile& job) {
    Json root = Json::object();
    root["format"] = kJobFormatName;
    root["version"] = kJobFormatVersion;
    root["units"] = UnitSystemText(job.units);
    root["inputs"] = InputsJson(job.inputs);
    if (!job.scenarios.empty()) {
        Json list = Json::array();
        for (const JobScenario& scenario : job.scenarios) {
            Json object = Json::object();
            object["label"] = scenario.strLabel;
            object["units"] = UnitSystemText(scenario.units);
            object["inputs"] = InputsJson(scenario.inputs);
            list.push_back(std::move(object));
        }
        root["scenarios"] = std::move(list);
    }
    if (job.lifts) {
        Json lifts = Json::object();
        PutIfGiven(lifts, "next-lift-temp", job.lifts->strNextLiftTemp);
        Json list = Json::array();
        for (const JobLift& lift : job.lifts->lifts) {
            Json object = Json::object();
            PutIfGiven(object, "at", lift.strAt);
            PutIfGiven(object, "lift", lift.strLift);
            PutIfGiven(object, "delivery", lift.strDelivery);
            PutIfGiven(object, "mix", lift.strMix);
            PutIfGiven(object, "pg-high", lift.strPgHigh);
            PutIfGiven(object, "pg-low", lift.strPgLow);
            list.push_back(std::move(object));
        }
        lifts["lifts"] = std::move(list);
        root["lifts"] = std::move(lifts);
    }
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool WriteJobFile(const std::string& path, const JobFile& job, std::string* pError) {
    return WriteFileAtomically(path, JobFileText(job), pError);
}

JobFile JobFromRecord(const FormRecord& record) {
    JobFile job;
    job.units = DisplayUnitsOfCode(record.m_nActiveUnits);
    for (InputText& input : InputTextsOf(record.inputs))
        if (std::string_view(input.name) != "units")
            job.inputs.push_back({input.name, std::move(input.text)});
    return job;
}

namespace {
InputsRead ReadJobInputs(const std::vector<JobInput>& inputs, UnitSystem units, std::time_t now) {
    std::vector<NamedValue> values;
    for (const JobInput& input : inputs) values.push_back({input.strName, input.strText});
    return ReadInputs(values, units, now);
}
}  // namespace

InputsRead RecordFromJob(const JobFile& job, std::time_t now) {
    return ReadJobInputs(job.inputs, job.units, now);
}

InputsRead RecordFromScenario(const JobScenario& scenario, std::time_t now) {
    return ReadJobInputs(scenario.inputs, scenario.units, now);
}
