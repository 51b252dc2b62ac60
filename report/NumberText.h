#pragma once

#include <string>

// Numbers as text for the report and the command line's JSON, with a full stop as decimal point
// whatever the locale (to_chars never reads it).

// A signed decimal integer.
void AppendInt(std::string& out, long long nValue);

// A value of 0 or more with zeros in front up to nWidth digits (nWidth 2 gives "%.2d": 7 -> "07"); a
// negative value as AppendInt writes it.
void AppendPadded(std::string& out, long long nValue, int nWidth);

// Fixed notation with nDecimals (0 to 2) digits after the point, rounded as printf's "%.*f" rounds in the
// C locale (2.675 -> "2.67", the double below it); any finite double fits.
void AppendFixed(std::string& out, double dValue, int nDecimals);
