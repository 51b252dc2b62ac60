#pragma once

#include <ctime>

#include "FormRecord.h"

// The input form's rules as plain logic over the record; the view shows their messages and focus.

// Unit switch to `target`. When the record is in the other system: sets m_nActiveUnits and
// inputs.m_nUnits (so a radio left unread by an earlier refused field cannot keep the old system's code
// beside converted values), writes that system's stored ranges and labels, converts the five
// dimensioned values and rounds them to hundredths (air, surface, delivery, lift, wind, in that order).
// Returns whether anything was converted; a switch to the current system (or to a value outside the
// enumeration) changes nothing.
bool ApplyUnitSystem(FormRecord& record, UnitSystem target);

// Outcome of a range check; at most one message per check, the lower limit tested first.
enum class RangeCheck { InRange, SetToMinimum, SetToMaximum };
constexpr const char* kRangeCaption = "Value Out of Range";
constexpr const char* kRangeMinimumText = "Value will automatically be set to minimum.";
constexpr const char* kRangeMaximumText = "Value will automatically be set to maximum.";

// Which message a value needs against [dMin, dMax] (both ends allowed).
RangeCheck TestRange(double dValue, double dMax, double dMin);
// Sets the value to the limit named by the outcome; InRange leaves it.
void ApplyRangeCheck(double* pValue, RangeCheck outcome, double dMax, double dMin);

// The six real-number fields that are clamped and rounded when left.
enum class RealField { AirTemp, WindSpeed, LiftThickness, DeliveryTemp, SurfaceTemp, Latitude };
struct RealFieldBinding {
    double* pValue;
    double dMax;
    double dMin;
};
// The field's member and its limits in the record's active system.
RealFieldBinding BindRealField(FormRecord& record, RealField field);

// Month length for the day cap in the Gregorian calendar: 31/30, February 29 in a leap year (divisible
// by 4, and century years only when divisible by 400) and 28 otherwise; 0 outside months 1 to 12.
// Any year (the form refuses years outside 1990 to 3001 on its own).
int FormDaysInMonth(int nYear, int nMonth);
// Caps the day at the month's length when the month is 1 to 12; never raises a day.
void LimitDayToMonth(int* pDay, int nYear, int nMonth);
// Leaving the day field: a day below 1 becomes 1, otherwise the month cap applies.
void CorrectDayOnLeave(int* pDay, int nYear, int nMonth);

// Paving date and time from the local clock at `now`; seconds are dropped.
void FillFromClock(FormRecord& record, std::time_t now);

// The moisture lists' state after a material change.
enum class MoistureLists { Unchanged, Disabled, Enabled };
// Bound materials ("AC", "PCC"): both moisture members -1 and lists disabled; unbound materials: "Dry"
// and "Unfrozen" and lists enabled; no selection: nothing changes.
MoistureLists ApplyMaterialRule(FormRecord& record);
