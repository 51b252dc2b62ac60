#include "PlotGeometry.h"

#include <QGuiApplication>
#include <QPainter>

#include "Calculation.h"

ChartGeometry::ChartGeometry(const QRect& r)
    : left(r.left()), top(r.top()), right(r.left() + r.width()), bottom(r.top() + r.height()), x0(left + 30),
      xr(right - 20), yb(bottom - 30), yt(top + 20), W(xr - x0), H(yb - yt)
{
}

int ChartGeometry::X(double dMinutes, int nShift) const
{
    return static_cast<int>((x0 + nShift) + W * dMinutes * 0.008333333333333333);
}

int ChartGeometry::Y(double dAxisValue, bool bFahrenheit, int nShift) const
{
    const double base = bFahrenheit ? 135.0 : 65.0;
    const double factor = bFahrenheit ? -0.005555555555555556 : -0.01;
    return static_cast<int>((yb + nShift) + (dAxisValue - base) * H * factor);
}

QRect TestPlotRect() { return QRect(24, 30, 380, 330); }

QSize TestImageSize() { return QSize(440, 400); }

RenderedPlot RenderPlot(const PlotInputs& inputs)
{
    QImage image(TestImageSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = QGuiApplication::font();
    font.setPixelSize(11);
    painter.setFont(font);
    const PlotOutcome outcome = PaintCoolingPlot(painter, TestPlotRect(), inputs);
    painter.end();
    return {image, outcome};
}

CoolingCurve MakeCurve(int nLastSample, const std::function<double(int)>& tempOfSample)
{
    CoolingCurve curve;
    curve.m_nLastSample = nLastSample;
    double dMinutes = 0.0;
    for (int i = 0; i <= nLastSample; ++i) {
        curve.m_dCurveTime[i] = dMinutes;
        curve.m_dCurveTemp[i] = tempOfSample(i);
        dMinutes = dMinutes + 0.3333333333333333;
    }
    return curve;
}

CoolingCurve RunACurve(double* pStopTime)
{
    SimulationInputs in;
    in.m_nUnits = UNITS_SI;
    in.m_nMonth = 6;
    in.m_nDay = 15;
    in.m_nHour = 12;
    in.m_nMinute = 0;
    in.m_dLatitude = 45.0;
    in.m_nSkyCondition = 0;
    in.m_dAirTemp = 10.0;
    in.m_dWindSpeed = 8.0;
    in.m_dLiftThickness = 75.0;
    in.m_nMixType = 0;
    in.m_dDeliveryTemp = 150.0;
    in.m_nMaterialType = 2;
    in.m_nMoistureContent = 0;
    in.m_nMoistureState = 1;
    in.m_dSurfaceTemp = 10.0;
    SelectedProperties properties;
    CoolingCurve curve;
    *pStopTime = RunCalculation(in, properties, curve).stop.dStopTime;
    return curve;
}

bool IsColor(const QImage& image, int x, int y, const QColor& color)
{
    return image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFFu) == (color.rgb() & 0xFFFFFFu);
}

std::vector<QPoint> PixelsOf(const QImage& image, const QRect& area, const QColor& color, const QRect& skip)
{
    std::vector<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!skip.contains(x, y) && IsColor(image, x, y, color))
                found.emplace_back(x, y);
    return found;
}
