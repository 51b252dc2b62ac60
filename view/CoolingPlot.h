#pragma once

#include <QRect>

#include "Calculation.h"
#include "UnitSystem.h"

class QPainter;

// What the chart paints: a calculation's result on one temperature axis.
struct PlotInputs {
    bool bCalculated;      // false: only the frame, legend, time ticks and axis title
    UnitSystem axisUnits;  // SI: axis in C from 65 to 165; English: in F from 135 to 315
    // The curve, the stop time and the start to mark (its temperature and sample on this axis).
    const CalculationResult& result;
};

// Paints the cooling chart into rectPlot (pixels of the painter's device; the group box's rectangle
// shrunk by a fifteenth of its width) with the chart's fixed geometry, pens and colours. The
// rectangle's right and bottom edges are taken as left + width and top + height, the first pixels
// outside it. Lines end one pixel short of their end point; 2-pixel pens add the row above / column left.
// Settles nothing: every number it shows comes from `inputs`.
void PaintCoolingPlot(QPainter& dc, const QRect& rectPlot, const PlotInputs& inputs);
