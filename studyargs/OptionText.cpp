#include "OptionText.h"

#include "FieldText.h"
#include "InputValues.h"
#include "QuotedText.h"

namespace {

// A form field reads no more than 31 characters; a longer value is refused rather than read as another.
constexpr std::size_t kNumberTextLimit = 31;

constexpr std::string_view kFileNameAllowed = "a file name";

std::string Refused(const OptionText& option, std::string_view problem, std::string_view allowed) {
    return OptionValueRefusal(option.name, option.value, problem, allowed);
}

}  // namespace

std::string OptionValueRefusal(std::string_view name, std::string_view value, std::string_view problem,
                               std::string_view allowed) {
    return "--" + std::string(name) + " " + QuoteForMessage(value) + ": " + std::string(problem) +
           "; allowed " + std::string(allowed);
}

std::string MissingValueText(std::string_view name, std::string_view allowed) {
    return "--" + std::string(name) + ": missing value; allowed " + std::string(allowed);
}

std::string ReadWholeOption(const OptionText& option, int nMin, int nMax, std::string_view allowed,
                            int* pValue) {
    if (option.bMissing) return MissingValueText(option.name, allowed);
    int nValue = 0;
    if (option.value.size() > kNumberTextLimit || !ParseFieldInt(option.value, &nValue))
        return Refused(option, "not a whole number", allowed);
    if (nValue < nMin || nValue > nMax) return Refused(option, "out of range", allowed);
    *pValue = nValue;
    return "";
}

std::string ReadNumberOption(const OptionText& option, double dMin, double dMax, std::string_view allowed,
                             double* pValue) {
    if (option.bMissing) return MissingValueText(option.name, allowed);
    if (option.value.size() > kNumberTextLimit)
        return Refused(option, "too long, at most 31 characters are read", allowed);
    double dValue = 0.0;
    if (!ParseFieldDouble(option.value, &dValue)) return Refused(option, "not a number", allowed);
    if (!(dValue >= dMin && dValue <= dMax)) return Refused(option, "out of range", allowed);
    *pValue = dValue;
    return "";
}

std::string ReadClockOption(const OptionText& option, int nMin, int nMax, std::string_view allowed,
                            int* pMinuteOfDay) {
    if (option.bMissing) return MissingValueText(option.name, allowed);
    ClockTime time{};
    if (!ParseClockTime(option.value, &time)) return Refused(option, "not a time", allowed);
    const int nMinute = time.nHour * 60 + time.nMinute;
    if (nMinute < nMin || nMinute > nMax) return Refused(option, "out of range", allowed);
    *pMinuteOfDay = nMinute;
    return "";
}

std::string ChoicesText(std::span<const char* const> choices) {
    std::string text;
    for (const char* choice : choices) text += std::string(text.empty() ? "" : " or ") + choice;
    return text;
}

std::string ReadChoiceOption(const OptionText& option, std::span<const char* const> choices,
                             std::string_view problem, int* pIndex) {
    if (option.bMissing) return MissingValueText(option.name, ChoicesText(choices));
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (option.value == choices[i]) {
            *pIndex = static_cast<int>(i);
            return "";
        }
    }
    return Refused(option, problem, ChoicesText(choices));
}

std::string ReadFileNameOption(const OptionText& option, std::string* pPath) {
    if (option.bMissing) return MissingValueText(option.name, kFileNameAllowed);
    if (option.value.empty()) return Refused(option, "no file name", kFileNameAllowed);
    *pPath = std::string(option.value);
    return "";
}
