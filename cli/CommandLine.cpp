#include "CommandLine.h"

#include <optional>
#include <string_view>

#include "CliOptionTable.h"
#include "CliValues.h"
#include "FieldText.h"
#include "FormRules.h"
#include "QuotedText.h"

namespace {

struct GivenOption {
    const OptionInfo* option;
    std::string value;
    bool bMissing;  // reported once the unit system is known, so the message states the right range
};

// Moisture lists hold their choice until the material rule has run, so the order of options does not matter.
struct PendingMoisture {
    std::optional<int> content;
    std::optional<int> state;
    std::string contentText;
    std::string stateText;
};

bool TakesValue(OptionKind kind) { return kind != OptionKind::Help && kind != OptionKind::Version; }

// "--name" followed by a letter: the next option, not the value of this one. "-10" stays a value.
bool LooksLikeOption(std::string_view arg) {
    return arg.size() > 2 && arg.substr(0, 2) == "--" &&
           ((arg[2] >= 'a' && arg[2] <= 'z') || (arg[2] >= 'A' && arg[2] <= 'Z'));
}

std::string Refusal(const OptionInfo& option, std::string_view value, const char* problem,
                    const std::string& allowed) {
    return std::string("--") + option.name + " " + QuoteForMessage(value) + ": " + problem + "; allowed " +
           allowed;
}

std::string ListAllowed(const ListInfo& list) {
    std::string allowed = "0 to " + FormatFieldInt(list.nCount - 1) + " or";
    for (int i = 0; i < list.nCount; ++i)
        allowed += std::string(i == 0 ? " " : ", ") + QuoteForMessage(list.names[i]);
    return allowed;
}

std::string AllowedText(const OptionInfo& option, FormRecord& record) {
    switch (option.kind) {
        case OptionKind::Units:
            return "english or si";
        case OptionKind::Number:
            return FieldRangeText(record, option.field);
        case OptionKind::List:
            return ListAllowed(option.list);
        case OptionKind::Date:
            return "YYYY-MM-DD, a calendar date from 1990-01-01 to 3001-12-31";
        case OptionKind::Time:
            return "HH:MM, hour 0 to 24 and minute 0 to 60";
        case OptionKind::Format:
            return "report or json";
        case OptionKind::Output:
            return "a file name";
        case OptionKind::Help:
        case OptionKind::Version:
            break;
    }
    return "no value";
}

// Splits the arguments into options and their values. Returns an error text, or "" when all were read.
std::string CollectOptions(const std::vector<std::string>& args, std::vector<GivenOption>& given,
                           CliAction& action) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.substr(0, 2) != "--") {
            if (!arg.empty() && arg.front() == '-')
                return "unknown option " + QuoteForMessage(arg) + "; see --help";
            return "unexpected argument " + QuoteForMessage(arg) + "; options start with \"--\", see --help";
        }
        const auto equals = arg.find('=');
        const std::string_view name = arg.substr(2, equals == std::string_view::npos ? arg.npos : equals - 2);
        const OptionInfo* option = FindCliOption(name);
        if (option == nullptr)
            return "unknown option " + QuoteForMessage(arg.substr(0, equals)) + "; see --help";
        if (!TakesValue(option->kind)) {
            if (equals != std::string_view::npos) return std::string("--") + option->name + " takes no value";
            action = option->kind == OptionKind::Help ? CliAction::Help : CliAction::Version;
            return "";
        }
        if (equals != std::string_view::npos)
            given.push_back({option, std::string(arg.substr(equals + 1)), false});
        else if (i + 1 < args.size() && !LooksLikeOption(args[i + 1]))
            given.push_back({option, args[++i], false});
        else
            given.push_back({option, "", true});
    }
    return "";
}

// The record of a fresh form in the chosen system: the English start values, converted as the form's
// unit switch converts them, and read back as the fields show them.
FormRecord StartRecord(UnitSystem units, std::time_t now) {
    FormRecord record;
    FillFromClock(record, now);
    if (ApplyUnitSystem(record, units)) {
        for (RealField field : {RealField::AirTemp, RealField::WindSpeed, RealField::LiftThickness,
                                RealField::DeliveryTemp, RealField::SurfaceTemp}) {
            double* pValue = BindRealField(record, field).pValue;
            ParseFieldDouble(FormatFieldDouble(*pValue), pValue);
        }
    }
    return record;
}

// A form field reads no more than its first 31 characters and silently ignores the rest, which would
// turn "000000000000000000000000000000012" into 0. A command line has no field to show the cut, so a
// longer value is refused rather than read as a number other than the one typed.
constexpr std::size_t kNumberTextLimit = 31;

std::string ApplyNumber(const OptionInfo& option, const std::string& value, FormRecord& record) {
    const RealFieldBinding binding = BindRealField(record, option.field);
    if (value.size() > kNumberTextLimit)
        return Refusal(option, value, "too long, at most 31 characters are read",
                       AllowedText(option, record));
    double dTyped = 0.0;
    if (!ParseFieldDouble(value, &dTyped))
        return Refusal(option, value, "not a number", AllowedText(option, record));
    // The form would clamp with a message; a command line cannot ask, so it refuses.
    if (TestRange(dTyped, binding.dMax, binding.dMin) != RangeCheck::InRange)
        return Refusal(option, value, "out of range", AllowedText(option, record));
    *binding.pValue = FieldValueAsShown(dTyped);
    return "";
}

std::string ApplyList(const OptionInfo& option, const std::string& value, FormRecord& record,
                      PendingMoisture& moisture) {
    const int nIndex = FindListEntry(value, option.list.names, option.list.nCount);
    if (nIndex < 0) return Refusal(option, value, "not an entry", AllowedText(option, record));
    switch (option.list.member) {
        case ListMember::Sky:
            record.inputs.m_nSkyCondition = nIndex;
            break;
        case ListMember::Mix:
            record.inputs.m_nMixType = nIndex;
            break;
        case ListMember::PgHigh:
            record.inputs.m_nPgHigh = nIndex;
            break;
        case ListMember::PgLow:
            record.inputs.m_nPgLow = nIndex;
            break;
        case ListMember::Material:
            record.inputs.m_nMaterialType = nIndex;
            break;
        case ListMember::Moisture:
            moisture.content = nIndex;
            moisture.contentText = value;
            break;
        case ListMember::State:
            moisture.state = nIndex;
            moisture.stateText = value;
            break;
    }
    return "";
}

std::string MissingValue(const OptionInfo& option, FormRecord& record) {
    return std::string("--") + option.name + ": missing value; allowed " + AllowedText(option, record);
}

std::string ApplyOption(const GivenOption& given, CliRequest& request, PendingMoisture& moisture) {
    const OptionInfo& option = *given.option;
    const std::string& value = given.value;
    FormRecord& record = request.record;
    if (given.bMissing) return MissingValue(option, record);
    switch (option.kind) {
        case OptionKind::Number:
            return ApplyNumber(option, value, record);
        case OptionKind::List:
            return ApplyList(option, value, record, moisture);
        case OptionKind::Date: {
            CalendarDate date{};
            if (!ParseCalendarDate(value, &date))
                return Refusal(option, value, "not a calendar date", AllowedText(option, record));
            record.inputs.m_nYear = date.nYear;
            record.inputs.m_nMonth = date.nMonth;
            record.inputs.m_nDay = date.nDay;
            return "";
        }
        case OptionKind::Time: {
            ClockTime time{};
            if (!ParseClockTime(value, &time))
                return Refusal(option, value, "not a time", AllowedText(option, record));
            record.inputs.m_nHour = time.nHour;
            record.inputs.m_nMinute = time.nMinute;
            return "";
        }
        case OptionKind::Format:
            if (value != "report" && value != "json")
                return Refusal(option, value, "not a format", AllowedText(option, record));
            request.format = value == "json" ? CliFormat::Json : CliFormat::Report;
            return "";
        case OptionKind::Output:
            if (value.empty()) return Refusal(option, value, "no file name", AllowedText(option, record));
            request.bHasOutput = true;
            request.strOutputPath = value;
            return "";
        case OptionKind::Units:  // read before all others
        case OptionKind::Help:
        case OptionKind::Version:
            break;
    }
    return "";
}

// The form empties and disables the moisture lists for "AC" and "PCC", so a choice there cannot be made.
std::string ApplyMoisture(const PendingMoisture& moisture, FormRecord& record) {
    const bool bBound = IsBound(MaterialTypeAt(record.inputs.m_nMaterialType));
    const auto refuse = [&](const char* name, const std::string& text) {
        return std::string("--") + name + " " + QuoteForMessage(text) + ": not used with material " +
               QuoteForMessage(kMaterialTypeNames[record.inputs.m_nMaterialType]) +
               "; allowed only with \"Granular Base\" or \"Subgrade Soil\"";
    };
    if (moisture.content) {
        if (bBound) return refuse("moisture", moisture.contentText);
        record.inputs.m_nMoistureContent = *moisture.content;
    }
    if (moisture.state) {
        if (bBound) return refuse("state", moisture.stateText);
        record.inputs.m_nMoistureState = *moisture.state;
    }
    return "";
}

// The unit system comes first: every number given is read in it. The last --units given counts.
std::optional<std::string> ReadUnits(const std::vector<GivenOption>& given, UnitSystem& units) {
    for (const GivenOption& option : given) {
        if (option.option->kind != OptionKind::Units) continue;
        FormRecord record;
        if (option.bMissing) return MissingValue(*option.option, record);
        if (option.value == "english") {
            units = UnitSystem::English;
        } else if (option.value == "si") {
            units = UnitSystem::SI;
        } else {
            return Refusal(*option.option, option.value, "not a unit system",
                           AllowedText(*option.option, record));
        }
    }
    return std::nullopt;
}

}  // namespace

CliParseResult ParseCommandLine(const std::vector<std::string>& args, std::time_t now) {
    CliParseResult result;
    std::vector<GivenOption> given;
    result.strError = CollectOptions(args, given, result.request.action);
    if (!result.strError.empty()) return result;
    if (result.request.action != CliAction::Run) {
        result.bOk = true;
        return result;
    }

    UnitSystem units = UnitSystem::English;
    if (auto error = ReadUnits(given, units)) {
        result.strError = *error;
        return result;
    }
    result.request.record = StartRecord(units, now);

    bool bMaterialGiven = false;
    PendingMoisture moisture;
    for (const GivenOption& option : given) {
        result.strError = ApplyOption(option, result.request, moisture);
        if (!result.strError.empty()) return result;
        if (option.option->kind == OptionKind::List && option.option->list.member == ListMember::Material)
            bMaterialGiven = true;
    }
    if (bMaterialGiven) ApplyMaterialRule(result.request.record);
    result.strError = ApplyMoisture(moisture, result.request.record);
    result.bOk = result.strError.empty();
    return result;
}
