#pragma once

// The sun model's intermediate values for one moment of laydown. ComputeSurfaceBoundary is built on
// this; it is public so that the tests can check each worked value.
struct SolarTerms {
    int nDayOfYear;          // N, 1 to 365 (0 for a month outside 1 to 12)
    double dClockHours;      // H, decimal hours of local solar time
    double dDeclination;     // delta in radians
    double dEquationOfTime;  // E in hours
    double dHourAngle;       // omega in radians, 0 at solar noon, negative before it
    double dSinAltitude;     // sin alpha
    double dDistanceFactor;  // R, the Earth-sun distance factor
    double dClearSkyFlux;    // Qs in W/m2 on a horizontal surface; 0.0 when not greater than zero (NaN too)
};

// Month 1 to 12, day 1 to 31, hour 0 to 24, minute 0 to 60, latitude in degrees north.
SolarTerms ComputeSolarTerms(int nMonth, int nDay, int nHour, int nMinute, double dLatitude);
