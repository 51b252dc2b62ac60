#include "StudyPage.h"

#include <QAbstractItemModel>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QIcon>
#include <QPainter>
#include <vector>

#include "ChartStyle.h"

CStudyPage::CStudyPage(QPainter& painter, const QRect& pageRect)
    : m_painter(painter), m_page(pageRect), m_body(painter.font()), m_y(pageRect.top()) {
    m_painter.save();
    m_body.setPointSizeF(9.0);
    m_painter.setPen(Qt::black);
}

CStudyPage::~CStudyPage() { m_painter.restore(); }

void CStudyPage::Title(const QString& text) {
    QFont title = m_body;
    title.setPointSizeF(14.0);
    title.setBold(true);
    const QFontMetrics metrics(title, m_painter.device());
    m_painter.setFont(title);
    m_painter.drawText(QPoint(m_page.left(), m_y + metrics.ascent()), text);
    m_y += metrics.lineSpacing() + metrics.lineSpacing() / 2;
}

void CStudyPage::Lines(const QStringList& lines) {
    const QFontMetrics metrics(m_body, m_painter.device());
    m_painter.setFont(m_body);
    for (const QString& line : lines) {
        const QRect box(m_page.left(), m_y, m_page.width(), m_page.bottom() - m_y);
        QRect used;
        m_painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, &used);
        m_y += std::max(used.height(), metrics.lineSpacing());
    }
    m_y += metrics.lineSpacing() / 2;
}

namespace {

constexpr double kPrintedChartWidthPx = 900.0;  // the chart's width on paper in its own pixels

// Draws the chart of `view` into `target`, laid out afresh at a width that reads well on paper (its
// texts about 7 pt across a page) whatever the size of the window showing it; the chart gets its own
// size back before anything repaints.
void RenderForPaper(QGraphicsView& view, QPainter& painter, const QRectF& target) {
    auto* pChartView = qobject_cast<QChartView*>(&view);
    if (!pChartView || target.width() <= 0.0 || target.height() <= 0.0) {
        RenderChart(view, painter, target);
        return;
    }
    QChart& chart = *pChartView->chart();
    const QSizeF shown = chart.size();
    const QSizeF paper(kPrintedChartWidthPx, kPrintedChartWidthPx * target.height() / target.width());
    chart.resize(paper);
    if (QGraphicsLayout* pLayout = chart.layout()) pLayout->activate();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    chart.scene()->render(&painter, target, QRectF(chart.pos(), paper), Qt::KeepAspectRatio);
    painter.restore();
    chart.resize(shown);
    if (QGraphicsLayout* pLayout = chart.layout()) pLayout->activate();
}

}  // namespace

void CStudyPage::Chart(QGraphicsView& view, double dHeightShare) {
    const QRectF area(m_page.left(), m_y, m_page.width(), m_page.height() * dHeightShare);
    RenderForPaper(view, m_painter, area);
    m_y = static_cast<int>(area.bottom()) + QFontMetrics(m_body, m_painter.device()).lineSpacing();
}

void CStudyPage::Table(const QAbstractItemModel& model) {
    QFont cellFont = m_body;
    cellFont.setPointSizeF(8.0);
    QFont boldFont = cellFont;
    boldFont.setBold(true);
    const QFontMetrics metrics(cellFont, m_painter.device());
    const QFontMetrics boldMetrics(boldFont, m_painter.device());
    const int nLine = metrics.lineSpacing();
    const int nGap = metrics.averageCharWidth() * 2;
    const int nColumns = model.columnCount();
    const int nRows = model.rowCount();
    std::vector<double> widths(nColumns, 0.0);
    double dTotal = 0.0;
    for (int c = 0; c < nColumns; ++c) {
        widths[c] = boldMetrics.horizontalAdvance(model.headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < nRows; ++r)
            widths[c] = std::max<double>(widths[c],
                                         boldMetrics.horizontalAdvance(model.index(r, c).data().toString()));
        widths[c] += nGap;
        dTotal += widths[c];
    }
    // A first column whose cells carry a colour (or an icon of one) gets a swatch before its text, as the
    // table on screen shows which curve of the chart a row is.
    const int nSwatch = nLine * 2 / 3;
    bool bSwatches = false;
    for (int r = 0; r < nRows && !bSwatches; ++r) {
        const QVariant decoration = model.index(r, 0).data(Qt::DecorationRole);
        bSwatches = decoration.canConvert<QColor>() || decoration.canConvert<QIcon>();
    }
    if (bSwatches && nColumns > 0) {
        widths[0] += nSwatch + nLine / 4;
        dTotal += nSwatch + nLine / 4;
    }
    const double dScale = dTotal > m_page.width() ? m_page.width() / dTotal : 1.0;
    auto drawSwatch = [&](int r, QRect& cell) {
        const QVariant decoration = model.index(r, 0).data(Qt::DecorationRole);
        const QRect swatch(cell.left(), cell.top() + (nLine - nSwatch) / 2, nSwatch, nSwatch);
        if (decoration.typeId() == QMetaType::QColor)
            m_painter.fillRect(swatch, decoration.value<QColor>());
        else if (decoration.typeId() == QMetaType::QIcon)
            decoration.value<QIcon>().paint(&m_painter, swatch);
        cell.setLeft(cell.left() + nSwatch + nLine / 4);
    };
    auto drawRow = [&](auto cellText, bool bBold, int nRow) {
        const QFont& font = bBold ? boldFont : cellFont;
        m_painter.setFont(font);
        double x = m_page.left();
        for (int c = 0; c < nColumns; ++c) {
            const double dWidth = widths[c] * dScale;
            QRect cell(static_cast<int>(x), m_y, static_cast<int>(dWidth) - nGap / 2, nLine);
            if (c == 0 && bSwatches && nRow >= 0) drawSwatch(nRow, cell);
            m_painter.drawText(
                cell, Qt::AlignLeft | Qt::AlignVCenter,
                (bBold ? boldMetrics : metrics).elidedText(cellText(c), Qt::ElideRight, cell.width()));
            x += dWidth;
        }
        m_y += nLine;
    };
    drawRow([&](int c) { return model.headerData(c, Qt::Horizontal).toString(); }, true, -1);
    for (int r = 0; r < nRows; ++r) {
        // The last line that fits says what is left out rather than showing one more row.
        if (m_y + 2 * nLine > m_page.bottom() && r < nRows - 1) {
            m_painter.setFont(cellFont);
            m_painter.drawText(
                QPoint(m_page.left(), m_y + metrics.ascent()),
                QStringLiteral("... and %1 more rows (see the window or the exported file)").arg(nRows - r));
            m_y += nLine;
            return;
        }
        const bool bBold = model.index(r, 0).data(Qt::FontRole).value<QFont>().bold();
        drawRow([&](int c) { return model.index(r, c).data().toString(); }, bBold, r);
    }
    m_y += nLine / 2;
}
