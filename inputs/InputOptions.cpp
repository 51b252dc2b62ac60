#include "InputOptions.h"

#include <array>

#include "FieldText.h"
#include "QuotedText.h"

namespace {

constexpr ListInfo kNoList{ListMember::Sky, nullptr, 0};

constexpr InputOption Simple(const char* name, InputKind kind, const char* meaning) {
    return {name, kind, RealField::Latitude, kNoList, meaning};
}

constexpr InputOption Number(const char* name, RealField field, const char* meaning) {
    return {name, InputKind::Number, field, kNoList, meaning};
}

constexpr InputOption List(const char* name, ListMember member, const char* const* names, int nCount,
                           const char* meaning) {
    return {name, InputKind::List, RealField::Latitude, {member, names, nCount}, meaning};
}

constexpr std::array kInputs{
    Simple("units", InputKind::Units, "unit system of every value given and written"),
    Number("air", RealField::AirTemp, "ambient air temperature"),
    Number("wind", RealField::WindSpeed, "average wind speed"),
    List("sky", ListMember::Sky, kSkyConditionNames, kSkyConditionCount, "sky conditions"),
    Number("latitude", RealField::Latitude, "latitude, degrees north"),
    List("mix", ListMember::Mix, kMixTypeNames, kMixTypeCount, "mix type"),
    List("pg-high", ListMember::PgHigh, kPgHighNames, kPgGradeCount, "binder grade, high temperature"),
    List("pg-low", ListMember::PgLow, kPgLowNames, kPgGradeCount, "binder grade, low temperature"),
    Number("lift", RealField::LiftThickness, "lift thickness"),
    Number("delivery", RealField::DeliveryTemp, "delivery temperature of the mix"),
    List("material", ListMember::Material, kMaterialTypeNames, kMaterialTypeCount,
         "existing surface material"),
    List("moisture", ListMember::Moisture, kMoistureContentNames, kMoistureContentCount,
         "moisture content (Granular Base and Subgrade Soil only)"),
    List("state", ListMember::State, kMoistureStateNames, kMoistureStateCount,
         "state of moisture (Granular Base and Subgrade Soil only)"),
    Number("surface", RealField::SurfaceTemp, "existing surface temperature"),
    Simple("date", InputKind::Date, "paving date"),
    Simple("time", InputKind::Time, "paving time, 24-hour clock"),
};

std::string ListAllowed(const ListInfo& list) {
    std::string allowed = "0 to " + FormatFieldInt(list.nCount - 1) + " or";
    for (int i = 0; i < list.nCount; ++i)
        allowed += std::string(i == 0 ? " " : ", ") + QuoteForMessage(list.names[i]);
    return allowed;
}

}  // namespace

std::span<const InputOption> InputOptions() { return kInputs; }

const InputOption* FindInputOption(std::string_view name) {
    for (const InputOption& option : kInputs) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

const char* FieldUnitLabel(RealField field, int nUnits) {
    const int nSystem = UnitCode(DisplayUnitsOfCode(nUnits));
    switch (field) {
        case RealField::AirTemp:
        case RealField::DeliveryTemp:
        case RealField::SurfaceTemp:
            return kTemperatureUnit[nSystem];
        case RealField::WindSpeed:
            return kWindUnit[nSystem];
        case RealField::LiftThickness:
            return kLiftUnit[nSystem];
        case RealField::Latitude:
            break;
    }
    return "degrees";
}

std::string FieldRangeText(FormRecord& record, RealField field) {
    const RealFieldBinding binding = BindRealField(record, field);
    return FormatFieldDouble(binding.dMin) + " to " + FormatFieldDouble(binding.dMax) + " " +
           FieldUnitLabel(field, record.m_nActiveUnits);
}

std::string InputAllowedText(const InputOption& option, FormRecord& record) {
    switch (option.kind) {
        case InputKind::Units:
            return "english or si";
        case InputKind::Number:
            return FieldRangeText(record, option.field);
        case InputKind::List:
            return ListAllowed(option.list);
        case InputKind::Date:
            return "YYYY-MM-DD, a calendar date from 1990-01-01 to 3001-12-31";
        case InputKind::Time:
            break;
    }
    return "HH:MM, hour 0 to 24 and minute 0 to 60";
}
