#pragma once

#include <string>

#include "Calculation.h"

// The rows a batch writes: the row's id when the input has an id column, every input as the form shows it
// in the order of InputOptions (the start values of columns left out included), then
//   stop_code   the solver's stop code
//   stop_time   minutes after laydown when compaction must stop
//   start_temp  C, the temperature at which compaction starts (120, or 110 for the two softest grades)
//   start_time  minutes after laydown when compaction starts
//   window      stop_time - start_time, the minutes left for compaction
//   notice      none, slow or rapid
// Numbers are written with a full stop whatever the locale: inputs as "%.15g" (as the form shows them),
// results as the shortest text that reads back to the same double.

enum class BatchFormat { Csv, Jsonl };

// The CSV header line, ending with "\n".
std::string BatchCsvHeader(bool bWithId);

// One row: CSV (fields quoted as RFC 4180 asks when they hold a comma, quote or line end; moisture and
// state empty where the material has none) or one JSON object (numbers as numbers, list entries as texts,
// moisture and state null where the material has none). pCurve, JSON only: adds "curve", the samples
// 0 to m_nLastSample as [minutes, C] pairs. Ends with "\n".
void AppendBatchRow(std::string& out, BatchFormat format, const std::string* pId,
                    const SimulationInputs& inputs, const CalculationSummary& summary,
                    const CoolingCurve* pCurve);
