#pragma once

#include <QRect>

// The cooling chart's geometry in whole pixels. R takes exclusive edges: right and bottom are the first
// pixels outside the rectangle, so a QRect(l, t, w, h) stands for (l, t, l + w, t + h) and the chart's
// offsets below count from those edges.
struct ChartFrame {
    static constexpr double kPerMinute = 0.008333333333333333;  // nearest double to 1/120: 120-minute axis

    int left, top, right, bottom;  // R
    int x0, xr, yb, yt;            // time axis from x0 to xr at yb; temperature axis from yb up to yt
    int W, H;

    explicit ChartFrame(const QRect& r)
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

    // Column of a time in minutes, truncated toward zero; nShift is added to x0 before the truncation
    // (the neighbours of a plus-shaped point).
    int X(double dMinutes, int nShift = 0) const {
        return static_cast<int>((x0 + nShift) + W * dMinutes * kPerMinute);
    }
    // Row of an axis value, truncated toward zero: nBase lands on the time axis, dFactor is the axis's
    // fraction of the height per degree (negative: rows grow downwards).
    int Y(double dValue, int nBase, double dFactor, int nShift = 0) const {
        return static_cast<int>((yb + nShift) + (dValue - nBase) * H * dFactor);
    }
};
