#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "ReadInputs.h"

// The columns of a batch file and the reading of its rows: the header names inputs by their command-line
// option names (InputOptions) plus an optional "id" passed through; each row is read as ReadInputs reads
// named values, so a cell is refused for the same reasons as the option of its column.

struct BatchColumns {
    std::vector<std::string> names;  // the header's names, in file order
    int nIdColumn = -1;              // the column of "id", or -1
};

// The header's columns, or the reason they are refused: a name that is neither an input nor "id" ("not a
// column; allowed id, units, air, ..."), a name given twice, an empty name.
struct HeaderRead {
    BatchColumns columns;
    std::optional<std::string> refusal;  // "colour: not a column; allowed ..." (the name, then the reason)
};
HeaderRead ReadBatchHeader(const std::vector<std::string>& fields);

// A cell refused: its column's name and the reason (RefusalReasonText).
struct CellRefusal {
    std::string strColumn;
    std::string strReason;
};

struct BatchRow {
    SimulationInputs inputs;
    std::string strId;                  // "" without an id column
    std::vector<CellRefusal> refusals;  // empty when the row was read
};

// One row's inputs: `start` (a fresh English form, StartRecord) with every cell applied, its "units" cell
// first, as ReadInputs reads them. An empty cell in "moisture" or "state" is a value not given (AC and PCC
// rows leave them empty); any other empty cell is refused like an empty option value. Every refused cell is
// listed, each once: after a refused cell the row is read again without it (after a refused "units" nothing
// else is judged, since every number depends on it). A row with another number of fields than the header is
// one refusal naming no column.
BatchRow ReadBatchRow(const std::vector<std::string>& fields, const BatchColumns& columns,
                      const FormRecord& start);
