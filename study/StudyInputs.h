#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "SimulationInputs.h"
#include "UnitSystem.h"

// What every study shares: how it reports progress and refusals, and how it checks the scenario it is
// given. Scenarios are SimulationInputs in the unit system of their m_nUnits, as the form and the
// command line hold them. Results give times in minutes after laydown; temperatures the engine computes
// (curves, profiles) in C, as the engine holds them, for the caller to show in F where it shows English
// units; values that stand for an input field (a fitted delivery temperature, a sensitivity end) in the
// units of the scenario. Refusal messages speak the scenario's units.

// Progress of a study: nDone of nTotal engine runs are finished. Calls come one at a time on the thread
// that called the study, with nDone rising; the last call has nDone == nTotal unless the study was
// stopped. An empty function is never called.
using StudyProgress = std::function<void(std::size_t nDone, std::size_t nTotal)>;

// How a study ended. Only Done results hold figures; Refused and Cancelled results hold none (their
// vectors are empty and their numbers are zero), so nothing half-done can pass for an answer.
enum class StudyOutcome { Done, Refused, Cancelled };

// Why a request was refused.
struct StudyFault {
    std::string strField;    // what is at fault: "delivery temperature", "step", "hourly weather", ...
    std::string strMessage;  // one sentence for the user: the field, the value and what is allowed
};

// Checks a scenario before a study runs it. Refuses: m_nUnits other than 0 or 1; air, surface and
// delivery temperature, lift thickness, wind speed or latitude outside the range of that unit system
// (kSiRanges / kEnglishRanges, both ends allowed; NaN refused); month outside 1 to 12, year outside
// 1990 to 3001, day outside 1 to the month's length in that year; hour outside 0 to 24, minute outside
// 0 to 60; sky condition, mix type, material type or high grade that is not a list index; moisture
// content or state other than 0 or 1 on an unbound material (ignored on a bound one). Nothing when the
// scenario is sound. The low grade is not read by any calculation and is not checked.
std::optional<StudyFault> CheckScenario(const SimulationInputs& inputs);

// The fault of a dimensioned value outside [dMin, dMax] (or NaN): names the field, the value and the
// range with its unit, e.g. "delivery temperature 400 F is outside 150 to 315 F".
StudyFault RangeFault(const std::string& strField, double dValue, double dMin, double dMax,
                      const char* pszUnit);

// "hh:mm" of minutes after midnight, 0 to 1440 ("05:00", "24:00").
std::string ClockText(int nMinuteOfDay);

// A temperature held in C shown in a unit system, in hundredths as the form shows values: "157.2 C",
// "314.96 F" (the English value is x * 1.8 + 32 before rounding).
std::string TemperatureText(double dTempC, UnitSystem units);

// A number as the form shows it: rounded to hundredths, "%.15g" ("30", "12.5").
std::string NumberText(double dValue);
