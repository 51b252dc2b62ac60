#include "FormTemplate.h"

#include "Resource.h"
#include "SimulationInputs.h"

namespace {

using K = ControlKind;

constexpr ControlTemplate kFormControls[] = {
    {IDC_HOUR, K::Edit, "", 43, 28, 14, 14},
    {IDC_MINUTE, K::Edit, "", 43, 44, 14, 14},
    {IDC_MONTH, K::Edit, "", 43, 67, 14, 13},
    {IDC_DAY, K::Edit, "", 43, 82, 14, 13},
    {IDC_YEAR, K::Edit, "", 43, 97, 23, 13},
    {IDC_UPDATE_TIME, K::PushButton, "Update to Current Time", 77, 100, 121, 14},
    {IDC_AIR_TEMP, K::Edit, "", 152, 20, 25, 14},
    {IDC_WIND_SPEED, K::Edit, "", 152, 38, 25, 14},
    {IDC_SKY, K::ComboList, "", 132, 58, 64, 77, kSkyConditionNames},
    {IDC_LATITUDE, K::Edit, "", 161, 74, 29, 14},
    {IDC_MIX_TYPE, K::ComboList, "", 238, 19, 75, 73, kMixTypeNames},
    {IDC_PG_HIGH, K::ComboList, "", 243, 38, 33, 91, kPgHighNames},
    {IDC_PG_LOW, K::ComboList, "", 279, 38, 34, 78, kPgLowNames},
    {IDC_LIFT_THICKNESS, K::Edit, "", 253, 57, 29, 14},
    {IDC_DELIVERY_TEMP, K::Edit, "", 254, 77, 37, 14},
    {IDC_MATERIAL_TYPE, K::ComboList, "", 13, 140, 75, 90, kMaterialTypeNames},
    {IDC_MOISTURE_CONTENT, K::ComboList, "", 95, 140, 48, 58, kMoistureContentNames},
    {IDC_MOISTURE_STATE, K::ComboList, "", 159, 140, 48, 60, kMoistureStateNames},
    {IDC_SURFACE_TEMP, K::Edit, "", 230, 140, 29, 14},
    {IDC_UNITS_SI, K::RadioGroupStart, "SI", 11, 199, 22, 10},
    {IDC_UNITS_ENGLISH, K::Radio, "English", 38, 199, 39, 10},
    {IDC_CALCULATE, K::PushButton, "Calculate", 265, 100, 50, 14},
    {IDC_EXPORT, K::PushButton, "Export Data", 176, 199, 50, 14},
    {IDC_DISCLAIMER, K::PushButton, "Disclaimer", 113, 199, 50, 14},
    {IDC_STOP_TIME, K::ReadOnlyEdit, "", 158, 179, 27, 14},
    {0, K::GroupBox, "Paving Time", 7, 7, 68, 107},
    {0, K::Static, "MILITARY TIME", 12, 18, 55, 8},
    {0, K::Static, "DATE", 26, 59, 27, 8},
    {0, K::GroupBox, "Mix Specifications", 202, 7, 115, 88},
    {0, K::GroupBox, "Existing Surface", 7, 117, 307, 44},
    {0, K::Static, "State of Moisture", 160, 129, 54, 8},
    {0, K::Static, "Moisture Content", 96, 129, 54, 8},
    {0, K::Static, "Latitude (Deg North):", 81, 77, 72, 8},
    {0, K::GroupBox, "Environmental Conditions", 77, 7, 121, 88},
    {0, K::Static, "Ambient Air Temp.", 81, 22, 58, 8},
    {0, K::Static, "Average Wind Speed", 81, 40, 68, 8},
    {0, K::Static, "Mix Type", 207, 22, 30, 8},
    {0, K::Static, "Lift Thickness", 207, 60, 45, 8},
    {0, K::Static, "Delivery Temp", 206, 80, 46, 8},
    {0, K::Static, "Material Type", 13, 129, 44, 8},
    {0, K::Static, "Surface Temp.", 228, 129, 48, 8},
    {IDC_LIFT_UNIT, K::LabelEdit, "", 283, 59, 17, 14},
    {IDC_DELIVERY_TEMP_UNIT, K::LabelEdit, "", 292, 79, 17, 14},
    {IDC_AIR_TEMP_UNIT, K::LabelEdit, "", 178, 22, 17, 14},
    {IDC_WIND_UNIT, K::LabelEdit, "", 178, 40, 17, 14},
    {IDC_SURFACE_TEMP_UNIT, K::LabelEdit, "", 261, 142, 17, 14},
    {0, K::GroupBox, "Units", 7, 191, 76, 25},
    {0, K::Static, "Day", 22, 84, 14, 8},
    {0, K::Static, "Month", 15, 69, 21, 8},
    {0, K::Static, "Year", 20, 99, 16, 8},
    {0, K::Static, "Hour", 20, 31, 16, 8},
    {0, K::Static, "Minutes", 10, 47, 26, 8},
    {0, K::Static, "Sky Conditions", 81, 60, 48, 8},
    {0, K::Static, "minutes after laydown.", 189, 167, 75, 8},
    {IDC_COOLING_CURVE, K::GroupBox, "Cooling Curve", 319, 6, 247, 220},
    {0, K::Static, "PG Grade", 207, 41, 32, 8},
    {IDC_START_TIME, K::ReadOnlyEdit, "", 158, 163, 27, 14},
    {0, K::Static, "The recommended compaction start time is:", 19, 166, 138, 8},
    {0, K::Static, "The recommended compaction stop time is:", 19, 180, 138, 8},
    {0, K::Static, "minutes after laydown.", 189, 182, 72, 8},
};

}  // namespace

const DialogTemplate kDravonelFormTemplate{nullptr, 573, 233, false, kFormControls};
