#pragma once

#include <QColor>
#include <QRect>

// The cooling chart's geometry worked out afresh from its plot rectangle, so that tests can say where a
// pixel must be without asking the painter.
struct ChartGeometry {
    int left, top, right, bottom;  // right and bottom are the first pixels outside the rectangle
    int x0, xr, yb, yt, W, H;      // the axes' ends: time axis from x0 to xr at yb, temperature up to yt

    explicit ChartGeometry(const QRect& r);
    // Column of a time in minutes on the 120-minute axis.
    int X(double dMinutes, int nShift = 0) const;
    // Row of an axis value on the SI (bFahrenheit false: base 65, -1/100) or English axis (base 135, -1/180).
    int Y(double dAxisValue, bool bFahrenheit, int nShift = 0) const;
};

// The chart's colours: background, curve, start marker, stop marker, ticks and axes.
const QColor kGrey(192, 192, 192);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
