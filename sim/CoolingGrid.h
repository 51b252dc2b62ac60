#pragma once

// Number of mat cells: the lift thickness in metres times 100.0 (whole centimetres), truncated toward
// zero (on the double, so no out-of-range integer conversion), raised to 6 when smaller and lowered to
// 50 when larger. A thickness that is not a number gives 6. The form's lifts (12.7 to 254 mm) give 6 to 25.
int MatCellCount(double dLiftThickness);
