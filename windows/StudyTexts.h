#pragma once

#include <QString>

class QAbstractSpinBox;

#include "ShownUnits.h"  // TemperatureIn, WindSpeedIn, LengthIn
#include "SimulationInputs.h"
#include "StudyInputs.h"

// Texts the study windows share.

// What a study window takes from the form, said in one line in the scenario's own units (its m_nUnits),
// numbers as the form shows them:
//   "15 June 2026, latitude 45, Dense Graded (PG 58) 75 mm at 150 C on Granular Base (dry, unfrozen) at 10 C"
// bTime adds the paving time after the date ("15 June 2026 12:00"); bWeather ends the line with the
// weather ("; air 10 C, wind 8 km/h, Clear & Dry"). A list index outside its list reads "?".
QString ScenarioText(const SimulationInputs& inputs, bool bTime, bool bWeather);

// The weather alone, in the scenario's units: "air 10 C, wind 8 km/h, Clear & Dry".
QString WeatherText(double dAirTemp, double dWindSpeed, int nSkyCondition, UnitSystem units);

// The scenario of `inputs` (held in `from` units) as the form would hold it after switching to `to`:
// the five dimensioned values converted and rounded to hundredths; the rest unchanged.
SimulationInputs InputsIn(const SimulationInputs& inputs, UnitSystem from, UnitSystem to);

// Whether `now` (in its own units) is the scenario `was` (held in wasUnits) as the form would show it in
// now's units: every input a calculation reads compared as the form shows it. A caller that does not
// care about an input sets it alike in both before asking.
bool SameScenario(const SimulationInputs& was, UnitSystem wasUnits, const SimulationInputs& now);

// A study's refusal as a sentence for a message box: its message with a capital first letter and a full
// stop ("The last paving time 04:00 is before the first, 05:00.").
QString RefusalSentence(const StudyFault& fault);

// Names a spin box (a time edit too) for assistive technology, and the line edit inside it as well, so
// that no part of it is announced without a name.
void SetAccessibleName(QAbstractSpinBox& box, const QString& name);
