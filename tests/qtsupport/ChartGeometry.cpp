#include "ChartGeometry.h"

namespace {

constexpr double kPerMinute = 0.008333333333333333;    // nearest double to 1/120: 120 minutes on the axis
constexpr double kPerDegreeC = -0.01;                  // 100 C on the SI axis, upwards
constexpr double kPerDegreeF = -0.005555555555555556;  // nearest double to -1/180: 180 F on the English axis

}  // namespace

ChartGeometry::ChartGeometry(const QRect& r)
    : left(r.left()),
      top(r.top()),
      right(r.left() + r.width()),
      bottom(r.top() + r.height()),
      x0(left + 30),
      xr(right - 20),
      yb(bottom - 30),
      yt(top + 20),
      W(xr - x0),
      H(yb - yt) {}

int ChartGeometry::X(double dMinutes, int nShift) const {
    return static_cast<int>((x0 + nShift) + W * dMinutes * kPerMinute);
}

int ChartGeometry::Y(double dAxisValue, bool bFahrenheit, int nShift) const {
    const double dBase = bFahrenheit ? 135.0 : 65.0;
    const double dFactor = bFahrenheit ? kPerDegreeF : kPerDegreeC;
    return static_cast<int>((yb + nShift) + (dAxisValue - dBase) * H * dFactor);
}
