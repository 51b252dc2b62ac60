#include "HourlyWeatherCsv.h"

#include <array>
#include <fstream>
#include <string_view>

#include "FieldText.h"

namespace {

constexpr std::string_view kHeader = "hour,air,wind,sky";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// A form field reads no more than 31 characters and ignores the rest; a file has no field to show that
// cut, so a longer value is refused rather than read as another number.
constexpr std::size_t kNumberTextLimit = 31;

// The sky as list text or index; -1 when it is neither.
int SkyIndex(std::string_view text) {
    for (int i = 0; i < kSkyConditionCount; ++i)
        if (SameIgnoringAsciiCase(text, kSkyConditionNames[i])) return i;
    int n = -1;
    if (text.size() <= kNumberTextLimit && ParseFieldInt(text, &n) && n >= 0 && n < kSkyConditionCount)
        return n;
    return -1;
}

std::string Quote(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text);
    quoted.push_back('"');
    return quoted;
}

class RowReader {
public:
    RowReader(const std::string& strFile, UnitSystem units) : m_strFile(strFile), m_units(units) {}

    // Reads one data line; false with m_strError set when it is refused.
    bool Read(std::string_view line, int nLine, HourlyWeather& row) {
        std::array<std::string_view, 4> cells;
        std::size_t nCells = 0;
        std::size_t pos = 0;
        for (;;) {
            const std::size_t comma = line.find(',', pos);
            const std::string_view cell =
                line.substr(pos, comma == std::string_view::npos ? line.npos : comma - pos);
            if (nCells == cells.size()) return Fail(nLine, "row", "more than 4 columns");
            cells[nCells++] = Trimmed(cell);
            if (comma == std::string_view::npos) break;
            pos = comma + 1;
        }
        static constexpr const char* kColumns[4] = {"hour", "air", "wind", "sky"};
        if (nCells < cells.size()) return Fail(nLine, kColumns[nCells], "missing (4 columns expected)");

        const int u = UnitCode(m_units);
        const InputRanges& r = m_units == UnitSystem::SI ? kSiRanges : kEnglishRanges;
        if (cells[0].size() > kNumberTextLimit) return Fail(nLine, "hour", "longer than 31 characters");
        if (!ParseFieldInt(cells[0], &row.nHour))
            return Fail(nLine, "hour", Quote(cells[0]) + " is not an integer");
        if (row.nHour < 0 || row.nHour > 23)
            return Fail(nLine, "hour", FormatFieldInt(row.nHour) + " is outside 0 to 23");
        if (!ReadNumber(cells[1], nLine, "air", r.m_dAirTempMin, r.m_dAirTempMax, kTemperatureUnit[u],
                        row.dAirTemp))
            return false;
        if (!ReadNumber(cells[2], nLine, "wind", r.m_dWindSpeedMin, r.m_dWindSpeedMax, kWindUnit[u],
                        row.dWindSpeed))
            return false;
        row.nSkyCondition = SkyIndex(cells[3]);
        if (row.nSkyCondition < 0)
            return Fail(nLine, "sky",
                        Quote(cells[3]) +
                            " is neither 0 to 4 nor Clear & Dry, Humid & Hazy, Partly Cloudy, "
                            "Mostly Cloudy or Overcast");
        return true;
    }

    bool Fail(int nLine, std::string_view column, const std::string& strReason) {
        m_strError = m_strFile + ":" + FormatFieldInt(nLine) + ": " + std::string(column) + ": " + strReason;
        return false;
    }

    std::string m_strError;

private:
    bool ReadNumber(std::string_view text, int nLine, const char* pszColumn, double dMin, double dMax,
                    const char* pszUnit, double& dValue) {
        if (text.size() > kNumberTextLimit) return Fail(nLine, pszColumn, "longer than 31 characters");
        if (!ParseFieldDouble(text, &dValue)) return Fail(nLine, pszColumn, Quote(text) + " is not a number");
        if (!(dValue >= dMin && dValue <= dMax))
            return Fail(nLine, pszColumn,
                        FormatFieldDouble(dValue) + " " + pszUnit + " is outside " + FormatFieldDouble(dMin) +
                            " to " + FormatFieldDouble(dMax) + " " + pszUnit);
        return true;
    }

    const std::string& m_strFile;
    UnitSystem m_units;
};

}  // namespace

HourlyWeatherRead ReadHourlyWeatherCsv(std::istream& in, const std::string& strFileName, UnitSystem units) {
    HourlyWeatherRead read;
    RowReader reader(strFileName, units);
    std::array<int, 24> lineOfHour{};  // 0: not seen yet
    bool bHeader = false;
    std::string line;
    for (int nLine = 1; std::getline(in, line); ++nLine) {
        std::string_view text = line;
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (nLine == 1 && text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            text.remove_prefix(kByteOrderMark.size());
        if (Trimmed(text).empty()) continue;
        if (!bHeader) {
            if (text != kHeader) {
                reader.Fail(nLine, "header", "expected exactly \"hour,air,wind,sky\"");
                return {{}, reader.m_strError};
            }
            bHeader = true;
            continue;
        }
        HourlyWeather row{};
        if (!reader.Read(text, nLine, row)) return {{}, reader.m_strError};
        if (lineOfHour[row.nHour] != 0) {
            reader.Fail(nLine, "hour",
                        FormatFieldInt(row.nHour) + " appears twice (first on line " +
                            FormatFieldInt(lineOfHour[row.nHour]) + ")");
            return {{}, reader.m_strError};
        }
        lineOfHour[row.nHour] = nLine;
        read.rows.push_back(row);
    }
    if (in.bad()) return {{}, strFileName + ": the file could not be read to its end"};
    if (!bHeader) return {{}, strFileName + ": no header \"hour,air,wind,sky\" (the file is empty)"};
    if (read.rows.empty()) return {{}, strFileName + ": no weather rows after the header"};
    return read;
}

HourlyWeatherRead ReadHourlyWeatherCsvFile(const std::string& strPath, UnitSystem units) {
    std::ifstream file(strPath, std::ios::binary);
    if (!file) return {{}, strPath + ": the file cannot be opened"};
    return ReadHourlyWeatherCsv(file, strPath, units);
}

std::string HourlyWeatherCsvText(std::span<const HourlyWeather> rows) {
    std::string text(kHeader);
    text += '\n';
    for (const HourlyWeather& row : rows) {
        const bool bListed = row.nSkyCondition >= 0 && row.nSkyCondition < kSkyConditionCount;
        text += FormatFieldInt(row.nHour) + "," + FormatFieldDouble(row.dAirTemp) + "," +
                FormatFieldDouble(row.dWindSpeed) + "," +
                (bListed ? std::string(kSkyConditionNames[row.nSkyCondition])
                         : FormatFieldInt(row.nSkyCondition)) +
                "\n";
    }
    return text;
}
