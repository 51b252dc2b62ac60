#pragma once

#include <cstdint>

#include "SimulationInputs.h"

// Seeded random form inputs for the tests that hold the batch solver, the scenario runs and the scalar
// solver against each other. A seed gives the same inputs on every machine and compiler, so a failure
// names a scenario that can be drawn again. Header only, like NamedRuns.h.

// A 64-bit linear congruential generator (Knuth's MMIX constants) giving the high 31 bits of its state.
class InputsLcg {
public:
    explicit InputsLcg(std::uint64_t nSeed) : m_nState(nSeed) {}
    // 0 to 2^31 - 1.
    std::uint32_t Next() {
        m_nState = m_nState * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(m_nState >> 33);
    }
    // 0 to nCount - 1; nCount at least 1.
    int Index(int nCount) { return static_cast<int>(Next() % static_cast<std::uint32_t>(nCount)); }
    // A value the form can hold: lo + k * 0.01, within [lo, hi].
    double Hundredths(double lo, double hi) {
        return lo + Index(static_cast<int>((hi - lo) * 100.0 + 0.5) + 1) * 0.01;
    }

private:
    std::uint64_t m_nState;
};

// One scenario drawn over the whole ranges of a unit system chosen at random and over every list (hours
// 0 to 24 and minutes 0 to 60, as the form takes them). The high grade keeps its default unless
// bDrawPgHigh, which draws it as the last value.
inline SimulationInputs RandomFormInputs(InputsLcg& rng, bool bDrawPgHigh = false) {
    static const int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    SimulationInputs in;
    in.m_nUnits = rng.Index(2);
    const InputRanges& r = in.m_nUnits == UnitCode(UnitSystem::SI) ? kSiRanges : kEnglishRanges;
    in.m_dAirTemp = rng.Hundredths(r.m_dAirTempMin, r.m_dAirTempMax);
    in.m_dSurfaceTemp = rng.Hundredths(r.m_dSurfaceTempMin, r.m_dSurfaceTempMax);
    in.m_dDeliveryTemp = rng.Hundredths(r.m_dDeliveryTempMin, r.m_dDeliveryTempMax);
    in.m_dLiftThickness = rng.Hundredths(r.m_dLiftThicknessMin, r.m_dLiftThicknessMax);
    in.m_dWindSpeed = rng.Hundredths(r.m_dWindSpeedMin, r.m_dWindSpeedMax);
    in.m_dLatitude = rng.Hundredths(0.0, 90.0);
    in.m_nMonth = 1 + rng.Index(12);
    in.m_nDay = 1 + rng.Index(kMonthLength[in.m_nMonth - 1]);
    in.m_nHour = rng.Index(25);
    in.m_nMinute = rng.Index(61);
    in.m_nSkyCondition = rng.Index(5);
    in.m_nMixType = rng.Index(4);
    in.m_nMaterialType = rng.Index(4);
    in.m_nMoistureContent = rng.Index(2);
    in.m_nMoistureState = rng.Index(2);
    if (bDrawPgHigh) in.m_nPgHigh = rng.Index(7);
    return in;
}
