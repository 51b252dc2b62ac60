#include "TableRun.h"

#include <tbb/blocked_range.h>
#include <tbb/info.h>
#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

#include <charconv>
#include <cmath>
#include <type_traits>

#include "BatchRun.h"
#include "BatchTable.h"
#include "ReadInputs.h"

namespace {

// Rows a thread reads at a time: enough to outweigh the handing out, few enough to share a small table.
constexpr std::size_t kRowsPerTask = 256;

}  // namespace

std::string TableCellText(const TableCells& cells, std::size_t nRow) {
    return std::visit(
        [nRow](const auto& values) -> std::string {
            using Value = typename std::decay_t<decltype(values)>::value_type;
            if (nRow >= values.size()) return {};
            if constexpr (std::is_same_v<Value, std::string>)
                return values[nRow];
            else if constexpr (std::is_same_v<Value, double>)
                return std::isnan(values[nRow]) ? std::string() : ShortestNumberText(values[nRow]);
            else
                return std::to_string(values[nRow]);
        },
        cells);
}

std::string ShortestNumberText(double dValue) {
    if (dValue == 0.0) dValue = 0.0;  // -0.0 becomes 0.0
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, dValue);
    return ec == std::errc() ? std::string(buffer, end) : std::string("nan");
}

TableInputs ReadTextTable(std::span<const TextColumn> columns, std::size_t nRows, std::time_t now,
                          int nThreads, std::stop_token stop) {
    TableInputs read;
    std::vector<std::string> names;
    names.reserve(columns.size());
    for (const TextColumn& column : columns) names.push_back(column.strName);
    HeaderRead header = ReadBatchHeader(names);
    if (header.refusal) {
        read.columnRefusal = std::move(header.refusal);
        return read;
    }

    const FormRecord start = StartRecord(UnitSystem::English, now);
    // A row's cells as ReadBatchRow takes them.
    const auto readRow = [&](std::size_t nRow, std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < columns.size(); ++i) fields[i] = TableCellText(columns[i].cells, nRow);
        return ReadBatchRow(fields, header.columns, start);
    };

    // Rows are read on every thread of the run, as the engine answers them.
    read.inputs.resize(nRows);
    std::vector<unsigned char> refused(nRows, 0);
    tbb::task_arena arena(nThreads > 0 ? nThreads : tbb::info::default_concurrency());
    arena.execute([&] {
        tbb::parallel_for(tbb::blocked_range<std::size_t>(0, nRows, kRowsPerTask),
                          [&](const tbb::blocked_range<std::size_t>& rows) {
                              if (stop.stop_requested()) return;
                              std::vector<std::string> fields(columns.size());
                              for (std::size_t nRow = rows.begin(); nRow != rows.end(); ++nRow) {
                                  BatchRow row = readRow(nRow, fields);
                                  if (row.refusals.empty())
                                      read.inputs[nRow] = row.inputs;
                                  else
                                      refused[nRow] = 1;
                              }
                          });
    });
    if (stop.stop_requested()) {
        TableInputs stopped;
        stopped.bStopped = true;
        return stopped;
    }

    // Refused rows are read again, in order, for their messages.
    std::vector<std::string> fields(columns.size());
    for (std::size_t nRow = 0; nRow < nRows; ++nRow) {
        if (!refused[nRow]) continue;
        for (CellRefusal& refusal : readRow(nRow, fields).refusals) {
            if (read.refusals.size() < kMaxListedRefusals)
                read.refusals.push_back({nRow, std::move(refusal.strColumn), std::move(refusal.strReason)});
            ++read.nRefusedCells;
        }
    }
    if (read.nRefusedCells > 0) read.inputs.clear();
    return read;
}
