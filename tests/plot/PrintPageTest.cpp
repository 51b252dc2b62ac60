#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include "PrintLayout.h"
#include "RenderedPlot.h"
#include "Screenshots.h"
#include "SuiteMain.h"

namespace {

struct PrintedPage {
    QImage image;
    QRect pageRect;
};

PrintedPage PrintOnImage(const QSize& imageSize, bool bCalculated, const CoolingCurve& curve,
                         double dStopTime) {
    FormRecord record;
    record.m_dStopTime = dStopTime;
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRect pageRect = QRect(QPoint(0, 0), imageSize).adjusted(20, 20, -20, -20);
    QPainter painter(&image);
    PrintCoolingPage(painter, pageRect, record,
                     PlotInputs{bCalculated, record.m_nUnits, record.m_nPgHigh, dStopTime, curve});
    painter.end();
    return {image, pageRect};
}

bool IsDark(QColor c) { return qGray(c.rgb()) < 100; }
bool IsVisibleInk(QColor c) { return qGray(c.rgb()) < 220; }
bool IsChartGrey(QColor c) { return (c.rgb() & 0xFFFFFFu) == (kGrey.rgb() & 0xFFFFFFu); }
bool IsCurveYellow(QColor c) { return (c.rgb() & 0xFFFFFFu) == (kYellow.rgb() & 0xFFFFFFu); }

}  // namespace

// The printed page: title, inputs, results and the chart, on an image and in a PDF.
class PrintPageTest : public QObject {
    Q_OBJECT
private slots:
    void pageShowsTextAndChart_data();
    void pageShowsTextAndChart();
    void pdfPageIsWritten();
};

void PrintPageTest::pageShowsTextAndChart_data() {
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<bool>("calculated");
    QTest::newRow("letter page at 100 dpi, after Run A") << QSize(850, 1100) << true;
    QTest::newRow("letter page at 100 dpi, before calculation") << QSize(850, 1100) << false;
    QTest::newRow("landscape page, after Run A") << QSize(1100, 850) << true;
    QTest::newRow("a page too small for the text at full size") << QSize(320, 260) << true;
}

void PrintPageTest::pageShowsTextAndChart() {
    QFETCH(QSize, imageSize);
    QFETCH(bool, calculated);
    double dStopTime = 0.0;
    const CoolingCurve curve = RunACurve(&dStopTime);
    const PrintedPage page = PrintOnImage(imageSize, calculated, curve, dStopTime);
    const QImage& img = page.image;
    const QRect& r = page.pageRect;

    // Ink in the title band at the top, the chart's grey area below the text.
    QVERIFY(CountPixels(img, QRect(r.left(), r.top(), r.width(), r.height() / 30 + 4), IsDark) > 20);
    const int nGrey = CountPixels(img, r, IsChartGrey);
    QVERIFY2(nGrey > r.width() * r.height() / 12, qPrintable(QString::number(nGrey)));
    const int nChartTop = [&] {
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (CountPixels(img, QRect(r.left(), y, r.width(), 1), IsChartGrey) > r.width() / 4) return y;
        return r.bottom();
    }();
    QVERIFY2(nChartTop > r.top() + r.height() / 4, qPrintable(QString::number(nChartTop)));  // text first
    // The curve adds far more yellow than the legend's short line.
    const QImage before = PrintOnImage(imageSize, false, curve, dStopTime).image;
    const int nYellowBefore = CountPixels(before, r, IsCurveYellow);
    QCOMPARE(CountPixels(img, r, IsCurveYellow) > 4 * nYellowBefore + 20, calculated);
    if (imageSize == QSize(850, 1100) && calculated) {
        QVERIFY(SaveScreenshot(img, "printed_page_run_a.png"));
    }
    // Nothing falls outside the page rectangle (a glyph's faint smoothing fringe aside).
    const QRect whole(QPoint(0, 0), imageSize);
    QCOMPARE(CountPixels(img, whole, IsVisibleInk), CountPixels(img, r, IsVisibleInk));
}

void PrintPageTest::pdfPageIsWritten() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("page.pdf");
    double dStopTime = 0.0;
    const CoolingCurve curve = RunACurve(&dStopTime);
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        QPainter painter(&writer);
        const QRect pageRect(QPoint(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
        FormRecord record;
        record.m_dStopTime = dStopTime;
        PrintCoolingPage(painter, pageRect, record, PlotInputs{true, 1, 4, dStopTime, curve});
        QVERIFY(painter.end());
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 5000);
}

REGISTER_TEST_SUITE(PrintPageTest);
#include "PrintPageTest.moc"
