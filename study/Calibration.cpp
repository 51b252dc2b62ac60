#include "Calibration.h"

#include <cmath>
#include <optional>

#include "UnitConversion.h"
#include "WindowBatch.h"

namespace {

constexpr int kSearchRuns = 11;            // engine runs of the search, the two ends included
constexpr int kMostRuns = 12;              // with the run of the rounded fit
constexpr double kMatchC = 0.01;           // the search stops when the model is this close to the measurement
constexpr double kAcceptC = 0.05;          // the most a fit may miss by when the runs are spent
constexpr double kSamplesPerMinute = 3.0;  // one sample every 20 s
constexpr double kLatestMinute = 120.0;
constexpr double kColdMatC = 50.0;  // a run ends when the mat mean falls below this

// One engine run of the search.
struct Probe {
    double dDelivery;    // F or C, the scenario's units
    bool bLasts;         // the run reached the time of the measurement
    double dModelC;      // the model's value at that time, C (when bLasts)
    double dResidualC;   // dModelC - measurement, C (when bLasts)
    double dEndMinutes;  // minute of the run's last sample
    CalculationWithProfile run;
};

// The profile's value at t minutes, linear between the samples around it; nothing when the run ended
// before t.
std::optional<double> ValueAt(const CalculationWithProfile& run, double t, MeasurementPlace place) {
    const double* values =
        place == MeasurementPlace::Surface ? run.profile.m_dSurfaceTemp : run.profile.m_dMidDepthTemp;
    const double position = t * kSamplesPerMinute;
    const int i = static_cast<int>(std::floor(position));
    const double w = position - i;
    if (i > run.curve.m_nLastSample || (w > 0.0 && i + 1 > run.curve.m_nLastSample)) return std::nullopt;
    if (w == 0.0) return values[i];
    return values[i] + w * (values[i + 1] - values[i]);
}

class Search {
public:
    Search(const CalibrationRequest& request, const StudyProgress& progress, const std::stop_token& stop)
        : m_request(request), m_progress(progress), m_stop(stop) {
        m_units = UnitSystemOfCode(request.base.m_nUnits);
        m_dMeasuredC =
            m_units == UnitSystem::SI ? request.dMeasuredTemp : FahrenheitToCelsius(request.dMeasuredTemp);
    }

    // One run at dDelivery (F or C); nothing when the stop token was set.
    std::optional<Probe> Run(double dDelivery) {
        if (m_stop.stop_requested()) return std::nullopt;
        SimulationInputs in = m_request.base;
        in.m_dDeliveryTemp = dDelivery;
        Probe p{dDelivery, false, 0.0, 0.0, 0.0, RunCalculationWithProfile(in)};
        ++m_nRuns;
        if (m_progress) m_progress(static_cast<std::size_t>(m_nRuns), kMostRuns);
        p.dEndMinutes = p.run.curve.m_nLastSample / kSamplesPerMinute;
        if (const auto value = ValueAt(p.run, m_request.dMinutesAfterLaydown, m_request.place)) {
            p.bLasts = true;
            p.dModelC = *value;
            p.dResidualC = *value - m_dMeasuredC;
        }
        return p;
    }

    // Texts of the messages, in the scenario's units.
    std::string Temp(double dTempC) const { return TemperatureText(dTempC, m_units); }
    std::string InputTemp(double dTemp) const {
        return NumberText(dTemp) + " " + kTemperatureUnit[UnitCode(m_units)];
    }
    std::string AtTimeAndPlace() const {
        return "at " + NumberText(m_request.dMinutesAfterLaydown) + " min " +
               (m_request.place == MeasurementPlace::Surface ? "at the surface" : "at mid-depth");
    }
    std::string Measured() const { return InputTemp(m_request.dMeasuredTemp); }
    // Delivery temperature differences in C.
    double DeliverySpanC(double dLow, double dHigh) const {
        return m_units == UnitSystem::SI ? dHigh - dLow : (dHigh - dLow) / 1.8;
    }

    UnitSystem m_units;
    int m_nRuns = 0;

private:
    const CalibrationRequest& m_request;
    const StudyProgress& m_progress;
    const std::stop_token& m_stop;
    double m_dMeasuredC;
};

CalibrationResult Refused(const char* pszField, std::string strMessage) {
    CalibrationResult r;
    r.outcome = StudyOutcome::Refused;
    r.fault = {pszField, std::move(strMessage)};
    return r;
}

CalibrationResult Cancelled() {
    CalibrationResult r;
    r.outcome = StudyOutcome::Cancelled;
    return r;
}

}  // namespace

CalibrationResult Calibrate(const CalibrationRequest& request, const StudyProgress& progress,
                            std::stop_token stop) {
    const bool bSi = UnitSystemOfCode(request.base.m_nUnits) == UnitSystem::SI;
    const InputRanges& ranges = bSi ? kSiRanges : kEnglishRanges;
    SimulationInputs checked = request.base;
    checked.m_dDeliveryTemp = ranges.m_dDeliveryTempMin;  // fitted, not read
    if (auto fault = CheckScenario(checked)) {
        CalibrationResult r;
        r.outcome = StudyOutcome::Refused;
        r.fault = *fault;
        return r;
    }
    if (!std::isfinite(request.dMeasuredTemp))
        return Refused("measured temperature", "the measured temperature is not a number");
    const double t = request.dMinutesAfterLaydown;
    if (!(t > 0.0))
        return Refused("minutes after laydown",
                       "the measurement must be taken after laydown (0 < t <= 120 min)");
    if (!(t <= kLatestMinute))
        return Refused("minutes after laydown",
                       "the measurement at " + NumberText(t) + " min is later than the model runs (120 min)");

    Search search(request, progress, stop);
    std::optional<Probe> hi = search.Run(ranges.m_dDeliveryTempMax);
    if (!hi) return Cancelled();
    if (!hi->bLasts)
        return Refused("minutes after laydown",
                       "even the hottest delivery (" + search.InputTemp(hi->dDelivery) +
                           ") leaves a mat mean below " + search.Temp(kColdMatC) + " at " +
                           NumberText(hi->dEndMinutes) + " min, where the run ends; a measurement " +
                           search.AtTimeAndPlace() + " comes after that");
    if (hi->dResidualC < -kMatchC)
        return Refused("measured temperature",
                       search.Measured() + " " + search.AtTimeAndPlace() +
                           " is hotter than the model reaches: " + "the hottest delivery (" +
                           search.InputTemp(hi->dDelivery) + ") gives " + search.Temp(hi->dModelC) + " " +
                           search.AtTimeAndPlace());

    std::optional<Probe> fit;
    if (std::fabs(hi->dResidualC) <= kMatchC) fit = hi;
    std::optional<Probe> lo;
    if (!fit) {
        lo = search.Run(ranges.m_dDeliveryTempMin);
        if (!lo) return Cancelled();
        if (lo->bLasts && lo->dResidualC > kMatchC)
            return Refused("measured temperature",
                           search.Measured() + " " + search.AtTimeAndPlace() +
                               " is colder than the model reaches: the coldest delivery (" +
                               search.InputTemp(lo->dDelivery) + ") gives " + search.Temp(lo->dModelC) + " " +
                               search.AtTimeAndPlace());
        if (lo->bLasts && std::fabs(lo->dResidualC) <= kMatchC) fit = lo;
    }

    // Regula falsi with the Illinois correction: an end kept twice in a row has its residual halved.
    double fLo = lo && lo->bLasts ? lo->dResidualC : 0.0;
    double fHi = hi->dResidualC;
    int nKept = 0;  // -1: the high end was kept last time, +1: the low end
    while (!fit && search.m_nRuns < kSearchRuns) {
        const double d = lo->bLasts ? (lo->dDelivery * fHi - hi->dDelivery * fLo) / (fHi - fLo)
                                    : (lo->dDelivery + hi->dDelivery) * 0.5;
        std::optional<Probe> p = search.Run(d);
        if (!p) return Cancelled();
        if (!p->bLasts) {
            lo = std::move(p);
            nKept = 0;
        } else if (std::fabs(p->dResidualC) <= kMatchC) {
            fit = std::move(p);
        } else if (p->dResidualC < 0.0) {
            fLo = p->dResidualC;
            lo = std::move(p);
            if (nKept == -1) fHi *= 0.5;
            nKept = -1;
        } else {
            fHi = p->dResidualC;
            hi = std::move(p);
            if (nKept == 1) fLo *= 0.5;
            nKept = 1;
        }
        if (!fit && search.DeliverySpanC(lo->dDelivery, hi->dDelivery) <= 0.001) break;
    }
    if (!fit) {
        // The runs are spent: the closer end still counts when it misses by no more than 0.05 C.
        const bool bLowCloser = lo->bLasts && std::fabs(lo->dResidualC) < std::fabs(hi->dResidualC);
        Probe& closer = bLowCloser ? *lo : *hi;
        if (std::fabs(closer.dResidualC) <= kAcceptC)
            fit = std::move(closer);
        else if (!lo->bLasts)
            return Refused(
                "measured temperature",
                search.Measured() + " " + search.AtTimeAndPlace() +
                    " is colder than the model reaches: cooler deliveries leave a mat mean below " +
                    search.Temp(kColdMatC) + " before then, and the coldest delivery that lasts (" +
                    search.InputTemp(hi->dDelivery) + ") gives " + search.Temp(hi->dModelC) + " " +
                    search.AtTimeAndPlace());
        else
            return Refused("measured temperature",
                           "no delivery temperature matched " + search.Measured() + " " +
                               search.AtTimeAndPlace() + " within 0.05 C in " +
                               std::to_string(search.m_nRuns) + " runs; the closest (" +
                               search.InputTemp(closer.dDelivery) + ") gives " + search.Temp(closer.dModelC));
    }

    // The form holds hundredths: the window, curve and profile shown are those of the rounded fit. The
    // range ends are hundredths, so the rounded fit stays within the range.
    CalibrationResult result;
    result.dDeliveryTempExact = fit->dDelivery;
    result.dDeliveryTemp = RoundValue(fit->dDelivery);
    if (result.dDeliveryTemp != fit->dDelivery) {
        std::optional<Probe> rounded = search.Run(result.dDeliveryTemp);
        if (!rounded) return Cancelled();
        if (!rounded->bLasts)
            return Refused("measured temperature", "the fitted delivery (" +
                                                       search.InputTemp(result.dDeliveryTemp) +
                                                       ") leaves a mat mean below " + search.Temp(kColdMatC) +
                                                       " before the measurement");
        fit = std::move(rounded);
    }
    result.dModelTemp = bSi ? fit->dModelC : CelsiusToFahrenheit(fit->dModelC);
    result.nEngineRuns = search.m_nRuns;
    result.fitted = std::move(fit->run);
    result.dWindow = WindowLength(result.fitted.summary);
    if (progress) progress(kMostRuns, kMostRuns);
    return result;
}
