#pragma once

#include <cstddef>
#include <span>
#include <stop_token>
#include <vector>

#include "CompactionWindow.h"
#include "SimulationInputs.h"
#include "StudyInputs.h"

// The paving-day planner: one calculation for each paving time of a day, to find when the compaction
// window is longest.
//
// Why a minimum window: the rollers need time for their passes. A breakdown roller, an intermediate
// roller and a finish roller each make their coverage of the lane while the mat is between the start and
// the stop temperature; a window too short for all of them means the mat cools below the stop
// temperature before the required density is reached. The planner marks every paving time whose window
// is shorter than the minimum the crew states (15 minutes by default).

// The weather of one clock hour, in the units of the request's scenario (its m_nUnits).
struct HourlyWeather {
    int nHour;          // clock hour 0 to 23
    double dAirTemp;    // F or C, within the air temperature range of that unit system
    double dWindSpeed;  // mph or km/h, within the wind speed range
    int nSkyCondition;  // kSkyConditionNames index 0 to 4
};

struct PavingDayRequest {
    // Site, date, mix, lift, existing surface and weather, checked as CheckScenario checks them. Its
    // m_nHour and m_nMinute are replaced by each paving time.
    SimulationInputs base;
    int nFromMinute = 5 * 60;      // first paving time, minutes after midnight, 0 to 1440
    int nToMinute = 22 * 60;       // last paving time, nFromMinute to 1440
    int nStepMinutes = 30;         // 1 to 1440; nToMinute is a slot only when it lies on the step
    double dMinimumWindow = 15.0;  // minutes, 0 to 120
    // Empty: the base weather holds all day. Otherwise one row per clock hour (no hour twice, every
    // value in range); each paving time takes the row of its own hour, and 24:00 the row of hour 0. A
    // paving time whose hour has no row refuses the whole request, naming the hour.
    std::vector<HourlyWeather> hourly;
};

// The outcome of one paving time; every figure equals RunCalculation of the base scenario at that time
// (with that hour's weather).
struct PavingSlot {
    int nClockMinute;      // paving time, minutes after midnight
    double dAirTemp;       // weather used: F or C, as the request
    double dWindSpeed;     // mph or km/h, as the request
    int nSkyCondition;     // kSkyConditionNames index
    int nStartTime;        // compaction start, whole minutes after laydown
    double dStopTime;      // compaction stop, whole minutes after laydown
    double dWindow;        // dStopTime - nStartTime in minutes, never below 0
    CoolingNotice notice;  // as the form would show it
    bool bShortWindow;     // dWindow < the request's minimum
    bool bBest;            // one of the best slots (see PavingDayPlan::best)
};

struct PavingDayPlan {
    StudyOutcome outcome = StudyOutcome::Done;
    StudyFault fault;                   // when Refused
    std::vector<PavingSlot> timeSlots;  // in clock order; empty unless Done
    // The best slots, indices into slots in clock order: those with the longest window among the slots
    // without a rapid-cooling notice; only when every slot has that notice, the longest among all. Ties
    // are all named. A best slot may still be shorter than the minimum (bShortWindow tells).
    std::vector<std::size_t> best;
};

// The best slots by the rule of PavingDayPlan::best, as indices into slots in order.
std::vector<std::size_t> BestSlots(std::span<const PavingSlot> slots);

// Runs the base scenario at every paving time from nFromMinute to nToMinute in steps of nStepMinutes,
// on the batch solver. Refuses (naming the field and what is allowed) a scenario that CheckScenario
// refuses, times outside 0 to 1440, a last time before the first, a step below 1, a minimum outside 0 to
// 120 minutes, and hourly rows with an hour outside 0 to 23, an hour twice, values out of range, or
// missing for the hour of a paving time. progress counts engine runs (one per slot).
PavingDayPlan PlanPavingDay(const PavingDayRequest& request, const StudyProgress& progress = {},
                            std::stop_token stop = {});
