#pragma once

#include "UnitSystem.h"

// C -> F: x * 1.8 + 32.0, multiplied first. The one conversion the chart, the report and the unit
// switch use to show a temperature held in C.
constexpr double CelsiusToFahrenheit(double dTempC) { return dTempC * 1.8 + 32.0; }

// F -> C: (x - 32.0) * 0.5555555555555556 (the double nearest 5/9), subtracted first.
constexpr double FahrenheitToCelsius(double dTempF) { return (dTempF - 32.0) * 0.5555555555555556; }

// Each converter takes a value of the other system and returns it in `target`; a value of `target`
// outside the enumeration (only by a cast) returns the value unchanged. Any double; NaN stays NaN.

// Into SI: F -> C; into English: C -> F (the two functions above).
double ConvertTemperature(UnitSystem target, double dValue);
// Into SI: in. -> mm, x * 25.4; into English: mm -> in., x * 0.03937007874015748 (nearest double to 1/25.4).
double ConvertLength(UnitSystem target, double dValue);
// Into SI: mph -> km/h, x * 1.609; into English: km/h -> mph, x * 0.6215040397762586 (nearest to 1/1.609).
double ConvertSpeed(UnitSystem target, double dValue);

// Hundredths, read from the value's shortest decimal text (the fewest digits that read back as this
// double), so a value typed with at most two decimals comes back unchanged (-39.66 stays -39.66).
// Positive values round half up at the third decimal (3.145 -> 3.15, 1.005 -> 1.01); negative values are
// cut toward zero after the second (-12.345 -> -12.34, -17.7777 -> -17.77). Any finite double, however
// large (1234.567 -> 1234.57); the result is the double nearest the rounded decimal, and a result of zero
// is +0.0. NaN and infinities come back unchanged.
double RoundValue(double dValue);
