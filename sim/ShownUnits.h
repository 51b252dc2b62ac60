#pragma once

#include "UnitConversion.h"

// Values as a window shows them in the display units the user chose; the engine holds temperatures in C
// and each input in the unit system of its scenario.

// A temperature held in C (curves, start temperatures) in a unit system: unchanged in SI, x * 1.8 + 32 in
// English. The chart's axis, the start-time search, the windows and every written temperature use it.
constexpr double ShownTemperature(double dTempC, UnitSystem units) {
    return units == UnitSystem::English ? CelsiusToFahrenheit(dTempC) : dTempC;
}

// A value of an input field held in `from` units as the form shows it after switching to `to`: converted,
// then RoundValue to hundredths; unchanged when the systems agree. Temperatures (C or F), wind speeds
// (km/h or mph) and lift thicknesses (mm or in.).
double TemperatureIn(double dValue, UnitSystem from, UnitSystem to);
double WindSpeedIn(double dValue, UnitSystem from, UnitSystem to);
double LengthIn(double dValue, UnitSystem from, UnitSystem to);
