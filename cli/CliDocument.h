#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a study subcommand writes, described once as facts and tables and written as an aligned text
// table, as CSV or as JSON, so that the three formats always hold the same figures. Numbers never depend
// on the locale: the text table shows them rounded to hundredths ("12.5", "68"), CSV and JSON as the
// shortest text that reads back to the same double.

enum class CliOutputFormat { Text, Csv, Json };

// One value as each format writes it.
struct CliCell {
    enum class Kind {
        Text,     // a text: quoted in JSON, as it is elsewhere
        Number,   // a double
        Whole,    // an integer given by its digits (a 64-bit seed fits no double)
        YesNo,    // yes/no in text and CSV, true/false in JSON
        Missing,  // no value: a text in the text table, an empty CSV field, null in JSON
        Json,     // JSON text written as it is (a curve); the text table and CSV show strShown
    };
    Kind kind = Kind::Text;
    std::string strShown;  // as the text table shows it
    std::string strData;   // Text: the text; Whole: the digits; Json: the JSON text
    double dValue = 0.0;   // Number
    bool bYes = false;     // YesNo
};

CliCell TextCell(std::string text);
// Shown rounded to hundredths, with " " + pszUnit after it when a unit is given ("12.5 C").
CliCell NumberCell(double dValue, const char* pszUnit = nullptr);
CliCell WholeCell(long long nValue, const char* pszUnit = nullptr);
CliCell UnsignedCell(std::uint64_t nValue);
// The text table shows pszShownYes or pszShownNo.
CliCell YesNoCell(bool bYes, const char* pszShownYes = "yes", const char* pszShownNo = "no");
CliCell MissingCell(std::string shown);
CliCell JsonCell(std::string json, std::string shown);

struct CliColumn {
    enum class Shown {
        Everywhere,
        NotInText,  // a detail the text table has no room for (a lift's mix)
        JsonOnly,   // a value only JSON can hold (a curve per row)
    };
    std::string strKey;     // the CSV header's name and the JSON member: "start"
    std::string strHeader;  // the text table's heading; "\n" starts its next line: "start\nmin"
    Shown shown = Shown::Everywhere;
};

struct CliTable {
    std::string strKey;    // the JSON member that holds the rows
    std::string strTitle;  // the text table's title line; "" for none
    std::vector<CliColumn> columns;
    std::vector<std::vector<CliCell>> rows;  // one cell per column each
    bool bInJson = true;  // false: a table only for text and CSV (the JSON holds its data elsewhere)
};

// A single figure or setting: "seed", "Seed", 20240917.
struct CliFact {
    std::string strKey;    // the JSON member and the CSV name
    std::string strLabel;  // the text's label
    CliCell value;
    bool bInText = true;  // false: for JSON and CSV only (the text says it in a note instead)
};

struct CliDocument {
    std::string strHeading;  // the text's first line
    std::vector<CliFact> facts;
    bool bFactsInCsv = true;  // false: CSV holds the tables alone
    std::vector<CliTable> tables;
    std::vector<std::string> notes;  // lines the text ends with (JSON and CSV hold the same as facts)
};

// The document in a format, ending with a line end:
// - Text: the heading, the facts as "label: value" lines, each table under its title with its columns
//   aligned (numbers to the right) under headings of one or more lines, then the notes; blank lines
//   between the parts.
// - CSV: the facts as a "name,value" block (when bFactsInCsv), then every table as a block of a header line
//   of column keys and one line per row; blocks are separated by one empty line; fields are quoted as
//   RFC 4180 asks when they hold a comma, a quote or a line end.
// - JSON: one object: every fact as a member, then every table (bInJson) as a list of row objects.
std::string WriteCliDocument(const CliDocument& document, CliOutputFormat format);
