#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>
#include <vector>

#include "CoolingPlot.h"
#include "CoolingSolver.h"

// The chart's geometry worked out afresh from the plot rectangle, so tests can say where a pixel must be
// without asking the painter.
struct ChartGeometry {
    int left, top, right, bottom;  // right and bottom are the first pixels outside the rectangle
    int x0, xr, yb, yt, W, H;

    explicit ChartGeometry(const QRect& r);
    int X(double dMinutes, int nShift = 0) const;
    // An axis value on the SI (bFahrenheit false: base 65, -1/100) or English axis (base 135, -1/180).
    int Y(double dAxisValue, bool bFahrenheit, int nShift = 0) const;
};

// The rectangle the tests paint the chart into, and the image it sits in.
QRect TestPlotRect();
QSize TestImageSize();

struct RenderedPlot {
    QImage image;
    PlotOutcome outcome;
};
// Paints the chart on a white image in an 11-pixel font, as the form would.
RenderedPlot RenderPlot(const PlotInputs& inputs);

// A curve with the solver's sample times (running sums of 1/3 minute) and temperatures (C) by sample.
CoolingCurve MakeCurve(int nLastSample, const std::function<double(int)>& tempOfSample);
// Run A in SI: 15 June 12:00, latitude 45, clear, air 10 C, wind 8 km/h, 75 mm at 150 C on 10 C.
CoolingCurve RunACurve(double* pStopTime);

bool IsColor(const QImage& image, int x, int y, const QColor& color);
// Positions of pixels of `color` inside `area`, leaving out those inside `skip`.
std::vector<QPoint> PixelsOf(const QImage& image, const QRect& area, const QColor& color, const QRect& skip = {});

const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kGrey(192, 192, 192);
const QColor kBlack(0, 0, 0);
