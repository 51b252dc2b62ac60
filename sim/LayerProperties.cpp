#include "LayerProperties.h"

#include "UnitConversion.h"

namespace {

constexpr LayerProperties kDenseMix{2.0, 2000.0, 1000.0};  // Dense Graded, Superpave-Fine
constexpr LayerProperties kStoneMix{1.5, 2010.0, 1010.0};  // SMA, Superpave-Coarse

constexpr LayerProperties kAc{1.51, 2000.0, 1025.0};
constexpr LayerProperties kPcc{0.92, 2000.0, 1090.0};
// Unbound materials by [moisture: 0 dry, 1 wet][state: 0 frozen, 1 unfrozen].
constexpr LayerProperties kGranularBase[2][2] = {{{2.0, 2000.0, 860.0}, {1.16, 2000.0, 960.0}},
                                                 {{3.55, 2000.0, 960.0}, {1.22, 2000.0, 1170.0}}};
constexpr LayerProperties kSubgradeSoil[2][2] = {{{1.4, 1800.0, 960.0}, {1.35, 1800.0, 1170.0}},
                                                 {{2.38, 1800.0, 1170.0}, {1.87, 1800.0, 1590.0}}};

}  // namespace

std::optional<LayerProperties> SelectMixProperties(int nMixType) {
    switch (nMixType) {
        case 0:  // Dense Graded
        case 2:  // Superpave-Fine
            return kDenseMix;
        case 1:  // SMA
        case 3:  // Superpave-Coarse
            return kStoneMix;
        default:
            return std::nullopt;
    }
}

std::optional<LayerProperties> SelectExistingProperties(int nMaterialType, int nMoistureContent,
                                                        int nMoistureState) {
    const int nWet = nMoistureContent == 0 ? 0 : 1;
    const int nUnfrozen = nMoistureState == 0 ? 0 : 1;
    switch (MaterialTypeAt(nMaterialType)) {
        case MaterialType::AC:
            return kAc;
        case MaterialType::PCC:
            return kPcc;
        case MaterialType::GranularBase:
            return kGranularBase[nWet][nUnfrozen];
        case MaterialType::SubgradeSoil:
            return kSubgradeSoil[nWet][nUnfrozen];
        case MaterialType::None:
            break;
    }
    return std::nullopt;
}

NormalizedInputs NormalizeInputs(const SimulationInputs& inputs, const SelectedProperties& previous) {
    // The dimensioned values in SI, converted from English on copies; the inputs stay as they are.
    double dAirTemp = inputs.m_dAirTemp;
    double dSurfaceTemp = inputs.m_dSurfaceTemp;
    double dDeliveryTemp = inputs.m_dDeliveryTemp;
    double dLift = inputs.m_dLiftThickness;
    double dWind = inputs.m_dWindSpeed;
    if (UnitSystemOfCode(inputs.m_nUnits) == UnitSystem::English) {
        dAirTemp = ConvertTemperature(UnitSystem::SI, dAirTemp);
        dSurfaceTemp = ConvertTemperature(UnitSystem::SI, dSurfaceTemp);
        dDeliveryTemp = ConvertTemperature(UnitSystem::SI, dDeliveryTemp);
        dLift = ConvertLength(UnitSystem::SI, dLift);
        dWind = ConvertSpeed(UnitSystem::SI, dWind);
    }

    // The solver's working units: the lift in cm and then m (the two products in this order give the
    // metres the grid is built from), the wind in m/s (0.2777777777777778, the double nearest 1/3.6).
    NormalizedInputs n{};
    n.dAirTemp = dAirTemp;
    n.dSurfaceTemp = dSurfaceTemp;
    n.dDeliveryTemp = dDeliveryTemp;
    n.dLiftThicknessCm = dLift * 0.1;
    n.dWindSpeed = dWind * 0.2777777777777778;
    n.dLiftThickness = n.dLiftThicknessCm * 0.01;

    n.mix = SelectMixProperties(inputs.m_nMixType)
                .value_or(LayerProperties{previous.m_dMixConductivity, previous.m_dMixDensity,
                                          previous.m_dMixSpecificHeat});
    n.existing =
        SelectExistingProperties(inputs.m_nMaterialType, inputs.m_nMoistureContent, inputs.m_nMoistureState)
            .value_or(LayerProperties{previous.m_dExistingConductivity, previous.m_dExistingDensity,
                                      previous.m_dExistingSpecificHeat});
    return n;
}

SelectedProperties SelectedPropertiesOf(const NormalizedInputs& normalized) {
    SelectedProperties p;
    p.m_dMixConductivity = normalized.mix.dConductivity;
    p.m_dMixDensity = normalized.mix.dDensity;
    p.m_dMixSpecificHeat = normalized.mix.dSpecificHeat;
    p.m_dExistingConductivity = normalized.existing.dConductivity;
    p.m_dExistingSpecificHeat = normalized.existing.dSpecificHeat;
    p.m_dExistingDensity = normalized.existing.dDensity;
    return p;
}
