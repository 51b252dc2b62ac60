#include <QAbstractItemModel>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include "CompareWindow.h"
#include "NamedRuns.h"
#include "Screenshots.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "TestFiles.h"
#include "WindowFixture.h"

namespace {

// Run A, then Run A with air 15 C, then with wind 20 km/h, kept in that order.
void KeepThree(WindowFixture& fixture) {
    fixture.CalculateAndKeep(RunA());
    SimulationInputs warm = RunA();
    warm.m_dAirTemp = 15.0;
    fixture.CalculateAndKeep(warm);
    SimulationInputs windy = RunA();
    windy.m_dWindSpeed = 20.0;
    fixture.CalculateAndKeep(windy);
}

QStringList Column(const QTableView& table, int nColumn) {
    QStringList texts;
    for (int r = 0; r < table.model()->rowCount(); ++r)
        texts << table.model()->index(r, nColumn).data().toString();
    return texts;
}

// The names of the curves in the chart's legend, in order.
QStringList CurveNames(const QChartView& view) {
    QStringList names;
    for (QAbstractSeries* pSeries : view.chart()->series()) {
        if (qobject_cast<QLineSeries*>(pSeries)) names << pSeries->name();
    }
    return names;
}

QValueAxis& TemperatureAxis(const QChartView& view) {
    return *qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Vertical).front());
}

// Plays the user picking `path` in the save dialog.
ScriptedUiServices::DialogHandler SaveAs(const QString& path) {
    return [path](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(path);
        return IDOK;
    };
}

// The window open and active with three scenarios kept.
struct OpenWindow {
    OpenWindow() : window(fixture.context, nullptr) {
        KeepThree(fixture);
        window.ShowModeless();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fixture.ui.ClearRecords();
    }
    WindowFixture fixture;
    CCompareWindow window;
};

}  // namespace

// Tools > Compare Scenarios as the user works with it: the chart and the table, labels typed, scenarios
// removed, the comparison exported and printed, and the form's unit switch followed.
class CompareWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsEveryKeptScenarioOnTheChartAndInTheTable();
    void typedLabelRenamesTheScenarioAndEnterKeepsTheWindowOpen();
    void keyboardMovesOnClosesAndRemoves();
    void removeMakesTheNextTheBaseAndClearEmptiesTheWindow();
    void exportWritesTheComparisonOrSaysWhyNot_data();
    void exportWritesTheComparisonOrSaysWhyNot();
    void printPutsThePageOnThePrinter();
    void unitsFollowTheFormSwitch();
};

void CompareWindowTest::showsEveryKeptScenarioOnTheChartAndInTheTable() {
    OpenWindow open;
    const QTableView& table = open.window.Table();
    QCOMPARE(Column(table, 0), (QStringList{"Base", "Air 15 C", "Wind 20 km/h"}));
    QCOMPARE(Column(table, 1), (QStringList{"(base of the comparison)", "Air 15 C", "Wind 20 km/h"}));
    QCOMPARE(Column(table, 3)[0], QStringLiteral("68"));
    QCOMPARE(CurveNames(open.window.CurvesView()), Column(table, 0));
    // A start and a stop mark a scenario, plus the two entries of the legend's key.
    QCOMPARE(open.window.CurvesView().chart()->series().size(), 3 * 3 + 2);
    const QValueAxis& temperature = TemperatureAxis(open.window.CurvesView());
    QCOMPARE(temperature.titleText(), QStringLiteral("Temperature, C"));
    const CoolingCurve& curve = open.fixture.kept.Scenarios().front().curve;
    QVERIFY(temperature.min() <= curve.m_dCurveTemp[curve.m_nLastSample]);
    QVERIFY(temperature.max() >= curve.m_dCurveTemp[0]);
    open.window.resize(960, 720);  // the offscreen screen is smaller than the window's usual size
    QVERIFY(SaveScreenshot(open.window.grab().toImage(), QStringLiteral("tools_compare.png")));
}

void CompareWindowTest::typedLabelRenamesTheScenarioAndEnterKeepsTheWindowOpen() {
    OpenWindow open;
    QTableView& table = open.window.Table();
    table.setFocus();
    table.setCurrentIndex(table.model()->index(1, 0));
    // Keys go where the focus is: the first one opens the label's editor, which takes the rest.
    for (QChar c : QStringLiteral("Warm afternoon"))
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(Column(table, 0)[1], QStringLiteral("Warm afternoon"));
    QCOMPARE(CurveNames(open.window.CurvesView())[1], QStringLiteral("Warm afternoon"));
    QVERIFY(open.window.isVisible());

    // Emptied, the label is made from the inputs again.
    QTest::keyClick(&table, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(Column(table, 0)[1], QStringLiteral("Air 15 C"));
}

void CompareWindowTest::keyboardMovesOnClosesAndRemoves() {
    OpenWindow open;
    QTableView& table = open.window.Table();
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &open.window.RemoveButton());

    table.setFocus();
    table.setCurrentIndex(table.model()->index(2, 0));
    QTest::keyClick(&table, Qt::Key_Delete);
    QCOMPARE(Column(table, 0), (QStringList{"Base", "Air 15 C"}));

    QTest::keyClick(&table, Qt::Key_Escape);
    QVERIFY(!open.window.isVisible());
    open.window.ShowModeless();
    QVERIFY(QTest::qWaitForWindowActive(&open.window));
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_Return);  // Close is the default button
    QVERIFY(!open.window.isVisible());
    QCOMPARE(open.fixture.kept.Count(), 2);  // closing keeps the scenarios
}

void CompareWindowTest::removeMakesTheNextTheBaseAndClearEmptiesTheWindow() {
    OpenWindow open;
    QTableView& table = open.window.Table();
    table.selectRow(0);
    QTest::mouseClick(&open.window.RemoveButton(), Qt::LeftButton);
    QCOMPARE(Column(table, 0), (QStringList{"Base", "Air 10 C, Wind 20 km/h"}));
    QCOMPARE(CurveNames(open.window.CurvesView()).size(), 2);

    QTest::mouseClick(&open.window.ClearButton(), Qt::LeftButton);
    QCOMPARE(table.model()->rowCount(), 0);
    QCOMPARE(CurveNames(open.window.CurvesView()), QStringList{});
    for (QPushButton* pButton : {&open.window.RemoveButton(), &open.window.ClearButton(),
                                 &open.window.ExportButton(), &open.window.PrintButton()})
        QVERIFY2(!pButton->isEnabled(), qPrintable(pButton->text()));
}

void CompareWindowTest::exportWritesTheComparisonOrSaysWhyNot_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bWritten");
    QTest::newRow("a new file") << "comparison.csv" << true;
    QTest::newRow("a folder that does not exist") << "missing/comparison.csv" << false;
}

void CompareWindowTest::exportWritesTheComparisonOrSaysWhyNot() {
    QFETCH(QString, name);
    QFETCH(bool, bWritten);
    OpenWindow open;
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    open.fixture.ui.QueueDialog(SaveAs(path));

    QTest::mouseClick(&open.window.ExportButton(), Qt::LeftButton);

    QCOMPARE(DialogClasses(open.fixture.ui), QStringList{"QFileDialog"});
    if (bWritten) {
        QCOMPARE(MessageTexts(open.fixture.ui), QStringList{});
        const QByteArray csv = ReadFileBytes(path);
        QCOMPARE(csv,
                 QByteArray::fromStdString(ComparisonCsv(open.fixture.kept.Scenarios(), UnitSystem::SI)));
        QCOMPARE(csv.count("\r\n"), 4);
        QVERIFY(csv.contains("\r\nBase,(base of the comparison),"));
    } else {
        const QStringList messages = MessageTexts(open.fixture.ui);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("comparison.csv") && messages[0].endsWith("Nothing was exported."),
                 qPrintable(messages[0]));
        QVERIFY(!QFile::exists(path));
    }
}

void CompareWindowTest::printPutsThePageOnThePrinter() {
    OpenWindow open;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("comparison.pdf"));
    open.fixture.ui.QueueDialog([path](QDialog& dialog) {
        QPrinter* pPrinter = static_cast<QPrintDialog&>(dialog).printer();
        pPrinter->setOutputFormat(QPrinter::PdfFormat);
        pPrinter->setOutputFileName(path);
        return IDOK;
    });
    QTest::mouseClick(&open.window.PrintButton(), Qt::LeftButton);
    QCOMPARE(DialogClasses(open.fixture.ui), QStringList{"QPrintDialog"});
    QCOMPARE(MessageTexts(open.fixture.ui), QStringList{});
    QVERIFY(ReadFileBytes(path).startsWith("%PDF-"));
}

void CompareWindowTest::unitsFollowTheFormSwitch() {
    OpenWindow open;
    open.fixture.ClickUnits(UnitSystem::English);
    const QTableView& table = open.window.Table();
    QCOMPARE(Column(table, 0), (QStringList{"Base", "Air 59 F", "Wind 12.43 mph"}));
    QCOMPARE(TemperatureAxis(open.window.CurvesView()).titleText(), QStringLiteral("Temperature, F"));
    QVERIFY(TemperatureAxis(open.window.CurvesView()).max() > 165.0);
}

REGISTER_TEST_SUITE(CompareWindowTest);
#include "CompareWindowTest.moc"
