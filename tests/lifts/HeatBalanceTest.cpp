// With nothing crossing the top (no sun, convection or radiation) and an insulated bottom, the column's
// heat content may change only by what placements bring and by the surface closure. The closure weighs the
// flux from cell 1 to cell 2 by 4/3 in cell 1's row and by 1 in cell 2's, and puts the 1/3 balancing term
// into the surface temperature only after the solve, so each step the column loses
// 20 s x w0 x (T1 - T2) (w0 a third of the conductance between cells 1 and 2). Everything else (the
// placement of the cells, the layers' materials below the new ones, the joints between lifts) must keep the
// heat to rounding: 1e-9 of the column's heat, checked after every step and every placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "LiftColumnRun.h"
#include "NamedRuns.h"

namespace {

constexpr double kBalanceTolerance = 1e-9;  // of the sum of |rho c dx T| over the cells

struct Heat {
    double dContent;  // J/m2 (temperatures in C)
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
    LiftSequenceInputs in;
    in.site = GetParam().site;
    in.site.m_nYear = 2026;
    in.lifts = GetParam().lifts;
    in.bInsulatedTopForChecks = true;
    LiftSequenceResult r = PrepareLiftSequence(in);
    ASSERT_FALSE(r.error) << r.error->strMessage;
    LiftColumnRun run(r, r.lifts[0].normalized.dAirTemp, true);

    double dExpected = 0.0;     // placed heat, J/m2
    double dClosureLoss = 0.0;  // J/m2
    double dWorstResidual = 0.0;
    double dRawDrift = 0.0;
    int nSteps = 0;
    auto place = [&] {
        const int nBefore = run.PlacedLifts();
        const double dBefore = nBefore > 0 ? HeatOf(run.ColumnState()).dContent : 0.0;
        if (run.PlaceDue() == 0) return;
        double dBrought = 0.0;
        for (int i = nBefore; i < run.PlacedLifts(); ++i) {
            const NormalizedInputs& n = r.lifts[i].normalized;
            dBrought += LayerHeat(n.mix, n.dLiftThickness, n.dDeliveryTemp);
        }
        if (nBefore == 0) {
            const NormalizedInputs& n = r.lifts[0].normalized;
            dBrought += LayerHeat(n.existing, 0.06 + 0.1 + 0.2, n.dSurfaceTemp);
        }
        dExpected += dBrought;
        const Heat h = HeatOf(run.ColumnState());
        ASSERT_NEAR(h.dContent, dBefore + dBrought, 1e-12 * h.dScale) << "placement at step " << nSteps;
    };

    place();
    while (run.Running()) {
        ASSERT_TRUE(run.Advance());
        ++nSteps;
        const LiftColumnRun::Column& col = run.ColumnState();
        dClosureLoss += CoolingModel::kStepSeconds * col.w0 * (col.T[1] - col.T[2]);
        const Heat h = HeatOf(col);
        const double dResidual = std::fabs(h.dContent - (dExpected - dClosureLoss)) / h.dScale;
        dWorstResidual = std::max(dWorstResidual, dResidual);
        dRawDrift = std::max(dRawDrift, std::fabs(h.dContent - dExpected) / h.dScale);
        ASSERT_LE(dResidual, kBalanceTolerance) << "step " << nSteps;
        place();
        if (HasFatalFailure()) return;
    }
    std::printf("%s: %d steps, balance residual at most %.3g; drift without the closure term %.3g\n",
                GetParam().name, nSteps, dWorstResidual, dRawDrift);
}

LiftInput Lift(int nMix, double dThickness, double dDelivery, int nAt) {
    return {nMix, dThickness, dDelivery, 4, 4, nAt};
}

SimulationInputs PccEnglish() {
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

INSTANTIATE_TEST_SUITE_P(
    Sequences, HeatBalanceTest,
    ::testing::Values(
        BalanceCase{"FourMixesTwoAtOnce",
                    SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 10.0, 50.0, 150.0, 10.0),
                    {Lift(0, 30.0, 150.0, 0), Lift(1, 50.0, 140.0, 0), Lift(2, 75.0, 157.2, 30),
                     Lift(3, 254.0, 130.0, 150)}},
        BalanceCase{
            "EnglishOnPccAtTheGapLimit", PccEnglish(), {Lift(1, 0.5, 315.0, 0), Lift(0, 10.0, 150.0, 120)}},
        BalanceCase{"ColdWetFrozenBase", WetFrozenBase(), {Lift(0, 12.7, 80.0, 0), Lift(3, 40.0, 157.2, 7)}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
