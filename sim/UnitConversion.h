#pragma once

// Converters change one value in place into the unit system named by nTarget (0 SI, 1 English);
// any other code leaves the value unchanged.

// F -> C: (x - 32) * 0.5555555555555556;  C -> F: x * 1.8 + 32.
void ConvertTemperature(int nTarget, double* pValue);
// in. -> mm: x * 25.4;  mm -> in.: x * 0.03937007874015748.
void ConvertLength(int nTarget, double* pValue);
// mph -> km/h: x * 1.609;  km/h -> mph: x * 0.6215040397762586.
void ConvertSpeed(int nTarget, double* pValue);

// Rounds in place to hundredths digit by digit: half up for positive values, cut toward zero after
// the second decimal for negative ones (-17.7777 gives -17.77). Meant for magnitudes below 1000.
void RoundValue(double* pValue);
