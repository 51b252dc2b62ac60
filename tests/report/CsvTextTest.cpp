#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CsvText.h"

namespace {

struct CsvCase {
    const char* name;
    std::vector<std::string> fields;
    const char* line;
};

class CsvLineTest : public ::testing::TestWithParam<CsvCase> {};

// A spreadsheet must read back exactly the fields written: whatever would split a field or a line is
// quoted, quotes inside are doubled, and nothing else is touched.
TEST_P(CsvLineTest, ReadsBackAsWritten) { EXPECT_EQ(CsvLine(GetParam().fields), GetParam().line); }

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvLineTest,
    ::testing::Values(CsvCase{"PlainFieldsUnquoted", {"Lift", "12.5", "-"}, "Lift,12.5,-\r\n"},
                      CsvCase{
                          "CommaQuoted", {"Air 15 C, Wind 8 km/h", "x"}, "\"Air 15 C, Wind 8 km/h\",x\r\n"},
                      CsvCase{"QuoteDoubled", {"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n"},
                      CsvCase{"LineBreaksQuoted", {"a\nb", "c\rd"}, "\"a\nb\",\"c\rd\"\r\n"},
                      CsvCase{"EmptyFieldsKept", {"", "", ""}, ",,\r\n"},
                      CsvCase{"Utf8Untouched", {"\xc3\xa9t\xc3\xa9"}, "\xc3\xa9t\xc3\xa9\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
