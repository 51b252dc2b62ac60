#include "ReadInputs.h"

#include <tuple>

#include "FieldText.h"
#include "FormRules.h"
#include "InputOptions.h"
#include "InputValues.h"
#include "NumberText.h"
#include "QuotedText.h"

namespace {

// A form field reads no more than its first 31 characters and silently ignores the rest, which would
// turn "000000000000000000000000000000012" into 0. Text read by name has no field to show the cut, so a
// longer value is refused rather than read as a number other than the one typed.
constexpr std::size_t kNumberTextLimit = 31;

InputRefusal Refuse(const InputOption& option, const NamedValue& value, const char* reason,
                    FormRecord& record, std::size_t nIndex) {
    return {option.name, std::string(value.value), false, reason, InputAllowedText(option, record), nIndex};
}

std::optional<InputRefusal> ApplyNumber(const InputOption& option, const NamedValue& value,
                                        FormRecord& record, std::size_t nIndex) {
    const RealFieldBinding binding = BindRealField(record, option.field);
    if (value.value.size() > kNumberTextLimit)
        return Refuse(option, value, "too long, at most 31 characters are read", record, nIndex);
    double dTyped = 0.0;
    if (!ParseFieldDouble(value.value, &dTyped)) return Refuse(option, value, "not a number", record, nIndex);
    // The form would clamp with a message; text read by name cannot be asked about, so it is refused.
    if (TestRange(dTyped, binding.dMax, binding.dMin) != RangeCheck::InRange)
        return Refuse(option, value, "out of range", record, nIndex);
    *binding.pValue = FieldValueAsShown(dTyped);
    return std::nullopt;
}

int* ListMemberOf(ListMember member, SimulationInputs& in) {
    switch (member) {
        case ListMember::Sky:
            return &in.m_nSkyCondition;
        case ListMember::Mix:
            return &in.m_nMixType;
        case ListMember::PgHigh:
            return &in.m_nPgHigh;
        case ListMember::PgLow:
            return &in.m_nPgLow;
        case ListMember::Material:
            return &in.m_nMaterialType;
        case ListMember::Moisture:
            return &in.m_nMoistureContent;
        case ListMember::State:
            break;
    }
    return &in.m_nMoistureState;
}

// At least nWidth digits, as a date or clock shows them.
std::string Padded(int nValue, int nWidth) {
    std::string digits;
    AppendPadded(digits, nValue, nWidth);
    return digits;
}

}  // namespace

std::string OptionRefusalText(const InputRefusal& refusal) {
    if (refusal.bMissing) return "--" + refusal.strName + ": missing value; allowed " + refusal.strAllowed;
    return "--" + refusal.strName + " " + QuoteForMessage(refusal.strValue) + ": " + refusal.strReason +
           "; allowed " + refusal.strAllowed;
}

std::string RefusalReasonText(const InputRefusal& refusal) {
    if (refusal.bMissing) return "missing value; allowed " + refusal.strAllowed;
    return refusal.strReason + " (" + QuoteForMessage(refusal.strValue) + "); allowed " + refusal.strAllowed;
}

std::optional<UnitSystem> UnitSystemOfText(std::string_view text) {
    if (text == "english") return UnitSystem::English;
    if (text == "si") return UnitSystem::SI;
    return std::nullopt;
}

const char* UnitSystemText(UnitSystem units) { return units == UnitSystem::SI ? "si" : "english"; }

bool SwitchUnits(FormRecord& record, UnitSystem units) {
    if (!ApplyUnitSystem(record, units)) return false;
    for (RealField field : {RealField::AirTemp, RealField::WindSpeed, RealField::LiftThickness,
                            RealField::DeliveryTemp, RealField::SurfaceTemp}) {
        double* pValue = BindRealField(record, field).pValue;
        ParseFieldDouble(FormatFieldDouble(*pValue), pValue);
    }
    return true;
}

FormRecord StartRecord(UnitSystem units, std::time_t now) {
    FormRecord record;
    FillFromClock(record, now);
    SwitchUnits(record, units);
    return record;
}

UnitsRead ReadUnitSystem(std::span<const NamedValue> values) {
    UnitsRead read;
    const InputOption& option = *FindInputOption("units");
    FormRecord record;  // the allowed text of the unit system does not depend on the record
    for (std::size_t i = 0; i < values.size(); ++i) {
        const NamedValue& value = values[i];
        if (value.name != option.name) continue;
        if (value.bMissing) {
            read.refusal =
                InputRefusal{option.name, "", true, "missing value", InputAllowedText(option, record), i};
            return read;
        }
        read.units = UnitSystemOfText(value.value);
        if (!read.units) {
            read.refusal = Refuse(option, value, "not a unit system", record, i);
            return read;
        }
    }
    return read;
}

std::optional<InputRefusal> InputApplier::Apply(const NamedValue& value, std::size_t nIndex) {
    const InputOption* pOption = FindInputOption(value.name);
    if (pOption == nullptr) {
        std::string names;
        for (const InputOption& option : InputOptions())
            names += std::string(names.empty() ? "" : ", ") + option.name;
        return InputRefusal{
            std::string(value.name), std::string(value.value), value.bMissing, "not an input", names, nIndex};
    }
    const InputOption& option = *pOption;
    if (option.kind == InputKind::Units) return std::nullopt;
    if (value.bMissing)
        return InputRefusal{option.name, "", true, "missing value", InputAllowedText(option, m_record),
                            nIndex};
    SimulationInputs& in = m_record.inputs;
    switch (option.kind) {
        case InputKind::Number:
            return ApplyNumber(option, value, m_record, nIndex);
        case InputKind::List: {
            const int nEntry = FindListEntry(value.value, option.list.names, option.list.nCount);
            if (nEntry < 0) return Refuse(option, value, "not an entry", m_record, nIndex);
            // Moisture lists hold their choice until the material rule has run, so the order does not matter.
            if (option.list.member == ListMember::Moisture || option.list.member == ListMember::State) {
                PendingChoice& pending = option.list.member == ListMember::Moisture ? m_moisture : m_state;
                pending = {nEntry, std::string(value.value), nIndex};
                return std::nullopt;
            }
            *ListMemberOf(option.list.member, in) = nEntry;
            if (option.list.member == ListMember::Material) m_bMaterialGiven = true;
            return std::nullopt;
        }
        case InputKind::Date: {
            CalendarDate date{};
            if (!ParseCalendarDate(value.value, &date))
                return Refuse(option, value, "not a calendar date", m_record, nIndex);
            in.m_nYear = date.nYear;
            in.m_nMonth = date.nMonth;
            in.m_nDay = date.nDay;
            return std::nullopt;
        }
        case InputKind::Time: {
            ClockTime time{};
            if (!ParseClockTime(value.value, &time))
                return Refuse(option, value, "not a time", m_record, nIndex);
            in.m_nHour = time.nHour;
            in.m_nMinute = time.nMinute;
            return std::nullopt;
        }
        case InputKind::Units:
            break;
    }
    return std::nullopt;
}

// The form empties and disables the moisture lists for "AC" and "PCC", so a choice there cannot be made.
std::optional<InputRefusal> InputApplier::Finish() {
    if (m_bMaterialGiven) ApplyMaterialRule(m_record);
    SimulationInputs& in = m_record.inputs;
    const bool bBound = IsBound(MaterialTypeAt(in.m_nMaterialType));
    for (auto [name, pending, pMember] : {std::tuple{"moisture", &m_moisture, &in.m_nMoistureContent},
                                          std::tuple{"state", &m_state, &in.m_nMoistureState}}) {
        if (!pending->index) continue;
        if (bBound)
            return InputRefusal{
                name,
                pending->strText,
                false,
                "not used with material " + QuoteForMessage(kMaterialTypeNames[in.m_nMaterialType]),
                "only with \"Granular Base\" or \"Subgrade Soil\"",
                pending->nIndex};
        *pMember = *pending->index;
    }
    return std::nullopt;
}

std::optional<InputRefusal> ApplyInputs(FormRecord& record, std::span<const NamedValue> values) {
    const UnitsRead units = ReadUnitSystem(values);
    if (units.refusal) return units.refusal;
    if (units.units) SwitchUnits(record, *units.units);
    InputApplier applier(record);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (auto refusal = applier.Apply(values[i], i)) return refusal;
    }
    return applier.Finish();
}

InputsRead ReadInputs(std::span<const NamedValue> values, UnitSystem defaultUnits, std::time_t now) {
    InputsRead read{StartRecord(defaultUnits, now), std::nullopt};
    read.refusal = ApplyInputs(read.record, values);
    return read;
}

std::vector<InputText> InputTextsOf(const SimulationInputs& inputs) {
    FormRecord record;  // for BindRealField and ListMemberOf, which hand out members to change
    record.inputs = inputs;
    SimulationInputs& in = record.inputs;
    std::vector<InputText> texts;
    for (const InputOption& option : InputOptions()) {
        switch (option.kind) {
            case InputKind::Units:
                texts.push_back({option.name, UnitSystemText(DisplayUnitsOfCode(in.m_nUnits))});
                break;
            case InputKind::Number:
                texts.push_back(
                    {option.name, FormatFieldDouble(*BindRealField(record, option.field).pValue)});
                break;
            case InputKind::List: {
                const int nEntry = *ListMemberOf(option.list.member, in);
                if (nEntry >= 0 && nEntry < option.list.nCount)
                    texts.push_back({option.name, option.list.names[nEntry]});
                break;
            }
            case InputKind::Date:
                texts.push_back({option.name, Padded(in.m_nYear, 4) + "-" + Padded(in.m_nMonth, 2) + "-" +
                                                  Padded(in.m_nDay, 2)});
                break;
            case InputKind::Time:
                texts.push_back({option.name, Padded(in.m_nHour, 2) + ":" + Padded(in.m_nMinute, 2)});
                break;
        }
    }
    return texts;
}
