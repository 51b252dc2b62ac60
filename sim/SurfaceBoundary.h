#pragma once

// What drives heat exchange at the top of the mat, evaluated once for the moment of laydown.
struct SurfaceBoundary {
    double dAbsorbedSolar;  // W/m2, never negative
    double dSkyTemp;        // K
    double dConvection;     // W/(m2 K)
    double dAirTemp;        // C
};

// The moment and place of laydown and the weather then, as the boundary model reads them.
struct LaydownConditions {
    int nMonth;         // 1 to 12
    int nDay;           // 1 to the month's length
    int nHour;          // 0 to 24, local solar time
    int nMinute;        // 0 to 60
    double dLatitude;   // degrees north, 0 to 90
    int nSkyCondition;  // kSkyConditionNames index, 0 "Clear & Dry" to 4 "Overcast"
    double dAirTemp;    // C
    double dWindSpeed;  // m/s, 0 or more
};

// Day number 1 to 365 of a common year; month 1 to 12, day 1 to 31 (29 February counts as 1 March,
// day 60). A month outside 1 to 12 returns 0.
int DayOfYear(int nMonth, int nDay);

// Cover fraction 0.25 * index for sky conditions 0 ("Clear & Dry") to 4 ("Overcast"). Any other index
// is put through the same formula (the form always holds one of the five).
double SkyCoverFraction(int nSkyCondition);

// Sun position, clear-sky flux, sky temperature and convection for the laydown moment. Every year counts
// as a common year; a month outside 1 to 12 is computed with day number 0 (no failure; the form never
// holds one). Wind speeds below 0 give NaN convection (the form never holds one).
SurfaceBoundary ComputeSurfaceBoundary(const LaydownConditions& laydown);
