#pragma once

#include <QRect>

#include "CoolingPlot.h"
#include "FormRecord.h"

class QPainter;

// One printed page: a title, every input and both results as the form holds them (record.m_nStartTime and
// m_dStopTime), and the chart of `plot`.
void PrintCoolingPage(QPainter& painter, const QRect& pageRect, const FormRecord& record,
                      const PlotInputs& plot);
