#pragma once

#include <string>

#include "SimulationInputs.h"

// Everything the input form holds besides its controls: the inputs, the unit labels, the applied unit
// system with its ranges, and the two results shown on the form. Starts in the English state.
struct FormRecord {
    SimulationInputs inputs;
    InputRanges ranges = kEnglishRanges;  // of the applied system m_nActiveUnits

    std::string m_strAirTempUnit = "F";
    std::string m_strSurfaceTempUnit = "F";
    std::string m_strDeliveryTempUnit = "F";
    std::string m_strLiftUnit = "in.";
    std::string m_strWindUnit = "mph";
    int m_nActiveUnits = UnitCode(UnitSystem::English);  // system of the stored values, ranges and labels
    double m_dStopTime = 0.0;                            // result: minutes after laydown
    int m_nStartTime = 0;                                // result: whole minutes after laydown
};
