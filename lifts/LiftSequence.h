#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Calculation.h"
#include "CompactionWindow.h"
#include "CoolingSolver.h"
#include "LayerProperties.h"
#include "SimulationInputs.h"
#include "SurfaceBoundary.h"

// Several lifts placed one on another within hours: one cooling column that grows by a lift at each
// placement, and for every lift the curve, compaction window and the moment its mat is cool enough to
// carry the next lift. Plain C++, no UI library; nothing is allocated while the column steps.

constexpr int kMaxLifts = 4;
// The column's node capacity: 4 lifts of at most 50 mat cells, the 20 existing cells and the surface node.
constexpr int kLiftColumnNodes = kMaxLifts * 50 + 20 + 1;
// A lift goes down at most this many minutes after the one before it (that lift's run then has ended).
constexpr int kMaxPlacementGapMinutes = 120;

// The mat mean a lift must fall below before the next lift may go on it: hard enough to carry the paver
// and the haul trucks without deforming or shoving, and cool enough that the new lift's compaction is
// not undone by a soft layer beneath.
constexpr double kNextLiftTempC = 60.0;
constexpr double kNextLiftTempF = 140.0;
// Allowed next-lift temperatures, both ends allowed. The lower end is 50 C (122 F) because a lift's curve
// ends once its mean is below 50 C, so no lower temperature could be read off it; the upper end is the
// form's highest delivery temperature.
struct NextLiftTempRange {
    double dMin;
    double dMax;
};
constexpr NextLiftTempRange kNextLiftTempRangeSi{50.0, 157.2};
constexpr NextLiftTempRange kNextLiftTempRangeEnglish{122.0, 315.0};

// The default next-lift temperature in a unit system: 60 C or 140 F.
constexpr double DefaultNextLiftTemp(UnitSystem units) {
    return units == UnitSystem::English ? kNextLiftTempF : kNextLiftTempC;
}

// One lift as the form holds its mix fields. Dimensioned values are in the unit system of the sequence's
// site record.
struct LiftInput {
    int nMixType = 0;              // kMixTypeNames index, 0 to 3
    double dLiftThickness = 50.0;  // mm or in., within the form's range of the unit system
    double dDeliveryTemp = 150.0;  // C or F, within the form's range of the unit system
    int nPgHigh = 4;               // kPgHighNames index, 0 to 6
    int nPgLow = 4;                // kPgLowNames index, 0 to 6 (kept for reports; no effect on the run)
    int nPlacementMinutes = 0;     // whole minutes after the first lift's laydown: 0 for the first lift,
                                   // never decreasing, at most kMaxPlacementGapMinutes after the lift before
};

// A sequence to run. `site` gives the date, time, latitude, sky, air, wind, existing surface (material,
// moisture content and state, temperature) and the unit system (m_nUnits: 1 English, any other code SI),
// all within the form's ranges; its mix fields (mix type, thickness, delivery, grades) are not read, each
// lift brings its own.
struct LiftSequenceInputs {
    SimulationInputs site;
    std::vector<LiftInput> lifts;  // 1 to kMaxLifts, in placement order, bottom lift first
    // C or F (the site's units); none: DefaultNextLiftTemp. Within kNextLiftTempRangeSi / ...English.
    std::optional<double> dNextLiftTemp;
    // For the heat-balance checks only: no sun, no convection and no radiation at the top, so that the
    // column neither gains nor loses heat through it. Never set by the program.
    bool bInsulatedTopForChecks = false;
};

// A moment of the sequence on the clock: the first lift's paving date and time plus a number of
// minutes, rolled over midnight, month and year ends (Gregorian leap years).
struct LiftClockTime {
    int nYear;
    int nMonth;      // 1 to 12
    int nDay;        // 1 to the month's length
    int nHour;       // 0 to 23
    int nMinute;     // 0 to 59
    int nDayOffset;  // whole days after the first lift's paving date (0 the same day)
};

// The first lift's paving date and time (site.m_nYear/Month/Day/Hour/Minute, the form's hour 24 and
// minute 60 included) plus nMinutes (0 or more). A month outside 1 to 12 keeps its date unrolled.
LiftClockTime ClockAfter(const SimulationInputs& site, int nMinutes);

// When a lift's mat mean first falls below the next-lift temperature.
struct NextLiftTime {
    bool bReached = false;  // false: not within the lift's run ("not within the run")
    int nSample = -1;       // the first sample of the lift's curve strictly below the temperature
    // Whole minutes after the lift's laydown: sample n lies 20 n seconds after it, rounded up to the
    // whole minute (the mean is refreshed at whole minutes, so this is the minute the crossing is seen).
    int nMinutes = 0;
    LiftClockTime clock{};  // the first lift's paving time + this lift's placement + nMinutes
};

// Everything a run gives for one lift. Times are relative to the lift's own laydown. A lift below takes
// heat from the one placed on it, so its mean can rise again after it fell below the stop or next-lift
// temperature: both read the first crossing. A lift left unplaced (bPlaced false) has stop code
// kStopRapidOrFailed, an empty curve and no start or next-lift time.
struct LiftOutcome {
    bool bPlaced = false;  // false only when the column failed before this lift's placement
    int nPlacementMinutes = 0;
    LiftClockTime placement{};    // its laydown on the clock
    NormalizedInputs normalized;  // SI working values of the lift (mix, thickness, delivery) and the site
    SurfaceBoundary boundary;     // the sun, sky and convection at its laydown, held until the next one
    int nMatCells = 0;            // MatCellCount of its thickness
    int nStopCode = kStopNeverReached;  // as RunCoolingSimulation's codes, for this lift's mean
    StopOutcome stop;                   // StopOutcomeFromCode(nStopCode)
    CompactionStart start;  // ReadCompactionStart on its curve, for its high grade and the site's axis
    NextLiftTime nextLift;
    CoolingCurve curve;  // its mat mean from its laydown, sampled as the single-lift curve
};

// Which input a refusal is about, so that a window can put the focus there.
enum class LiftField {
    LiftCount,
    Placement,
    MixType,
    LiftThickness,
    DeliveryTemp,
    PgHigh,
    PgLow,
    NextLiftTemp,
    SiteAirTemp,
    SiteSurfaceTemp,
    SiteWindSpeed,
    SiteLatitude,
    SiteDate,
    SiteTime,
    SiteSkyCondition,
    SiteMaterial,
};

struct LiftSequenceError {
    int nLift;  // 1 to kMaxLifts (or the count given) for a lift's value; 0 for the sequence or the site
    LiftField field;
    std::string strMessage;  // one sentence naming the lift and the reason; full stop as decimal point
};

struct LiftSequenceResult {
    std::optional<LiftSequenceError> error;  // set: the inputs were refused and nothing was run
    // false: a step did not settle within 100 passes. Lifts whose curves were running end as the
    // single-lift run ends then (stop code kStopRapidOrFailed); lifts not yet placed stay unplaced.
    bool bSettled = true;
    int nFailedStepMinutes = -1;  // minutes after the first laydown of the unsettled step, rounded up
    int nLifts = 0;               // lifts[0 .. nLifts - 1] hold results
    double dNextLiftTempC = kNextLiftTempC;
    int nColumnMinutes = 0;  // minutes the column ran after the first laydown
    std::array<LiftOutcome, kMaxLifts> lifts{};
};

// Checks the inputs against the stated limits: 1 to kMaxLifts lifts; the first placed at 0 minutes, none
// negative, none before the lift below it, none more than kMaxPlacementGapMinutes after it; each lift's mix
// type and grades in their lists and its thickness and delivery temperature within the form's ranges of
// the site's unit system; the next-lift temperature within its range; the site's air, surface, wind,
// latitude, date, time, sky and material within the form's ranges. The first fault found, or none.
std::optional<LiftSequenceError> CheckLiftSequence(const LiftSequenceInputs& inputs);

// Runs the sequence. Each lift's values are converted to SI as NormalizeInputs converts them (the site's
// existing properties from its lists); its cells (MatCellCount of its thickness) are put on top of the
// column at its delivery temperature when its placement minute is reached, every cell below keeping its
// temperature and material. The sun is evaluated at each lift's laydown time (ClockAfter) and held until
// the next lift. The column steps by the single-lift rules (20 s steps, settled at 0.00001, 100 passes
// fail) until every lift has been placed and every lift's curve has ended: after 120 minutes of its own,
// or earlier when its mean falls below 50 C, where its curve ends exactly as the single-lift curve does
// (the column goes on for the lifts still running). A one-lift sequence gives RunCalculation's curve, stop
// code and start bit for bit. Refused inputs (CheckLiftSequence) give a result with `error` set.
LiftSequenceResult RunLiftSequence(const LiftSequenceInputs& inputs);
