#pragma once

#include <string>
#include <vector>

#include "LiftSequence.h"
#include "UnitSystem.h"

// A lift run in words and numbers, as the Lifts window's table, its printed page and its CSV show it.
// Plain C++; numbers keep a full stop as decimal point whatever the locale.

// "12:40", or "00:20 +1 d" for a moment on a later day than the first lift's paving date.
std::string ClockText(const LiftClockTime& clock);

// The start of a placed lift's compaction window, read off its curve for its high grade on the axis of
// `display` (as the form's chart reads the start after a unit switch).
CompactionStart LiftStartIn(const LiftOutcome& outcome, int nPgHigh, UnitSystem display);

// One row of the results table: every time both in whole minutes after the lift's own laydown and on the
// clock ("12 min (12:52)"); the placement in minutes after the first lift's laydown.
struct LiftResultRow {
    std::string strLift;      // "1" to "4"
    std::string strPlaced;    // "40 min (12:40)"
    std::string strStart;     // "12 min (12:52)"; "-" for a lift not placed
    std::string strStop;      // "34 min (13:14)"; "-" for a lift not placed
    std::string strWindow;    // "22 min" (stop - start); "-" for a lift not placed
    std::string strNextLift;  // "85 min (14:05)", or kNextLiftNotReached
    std::string strNotice;    // the cooling notice, why a lift was not placed, or ""
};
constexpr const char* kNextLiftNotReached = "not within the run";
constexpr const char* kLiftNotPlaced = "Not placed: the run failed before this lift went down";

// The rows of lifts 1 to result.nLifts; `inputs` are those the run was given (their high grades choose
// each start). Empty when the run was refused.
std::vector<LiftResultRow> LiftResultRows(const LiftSequenceInputs& inputs, const LiftSequenceResult& result,
                                          UnitSystem display);

// The run's lifts as CSV: a header line, then one line a lift with its inputs (thickness, delivery and the
// next-lift temperature in `display` units, named in the column titles), each time in minutes and on the
// clock, the window and the notice. Commas between fields, a field holding a comma, quote or line break in
// double quotes, CR LF line ends. Only the header when the run was refused.
std::string LiftsCsv(const LiftSequenceInputs& inputs, const LiftSequenceResult& result, UnitSystem display);
