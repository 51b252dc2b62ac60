#pragma once

#include <QColor>
#include <QRect>

#include "ChartFrame.h"

// The chart's geometry for tests, with the two temperature axes named by their unit.
struct ChartGeometry : ChartFrame {
    using ChartFrame::ChartFrame;
    // Row of an axis value on the SI (bFahrenheit false: base 65, -1/100) or English axis (base 135, -1/180).
    int Y(double dAxisValue, bool bFahrenheit, int nShift = 0) const;
};

// The chart's colours: background, curve, start marker, stop marker, ticks and axes.
const QColor kGrey(192, 192, 192);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
