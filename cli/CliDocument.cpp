#include "CliDocument.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "CsvText.h"
#include "JsonText.h"
#include "NumberText.h"
#include "StudyInputs.h"

namespace {

std::string WithUnit(std::string text, const char* pszUnit) {
    if (pszUnit != nullptr && *pszUnit != '\0') text += std::string(" ") + pszUnit;
    return text;
}

bool IsNumeric(const CliCell& cell) {
    return cell.kind == CliCell::Kind::Number || cell.kind == CliCell::Kind::Whole;
}

// Numbers line up on the right; a column of numbers may have gaps (Missing) and stays numeric.
bool RightAligned(const CliTable& table, std::size_t nColumn) {
    bool bAnyNumber = false;
    for (const std::vector<CliCell>& row : table.rows) {
        const CliCell& cell = row[nColumn];
        if (IsNumeric(cell))
            bAnyNumber = true;
        else if (cell.kind != CliCell::Kind::Missing)
            return false;
    }
    return bAnyNumber;
}

void AppendPaddedText(std::string& line, const std::string& text, std::size_t nWidth, bool bRight) {
    const std::string padding(nWidth > text.size() ? nWidth - text.size() : 0, ' ');
    line += bRight ? padding + text : text + padding;
}

void AppendLineTrimmed(std::string& out, std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
}

std::vector<std::size_t> ShownColumns(const CliTable& table, bool bText) {
    std::vector<std::size_t> shown;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const CliColumn::Shown where = table.columns[c].shown;
        if (where == CliColumn::Shown::Everywhere || (!bText && where == CliColumn::Shown::NotInText))
            shown.push_back(c);
    }
    return shown;
}

std::vector<std::string> HeaderLines(const std::string& header) {
    std::vector<std::string> lines;
    std::size_t nStart = 0;
    for (std::size_t nEnd; (nEnd = header.find('\n', nStart)) != std::string::npos; nStart = nEnd + 1)
        lines.push_back(header.substr(nStart, nEnd - nStart));
    lines.push_back(header.substr(nStart));
    return lines;
}

void AppendTextTable(std::string& out, const CliTable& table) {
    if (!table.strTitle.empty()) out += table.strTitle + "\n";
    const std::vector<std::size_t> shown = ShownColumns(table, true);
    std::vector<std::vector<std::string>> headers;
    std::vector<std::size_t> widths;
    std::vector<bool> right;
    std::size_t nHeaderLines = 1;
    for (std::size_t c : shown) {
        headers.push_back(HeaderLines(table.columns[c].strHeader));
        nHeaderLines = std::max(nHeaderLines, headers.back().size());
        std::size_t nWidth = 0;
        for (const std::string& line : headers.back()) nWidth = std::max(nWidth, line.size());
        for (const std::vector<CliCell>& row : table.rows) nWidth = std::max(nWidth, row[c].strShown.size());
        widths.push_back(nWidth);
        right.push_back(RightAligned(table, c));
    }
    for (std::size_t h = 0; h < nHeaderLines; ++h) {
        std::string line;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (i > 0) line += "  ";
            AppendPaddedText(line, h < headers[i].size() ? headers[i][h] : "", widths[i], right[i]);
        }
        AppendLineTrimmed(out, line);
    }
    for (const std::vector<CliCell>& row : table.rows) {
        std::string line;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (i > 0) line += "  ";
            AppendPaddedText(line, row[shown[i]].strShown, widths[i], right[i]);
        }
        AppendLineTrimmed(out, line);
    }
}

std::string Text(const CliDocument& document) {
    std::string out;
    const auto startPart = [&out] {
        if (!out.empty()) out += "\n";
    };
    if (!document.strHeading.empty()) out += document.strHeading + "\n";
    if (std::any_of(document.facts.begin(), document.facts.end(),
                    [](const CliFact& f) { return f.bInText; })) {
        startPart();
        std::size_t nLabel = 0;
        for (const CliFact& fact : document.facts)
            if (fact.bInText) nLabel = std::max(nLabel, fact.strLabel.size());
        for (const CliFact& fact : document.facts)
            if (fact.bInText)
                AppendLineTrimmed(out, fact.strLabel + ":" +
                                           std::string(nLabel - fact.strLabel.size() + 1, ' ') +
                                           fact.value.strShown);
    }
    for (const CliTable& table : document.tables) {
        startPart();
        AppendTextTable(out, table);
    }
    if (!document.notes.empty()) {
        startPart();
        for (const std::string& note : document.notes) out += note + "\n";
    }
    return out;
}

// A number as the shortest text that reads back to it; a value JSON cannot hold is left empty in CSV.
std::string ExactNumber(double dValue, bool bJson) {
    if (!std::isfinite(dValue)) return bJson ? "null" : "";
    std::string text;
    AppendJsonNumber(text, dValue);
    return text;
}

std::string CsvValue(const CliCell& cell) {
    switch (cell.kind) {
        case CliCell::Kind::Text:
            return CsvField(cell.strData);
        case CliCell::Kind::Number:
            return ExactNumber(cell.dValue, false);
        case CliCell::Kind::Whole:
            return cell.strData;
        case CliCell::Kind::YesNo:
            return cell.bYes ? "yes" : "no";
        case CliCell::Kind::Missing:
            return "";
        case CliCell::Kind::Json:
            break;
    }
    return CsvField(cell.strShown);
}

std::string Csv(const CliDocument& document) {
    std::string out;
    const auto startBlock = [&out] {
        if (!out.empty()) out += "\n";
    };
    if (document.bFactsInCsv && !document.facts.empty()) {
        out += "name,value\n";
        for (const CliFact& fact : document.facts)
            out += CsvField(fact.strKey) + "," + CsvValue(fact.value) + "\n";
    }
    for (const CliTable& table : document.tables) {
        startBlock();
        const std::vector<std::size_t> shown = ShownColumns(table, false);
        for (std::size_t i = 0; i < shown.size(); ++i)
            out += (i > 0 ? "," : "") + CsvField(table.columns[shown[i]].strKey);
        out += "\n";
        for (const std::vector<CliCell>& row : table.rows) {
            for (std::size_t i = 0; i < shown.size(); ++i)
                out += (i > 0 ? "," : "") + CsvValue(row[shown[i]]);
            out += "\n";
        }
    }
    return out;
}

void AppendJsonValue(std::string& out, const CliCell& cell) {
    switch (cell.kind) {
        case CliCell::Kind::Text:
            AppendJsonString(out, cell.strData);
            return;
        case CliCell::Kind::Number:
            out += ExactNumber(cell.dValue, true);
            return;
        case CliCell::Kind::Whole:
        case CliCell::Kind::Json:
            out += cell.strData;
            return;
        case CliCell::Kind::YesNo:
            out += cell.bYes ? "true" : "false";
            return;
        case CliCell::Kind::Missing:
            break;
    }
    out += "null";
}

std::string Json(const CliDocument& document) {
    std::vector<std::string> members;
    for (const CliFact& fact : document.facts) {
        std::string member = "  ";
        AppendJsonString(member, fact.strKey);
        member += ": ";
        AppendJsonValue(member, fact.value);
        members.push_back(std::move(member));
    }
    for (const CliTable& table : document.tables) {
        if (!table.bInJson) continue;
        std::string member = "  ";
        AppendJsonString(member, table.strKey);
        member += ": [";
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            member += r == 0 ? "\n    {" : ",\n    {";
            for (std::size_t c = 0; c < table.columns.size(); ++c) {
                if (c > 0) member += ", ";
                AppendJsonString(member, table.columns[c].strKey);
                member += ": ";
                AppendJsonValue(member, table.rows[r][c]);
            }
            member += "}";
        }
        member += table.rows.empty() ? "]" : "\n  ]";
        members.push_back(std::move(member));
    }
    std::string out = "{\n";
    for (std::size_t i = 0; i < members.size(); ++i)
        out += members[i] + (i + 1 < members.size() ? ",\n" : "\n");
    return out + "}\n";
}

}  // namespace

CliCell TextCell(std::string text) {
    CliCell cell;
    cell.strShown = text;
    cell.strData = std::move(text);
    return cell;
}

CliCell NumberCell(double dValue, const char* pszUnit) {
    CliCell cell;
    cell.kind = CliCell::Kind::Number;
    cell.dValue = dValue;
    cell.strShown = WithUnit(std::isfinite(dValue) ? NumberText(dValue) : "-", pszUnit);
    return cell;
}

CliCell WholeCell(long long nValue, const char* pszUnit) {
    CliCell cell;
    cell.kind = CliCell::Kind::Whole;
    AppendInt(cell.strData, nValue);
    cell.strShown = WithUnit(cell.strData, pszUnit);
    return cell;
}

CliCell UnsignedCell(std::uint64_t nValue) {
    CliCell cell;
    cell.kind = CliCell::Kind::Whole;
    char digits[24];
    cell.strData.assign(digits, std::to_chars(digits, digits + sizeof digits, nValue).ptr);
    cell.strShown = cell.strData;
    return cell;
}

CliCell YesNoCell(bool bYes, const char* pszShownYes, const char* pszShownNo) {
    CliCell cell;
    cell.kind = CliCell::Kind::YesNo;
    cell.bYes = bYes;
    cell.strShown = bYes ? pszShownYes : pszShownNo;
    return cell;
}

CliCell MissingCell(std::string shown) {
    CliCell cell;
    cell.kind = CliCell::Kind::Missing;
    cell.strShown = std::move(shown);
    return cell;
}

CliCell JsonCell(std::string json, std::string shown) {
    CliCell cell;
    cell.kind = CliCell::Kind::Json;
    cell.strData = std::move(json);
    cell.strShown = std::move(shown);
    return cell;
}

std::string WriteCliDocument(const CliDocument& document, CliOutputFormat format) {
    switch (format) {
        case CliOutputFormat::Csv:
            return Csv(document);
        case CliOutputFormat::Json:
            return Json(document);
        case CliOutputFormat::Text:
            break;
    }
    return Text(document);
}
