// With nothing crossing the top (no sun, convection or radiation) and an insulated bottom, the column's heat
// content may change only by what placements bring and by the surface closure. The closure weighs the flux
// from cell 1 to cell 2 by 4/3 in cell 1's row and by 1 in cell 2's, and puts the balancing 1/3 term into the
// surface temperature only after the solve, so each step the column loses 20 s x w0 x (T1 - T2). Everything
// else (placing the cells, the materials kept below, the joints between lifts) must keep the heat to
// rounding: 1e-9 of the column's heat (the sum of |rho c dx T|), after every step and every placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "LiftColumnRun.h"
#include "NamedRuns.h"

namespace {

struct Heat {
    double dContent;  // J/m2, temperatures in C
    double dScale;    // J/m2, the sum of the terms' magnitudes
};

Heat HeatOf(const LiftColumnRun::Column& column) {
    Heat h{0.0, 0.0};
    for (int i = 1; i <= column.N; ++i) {
        const double dTerm = ((column.rho[i] * column.c[i]) * column.dx[i]) * column.T[i];
        h.dContent += dTerm;
        h.dScale += std::fabs(dTerm);
    }
    return h;
}

// The heat a layer brings at its starting temperature, from its inputs alone.
double LayerHeat(const LayerProperties& p, double dThickness, double dTemp) {
    return p.dDensity * p.dSpecificHeat * dThickness * dTemp;
}

struct BalanceCase {
    const char* name;
    SimulationInputs site;
    std::vector<LiftInput> lifts;
};

class HeatBalanceTest : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(HeatBalanceTest, OnlyPlacementsAndTheSurfaceClosureChangeTheHeat) {
    const LiftSequenceInputs in{GetParam().site, GetParam().lifts, std::nullopt, true};
    LiftSequenceResult r = PrepareLiftSequence(in);
    ASSERT_FALSE(r.error) << r.error->strMessage;
    LiftColumnRun run(r, r.lifts[0].normalized.dAirTemp, true);

    double dPlaced = 0.0, dClosureLoss = 0.0, dWorst = 0.0, dRawDrift = 0.0;
    auto place = [&] {
        const int nBefore = run.PlacedLifts();
        const double dBefore = nBefore > 0 ? HeatOf(run.ColumnState()).dContent : 0.0;
        if (run.PlaceDue() == 0) return;
        const NormalizedInputs& site = r.lifts[0].normalized;
        double dBrought = nBefore > 0 ? 0.0 : LayerHeat(site.existing, 0.06 + 0.1 + 0.2, site.dSurfaceTemp);
        for (int i = nBefore; i < run.PlacedLifts(); ++i) {
            const NormalizedInputs& n = r.lifts[i].normalized;
            dBrought += LayerHeat(n.mix, n.dLiftThickness, n.dDeliveryTemp);
        }
        dPlaced += dBrought;
        const Heat h = HeatOf(run.ColumnState());
        ASSERT_NEAR(h.dContent, dBefore + dBrought, 1e-12 * h.dScale) << "placement at step " << run.Steps();
    };

    place();
    while (run.Running()) {
        ASSERT_TRUE(run.Advance());
        const LiftColumnRun::Column& col = run.ColumnState();
        dClosureLoss += CoolingModel::kStepSeconds * col.w0 * (col.T[1] - col.T[2]);
        const Heat h = HeatOf(col);
        const double dResidual = std::fabs(h.dContent - (dPlaced - dClosureLoss)) / h.dScale;
        ASSERT_LE(dResidual, 1e-9) << "step " << run.Steps();
        dWorst = std::max(dWorst, dResidual);
        dRawDrift = std::max(dRawDrift, std::fabs(h.dContent - dPlaced) / h.dScale);
        place();
        if (HasFatalFailure()) return;
    }
    std::printf("%s: %d steps, balance residual at most %.3g; drift without the closure term %.3g\n",
                GetParam().name, run.Steps(), dWorst, dRawDrift);
}

SimulationInputs EnglishOnPcc() {
    SimulationInputs in = SiInputs(1, 15, 2, 0, 45.0, 4, 20.0, 0.0, 2.0, 300.0, 20.0);
    in.m_nUnits = UnitCode(UnitSystem::English);
    in.m_nMaterialType = 1;
    return in;
}

SimulationInputs WetFrozenBase() {
    SimulationInputs in = SiInputs(12, 1, 6, 0, 45.0, 0, -20.0, 50.0, 50.0, 150.0, -20.0);
    in.m_nMoistureContent = 1;
    in.m_nMoistureState = 0;
    return in;
}

// Lifts: mix, thickness, delivery, grades, placement minute.
INSTANTIATE_TEST_SUITE_P(
    Sequences, HeatBalanceTest,
    ::testing::Values(BalanceCase{"FourMixesTwoAtOnce",
                                  SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 10.0, 50.0, 150.0, 10.0),
                                  {{0, 30.0, 150.0, 4, 4, 0},
                                   {1, 50.0, 140.0, 4, 4, 0},
                                   {2, 75.0, 157.2, 4, 4, 30},
                                   {3, 254.0, 130.0, 4, 4, 150}}},
                      BalanceCase{"EnglishOnPccAtTheGapLimit",
                                  EnglishOnPcc(),
                                  {{1, 0.5, 315.0, 4, 4, 0}, {0, 10.0, 150.0, 4, 4, 120}}},
                      BalanceCase{"ColdWetFrozenBase",
                                  WetFrozenBase(),
                                  {{0, 12.7, 80.0, 4, 4, 0}, {3, 40.0, 157.2, 4, 4, 7}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
