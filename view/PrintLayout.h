#pragma once

#include <QRect>

#include "CoolingPlot.h"
#include "FormRecord.h"

class QPainter;

// One printed page: a title, every input and both results as the form shows them, and the chart.
void PrintCoolingPage(QPainter& painter, const QRect& pageRect, const FormRecord& record,
                      const PlotInputs& plot);
