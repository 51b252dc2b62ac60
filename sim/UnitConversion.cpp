#include "UnitConversion.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

double ConvertTemperature(UnitSystem target, double dValue) {
    switch (target) {
        case UnitSystem::SI:
            return FahrenheitToCelsius(dValue);
        case UnitSystem::English:
            return CelsiusToFahrenheit(dValue);
    }
    return dValue;
}

double ConvertLength(UnitSystem target, double dValue) {
    switch (target) {
        case UnitSystem::SI:
            return dValue * 25.4;
        case UnitSystem::English:
            return dValue * 0.03937007874015748;
    }
    return dValue;
}

double ConvertSpeed(UnitSystem target, double dValue) {
    switch (target) {
        case UnitSystem::SI:
            return dValue * 1.609;
        case UnitSystem::English:
            return dValue * 0.6215040397762586;
    }
    return dValue;
}

namespace {

// A double's shortest decimal text split into its digits and a scale: the value is the digits read as
// a fraction below 1 (0.d1d2...dn) times ten to the power nPointAfter, which is the number of digits
// before the decimal point when positive.
struct ShortestDecimal {
    bool bNegative;
    char digits[20];  // at most 17 significant digits
    int nDigits;
    int nPointAfter;
};

ShortestDecimal ShortestDecimalOf(double dValue) {
    // "-d.dddde-308" needs at most 24 characters.
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, dValue, std::chars_format::scientific);
    ShortestDecimal d{};
    const char* p = text;
    const char* const end = result.ptr;
    if (*p == '-') {
        d.bNegative = true;
        ++p;
    }
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.') d.digits[d.nDigits++] = *p;
    }
    // The exponent: 'e', a sign, then digits (from_chars takes no plus sign).
    int nExponent = 0;
    if (p + 1 < end) {
        const char* pExponent = p + 1;
        if (*pExponent == '+') ++pExponent;
        std::from_chars(pExponent, end, nExponent);
    }
    d.nPointAfter = nExponent + 1;
    return d;
}

}  // namespace

double RoundValue(double dValue) {
    if (!std::isfinite(dValue)) return dValue;
    if (dValue == 0.0) return 0.0;  // -0.0 too
    const ShortestDecimal d = ShortestDecimalOf(dValue);
    // Digits up to the hundredths; none at all for a magnitude below 0.001.
    const int nKept = d.nPointAfter + 2;
    if (nKept >= d.nDigits) return dValue;  // at most two decimals already: the double is exact as is

    // nKept < nDigits <= 17, so the kept digits fit a 64-bit integer with room for the carry.
    std::uint64_t nHundredths = 0;
    for (int i = 0; i < nKept; ++i)
        nHundredths = nHundredths * 10 + static_cast<std::uint64_t>(d.digits[i] - '0');
    // The first dropped digit is the thousandths (or a zero before them when nKept < 0).
    if (!d.bNegative && nKept >= 0 && d.digits[nKept] >= '5') ++nHundredths;
    if (nHundredths == 0) return 0.0;

    // The nearest double to nHundredths / 100: from_chars rounds a decimal text correctly.
    char text[32];
    char* p = std::to_chars(text, text + sizeof text, nHundredths).ptr;
    *p++ = 'e';
    *p++ = '-';
    *p++ = '2';
    double dRounded = 0.0;
    std::from_chars(text, p, dRounded);
    return d.bNegative ? -dRounded : dRounded;
}
