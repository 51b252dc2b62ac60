#pragma once

// Number of mat cells n1: the lift thickness in metres times 100.0, truncated toward zero
// (on the double, so no out-of-range integer conversion), raised to 6 when smaller and lowered to 50
// when larger. A thickness that is not a number gives 6.
int MatCellCount(double dLiftThickness);
