#pragma once

#include <string>

#include "Calculation.h"
#include "CoolingSolver.h"
#include "SimulationInputs.h"

// What one calculation gives, as the command line states it beside the inputs.
struct CliResults {
    CalculationResult calculation;
    double dStartTempC;  // C, from the high grade
    int nStartTime;      // whole minutes, read off the curve as the plot reads it
};

// One JSON object, keys in a fixed order: "inputs" as used (numbers in the system of inputs.m_nUnits,
// list entries as their texts, null for no selection, "date" "YYYY-MM-DD", "time" "HH:MM"), "units",
// "boundary", "stop_code", "stop_time", "notice", "start_temp_c", "start_time", "last_sample" and
// "curve" (samples 0 to last_sample, times in minutes, temperatures in C). Ends with a line end.
std::string WriteJsonResult(const SimulationInputs& inputs, const CliResults& results,
                            const CoolingCurve& curve);
