#include "SurfaceBoundary.h"

#include <cmath>

#include "SolarPosition.h"

namespace {
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// The angle factors are formed with pi taken as 3.14159265359, so they differ from full-precision
// values in their last digits; the doubles below are those products.
constexpr double kDegToRad = 0.017453292519944444;    // pi / 180
constexpr double kRadToDeg = 57.29577951307855;       // 180 / pi
constexpr double kDayAngle = 0.01720280062856955;     // radians per day: 2 pi / 365.242 (tropical year)
constexpr double kHourAngle = 0.26179938779916667;    // radians per hour: 15 degrees
constexpr double kObliquity = 0.409172;               // obliquity of the ecliptic, radians (23.44 degrees)
constexpr double kEccentricity = 0.0167238;           // orbital eccentricity term of the distance factor
constexpr double kSolarConstant = 1377.385234659371;  // W/m2 at the mean Earth-sun distance
constexpr double kClearSkyTransmission = 0.828;       // share of the beam a clear atmosphere lets through
constexpr double kClearSkyOffset = 47.4;              // W/m2 taken off the transmitted beam
constexpr double kAbsorptivity = 0.85;                // share of the solar flux the mat surface absorbs
constexpr double kKelvin = 273.0;                     // C -> K as the model counts it (not 273.15)
constexpr double kNightSkyBase = 225.0;               // K, a clear night sky
constexpr double kNightSkyOffset = 48.0;  // C: (air + 48) + 225 puts a fully covered night sky at the air
constexpr double kMinutesToHours = 0.016666666666666666;  // nearest double to 1/60

// Wind convection, an empirical correlation in the wind speed in mph: h = ((v^0.75 * 2.23^0.75) * 0.62
// + 1.3) * 3.152 W/(m2 K) for v in m/s, with 2.23 mph per m/s (its power taken separately, so the
// product keeps the model's doubles), 1.3 the still-air term, 0.62 the wind term and 3.152 the factor
// that gives W/(m2 K).
constexpr double kMphPerMetrePerSecond = 2.23;
constexpr double kWindExponent = 0.75;
constexpr double kWindFactor = 0.62;
constexpr double kStillAirConvection = 1.3;
constexpr double kConvectionToSi = 3.152;
}  // namespace

int DayOfYear(int nMonth, int nDay) {
    if (nMonth < 1 || nMonth > 12) return 0;
    return kDaysBeforeMonth[nMonth - 1] + nDay;
}

double SkyCoverFraction(int nSkyCondition) { return 0.25 * nSkyCondition; }

SolarTerms ComputeSolarTerms(int nMonth, int nDay, int nHour, int nMinute, double dLatitude) {
    SolarTerms s{};

    // The clock time counts as local mean solar time: no longitude, time zone or daylight saving.
    const int N = DayOfYear(nMonth, nDay);
    const double H = (nMinute * kMinutesToHours) + nHour;
    const double phi = dLatitude * kDegToRad;

    // Anomaly and day angle. On 1 January the anomaly's day count wraps to the end of the year (364 days).
    const double g = (N == 1) ? (N + 363) * kDayAngle : (N - 2) * kDayAngle;
    const double t = (N - 1) * kDayAngle;

    const double cos_t = std::cos(t);
    const double sin_t = std::sin(t);
    const double cos_2t = std::cos(2.0 * t);
    const double sin_2t = std::sin(2.0 * t);

    // The sun's ecliptic longitude in degrees, as a short Fourier series in the day angle.
    const double lambda =
        ((((-0.00162 * cos_2t - 0.079525 * cos_t) + 1.914827 * sin_t) + 0.019938 * sin_2t) + kRadToDeg * t) +
        279.9348;

    const double delta = std::asin(std::sin(kObliquity) * std::sin(lambda * kDegToRad));

    // The equation of time in hours: how far the sun runs ahead of the clock on this day.
    const double E = ((0.060783 * cos_2t + 0.12357 * sin_t) - 0.004289 * cos_t) + 0.153809 * sin_2t;

    const double omega = ((H - E) - 12.0) * kHourAngle;
    const double sinAlpha =
        std::sin(delta) * std::sin(phi) + (std::cos(phi) * (std::cos(delta) * std::cos(omega)));
    const double R = 1.0 + kEccentricity * std::cos(g);

    // Night, and a sun too low to outweigh the clear-sky offset, give no flux (NaN counts as none).
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

SurfaceBoundary ComputeSurfaceBoundary(const LaydownConditions& laydown) {
    const double Qs =
        ComputeSolarTerms(laydown.nMonth, laydown.nDay, laydown.nHour, laydown.nMinute, laydown.dLatitude)
            .dClearSkyFlux;

    // By day the sky radiates at the air temperature whatever the cover; by night a clear sky is at
    // 225 K and an overcast one at the air temperature. Cloud cover takes its share of the sun away.
    const double f = SkyCoverFraction(laydown.nSkyCondition);
    SurfaceBoundary b{};
    b.dSkyTemp =
        (Qs == 0.0) ? (laydown.dAirTemp + kNightSkyOffset) * f + kNightSkyBase : laydown.dAirTemp + kKelvin;
    b.dAbsorbedSolar = ((1.0 - f) * Qs) * kAbsorptivity;
    b.dConvection =
        ((std::pow(laydown.dWindSpeed, kWindExponent) * std::pow(kMphPerMetrePerSecond, kWindExponent)) *
             kWindFactor +
         kStillAirConvection) *
        kConvectionToSi;
    b.dAirTemp = laydown.dAirTemp;
    return b;
}
