#include "PrintLayout.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "FieldText.h"

namespace {

constexpr const char* kPageTitle = "KELVANOR 2.0 - Pavement Cooling Program";
constexpr double kTitlePoints = 14.0;
constexpr double kBodyPoints = 10.0;
// The chart is laid out at about its on-screen size and scaled onto the page as a whole, so its
// pixel geometry (ticks, legend offsets, label places) keeps the proportions it has on the form.
constexpr int kChartBoxWidthPx = 520;
constexpr int kChartBoxHeightPx = 420;
constexpr int kChartFontPx = 11;

struct PrintLine {
    bool bHeading;
    QString text;
};
using PrintColumn = std::vector<PrintLine>;

QString Text(const std::string& s) { return QString::fromStdString(s); }

// A list entry by index; an index outside the list (-1: nothing selected) shows nothing, as the form does.
template <int N>
QString ListEntry(const char* const (&names)[N], int nIndex) {
    return nIndex >= 0 && nIndex < N ? QString(names[nIndex]) : QString();
}

QString Field(const char* pszLabel, double dValue, const std::string& strUnit) {
    QString text = QString(pszLabel) + ' ' + Text(FormatFieldDouble(dValue));
    if (!strUnit.empty()) text += ' ' + Text(strUnit);
    return text;
}

QString Entry(const char* pszLabel, const QString& value) { return QString(pszLabel) + ' ' + value; }

PrintColumn LeftColumn(const FormRecord& r) {
    const QString grade =
        ListEntry(kPgHighNames, r.inputs.m_nPgHigh) + ListEntry(kPgLowNames, r.inputs.m_nPgLow);
    return {
        {true, "Environmental Conditions"},
        {false, Field("Ambient Air Temp.:", r.inputs.m_dAirTemp, r.m_strAirTempUnit)},
        {false, Field("Average Wind Speed:", r.inputs.m_dWindSpeed, r.m_strWindUnit)},
        {false, Entry("Sky Conditions:", ListEntry(kSkyConditionNames, r.inputs.m_nSkyCondition))},
        {false, Field("Latitude (Deg North):", r.inputs.m_dLatitude, "")},
        {true, "Mix Specifications"},
        {false, Entry("Mix Type:", ListEntry(kMixTypeNames, r.inputs.m_nMixType))},
        {false, Entry("PG Grade:", grade)},
        {false, Field("Lift Thickness:", r.inputs.m_dLiftThickness, r.m_strLiftUnit)},
        {false, Field("Delivery Temp:", r.inputs.m_dDeliveryTemp, r.m_strDeliveryTempUnit)},
    };
}

PrintColumn RightColumn(const FormRecord& r) {
    return {
        {true, "Existing Surface"},
        {false, Entry("Material Type:", ListEntry(kMaterialTypeNames, r.inputs.m_nMaterialType))},
        {false, Entry("Moisture Content:", ListEntry(kMoistureContentNames, r.inputs.m_nMoistureContent))},
        {false, Entry("State of Moisture:", ListEntry(kMoistureStateNames, r.inputs.m_nMoistureState))},
        {false, Field("Surface Temp.:", r.inputs.m_dSurfaceTemp, r.m_strSurfaceTempUnit)},
        {true, "Units"},
        {false, DisplayUnitsOfCode(r.inputs.m_nUnits) == UnitSystem::SI ? QString("SI") : QString("English")},
    };
}

PrintColumn HeaderLines(const FormRecord& r) {
    return {
        {false, QString("Paving date: Month %1, Day %2, Year %3")
                    .arg(Text(FormatFieldInt(r.inputs.m_nMonth)), Text(FormatFieldInt(r.inputs.m_nDay)),
                         Text(FormatFieldInt(r.inputs.m_nYear)))},
        {false, QString("Paving time (military): Hour %1, Minutes %2")
                    .arg(Text(FormatFieldInt(r.inputs.m_nHour)), Text(FormatFieldInt(r.inputs.m_nMinute)))},
    };
}

PrintColumn ResultLines(int nStartTime, double dStopTime) {
    return {
        {false, QString("The recommended compaction start time is: %1 minutes after laydown.")
                    .arg(Text(FormatFieldInt(nStartTime)))},
        {false, QString("The recommended compaction stop time is: %1 minutes after laydown.")
                    .arg(Text(FormatFieldDouble(dStopTime)))},
    };
}

// Fonts in points follow the device's resolution; `scale` shrinks them when a small page needs it.
struct PageFonts {
    QFont title, body, heading;
    int nLineHeight;
};

PageFonts MakeFonts(const QFont& base, QPaintDevice* pDevice, double scale) {
    PageFonts fonts{base, base, base, 0};
    fonts.title.setPointSizeF(kTitlePoints * scale);
    fonts.title.setBold(true);
    fonts.body.setPointSizeF(kBodyPoints * scale);
    fonts.heading = fonts.body;
    fonts.heading.setBold(true);
    fonts.nLineHeight = QFontMetrics(fonts.body, pDevice).lineSpacing();
    return fonts;
}

// Draws the lines top-down from y in a column of the given width; returns the y below the last line.
int DrawColumn(QPainter& painter, const PageFonts& fonts, const PrintColumn& lines, int x, int y,
               int nWidth) {
    for (const PrintLine& line : lines) {
        const QFont& font = line.bHeading ? fonts.heading : fonts.body;
        painter.setFont(font);
        const QFontMetrics metrics(font, painter.device());
        painter.drawText(QPoint(x, y + metrics.ascent()),
                         metrics.elidedText(line.text, Qt::ElideRight, nWidth));
        y += fonts.nLineHeight;
    }
    return y;
}

int TextBlockLines() {
    // Title (counted as two lines), gap, header, gap, the taller column, gap, results, gap.
    return 2 + 1 + 2 + 1 + 10 + 1 + 2 + 1;
}

// The chart inside a frame captioned like the form's group box, scaled as a whole into `area`.
void DrawChart(QPainter& painter, const QRect& area, const PlotInputs& plot) {
    const double scale =
        std::min(area.width() / double(kChartBoxWidthPx), area.height() / double(kChartBoxHeightPx));
    if (scale <= 0.0) return;  // no room for a chart

    painter.save();
    painter.translate(area.left() + (area.width() - kChartBoxWidthPx * scale) / 2.0, area.top());
    painter.scale(scale, scale);
    QFont chartFont = painter.font();
    chartFont.setPixelSize(kChartFontPx);
    painter.setFont(chartFont);
    painter.setPen(Qt::black);

    const QRect box(0, 0, kChartBoxWidthPx, kChartBoxHeightPx);
    // A hairline frame inside the box, broken by its caption as a group box's frame is.
    QPen frame(Qt::black);
    frame.setCosmetic(true);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box).adjusted(0.5, kChartFontPx / 2.0, -0.5, -0.5));
    const QString caption = QStringLiteral("Cooling Curve");
    const QFontMetrics metrics(chartFont, painter.device());
    painter.fillRect(QRect(6, 0, metrics.horizontalAdvance(caption) + 4, metrics.height()), Qt::white);
    painter.drawText(QPoint(8, metrics.ascent()), caption);
    // The same inset the form gives its chart: a fifteenth of the box's width on every side.
    const int nInset = box.width() / 15;
    PaintCoolingPlot(painter, box.adjusted(nInset, nInset, -nInset, -nInset), plot);
    painter.restore();
}

}  // namespace

void PrintCoolingPage(QPainter& painter, const QRect& pageRect, const FormRecord& record,
                      const PlotInputs& plot) {
    painter.save();
    // Shrink the text on a page too small for it, keeping at least half the page for the chart.
    const PageFonts natural = MakeFonts(painter.font(), painter.device(), 1.0);
    const int nTextHeight = natural.nLineHeight * TextBlockLines();
    const double scale = std::clamp(pageRect.height() / 2.0 / std::max(1, nTextHeight), 0.25, 1.0);
    const PageFonts fonts = scale < 1.0 ? MakeFonts(painter.font(), painter.device(), scale) : natural;
    const int nGap = fonts.nLineHeight;

    const int nChartTop = pageRect.top() + fonts.nLineHeight * TextBlockLines();
    DrawChart(painter, QRect(pageRect.left(), nChartTop, pageRect.width(), pageRect.bottom() - nChartTop),
              plot);

    painter.setPen(Qt::black);
    painter.setFont(fonts.title);
    const QFontMetrics titleMetrics(fonts.title, painter.device());
    int y = pageRect.top();
    painter.drawText(QPoint(pageRect.left(), y + titleMetrics.ascent()), kPageTitle);
    y += 2 * fonts.nLineHeight + nGap;

    const int nHalf = pageRect.width() / 2;
    y = DrawColumn(painter, fonts, HeaderLines(record), pageRect.left(), y, pageRect.width()) + nGap;
    const int yLeft = DrawColumn(painter, fonts, LeftColumn(record), pageRect.left(), y, nHalf - nGap);
    const int yRight = DrawColumn(painter, fonts, RightColumn(record), pageRect.left() + nHalf, y, nHalf);
    y = std::max(yLeft, yRight) + nGap;
    DrawColumn(painter, fonts, ResultLines(record.m_nStartTime, record.m_dStopTime), pageRect.left(), y,
               pageRect.width());
    painter.restore();
}
