#include <gtest/gtest.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "CsvReader.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

struct CsvCase {
    const char* name;
    std::string text;
    Records records;                 // read before the end or the refusal
    std::vector<std::size_t> lines;  // the line each record starts on
    const char* refusal;             // nullptr: the text ends normally
};
void PrintTo(const CsvCase& c, std::ostream* os) { *os << c.name; }

class CsvText : public testing::TestWithParam<CsvCase> {};

// The text goes through a pipe in a thread of its own, so that records crossing the reader's buffer
// are read as a file's would be.
TEST_P(CsvText, GivesItsRecordsAndLines) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::thread writer([&] {
        (void)!write(fds[1], GetParam().text.data(), GetParam().text.size());
        close(fds[1]);
    });
    CsvReader reader(fds[0]);
    Records records;
    std::vector<std::size_t> lines;
    std::vector<std::string> fields;
    CsvReader::Status status;
    while ((status = reader.Next(fields)) == CsvReader::Status::Record) {
        records.push_back(fields);
        lines.push_back(reader.Line());
    }
    writer.join();
    close(fds[0]);
    EXPECT_EQ(records, GetParam().records);
    EXPECT_EQ(lines, GetParam().lines);
    if (GetParam().refusal) {
        EXPECT_EQ(status, CsvReader::Status::Refused);
        EXPECT_EQ(reader.Reason(), GetParam().refusal);
    } else {
        EXPECT_EQ(status, CsvReader::Status::End);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CsvText,
    testing::Values(
        CsvCase{"PlainWithoutFinalLineEnd", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}, nullptr},
        CsvCase{"CrLfLineEnds", "a,b\r\n1,\r\n", {{"a", "b"}, {"1", ""}}, {1, 2}, nullptr},
        CsvCase{"QuotedCommaQuoteAndLineEnd",
                "sky,id\n\"Clear & Dry\",\"a,\"\"b\"\"\nc\"\nx,y\n",
                {{"sky", "id"}, {"Clear & Dry", "a,\"b\"\nc"}, {"x", "y"}},
                {1, 2, 4},
                nullptr},
        CsvCase{"ByteOrderMarkAndEmptyLinesSkipped",
                "\xEF\xBB\xBFid\n\n\r\n7\n\n",
                {{"id"}, {"7"}},
                {1, 4},
                nullptr},
        CsvCase{"EmptyQuotedField", "\"\",x\n", {{"", "x"}}, {1}, nullptr},
        CsvCase{"LongRecordAcrossBuffers",
                "id\n" + std::string(200000, 'z') + "\n",
                {{"id"}, {std::string(200000, 'z')}},
                {1, 2},
                nullptr},
        CsvCase{"UnclosedQuote",
                "a\n\"abc\n",
                {{"a"}},
                {1},
                "a quoted field is not closed before the end of the file"},
        CsvCase{
            "TextAfterClosingQuote", "a\n\"ab\"c\n", {{"a"}}, {1}, "text after the closing quote of a field"},
        CsvCase{"QuoteInsideAField",
                "a\nab\"c\n",
                {{"a"}},
                {1},
                "a double quote inside a field that does not start with one"},
        CsvCase{"RecordOverOneMebibyte",
                "a\n" + std::string((1 << 20) + 1, 'z'),
                {{"a"}},
                {1},
                "a record longer than 1 MiB"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
