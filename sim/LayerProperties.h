#pragma once

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

// Writes the mix table's values for index 0 to 3; any other index (-1 included) changes nothing.
void SelectMixProperties(int nMixType, double* pConductivity, double* pDensity, double* pSpecificHeat);

// Writes the existing surface table's values for material 0 to 3; moisture content 0 is "Dry" and any
// other "Wet", state 0 is "Frozen" and any other "Unfrozen". Another material changes nothing.
void SelectExistingProperties(int nMaterialType, int nMoistureContent, int nMoistureState,
                              double* pConductivity, double* pSpecificHeat, double* pDensity);

// SI working copies of the inputs (converted from English when m_nUnits is 1) and both property sets;
// the selections are written into `properties` and copied into the record.
NormalizedInputs NormalizeInputs(const SimulationInputs& inputs, SelectedProperties& properties);
