#pragma once

#include "UnitSystem.h"

// The inputs of one paving situation, as the form holds them. Dimensioned values are in the
// unit system of the stored code m_nUnits (0 SI, 1 English); the engine converts its own copy.

struct SimulationInputs {
    double m_dAirTemp = 50.0;                      // F or C
    int m_nMaterialType = 2;                       // kMaterialTypeNames index; 2 = "Granular Base"
    double m_dSurfaceTemp = 50.0;                  // F or C, existing surface
    double m_dDeliveryTemp = 300.0;                // F or C
    double m_dLatitude = 45.0;                     // degrees north, both systems
    int m_nMixType = 0;                            // kMixTypeNames index
    double m_dLiftThickness = 3.0;                 // in. or mm
    double m_dWindSpeed = 5.0;                     // mph or km/h
    int m_nUnits = UnitCode(UnitSystem::English);  // radio: 0 SI, 1 English
    int m_nDay = 1;                                // 1 to the month's length
    int m_nMonth = 1;                              // 1 = January
    int m_nYear = 2000;                            // four digits, 1990 to 3001
    int m_nHour = 12;                              // 0 to 24
    int m_nMinute = 0;                             // 0 to 60
    int m_nSkyCondition = 0;                       // kSkyConditionNames index
    int m_nMoistureState = 1;                      // 0 "Frozen", otherwise "Unfrozen"; -1 none
    int m_nMoistureContent = 0;                    // 0 "Dry", otherwise "Wet"; -1 none
    int m_nPgHigh = 4;                             // kPgHighNames index; 4 = "58"
    int m_nPgLow = 4;                              // kPgLowNames index; 4 = "-34"
};

// Allowed ranges of the dimensioned fields in one unit system; both ends are allowed.
struct InputRanges {
    double m_dWindSpeedMax;
    double m_dWindSpeedMin;
    double m_dAirTempMax;
    double m_dAirTempMin;
    double m_dLiftThicknessMax;
    double m_dLiftThicknessMin;
    double m_dSurfaceTempMax;
    double m_dSurfaceTempMin;
    double m_dDeliveryTempMax;
    double m_dDeliveryTempMin;
    double m_dLatitudeMax;
    double m_dLatitudeMin;
};

// Stored constants, never converted from the other system (157.2, not 157.22).
constexpr InputRanges kEnglishRanges{120.0, 0.0,   120.0, -40.0, 10.0, 0.5,
                                     120.0, -40.0, 315.0, 150.0, 90.0, 0.0};
constexpr InputRanges kSiRanges{193.08, 0.0,   48.89, -40.0, 254.0, 12.7,
                                48.89,  -40.0, 157.2, 65.56, 90.0,  0.0};

// Ranges of the integer fields of the paving date and time.
constexpr int kMonthMin = 1, kMonthMax = 12;
constexpr int kYearMin = 1990, kYearMax = 3001;
constexpr int kHourMin = 0, kHourMax = 24;      // 24 is accepted
constexpr int kMinuteMin = 0, kMinuteMax = 60;  // 60 is accepted

// List entries in list order (no list is sorted).
constexpr int kSkyConditionCount = 5;
constexpr const char* kSkyConditionNames[kSkyConditionCount] = {"Clear & Dry", "Humid & Hazy",
                                                                "Partly Cloudy", "Mostly Cloudy", "Overcast"};
constexpr int kMixTypeCount = 4;
constexpr const char* kMixTypeNames[kMixTypeCount] = {"Dense Graded", "SMA", "Superpave-Fine",
                                                      "Superpave-Coarse"};
constexpr int kPgGradeCount = 7;
constexpr const char* kPgHighNames[kPgGradeCount] = {"82", "76", "70", "64", "58", "52", "46"};
constexpr const char* kPgLowNames[kPgGradeCount] = {"-10", "-16", "-22", "-28", "-34", "-40", "-46"};
constexpr int kMaterialTypeCount = 4;
constexpr const char* kMaterialTypeNames[kMaterialTypeCount] = {"AC", "PCC", "Granular Base",
                                                                "Subgrade Soil"};

// The existing surface's material, by its list index; None for no selection (-1) or any other index.
enum class MaterialType { None = -1, AC = 0, PCC = 1, GranularBase = 2, SubgradeSoil = 3 };
constexpr MaterialType MaterialTypeAt(int nIndex) {
    return nIndex >= 0 && nIndex < kMaterialTypeCount ? static_cast<MaterialType>(nIndex)
                                                      : MaterialType::None;
}
// Granular Base and Subgrade Soil are unbound: their moisture content and state apply.
constexpr bool IsUnbound(MaterialType material) {
    return material == MaterialType::GranularBase || material == MaterialType::SubgradeSoil;
}
// AC and PCC are bound: they take no moisture choices. No selection is neither bound nor unbound.
constexpr bool IsBound(MaterialType material) {
    return material == MaterialType::AC || material == MaterialType::PCC;
}
constexpr int kMoistureContentCount = 2;
constexpr const char* kMoistureContentNames[kMoistureContentCount] = {"Dry", "Wet"};
constexpr int kMoistureStateCount = 2;
constexpr const char* kMoistureStateNames[kMoistureStateCount] = {"Frozen", "Unfrozen"};

// Grade numbers of a list index 0 to 6: high 82 - 6i, low -(10 + 6i).
constexpr int PgHighGrade(int index) { return 82 - 6 * index; }
constexpr int PgLowGrade(int index) { return -(10 + 6 * index); }

// Unit labels shown beside the fields, by UnitCode (0 SI, 1 English); plain letters, no degree sign.
constexpr const char* kTemperatureUnit[2] = {"C", "F"};
constexpr const char* kLiftUnit[2] = {"mm", "in."};
constexpr const char* kWindUnit[2] = {"km/h", "mph"};
