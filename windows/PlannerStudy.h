#pragma once

// The paving-day planner for Qt code. Its result keeps the slots in a member named `slots`, a word Qt
// defines as an empty macro for its own headers: the planner's header is read here with that macro set
// aside, and Qt code reaches the member through PlanSlots.
#pragma push_macro("slots")
#undef slots
#include "PavingDayPlanner.h"

// The plan's slots, in clock order (PavingDayPlan's member).
inline const std::vector<PavingSlot>& PlanSlots(const PavingDayPlan& plan) { return plan.slots; }
#pragma pop_macro("slots")
