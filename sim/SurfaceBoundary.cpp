#include "SurfaceBoundary.h"

#include <cmath>

#include "SolarPosition.h"

namespace {
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr double kDegToRad = 0.017453292519944444;
constexpr double kRadToDeg = 57.29577951307855;
constexpr double kDayAngle = 0.01720280062856955;
constexpr double kHourAngle = 0.26179938779916667;
constexpr double kObliquity = 0.409172;
constexpr double kEccentricity = 0.0167238;
constexpr double kSolarConstant = 1377.385234659371;
constexpr double kClearSkyTransmission = 0.828;
constexpr double kClearSkyOffset = 47.4;
constexpr double kAbsorptivity = 0.85;
constexpr double kKelvin = 273.0;
}  // namespace

int DayOfYear(int nMonth, int nDay) {
    if (nMonth < 1 || nMonth > 12) return 0;
    return kDaysBeforeMonth[nMonth - 1] + nDay;
}

double SkyCoverFraction(int nSkyCondition) { return 0.25 * nSkyCondition; }

SolarTerms ComputeSolarTerms(int nMonth, int nDay, int nHour, int nMinute, double dLatitude) {
    SolarTerms s{};

    // 1-3. Day number, clock time, latitude.
    const int N = DayOfYear(nMonth, nDay);
    const double H = (nMinute * 0.016666666666666666) + nHour;
    const double phi = dLatitude * kDegToRad;

    // 4-5. Anomaly and day angle; 1 January wraps the anomaly to 364 days.
    const double g = (N == 1) ? (N + 363) * kDayAngle : (N - 2) * kDayAngle;
    const double t = (N - 1) * kDayAngle;

    const double cos_t = std::cos(t);
    const double sin_t = std::sin(t);
    const double cos_2t = std::cos(2.0 * t);
    const double sin_2t = std::sin(2.0 * t);

    // 6. Ecliptic longitude, degrees.
    const double lambda =
        ((((-0.00162 * cos_2t - 0.079525 * cos_t) + 1.914827 * sin_t) + 0.019938 * sin_2t) + kRadToDeg * t) +
        279.9348;

    // 7. Declination.
    const double delta = std::asin(std::sin(kObliquity) * std::sin(lambda * kDegToRad));

    // 8. Equation of time, hours.
    const double E = ((0.060783 * cos_2t + 0.12357 * sin_t) - 0.004289 * cos_t) + 0.153809 * sin_2t;

    // 9. Hour angle.
    const double omega = ((H - E) - 12.0) * kHourAngle;

    // 10. Sine of the solar altitude.
    const double sinAlpha =
        std::sin(delta) * std::sin(phi) + (std::cos(phi) * (std::cos(delta) * std::cos(omega)));

    // 11. Earth-sun distance factor.
    const double R = 1.0 + kEccentricity * std::cos(g);

    // 12. Clear-sky flux on a horizontal surface; not greater than zero (NaN included) gives 0.
    double Qs = (((sinAlpha * R) * R) * kSolarConstant) * kClearSkyTransmission - kClearSkyOffset;
    if (!(Qs > 0.0)) Qs = 0.0;

    s.nDayOfYear = N;
    s.dClockHours = H;
    s.dDeclination = delta;
    s.dEquationOfTime = E;
    s.dHourAngle = omega;
    s.dSinAltitude = sinAlpha;
    s.dDistanceFactor = R;
    s.dClearSkyFlux = Qs;
    return s;
}

SurfaceBoundary ComputeSurfaceBoundary(int nMonth, int nDay, int nHour, int nMinute, double dLatitude,
                                       int nSkyCondition, double dAirTemp, double dWindSpeed) {
    // 1-12.
    const double Qs = ComputeSolarTerms(nMonth, nDay, nHour, nMinute, dLatitude).dClearSkyFlux;

    // 13. Sky cover, sky temperature, absorbed flux, convection.
    const double f = SkyCoverFraction(nSkyCondition);
    SurfaceBoundary b{};
    b.dSkyTemp = (Qs == 0.0) ? (dAirTemp + 48.0) * f + 225.0 : dAirTemp + kKelvin;
    b.dAbsorbedSolar = ((1.0 - f) * Qs) * kAbsorptivity;
    b.dConvection = ((std::pow(dWindSpeed, 0.75) * std::pow(2.23, 0.75)) * 0.62 + 1.3) * 3.152;
    b.dAirTemp = dAirTemp;
    return b;
}
