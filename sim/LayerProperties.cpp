#include "LayerProperties.h"

#include "UnitConversion.h"

void SelectMixProperties(int nMixType, double* pConductivity, double* pDensity, double* pSpecificHeat) {
    switch (nMixType) {
        case 0:  // Dense Graded
        case 2:  // Superpave-Fine
            *pConductivity = 2.0;
            *pDensity = 2000.0;
            *pSpecificHeat = 1000.0;
            break;
        case 1:  // SMA
        case 3:  // Superpave-Coarse
            *pConductivity = 1.5;
            *pDensity = 2010.0;
            *pSpecificHeat = 1010.0;
            break;
        default:  // no selection: the previous values stand
            break;
    }
}

namespace {

// Conductivity W/(m K), specific heat J/(kg K) and density kg/m3 of the existing surface.
struct ExistingRow {
    double dConductivity;
    double dSpecificHeat;
    double dDensity;
};

constexpr ExistingRow kAc{1.51, 1025.0, 2000.0};
constexpr ExistingRow kPcc{0.92, 1090.0, 2000.0};
// Unbound materials by [moisture: 0 dry, 1 wet][state: 0 frozen, 1 unfrozen].
constexpr ExistingRow kGranularBase[2][2] = {{{2.0, 860.0, 2000.0}, {1.16, 960.0, 2000.0}},
                                             {{3.55, 960.0, 2000.0}, {1.22, 1170.0, 2000.0}}};
constexpr ExistingRow kSubgradeSoil[2][2] = {{{1.4, 960.0, 1800.0}, {1.35, 1170.0, 1800.0}},
                                             {{2.38, 1170.0, 1800.0}, {1.87, 1590.0, 1800.0}}};

// nullptr for a material outside the list (no selection).
const ExistingRow* FindExistingRow(int nMaterialType, int nMoistureContent, int nMoistureState) {
    const int nWet = nMoistureContent == 0 ? 0 : 1;
    const int nUnfrozen = nMoistureState == 0 ? 0 : 1;
    switch (nMaterialType) {
        case 0:  // AC
            return &kAc;
        case 1:  // PCC
            return &kPcc;
        case 2:
            return &kGranularBase[nWet][nUnfrozen];
        case 3:
            return &kSubgradeSoil[nWet][nUnfrozen];
        default:
            return nullptr;
    }
}

}  // namespace

void SelectExistingProperties(int nMaterialType, int nMoistureContent, int nMoistureState,
                              double* pConductivity, double* pSpecificHeat, double* pDensity) {
    const ExistingRow* pRow = FindExistingRow(nMaterialType, nMoistureContent, nMoistureState);
    if (pRow == nullptr) return;  // no selection: the previous values stand
    *pConductivity = pRow->dConductivity;
    *pSpecificHeat = pRow->dSpecificHeat;
    *pDensity = pRow->dDensity;
}

NormalizedInputs NormalizeInputs(const SimulationInputs& inputs, SelectedProperties& properties) {
    // 1. Copy.
    double dAirTemp = inputs.m_dAirTemp;
    double dSurfaceTemp = inputs.m_dSurfaceTemp;
    double dDeliveryTemp = inputs.m_dDeliveryTemp;
    double dLift = inputs.m_dLiftThickness;
    double dWind = inputs.m_dWindSpeed;

    // 2. Mix properties.
    SelectMixProperties(inputs.m_nMixType, &properties.m_dMixConductivity, &properties.m_dMixDensity,
                        &properties.m_dMixSpecificHeat);

    // 3. English to SI on the copies; any other unit code counts as SI.
    if (inputs.m_nUnits == UNITS_ENGLISH) {
        ConvertTemperature(UNITS_SI, &dAirTemp);
        ConvertTemperature(UNITS_SI, &dSurfaceTemp);
        ConvertTemperature(UNITS_SI, &dDeliveryTemp);
        ConvertLength(UNITS_SI, &dLift);
        ConvertSpeed(UNITS_SI, &dWind);
    }

    // 4. Working units, in this order.
    NormalizedInputs n{};
    n.dAirTemp = dAirTemp;
    n.dSurfaceTemp = dSurfaceTemp;
    n.dDeliveryTemp = dDeliveryTemp;
    n.dLiftThicknessCm = dLift * 0.1;
    n.dWindSpeed = dWind * 0.2777777777777778;
    n.dLiftThickness = n.dLiftThicknessCm * 0.01;

    // 5. Existing surface properties, then copies of all six.
    SelectExistingProperties(inputs.m_nMaterialType, inputs.m_nMoistureContent, inputs.m_nMoistureState,
                             &properties.m_dExistingConductivity, &properties.m_dExistingSpecificHeat,
                             &properties.m_dExistingDensity);
    n.mix.dConductivity = properties.m_dMixConductivity;
    n.mix.dDensity = properties.m_dMixDensity;
    n.mix.dSpecificHeat = properties.m_dMixSpecificHeat;
    n.existing.dConductivity = properties.m_dExistingConductivity;
    n.existing.dDensity = properties.m_dExistingDensity;
    n.existing.dSpecificHeat = properties.m_dExistingSpecificHeat;
    return n;
}
