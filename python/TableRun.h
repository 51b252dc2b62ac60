#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <variant>
#include <vector>

#include "SimulationInputs.h"

// A table of inputs handed over column by column as texts (the Python module's run_batch), read row by row
// with the batch file's rules (ReadBatchHeader, ReadBatchRow), so that a cell is taken or refused exactly
// as the same text in a CSV file given to `dravonel-cli batch`.

// A column's cells: texts ("" an empty cell), or numbers, each read as the shortest text that reads back
// to it (ShortestNumberText; a NaN is an empty cell), so that a column of numbers needs no text until
// its row is read.
using TableCells = std::variant<std::vector<std::string>, std::vector<double>, std::vector<long long>>;

struct TextColumn {
    std::string strName;  // an input of InputOptions() ("air", "pg-high"); "id" is passed over
    TableCells cells;     // one a row
};

// The text of a cell as its row is read; "" past the end of a short column.
std::string TableCellText(const TableCells& cells, std::size_t nRow);

// The shortest text that reads back to the same double ("10", "0.1", "1e-05"); -0.0 as "0", since a
// zero typed with a sign is not a number to the form; "nan", "inf" and "-inf" for the others.
std::string ShortestNumberText(double dValue);

// One refused cell: its row (0-based position in the table), its column ("" for the row as a whole) and
// the reason as RefusalReasonText gives it.
struct TableCellRefusal {
    std::size_t nRow;
    std::string strColumn;
    std::string strReason;
};

struct TableInputs {
    // The columns refused as a whole: "\"colour\": not a column; allowed id, units, ...", "air: a column
    // given twice". Nothing else is read then.
    std::optional<std::string> columnRefusal;
    std::vector<SimulationInputs> inputs;    // one a row, in row order; empty when anything was refused
    std::vector<TableCellRefusal> refusals;  // the first kMaxListedRefusals refused cells, in row order
    std::size_t nRefusedCells = 0;           // every refused cell, listed or not
    bool bStopped = false;                   // the stop token ended the reading: nothing else is set
};

// Reads every row of the table: a fresh English form (StartRecord, its date and time from `now` as local
// time) with the row's cells applied. A column shorter than nRows is read as empty cells. Rows are judged
// all before any is used: one refused cell anywhere leaves `inputs` empty. nThreads: threads that read
// (0 or less: every hardware thread); the result does not depend on it. The stop token is checked every
// few hundred rows.
TableInputs ReadTextTable(std::span<const TextColumn> columns, std::size_t nRows, std::time_t now,
                          int nThreads, std::stop_token stop = {});

// One line per listed refusal, "row LABEL: column: reason" (LABEL from rowLabel of the row's position),
// then "... and N more" when not every refusal is listed. The lines are joined by line ends.
template <class RowLabel>
std::string TableRefusalText(const TableInputs& read, RowLabel rowLabel) {
    std::string text;
    for (const TableCellRefusal& refusal : read.refusals) {
        if (!text.empty()) text += '\n';
        text += "row " + rowLabel(refusal.nRow) + ": " +
                (refusal.strColumn.empty() ? "" : refusal.strColumn + ": ") + refusal.strReason;
    }
    if (read.nRefusedCells > read.refusals.size())
        text += "\n... and " + std::to_string(read.nRefusedCells - read.refusals.size()) + " more";
    return text;
}
