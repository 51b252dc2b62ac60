#pragma once

// The sun-model intermediates, steps 1 to 12 of the boundary model, for one moment of laydown.
// ComputeSurfaceBoundary is built on this; it is public so that the tests can check the worked values of each
// step.
struct SolarTerms {
    int nDayOfYear;          // N, step 1 (0 for a month outside 1 to 12)
    double dClockHours;      // H, step 2
    double dDeclination;     // delta in radians, step 7
    double dEquationOfTime;  // E in hours, step 8
    double dHourAngle;       // omega in radians, step 9
    double dSinAltitude;     // sin alpha, step 10
    double dDistanceFactor;  // R, step 11
    double dClearSkyFlux;    // Qs in W/m2, step 12; 0.0 when not greater than zero (NaN included)
};

SolarTerms ComputeSolarTerms(int nMonth, int nDay, int nHour, int nMinute, double dLatitude);
