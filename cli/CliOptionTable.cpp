#include "CliOptionTable.h"

#include <array>

#include "FieldText.h"

namespace {

constexpr ListInfo kNoList{ListMember::Sky, nullptr, 0};

constexpr OptionInfo Simple(const char* name, OptionKind kind, const char* meaning) {
    return {name, kind, RealField::Latitude, kNoList, meaning};
}

constexpr OptionInfo Number(const char* name, RealField field, const char* meaning) {
    return {name, OptionKind::Number, field, kNoList, meaning};
}

constexpr OptionInfo List(const char* name, ListMember member, const char* const* names, int nCount,
                          const char* meaning) {
    return {name, OptionKind::List, RealField::Latitude, {member, names, nCount}, meaning};
}

constexpr std::array kOptions{
    Simple("units", OptionKind::Units, "unit system of every value given and written"),
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
    Simple("date", OptionKind::Date, "paving date"),
    Simple("time", OptionKind::Time, "paving time, 24-hour clock"),
    Simple("format", OptionKind::Format, "what to write"),
    Simple("output", OptionKind::Output, "write to this file instead of standard output"),
    Simple("help", OptionKind::Help, "show this text"),
    Simple("version", OptionKind::Version, "show the program's version"),
};

}  // namespace

std::span<const OptionInfo> CliOptions() { return kOptions; }

const OptionInfo* FindCliOption(std::string_view name) {
    for (const OptionInfo& option : kOptions) {
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
