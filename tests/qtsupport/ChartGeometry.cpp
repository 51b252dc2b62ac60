#include "ChartGeometry.h"

int ChartGeometry::Y(double dAxisValue, bool bFahrenheit, int nShift) const {
    // -1/100 per C over 100 C; -1/180 per F (nearest double) over 180 F.
    return bFahrenheit ? ChartFrame::Y(dAxisValue, 135, -0.005555555555555556, nShift)
                       : ChartFrame::Y(dAxisValue, 65, -0.01, nShift);
}
