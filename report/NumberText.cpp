#include "NumberText.h"

#include <charconv>

void AppendInt(std::string& out, long long nValue) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, nValue);
    out.append(buffer, result.ptr);
}

void AppendPadded(std::string& out, long long nValue, int nWidth) {
    const std::size_t nStart = out.size();
    AppendInt(out, nValue);
    const std::size_t nDigits = out.size() - nStart;
    const auto nWanted = static_cast<std::size_t>(nWidth);
    if (nValue >= 0 && nDigits < nWanted) out.insert(nStart, nWanted - nDigits, '0');
}

void AppendFixed(std::string& out, double dValue, int nDecimals) {
    char buffer[400];  // the widest double in fixed form with two decimals has 312 characters
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, dValue, std::chars_format::fixed, nDecimals);
    out.append(buffer, result.ptr);
}
