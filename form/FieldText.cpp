#include "FieldText.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "UnitConversion.h"

namespace {

// A field is read through a 32-character buffer, so whatever follows the 31st character is never seen:
// "12.5" followed by blanks up to that point and then anything else is still 12.5.
// Counting bytes rather than characters gives the same verdicts: any non-ASCII byte before the cut
// is refused anyway, and the cut never joins bytes of one character into something accepted.
constexpr std::size_t kFieldTextLimit = 31;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The part of a field's text that is read, without the blanks and tabs allowed around the number.
std::string_view FieldBody(std::string_view text) {
    text = text.substr(0, kFieldTextLimit);
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::size_t SkipDigits(std::string_view s, std::size_t pos) {
    while (pos < s.size() && IsDigit(s[pos])) ++pos;
    return pos;
}

// Within 31 characters the digits alone stay between 1e-31 and 1e31, so only an exponent can take
// a value beyond double's range, and its sign tells an overflow from an underflow to zero.
bool HasNegativeExponent(std::string_view body) {
    const std::size_t e = body.find_first_of("eE");
    return e != std::string_view::npos && e + 1 < body.size() && body[e + 1] == '-';
}

// [+-] then digits with an optional point (at least one digit), then an optional exponent with at
// least one digit. Keeps hexadecimal, "inf" and "nan" away from the converter.
bool IsPlainOrExponentForm(std::string_view body) {
    std::size_t pos = 0;
    if (pos < body.size() && (body[pos] == '+' || body[pos] == '-')) ++pos;
    const std::size_t integerEnd = SkipDigits(body, pos);
    std::size_t digitCount = integerEnd - pos;
    pos = integerEnd;
    if (pos < body.size() && body[pos] == '.') {
        const std::size_t fractionEnd = SkipDigits(body, pos + 1);
        digitCount += fractionEnd - (pos + 1);
        pos = fractionEnd;
    }
    if (digitCount == 0) return false;
    if (pos < body.size() && (body[pos] == 'e' || body[pos] == 'E')) {
        ++pos;
        if (pos < body.size() && (body[pos] == '+' || body[pos] == '-')) ++pos;
        const std::size_t exponentEnd = SkipDigits(body, pos);
        if (exponentEnd == pos) return false;
        pos = exponentEnd;
    }
    return pos == body.size();
}

bool IsSignedDecimalInteger(std::string_view body) {
    std::size_t pos = 0;
    if (pos < body.size() && (body[pos] == '+' || body[pos] == '-')) ++pos;
    return pos < body.size() && SkipDigits(body, pos) == body.size();
}

}  // namespace

bool ParseFieldDouble(std::string_view text, double* pValue) {
    const std::string_view body = FieldBody(text);
    if (!IsPlainOrExponentForm(body)) return false;
    // from_chars takes a minus sign but no plus sign.
    const std::string_view number = body.front() == '+' ? body.substr(1) : body;
    double dValue = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), dValue);
    if (ec == std::errc::result_out_of_range) {
        if (!HasNegativeExponent(body)) return false;
        dValue = body.front() == '-' ? -0.0 : 0.0;
    } else if (ec != std::errc() || end != number.data() + number.size()) {
        return false;
    }
    if (!std::isfinite(dValue)) return false;
    // An empty or unreadable field would read as zero; only a leading 0 makes zero a typed value.
    if (dValue == 0.0 && body.front() != '0') return false;
    *pValue = dValue;
    return true;
}

bool ParseFieldInt(std::string_view text, int* pValue) {
    const std::string_view body = FieldBody(text);
    if (!IsSignedDecimalInteger(body)) return false;
    const std::string_view number = body.front() == '+' ? body.substr(1) : body;
    int nValue = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), nValue);
    if (ec != std::errc() || end != number.data() + number.size()) return false;
    if (nValue == 0 && body.front() != '0') return false;
    *pValue = nValue;
    return true;
}

std::string FormatFieldDouble(double dValue) {
    // "%.15g" needs at most 22 characters ("-1.23456789012345e-308").
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, dValue, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::string FormatFieldInt(int nValue) {
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, nValue);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

double FieldValueAsShown(double dTyped) {
    const double dValue = RoundValue(dTyped);
    double dShown = dValue;
    return ParseFieldDouble(FormatFieldDouble(dValue), &dShown) ? dShown : dValue;
}

std::string PromptIntegerBetween(int nMin, int nMax) {
    return "Please enter an integer between " + FormatFieldInt(nMin) + " and " + FormatFieldInt(nMax) + ".";
}
