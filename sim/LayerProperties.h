#pragma once

#include <optional>

#include "SimulationInputs.h"

// Thermal description of one material, SI units.
struct LayerProperties {
    double dConductivity;  // W/(m K)
    double dDensity;       // kg/m3
    double dSpecificHeat;  // J/(kg K)
};

// The calculation's working values, SI units.
struct NormalizedInputs {
    double dAirTemp;          // C
    double dSurfaceTemp;      // C, existing surface
    double dDeliveryTemp;     // C
    double dLiftThicknessCm;  // cm
    double dLiftThickness;    // m, formed as cm * 0.01
    double dWindSpeed;        // m/s
    LayerProperties mix;
    LayerProperties existing;
};

// The view's six selected property members, in their declaration order. They keep the last
// selection when an index selects nothing; before any selection they hold the properties of the
// form's default choices (Dense Graded; dry, unfrozen Granular Base).
struct SelectedProperties {
    double m_dMixConductivity = 2.0;
    double m_dMixDensity = 2000.0;
    double m_dMixSpecificHeat = 1000.0;
    double m_dExistingConductivity = 1.16;
    double m_dExistingSpecificHeat = 960.0;
    double m_dExistingDensity = 2000.0;
};

// The mix table's properties for index 0 to 3; nothing for any other index (-1: no selection).
std::optional<LayerProperties> SelectMixProperties(int nMixType);

// The existing surface table's properties for material 0 to 3; moisture content 0 is "Dry" and any
// other "Wet", state 0 is "Frozen" and any other "Unfrozen" (bound materials ignore both). Nothing
// for a material outside the list.
std::optional<LayerProperties> SelectExistingProperties(int nMaterialType, int nMoistureContent,
                                                        int nMoistureState);

// SI working copies of the inputs (converted from English when m_nUnits is 1, any other code counts as
// SI) and both property sets: the tables' values, or those of `previous` where an index selects nothing.
NormalizedInputs NormalizeInputs(const SimulationInputs& inputs, const SelectedProperties& previous);

// The six selected property members as a calculation used them: what a view keeps for the next one.
SelectedProperties SelectedPropertiesOf(const NormalizedInputs& normalized);
