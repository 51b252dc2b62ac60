#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <stop_token>
#include <vector>

#include "Calculation.h"

// The engine's whole answer for many paving situations at once: for every scenario the summary
// RunCalculation(inputs[i]) gives (normalisation and boundary per scenario, the cooling run on the vector
// kernel over every core, the stop outcome and the compaction start), bit for bit, as a fresh program
// computes it (properties from a default SelectedProperties where a list index selects nothing).
//
// Working memory is bounded by the chunk size: the inputs are taken nChunkJobs at a time and at most three
// chunks are held at once (one being read, one solved, one written), about 0.5 KB a scenario, plus 6 KB a
// scenario when a stream keeps curves. Each thread solves a few hundred scenarios at a time and holds their
// curves (about 3 MB) only until their starts are read.
//
// Inputs are not judged: values the form would refuse (non-finite, out of range, list indices outside
// their lists) are computed as RunCalculation computes them, and never crash or read out of bounds.

// How a run of scenarios is spread and what it keeps.
struct ScenarioOptions {
    bool bKeepCurves = false;       // also give every cooling curve (about 5.8 KB each)
    int nThreads = 0;               // worker threads; 0 or less: every hardware thread
    std::size_t nChunkJobs = 4096;  // scenarios taken at a time: 1 to 16777216 (0 counts as 1)
};

struct ScenarioResults {
    std::vector<CalculationSummary> summaries;  // one per input, in input order
    std::vector<CoolingCurve> curves;           // likewise when bKeepCurves, else empty
    bool bCancelled = false;                    // the stop token ended the run: both vectors are empty
};

// Progress of a run: nDone scenarios answered of nTotal. Calls come one at a time, with nDone rising, but
// from worker threads; an exception thrown here ends the run and is rethrown to the caller.
using ScenarioProgress = std::function<void(std::size_t nDone, std::size_t nTotal)>;

// Answers every scenario of `inputs` (each in its own unit system, m_nUnits). The last progress call has
// nDone == nTotal == inputs.size() unless the run is stopped (an empty span makes no call). The stop token
// is checked before every work item (a few hundred scenarios); a stop that leaves any scenario unanswered
// gives bCancelled and no summaries or curves at all, so nothing partial can pass for an answer.
ScenarioResults RunScenarios(std::span<const SimulationInputs> inputs, const ScenarioOptions& options,
                             const ScenarioProgress& onProgress = {}, std::stop_token stop = {});

// Fills the front of `room` (never empty) with the next scenarios of a stream and returns how many it
// filled (at most room.size(), else std::length_error ends the run); 0 ends the stream.
using ScenarioSource = std::function<std::size_t(std::span<SimulationInputs> room)>;

// Takes the answers of the next scenarios of a stream, in input order: summaries[i] (and curves[i] when
// bKeepCurves, otherwise curves is empty) answer inputs[i]. The spans are valid during the call only.
using ScenarioSink =
    std::function<void(std::span<const SimulationInputs> inputs,
                       std::span<const CalculationSummary> summaries, std::span<const CoolingCurve> curves)>;

struct StreamOutcome {
    std::size_t nWritten;  // scenarios handed to the sink, from the first on
    bool bCancelled;       // the stop token ended the stream before its end was answered
};

// RunScenarios for inputs too many to hold: reads a chunk from `read`, answers it and hands it to `write`,
// until `read` gives 0. The next chunk is read and solved while the last is written, so `read` and
// `write` run on worker threads, but one call at a time and each in stream order. `write` only ever gets
// whole chunks of answers, each in order after the last; after a stop it gets no more, and nWritten says
// where the answers end. nTotal in progress calls is the number of scenarios read so far. An exception
// from read, write or onProgress ends the stream and is rethrown; chunks already written stay written.
//
//     // The command line's batch: rows in, rows out, never more than a few chunks in memory.
//     const StreamOutcome done = RunScenarioStream(
//         [&](std::span<SimulationInputs> room) { return ReadRows(in, room); },
//         [&](std::span<const SimulationInputs> rows, std::span<const CalculationSummary> answers,
//             std::span<const CoolingCurve>) { WriteRows(out, rows, answers); },
//         ScenarioOptions{}, ShowProgress, stopToken);
//     if (done.bCancelled) ReportStoppedAfter(done.nWritten);
StreamOutcome RunScenarioStream(const ScenarioSource& read, const ScenarioSink& write,
                                const ScenarioOptions& options, const ScenarioProgress& onProgress = {},
                                std::stop_token stop = {});
