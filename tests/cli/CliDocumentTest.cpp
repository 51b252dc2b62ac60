#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <ostream>

#include "CliDocument.h"
#include "CommaLocaleFixture.h"

// The three formats of a study's output from one document: what each must keep intact.

namespace {

CliDocument Sample() {
    CliDocument document;
    document.strHeading = "Heading";
    document.facts.push_back({"label", "Label", TextCell("a, \"quoted\" text")});
    document.facts.push_back({"share", "Share", NumberCell(0.1 + 0.2, "%")});
    document.facts.push_back({"seed", "Seed", UnsignedCell(18446744073709551615ull)});
    document.facts.push_back({"hidden", "Hidden", YesNoCell(true), false});
    CliTable table;
    table.strKey = "rows";
    table.strTitle = "Rows";
    table.columns = {{"name", "name"},
                     {"value", "value\nmin"},
                     {"gap", "gap"},
                     {"detail", "detail", CliColumn::Shown::NotInText},
                     {"curve", "curve", CliColumn::Shown::JsonOnly}};
    table.rows.push_back({TextCell("first"), NumberCell(1234.5678), MissingCell("-"), TextCell("x"),
                          JsonCell("[[0, 1.5]]", "")});
    table.rows.push_back(
        {TextCell("second"), NumberCell(std::nan("")), WholeCell(-7), TextCell("y"), JsonCell("[]", "")});
    document.tables.push_back(table);
    document.notes.push_back("A note.");
    return document;
}

struct FormatCase {
    const char* name;
    CliOutputFormat format;
    std::string expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class CliDocumentFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(CliDocumentFormat, WritesEveryFigureOnce) {
    EXPECT_EQ(WriteCliDocument(Sample(), GetParam().format), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CliDocumentFormat,
    testing::Values(
        // Numbers right-aligned under a two-line heading, a gap in a column of numbers kept numeric,
        // NotInText and JsonOnly columns and hidden facts left out, no trailing blanks.
        FormatCase{"Text", CliOutputFormat::Text,
                   "Heading\n\nLabel: a, \"quoted\" text\nShare: 0.3 %\nSeed:  18446744073709551615\n\nRows\n"
                   "name      value  gap\n"
                   "            min\n"
                   "first   1234.57    -\n"
                   "second        -   -7\n\nA note.\n"},
        // The shortest text that reads back (0.30000000000000004), RFC 4180 quotes, an empty field for
        // NaN and for a missing value.
        FormatCase{"Csv", CliOutputFormat::Csv,
                   "name,value\nlabel,\"a, \"\"quoted\"\" text\"\nshare,0.30000000000000004\n"
                   "seed,18446744073709551615\nhidden,yes\n\n"
                   "name,value,gap,detail\nfirst,1234.5678,,x\nsecond,,-7,y\n"},
        FormatCase{
            "Json", CliOutputFormat::Json,
            "{\n  \"label\": \"a, \\\"quoted\\\" text\",\n  \"share\": 0.30000000000000004,\n"
            "  \"seed\": 18446744073709551615,\n  \"hidden\": true,\n  \"rows\": [\n"
            "    {\"name\": \"first\", \"value\": 1234.5678, \"gap\": null, \"detail\": \"x\", "
            "\"curve\": [[0, 1.5]]},\n"
            "    {\"name\": \"second\", \"value\": null, \"gap\": -7, \"detail\": \"y\", \"curve\": []}\n"
            "  ]\n}\n"}),
    [](const auto& info) { return std::string(info.param.name); });

class CliDocumentCommaLocale : public CommaLocaleFixture {};

// A decimal comma would split a CSV field and break the JSON.
TEST_F(CliDocumentCommaLocale, KeepsTheFullStop) {
    const std::string json = WriteCliDocument(Sample(), CliOutputFormat::Json);
    EXPECT_NE(json.find("1234.5678"), std::string::npos) << json;
    EXPECT_NE(WriteCliDocument(Sample(), CliOutputFormat::Text).find("1234.57"), std::string::npos);
    EXPECT_TRUE(nlohmann::json::accept(json)) << json;
}

}  // namespace
