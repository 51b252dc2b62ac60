#include <QImage>
#include <QPainter>

#include "CDravonelView.h"

void CDravonelView::OnDraw(QPainter& dc, const QRect&) {
    ++m_nPaints;
    if (!m_rectPlot.isValid()) return;
    const PlotOutcome outcome = PaintCoolingPlot(dc, m_rectPlot, GetPlotInputs());
    m_dStartTemp = outcome.dStartTemp;
    if (outcome.bStartTimeSet) m_nStartTime = outcome.nStartTime;
}

// Handlers rely on the paint having run when this returns. A form that is hidden or minimised gets no
// screen paint, so the chart is then painted into an image the size of the page instead.
void CDravonelView::RepaintPlot() {
    const int nPaintsBefore = m_nPaints;
    if (Page()->isVisible() && !window()->isMinimized()) Page()->repaint(m_rectPlot);
    if (m_nPaints != nPaintsBefore) return;
    QImage offscreen(Page()->size(), QImage::Format_ARGB32_Premultiplied);
    offscreen.fill(Qt::transparent);
    QPainter painter(&offscreen);
    painter.setFont(Page()->font());
    OnDraw(painter, m_rectPlot);
}
