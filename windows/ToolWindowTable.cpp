#include "CompareWindow.h"
#include "Resource.h"
#include "ToolWindows.h"

namespace {

// In menu order. A window still to come has no maker yet.
constexpr ToolWindowEntry kToolWindows[] = {
    {ID_TOOLS_COMPARE, &MakeToolWindow<CCompareWindow>},
    {ID_TOOLS_PLANNER, nullptr},
    {ID_TOOLS_UNCERTAINTY, nullptr},
    {ID_TOOLS_CALIBRATE, nullptr},
    {ID_TOOLS_LIFTS, nullptr},
};

}  // namespace

std::span<const ToolWindowEntry> ToolWindowEntries() { return kToolWindows; }
