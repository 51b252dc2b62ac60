#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

#include "UnitSystem.h"

class QChart;
class QGraphicsView;
class QPainter;
class QValueAxis;

// Every chart of the program besides the form's own is drawn with Qt Charts (Debian's qt6-charts-dev): it
// gives axes with titles and gridlines, legends, line, area, scatter and bar series, and renders onto a
// printer's page with the same code that draws it on screen, so no chart needs a painter of its own. The
// form's cooling chart keeps its own painter, because its pixels are fixed.
//
// The helpers below give every such chart the same face: axis titles carrying units ("Time after laydown,
// min", "Temperature, C"), black text on white, light gridlines, the eight colours of the Okabe-Ito
// palette (told apart with the common forms of colour blindness), and fonts that follow the font of the
// widget showing the chart, so the chart reads at 100 to 200 % scaling.

// How many colours PaletteColor cycles through.
constexpr int kPaletteSize = 8;

// Colour nIndex (0 or more; taken modulo kPaletteSize) of the Okabe-Ito palette, ordered for a white
// background: the darker colours first, yellow last.
QColor PaletteColor(int nIndex);

// Gives `chart` the house face: light theme, white background, no animation, legend at the bottom with
// `font`, title in a bold `font`. Call again with the new font when the widget's font changes.
void StyleChart(QChart& chart, const QFont& font);

// The time axis of a cooling chart: 0 to 120 minutes after laydown, a labelled gridline every 20 minutes,
// titled "Time after laydown, min".
QValueAxis* MakeTimeAxis(const QFont& font);

// A temperature axis titled "Temperature, C" or "Temperature, F" after `units`, covering dLow to dHigh
// (in those units) widened to whole steps of 10 C or 20 F (doubled until at most eight steps remain);
// a labelled gridline at every step.
QValueAxis* MakeTemperatureAxis(UnitSystem units, double dLow, double dHigh, const QFont& font);

// Lines, labels and titles of `axis` in the house face (light grey gridlines, black labels, `font`).
void StyleAxis(QValueAxis& axis, const QFont& font);

// Draws what `view` shows (a chart view or any other graphics view) scaled into `target` of the painter's
// device, keeping its proportions: a chart printed onto a page.
void RenderChart(QGraphicsView& view, QPainter& painter, const QRectF& target);
