#pragma once

#include <string>

#include "Calculation.h"
#include "SimulationInputs.h"

// One JSON object, keys in a fixed order: "inputs" as used (numbers in the system of inputs.m_nUnits,
// list entries as their texts, null for no selection, "date" "YYYY-MM-DD", "time" "HH:MM"), "units",
// "boundary", "stop_code", "stop_time", "notice", "start_temp_c", "start_time", "last_sample" and
// "curve" (samples 0 to last_sample, times in minutes, temperatures in C). Ends with a line end.
std::string WriteJsonResult(const SimulationInputs& inputs, const CalculationResult& result);
