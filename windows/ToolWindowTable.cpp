#include "CalibrateWindow.h"
#include "CompareWindow.h"
#include "PlannerWindow.h"
#include "Resource.h"
#include "ToolWindows.h"
#include "UncertaintyWindow.h"

namespace {

// In menu order. A window still to come has no maker yet.
constexpr ToolWindowEntry kToolWindows[] = {
    {ID_TOOLS_COMPARE, &MakeToolWindow<CCompareWindow>},
    {ID_TOOLS_PLANNER, &MakeToolWindow<CPlannerWindow>},
    {ID_TOOLS_UNCERTAINTY, &MakeToolWindow<CUncertaintyWindow>},
    {ID_TOOLS_CALIBRATE, &MakeToolWindow<CCalibrateWindow>},
    {ID_TOOLS_LIFTS, nullptr},
};

}  // namespace

std::span<const ToolWindowEntry> ToolWindowEntries() { return kToolWindows; }
