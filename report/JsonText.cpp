#include "JsonText.h"

#include <charconv>
#include <cmath>

void AppendJsonNumber(std::string& out, double dValue) {
    if (!std::isfinite(dValue)) {
        out += "null";
        return;
    }
    char buffer[32];  // the longest shortest form, "-2.2250738585072014e-308", has 24 characters
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, dValue);
    out.append(buffer, result.ptr);
}

void AppendJsonString(std::string& out, std::string_view text) {
    constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}
