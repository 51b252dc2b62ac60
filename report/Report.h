#pragma once

#include <ctime>
#include <string>

#include "CoolingSolver.h"
#include "SimulationInputs.h"

// The results a report states besides the inputs and the curve.
struct ReportResults {
    double m_dStartTemp;  // C
    int m_nStartTime;     // whole minutes
    double m_dStopTime;   // minutes
};

// The whole report text, tab-delimited with CR LF line ends and a full stop as decimal point whatever
// the locale. Dimensioned inputs are written as held, in the system of inputs.m_nUnits (0 SI, else
// English); the curve rows are samples 0, 3, 6, ... below m_nLastSample. `timeOfWriting` is local time.
std::string WriteReport(const SimulationInputs& inputs, const ReportResults& results,
                        const CoolingCurve& curve, const std::tm& timeOfWriting);

// "Www Mmm dd hh:mm:ss yyyy" in English whatever the locale (24 characters, no line end).
std::string FormatReportDate(const std::tm& time);
