#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "JsonText.h"

namespace {

// What a JSON reader must get back: every byte below 0x20 as \u00xx, the quote and the backslash
// escaped, everything else (DEL and UTF-8 included, which JSON allows raw) as it is.
struct JsonStringCase {
    const char* name;
    std::string text;
    const char* json;
};
void PrintTo(const JsonStringCase& c, std::ostream* os) { *os << c.name; }

class JsonString : public testing::TestWithParam<JsonStringCase> {};

TEST_P(JsonString, EscapesWhatJsonRequires) {
    std::string out = "[";
    AppendJsonString(out, GetParam().text);
    EXPECT_EQ(out, std::string("[") + GetParam().json);
}

std::string ControlBytes() {
    std::string bytes;
    for (char c = 0; c < 0x20; ++c) bytes += c;
    return bytes;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Bytes, JsonString,
    testing::Values(
        JsonStringCase{"Plain", "Clear & Dry", "\"Clear & Dry\""},
        JsonStringCase{"EveryControlByte", ControlBytes(),
                       "\"\\u0000\\u0001\\u0002\\u0003\\u0004\\u0005\\u0006\\u0007"
                       "\\u0008\\u0009\\u000a\\u000b\\u000c\\u000d\\u000e\\u000f"
                       "\\u0010\\u0011\\u0012\\u0013\\u0014\\u0015\\u0016\\u0017"
                       "\\u0018\\u0019\\u001a\\u001b\\u001c\\u001d\\u001e\\u001f\""},
        JsonStringCase{"SpaceIsKept", " ", "\" \""},
        JsonStringCase{"DeleteIsKept", "\x7f", "\"\x7f\""},
        JsonStringCase{"Utf8IsKept", "\xc3\xa9", "\"\xc3\xa9\""},
        JsonStringCase{"Quote", "say \"x\"", "\"say \\\"x\\\"\""},
        JsonStringCase{"Backslash", "a\\b", "\"a\\\\b\""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
