#pragma once

#include <QRect>

#include "CoolingSolver.h"

class QPainter;

// What the chart reads from the view.
struct PlotInputs {
    bool bCalculated;  // false: only the frame, legend, time ticks and axis title
    int nUnits;        // 0 SI axis (C), otherwise English axis (F)
    int nPgHigh;       // high-grade index; > 4 starts compaction at 110 C, else 120 C
    double dStopTime;  // minutes after laydown
    const CoolingCurve& curve;
};

// What a paint settles: the start temperature always, the start time only once calculated.
struct PlotOutcome {
    double dStartTemp;   // C
    bool bStartTimeSet;  // false before the first calculation
    int nStartTime;      // whole minutes after laydown
};

// Paints the cooling chart into rectPlot (pixels of the painter's device; the group box's rectangle
// shrunk by a fifteenth of its width) with the original drawing's geometry, pens and colours.
// The rectangle's right and bottom edges are taken as left + width and top + height, the first pixels
// outside it. Lines end one pixel short of their end point; 2-pixel pens add the row above / column left.
PlotOutcome PaintCoolingPlot(QPainter& dc, const QRect& rectPlot, const PlotInputs& inputs);
