#pragma once

#include <string>
#include <string_view>

// The text form of input values, shared by the form's data exchange and the command line, so that
// both accept and show exactly the same things. A full stop is the decimal point whatever the locale.

// Reads a real number as a form field does: at most the first 31 characters, leading blanks/tabs
// skipped, a plain or exponent form with optional sign, trailing blanks/tabs only. Refuses (false)
// anything else, any non-finite result ("nan", "inf", "1e999", hexadecimal forms), and a text that
// gives zero without starting with the digit 0 (an empty field). *pValue is untouched on refusal.
bool ParseFieldDouble(std::string_view text, double* pValue);

// Reads a signed decimal integer as a form field does (blanks/tabs around it allowed, first 31
// characters, must fit an int). Refuses a text that gives zero without starting with the digit 0.
bool ParseFieldInt(std::string_view text, int* pValue);

// Shows a real number as a form field does: "%.15g" (48.89 -> "48.89", 3 -> "3").
std::string FormatFieldDouble(double dValue);

// Shows an integer as a signed decimal.
std::string FormatFieldInt(int nValue);

// The value a field holds after it is typed, validated and shown again: rounded to hundredths
// (RoundValue) and read back from its "%.15g" text.
double FieldValueAsShown(double dTyped);

// The prompts for refused text, as every field of the program shows them.
constexpr const char* kPromptInteger = "Please enter an integer.";
constexpr const char* kPromptNumber = "Please enter a number.";
// "Please enter an integer between %1 and %2." with both bounds filled in.
std::string PromptIntegerBetween(int nMin, int nMax);
