#pragma once

#include <span>
#include <string>
#include <string_view>

// One option as given (by name, without "--", and its text) and the readers of its value, with the
// refusals every front end words alike: "--every \"0\": out of range; allowed 1 to 1440 minutes".

struct OptionText {
    std::string_view name;   // "every", "spread-air"
    std::string_view value;  // the text as typed; "" when bMissing
    bool bMissing = false;   // the option came without a value (a command line's "--every" at its end)
};

// "--name \"value\": problem; allowed ALLOWED" (the value quoted by QuoteForMessage).
std::string OptionValueRefusal(std::string_view name, std::string_view value, std::string_view problem,
                               std::string_view allowed);

// "--name: missing value; allowed ALLOWED".
std::string MissingValueText(std::string_view name, std::string_view allowed);

// Each reader returns "" and sets *pValue when the value is accepted, else the refusal above.

// A whole number as a form's integer field reads it (blanks around it allowed), nMin to nMax.
std::string ReadWholeOption(const OptionText& option, int nMin, int nMax, std::string_view allowed,
                            int* pValue);

// A real number as a form field reads it (full stop as decimal point, at most 31 characters), dMin to
// dMax, both ends allowed; NaN and infinities are not numbers.
std::string ReadNumberOption(const OptionText& option, double dMin, double dMax, std::string_view allowed,
                             double* pValue);

// A clock time "HH:MM" as --time reads it, as minutes after midnight from nMin to nMax (0 to 1440).
std::string ReadClockOption(const OptionText& option, int nMin, int nMax, std::string_view allowed,
                            int* pMinuteOfDay);

// "a or b or c": the words a choice takes, as its refusal lists them.
std::string ChoicesText(std::span<const char* const> choices);

// One of a few words: *pIndex its index in `choices`; refused as `problem` ("not a place") otherwise.
std::string ReadChoiceOption(const OptionText& option, std::span<const char* const> choices,
                             std::string_view problem, int* pIndex);

// A file name: anything but empty.
std::string ReadFileNameOption(const OptionText& option, std::string* pPath);
