#include "CDravonelView.h"

void CDravonelView::OnDraw(QPainter& dc, const QRect&) {
    if (!m_rectPlot.isValid()) return;
    PaintCoolingPlot(dc, m_rectPlot, GetPlotInputs());
}

void CDravonelView::RedrawPlot() {
    if (m_rectPlot.isValid()) Page()->update(m_rectPlot);
}
