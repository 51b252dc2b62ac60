#pragma once

#include <QImage>
#include <QRect>
#include <functional>

#include "Calculation.h"
#include "ChartGeometry.h"
#include "CoolingPlot.h"
#include "CoolingSolver.h"
#include "Pixels.h"

// The chart painted into an image as the form paints it, and the curves the tests paint.

// The rectangle the tests paint the chart into, and the image it sits in.
QRect TestPlotRect();
QSize TestImageSize();

// A result as the view holds one for a curve: the stop time, and the start read for the high grade on
// the axis of `axisUnits`.
CalculationResult HeldResult(const CoolingCurve& curve, double dStopTime, int nPgHigh, UnitSystem axisUnits);

// Paints the chart on a white image in an 11-pixel font, as the form would.
QImage RenderPlot(const PlotInputs& inputs);

// A curve with the solver's sample times (running sums of 1/3 minute) and temperatures (C) by sample.
CoolingCurve MakeCurve(int nLastSample, const std::function<double(int)>& tempOfSample);
// Run A in SI: 15 June 12:00, latitude 45, clear, air 10 C, wind 8 km/h, 75 mm at 150 C on 10 C.
CoolingCurve RunACurve(double* pStopTime);
