#include "UnitConversion.h"

#include <cmath>

void ConvertTemperature(int nTarget, double* pValue) {
    if (nTarget == 0)
        *pValue = (*pValue - 32.0) * 0.5555555555555556;
    else if (nTarget == 1)
        *pValue = *pValue * 1.8 + 32.0;
}

void ConvertLength(int nTarget, double* pValue) {
    if (nTarget == 0)
        *pValue = *pValue * 25.4;
    else if (nTarget == 1)
        *pValue = *pValue * 0.03937007874015748;
}

void ConvertSpeed(int nTarget, double* pValue) {
    if (nTarget == 0)
        *pValue = *pValue * 1.609;
    else if (nTarget == 1)
        *pValue = *pValue * 0.6215040397762586;
}

// The digits are truncated with std::trunc on doubles rather than by a cast to int: every digit
// and every partial number (below 2^53 in magnitude) is an integer held exactly in a double, so the
// sums and products below give the same doubles as the integer digit arithmetic, and a value
// outside the intended range (or NaN) has no undefined conversion behind it.
void RoundValue(double* pValue) {
    const double x = *pValue;
    const double a = std::trunc(x * 0.001);
    const double H = std::trunc(x * 0.01) - 10.0 * a;
    const double T = std::trunc(x * 0.1) - 10.0 * (10.0 * a + H);
    const double U = std::trunc(x) - 10.0 * std::trunc(x * 0.1);
    const double D1 = std::trunc(x * 10.0) - 10.0 * std::trunc(x);
    double D2 = std::trunc(x * 100.0) - 10.0 * std::trunc(x * 10.0);
    const double D3 = std::trunc(x * 1000.0) - 10.0 * std::trunc(x * 100.0);
    if (D3 >= 5.0) D2 = D2 + 1.0;
    *pValue = ((10.0 * H + T) * 10.0) + D2 * 0.01 + D1 * 0.1 + U;
}
