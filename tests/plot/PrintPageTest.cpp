#include <QPaintEngine>
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
    const UnitSystem axis = DisplayUnitsOfCode(record.inputs.m_nUnits);
    const CalculationResult held = HeldResult(curve, dStopTime, record.inputs.m_nPgHigh, axis);
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRect pageRect = QRect(QPoint(0, 0), imageSize).adjusted(20, 20, -20, -20);
    QPainter painter(&image);
    PrintCoolingPage(painter, pageRect, record, PlotInputs{bCalculated, axis, held});
    painter.end();
    return {image, pageRect};
}

// A page of 850 x 1100 pixels at 100 dpi that keeps the texts drawn on it and nothing else.
class TextRecorder : public QImage {
public:
    TextRecorder() : QImage(850, 1100, QImage::Format_RGB32), m_engine(m_texts) {
        setDotsPerMeterX(3937);
        setDotsPerMeterY(3937);
    }
    const QStringList& Texts() const { return m_texts; }
    QPaintEngine* paintEngine() const override { return &m_engine; }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(QStringList& texts) : QPaintEngine(AllFeatures), m_texts(texts) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { m_texts << item.text(); }
        Type type() const override { return User; }

    private:
        QStringList& m_texts;
    };

    QStringList m_texts;
    mutable Engine m_engine;
};

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
    void resultSentences_data();
    void resultSentences();
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
        const CalculationResult held = HeldResult(curve, dStopTime, 4, UnitSystem::English);
        PrintCoolingPage(painter, pageRect, record, PlotInputs{true, UnitSystem::English, held});
        QVERIFY(painter.end());
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 5000);
}

// Rows: the results the form holds, and the two sentences the page states them in (start before stop).
void PrintPageTest::resultSentences_data() {
    QTest::addColumn<int>("startTime");
    QTest::addColumn<double>("stopTime");
    QTest::addColumn<QString>("startSentence");
    QTest::addColumn<QString>("stopSentence");
    QTest::newRow("Run A") << 14 << 68.0
                           << "The recommended compaction start time is: 14 minutes after laydown."
                           << "The recommended compaction stop time is: 68 minutes after laydown.";
    QTest::newRow("slow cooling") << 120 << 120.0
                                  << "The recommended compaction start time is: 120 minutes after laydown."
                                  << "The recommended compaction stop time is: 120 minutes after laydown.";
    QTest::newRow("rapid cooling") << 0 << 5.0
                                   << "The recommended compaction start time is: 0 minutes after laydown."
                                   << "The recommended compaction stop time is: 5 minutes after laydown.";
}

void PrintPageTest::resultSentences() {
    QFETCH(int, startTime);
    QFETCH(double, stopTime);
    QFETCH(QString, startSentence);
    QFETCH(QString, stopSentence);
    FormRecord record;
    record.m_nStartTime = startTime;
    record.m_dStopTime = stopTime;
    const CalculationResult held =
        HeldResult(MakeCurve(0, [](int) { return 150.0; }), stopTime, 4, UnitSystem::English);
    TextRecorder page;
    QPainter painter(&page);
    PrintCoolingPage(painter, QRect(0, 0, 850, 1100), record, PlotInputs{false, UnitSystem::English, held});
    painter.end();
    const QStringList& texts = page.Texts();
    const qsizetype nStart = texts.indexOf(startSentence);
    QVERIFY2(nStart >= 0, qPrintable(texts.join('|')));
    QCOMPARE(texts.indexOf(stopSentence), nStart + 1);
}

REGISTER_TEST_SUITE(PrintPageTest);
#include "PrintPageTest.moc"
