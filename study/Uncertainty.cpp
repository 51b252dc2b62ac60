#include "Uncertainty.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "FieldText.h"
#include "UnitConversion.h"
#include "WindowBatch.h"

namespace {

constexpr std::size_t kFewestSamples = 2;
constexpr std::size_t kMostSamples = 1000000;
constexpr double kLargestSpread = 100.0;  // C or percent
constexpr double kLongestWindow = 120.0;  // minutes
constexpr double kFahrenheitPerCelsius = 1.8;
// Runs before the samples: the nominal scenario, then each input at its low and its high end.
constexpr std::size_t kNominalRun = 0;
constexpr std::size_t kFixedRuns = 1 + 2 * kUncertainInputCount;

class Draws {
public:
    explicit Draws(std::uint64_t nSeed) : m_engine(nSeed) {}

    double Unit() { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }

    // Uniform in 0 to k - 1 (k >= 1): a draw below the largest multiple of k, reduced modulo k.
    std::uint64_t Below(std::uint64_t k) {
        const std::uint64_t nRemainder = (std::uint64_t{0} - k) % k;  // 2^64 mod k
        for (;;) {
            const std::uint64_t x = m_engine();
            if (nRemainder == 0 || x < std::uint64_t{0} - nRemainder) return x % k;
        }
    }

private:
    std::mt19937_64 m_engine;
};

// Where an input lives in the scenario, its range and how its spread applies.
struct InputSlot {
    double SimulationInputs::*pValue;
    double dMin;
    double dMax;
    double dSpread;  // in the scenario's units (temperatures) or percent (wind, lift)
    bool bPercent;
    const char* pszSpreadField;
};

std::array<InputSlot, kUncertainInputCount> SlotsOf(const UncertaintyRequest& r) {
    const bool bSi = UnitSystemOfCode(r.base.m_nUnits) == UnitSystem::SI;
    const InputRanges& g = bSi ? kSiRanges : kEnglishRanges;
    const double dPerC = bSi ? 1.0 : kFahrenheitPerCelsius;
    const UncertaintySpreads& s = r.spreads;
    return {{
        {&SimulationInputs::m_dAirTemp, g.m_dAirTempMin, g.m_dAirTempMax, s.dAirTempC * dPerC, false,
         "air temperature spread"},
        {&SimulationInputs::m_dWindSpeed, g.m_dWindSpeedMin, g.m_dWindSpeedMax, s.dWindPercent, true,
         "wind speed spread"},
        {&SimulationInputs::m_dDeliveryTemp, g.m_dDeliveryTempMin, g.m_dDeliveryTempMax,
         s.dDeliveryTempC * dPerC, false, "delivery temperature spread"},
        {&SimulationInputs::m_dSurfaceTemp, g.m_dSurfaceTempMin, g.m_dSurfaceTempMax, s.dSurfaceTempC * dPerC,
         false, "surface temperature spread"},
        {&SimulationInputs::m_dLiftThickness, g.m_dLiftThicknessMin, g.m_dLiftThicknessMax, s.dLiftPercent,
         true, "lift thickness spread"},
    }};
}

// The input's value at point u of its spread, before clamping.
double Drawn(const InputSlot& slot, double dNominal, double u) {
    const double dHalfWidth = slot.bPercent ? dNominal * (slot.dSpread * 0.01) : slot.dSpread;
    return dNominal + dHalfWidth * (2.0 * u - 1.0);
}

// Clamped to the field's range as the form clamps, then rounded to hundredths as the form holds it.
double AsTheFormHolds(const InputSlot& slot, double dValue, bool* pClamped) {
    *pClamped = dValue < slot.dMin || dValue > slot.dMax;
    return RoundValue(std::clamp(dValue, slot.dMin, slot.dMax));
}

WindowFigures FiguresOf(const WindowRun& run) {
    return {run.start.nStartTime, run.stop.dStopTime, WindowLength(run), run.stop.notice};
}

Percentiles PercentilesOf(std::vector<double>& values) {
    std::sort(values.begin(), values.end());
    return {SortedPercentile(values, 0.1), SortedPercentile(values, 0.5), SortedPercentile(values, 0.9)};
}

UncertaintyResult Refused(StudyFault fault) {
    UncertaintyResult r;
    r.outcome = StudyOutcome::Refused;
    r.fault = std::move(fault);
    return r;
}

}  // namespace

const char* UncertainInputName(UncertainInput input) {
    switch (input) {
        case UncertainInput::AirTemp:
            return "air temperature";
        case UncertainInput::WindSpeed:
            return "wind speed";
        case UncertainInput::DeliveryTemp:
            return "delivery temperature";
        case UncertainInput::SurfaceTemp:
            return "surface temperature";
        case UncertainInput::LiftThickness:
            break;
    }
    return "lift thickness";
}

std::vector<double> LatinHypercube(std::size_t nSamples, std::size_t nInputs, std::uint64_t nSeed) {
    std::vector<double> points(nSamples * nInputs);
    std::vector<std::uint64_t> strata(nSamples);
    Draws draws(nSeed);
    const double dCount = static_cast<double>(nSamples);
    for (std::size_t k = 0; k < nInputs; ++k) {
        for (std::size_t i = 0; i < nSamples; ++i) strata[i] = i;
        for (std::size_t i = nSamples; i > 1; --i) std::swap(strata[i - 1], strata[draws.Below(i)]);
        for (std::size_t i = 0; i < nSamples; ++i)
            points[i * nInputs + k] = (static_cast<double>(strata[i]) + draws.Unit()) / dCount;
    }
    return points;
}

double SortedPercentile(std::span<const double> sorted, double p) {
    if (sorted.empty()) return std::numeric_limits<double>::quiet_NaN();
    const double h = static_cast<double>(sorted.size() - 1) * p;
    const std::size_t i = static_cast<std::size_t>(std::floor(h));
    if (i + 1 >= sorted.size()) return sorted.back();
    return sorted[i] + (h - static_cast<double>(i)) * (sorted[i + 1] - sorted[i]);
}

UncertaintyResult RunUncertainty(const UncertaintyRequest& request, const StudyProgress& progress,
                                 std::stop_token stop) {
    if (auto fault = CheckScenario(request.base)) return Refused(*fault);
    if (request.nSamples < kFewestSamples || request.nSamples > kMostSamples)
        return Refused(
            {"samples", "the sample count " + std::to_string(request.nSamples) + " is outside 2 to 1000000"});
    if (!(request.dMinimumWindow >= 0.0 && request.dMinimumWindow <= kLongestWindow))
        return Refused(RangeFault("minimum window", request.dMinimumWindow, 0.0, kLongestWindow, "min"));
    const std::array<InputSlot, kUncertainInputCount> slots = SlotsOf(request);
    const UncertaintySpreads& s = request.spreads;
    const double spreads[kUncertainInputCount] = {s.dAirTempC, s.dWindPercent, s.dDeliveryTempC,
                                                  s.dSurfaceTempC, s.dLiftPercent};
    for (std::size_t k = 0; k < kUncertainInputCount; ++k)
        if (!(spreads[k] >= 0.0 && spreads[k] <= kLargestSpread))
            return Refused(RangeFault(slots[k].pszSpreadField, spreads[k], 0.0, kLargestSpread,
                                      slots[k].bPercent ? "%" : "C"));

    UncertaintyResult result;
    result.nSeed = request.nSeed;
    if (request.bRandomSeed) {
        std::random_device device;
        result.nSeed = (static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(device());
    }
    result.nSamples = request.nSamples;
    const std::size_t n = request.nSamples;
    const std::vector<double> points = LatinHypercube(n, kUncertainInputCount, result.nSeed);

    // Every scenario of the study, by run index: nominal, the one-at-a-time ends, then the samples.
    // Clamps are counted once, when the samples are listed here.
    auto scenario = [&](std::size_t nRun, bool* pClamped) {
        SimulationInputs in = request.base;
        if (nRun == kNominalRun) return in;
        for (std::size_t k = 0; k < kUncertainInputCount; ++k) {
            double u = 0.5;
            if (nRun < kFixedRuns) {
                if ((nRun - 1) / 2 != k) continue;
                u = (nRun - 1) % 2 == 0 ? 0.0 : 1.0;
            } else {
                u = points[(nRun - kFixedRuns) * kUncertainInputCount + k];
            }
            const double dNominal = request.base.*slots[k].pValue;
            in.*slots[k].pValue = AsTheFormHolds(slots[k], Drawn(slots[k], dNominal, u), &pClamped[k]);
        }
        return in;
    };
    std::vector<WindowRun> runs(kFixedRuns + n);
    auto counted = [&](std::size_t nRun) {
        bool clamped[kUncertainInputCount] = {};
        SimulationInputs in = scenario(nRun, clamped);
        if (nRun >= kFixedRuns)
            for (std::size_t k = 0; k < kUncertainInputCount; ++k) result.clamped[k] += clamped[k] ? 1 : 0;
        return in;
    };
    if (!RunWindows(counted, runs, progress, 0, runs.size(), stop)) {
        UncertaintyResult cancelled;
        cancelled.outcome = StudyOutcome::Cancelled;
        return cancelled;
    }

    result.nominal = FiguresOf(runs[kNominalRun]);
    for (std::size_t k = 0; k < kUncertainInputCount; ++k) {
        bool ignored[kUncertainInputCount] = {};
        const std::size_t nLow = 1 + 2 * k;
        SensitivityRow row{};
        row.input = static_cast<UncertainInput>(k);
        row.dLowValue = scenario(nLow, ignored).*slots[k].pValue;
        row.dHighValue = scenario(nLow + 1, ignored).*slots[k].pValue;
        row.dStopAtLow = runs[nLow].stop.dStopTime;
        row.dStopAtHigh = runs[nLow + 1].stop.dStopTime;
        row.dEffect = std::fabs(row.dStopAtHigh - row.dStopAtLow);
        result.sensitivity.push_back(row);
    }
    std::stable_sort(result.sensitivity.begin(), result.sensitivity.end(),
                     [](const SensitivityRow& a, const SensitivityRow& b) { return a.dEffect > b.dEffect; });

    std::vector<double> starts(n), stops(n), windows(n);
    std::size_t nShort = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const WindowFigures f = FiguresOf(runs[kFixedRuns + i]);
        starts[i] = f.nStartTime;
        stops[i] = f.dStopTime;
        windows[i] = f.dWindow;
        ++result.stopCounts[static_cast<std::size_t>(std::clamp(f.dStopTime, 0.0, 120.0))];
        nShort += f.dWindow < request.dMinimumWindow ? 1 : 0;
        result.nRapidSamples += f.notice == CoolingNotice::Rapid ? 1 : 0;
        result.nSlowSamples += f.notice == CoolingNotice::Slow ? 1 : 0;
    }
    result.start = PercentilesOf(starts);
    result.stop = PercentilesOf(stops);
    result.window = PercentilesOf(windows);
    result.dShortWindowShare = static_cast<double>(nShort) / static_cast<double>(n);
    return result;
}
