#pragma once

#include <csignal>
#include <cstddef>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "BatchOutput.h"

// A whole batch: every row of a CSV file of inputs (BatchTable.h) answered by the engine and written as one
// result row each (BatchOutput.h), in input order, in bounded memory whatever the number of rows.
//
// Two passes over the input: the first reads and judges every row and runs nothing, so that a refused cell
// anywhere means no output at all; the second reads the rows again a chunk at a time, answers each chunk
// (AnswerScenarios) and writes it. An output file is written through a temporary file and renamed into
// place only when complete; standard output gets each chunk as it is answered.

struct BatchRequest {
    std::string strInputPath;  // a regular file: it is read twice
    bool bHasOutput = false;   // false: standard output
    std::string strOutputPath;
    BatchFormat format = BatchFormat::Csv;
    bool bCurves = false;  // jsonl only: each row's curve
    std::time_t now = 0;   // the clock, for the date and time of rows that leave them out (local time)
    std::size_t nChunkRows = 4096;  // rows answered at a time (1 or more)
};

struct BatchStreams {
    std::FILE* pOut = nullptr;          // standard output; nullptr: the rows go to *pCollected
    std::string* pCollected = nullptr;  // used when pOut is nullptr
    std::FILE* pProgress = nullptr;     // progress lines (a terminal); nullptr: none
    // Set from a signal handler to stop between chunks; nullptr: never stopped.
    const volatile std::sig_atomic_t* pInterrupted = nullptr;
};

enum class BatchEnd {
    Done,         // every row written
    Refused,      // the input could not be read or holds refused cells; nothing was run or written
    WriteFailed,  // the output could not be written; an output file is left as it was
    Interrupted,  // stopped by *pInterrupted; an output file is left as it was
};

struct BatchOutcome {
    BatchEnd end = BatchEnd::Done;
    std::vector<std::string> messages;  // for standard error, one a line, without line ends
    std::size_t nRows = 0;              // rows written
};

// Refused cells are listed as "FILE:LINE: column: reason", at most kMaxListedRefusals of them, then
// "... and N more".
constexpr std::size_t kMaxListedRefusals = 20;

BatchOutcome RunBatch(const BatchRequest& request, const BatchStreams& streams);
