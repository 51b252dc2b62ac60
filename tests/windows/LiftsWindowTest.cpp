#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include "CDravonelView.h"
#include "LiftsChart.h"
#include "LiftsReport.h"
#include "LiftsWindow.h"
#include "NamedRuns.h"
#include "Resource.h"
#include "Screenshots.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "TestFiles.h"
#include "UserInput.h"
#include "WindowFixture.h"

namespace {

// 50 mm at 150 C, 10 C air, 10 km/h wind, 15 June 2026 12:00, on the form (SI) without calculating.
SimulationInputs FirstLift() {
    SimulationInputs in = SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 10.0, 50.0, 150.0, 10.0);
    in.m_nYear = 2026;
    return in;
}

void PutOnForm(WindowFixture& fixture, const SimulationInputs& inputs) {
    fixture.view->m_form.inputs = inputs;
    fixture.view->UpdateData(false);
}

// In a field that has the focus, as the user types over it.
void TypeOver(QWidget& field, const QString& text) {
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
}

QStringList Row(const QTableWidget& table, int nRow) {
    QStringList texts;
    for (int c = 0; c < table.columnCount(); ++c)
        texts << (table.item(nRow, c) ? table.item(nRow, c)->text() : "");
    return texts;
}

QStringList CurveNames(const QChartView& view) {
    QStringList names;
    for (QAbstractSeries* pSeries : view.chart()->series())
        if (qobject_cast<QLineSeries*>(pSeries)) names << pSeries->name();
    return names;
}

QString AxisTitle(const QChartView& view, Qt::Orientation orientation) {
    return qobject_cast<QValueAxis*>(view.chart()->axes(orientation).front())->titleText();
}

// The form with FirstLift and the window open and active on it.
struct OpenWindow {
    OpenWindow() : window(fixture.context, nullptr) {
        PutOnForm(fixture, FirstLift());
        window.ShowModeless();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fixture.ui.ClearRecords();
    }
    // Adds a second lift at 40 minutes, 40 mm at 145 C, the way the user does.
    void AddSecondLift() {
        QTest::mouseClick(&window.AddLiftButton(), Qt::LeftButton);
        TypeOver(window.PlacementField(1), QStringLiteral("40"));
        TypeOver(window.ThicknessField(1), QStringLiteral("40"));
        TypeOver(window.DeliveryField(1), QStringLiteral("145"));
    }
    void RunAndWait() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!window.IsJobRunning());
    }
    WindowFixture fixture;
    CLiftsWindow window;
};

}  // namespace

// Tools > Lifts as the user works with it: lifts added, edited and removed, a run shown on the chart and in
// the table, refusals that put the focus on their field, a cancelled run, the unit switch, the CSV.
class LiftsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void editedLiftsRunAndShowEveryLift();
    void refusalIsSaidAndFocusesItsField_data();
    void refusalIsSaidAndFocusesItsField();
    void escCancelsTheRunAndShowsNothingOfIt();
    void unitsFollowTheFormSwitch();
    void exportWritesTheLiftsOrSaysWhyNot_data();
    void exportWritesTheLiftsOrSaysWhyNot();
};

void LiftsWindowTest::editedLiftsRunAndShowEveryLift() {
    OpenWindow open;
    CLiftsWindow& window = open.window;
    // The first lift comes from the form.
    QCOMPARE(window.ThicknessField(0).text(), QStringLiteral("50"));
    QCOMPARE(window.DeliveryField(0).text(), QStringLiteral("150"));
    QCOMPARE(window.NextLiftTempField().text(), QStringLiteral("60"));

    open.AddSecondLift();
    QTest::mouseClick(&window.AddLiftButton(), Qt::LeftButton);
    QCOMPARE(window.LiftCount(), 3);
    QCOMPARE(window.PlacementField(2).value(), 70);  // 30 minutes after the lift above, with its values
    QCOMPARE(window.ThicknessField(2).text(), QStringLiteral("40"));
    window.MixList(2).setFocus();
    QTest::keyClick(&window.MixList(2), Qt::Key_Down);
    QCOMPARE(window.MixList(2).currentText(), QStringLiteral("SMA"));
    QTest::mouseClick(&window.RemoveButton(1), Qt::LeftButton);  // the third moves up
    QCOMPARE(window.LiftCount(), 2);
    QCOMPARE(window.PlacementField(1).value(), 70);
    QCOMPARE(window.MixList(1).currentText(), QStringLiteral("SMA"));
    TypeOver(window.PlacementField(1), QStringLiteral("40"));
    window.MixList(1).setCurrentIndex(0);
    QVERIFY(window.IsEdited());

    window.ThicknessField(1).setFocus();
    open.RunAndWait();  // Enter runs

    const QTableWidget& table = window.ResultsTable();
    QCOMPARE(table.rowCount(), 2);
    LiftSequenceInputs inputs;
    inputs.site = FirstLift();
    inputs.lifts = {LiftInput{0, 50.0, 150.0, 4, 4, 0}, LiftInput{0, 40.0, 145.0, 4, 4, 40}};
    const LiftSequenceResult expected = RunLiftSequence(inputs);
    const std::vector<LiftResultRow> rows = LiftResultRows(inputs, expected, UnitSystem::SI);
    for (int r = 0; r < 2; ++r) {
        const LiftResultRow& row = rows[r];
        QCOMPARE(Row(table, r),
                 (QStringList{QString::fromStdString(row.strLift), QString::fromStdString(row.strPlaced),
                              QString::fromStdString(row.strStart), QString::fromStdString(row.strStop),
                              QString::fromStdString(row.strWindow), QString::fromStdString(row.strNextLift),
                              QString::fromStdString(row.strNotice)}));
    }
    QCOMPARE(Row(table, 1)[1], QStringLiteral("40 min (12:40)"));
    QVERIFY2(Row(table, 1)[2].startsWith(QString::number(expected.lifts[1].start.nStartTime) + " min (12:"),
             qPrintable(Row(table, 1)[2]));
    QCOMPARE(CurveNames(window.CurvesView()),
             (QStringList{"Lift 1: 50 mm, 150 C", "Lift 2 at 40 min: 40 mm, 145 C", "Next lift below 60 C"}));
    QCOMPARE(AxisTitle(window.CurvesView(), Qt::Horizontal), QString::fromUtf8(kLiftsTimeAxisTitle));
    // The second lift's curve starts at its placement on the common time axis.
    const QLineSeries* pSecond = nullptr;
    for (QAbstractSeries* pSeries : window.CurvesView().chart()->series())
        if (pSeries->name().startsWith("Lift 2")) pSecond = qobject_cast<QLineSeries*>(pSeries);
    QVERIFY(pSecond);
    QCOMPARE(pSecond->at(0), QPointF(40.0, 145.0));
    QCOMPARE(NamesAndFit(window), QString());

    window.resize(1000, 760);
    QVERIFY(SaveScreenshot(window.grab().toImage(), QStringLiteral("tools_lifts.png")));
}

void LiftsWindowTest::refusalIsSaidAndFocusesItsField_data() {
    QTest::addColumn<QString>("field");  // which field gets the bad text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("said");
    QTest::newRow("second lift two and a half hours after the first") << "placement"
                                                                      << "150"
                                                                      << "Lift 2";
    QTest::newRow("a thickness below the form's range") << "thickness"
                                                        << "5"
                                                        << "Lift 2";
    QTest::newRow("a thickness that is no number") << "thickness"
                                                   << "abc"
                                                   << "Lift 2 thickness: Please enter a number.";
    QTest::newRow("a next-lift temperature below the end of the curves") << "next"
                                                                         << "40"
                                                                         << "next";
    QTest::newRow("an air temperature typed on the form above its range") << "air"
                                                                          << "99"
                                                                          << "Correct it on the form";
}

void LiftsWindowTest::refusalIsSaidAndFocusesItsField() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, said);
    OpenWindow open;
    open.AddSecondLift();
    CLiftsWindow& window = open.window;
    QWidget* pField = nullptr;
    if (field == "placement") pField = &window.PlacementField(1);
    if (field == "thickness") pField = &window.ThicknessField(1);
    if (field == "next") pField = &window.NextLiftTempField();
    if (field == "air") {
        // Typed on the form and not left yet: the run reads the form as it shows itself.
        pField = open.fixture.view->GetDlgItem(IDC_AIR_TEMP);
        qobject_cast<QLineEdit*>(pField)->setText(text);
    } else {
        TypeOver(*pField, text);
    }
    open.fixture.ui.ClearRecords();

    QTest::mouseClick(&window.RunButton(), Qt::LeftButton);

    const QStringList messages = MessageTexts(open.fixture.ui);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(said, Qt::CaseInsensitive), qPrintable(messages[0]));
    QTRY_COMPARE(QApplication::focusWidget(), pField);
    QVERIFY(!window.IsJobRunning());
    QCOMPARE(window.ResultsTable().rowCount(), 0);
    QCOMPARE(open.fixture.view->m_form.inputs.m_dAirTemp, 10.0);  // the form's own values are untouched
}

void LiftsWindowTest::escCancelsTheRunAndShowsNothingOfIt() {
    OpenWindow open;
    open.AddSecondLift();
    CLiftsWindow& window = open.window;
    QTest::mouseClick(&window.RunButton(), Qt::LeftButton);
    QVERIFY(window.IsJobRunning());
    QVERIFY(!window.RunButton().isEnabled());
    QTest::keyClick(&window, Qt::Key_Escape);  // the result cannot arrive before this: no events ran
    QTRY_VERIFY(!window.IsJobRunning());
    QCOMPARE(window.ResultsTable().rowCount(), 0);
    QCOMPARE(CurveNames(window.CurvesView()), QStringList{});
    QVERIFY(window.isVisible());
    QVERIFY(!window.ExportButton().isEnabled());
}

void LiftsWindowTest::unitsFollowTheFormSwitch() {
    OpenWindow open;
    open.AddSecondLift();
    open.RunAndWait();
    CLiftsWindow& window = open.window;
    const QStringList siRow = Row(window.ResultsTable(), 1);

    open.fixture.ClickUnits(UnitSystem::English);
    QCOMPARE(window.ThicknessField(1).text(), QStringLiteral("1.57"));
    QCOMPARE(window.DeliveryField(1).text(), QStringLiteral("293"));
    QCOMPARE(window.NextLiftTempField().text(), QStringLiteral("140"));
    QCOMPARE(window.ThicknessField(1).accessibleName(), QStringLiteral("Lift 2 thickness, in."));
    QCOMPARE(AxisTitle(window.CurvesView(), Qt::Vertical), QStringLiteral("Temperature, F"));
    QCOMPARE(CurveNames(window.CurvesView()).last(), QStringLiteral("Next lift below 140 F"));
    QCOMPARE(Row(window.ResultsTable(), 1).mid(0, 2), siRow.mid(0, 2));

    // Back again: the texts typed in SI come back as they were.
    open.fixture.ClickUnits(UnitSystem::SI);
    QCOMPARE(window.DeliveryField(1).text(), QStringLiteral("145"));
    QCOMPARE(window.NextLiftTempField().text(), QStringLiteral("60"));
}

void LiftsWindowTest::exportWritesTheLiftsOrSaysWhyNot_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bWritten");
    QTest::newRow("a new file") << "lifts.csv" << true;
    QTest::newRow("a folder that does not exist") << "missing/lifts.csv" << false;
}

void LiftsWindowTest::exportWritesTheLiftsOrSaysWhyNot() {
    QFETCH(QString, name);
    QFETCH(bool, bWritten);
    OpenWindow open;
    open.AddSecondLift();
    open.RunAndWait();
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    open.fixture.ui.QueueDialog([path](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(path);
        return IDOK;
    });

    QTest::mouseClick(&open.window.ExportButton(), Qt::LeftButton);

    if (!bWritten) {
        const QStringList messages = MessageTexts(open.fixture.ui);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("lifts.csv") && messages[0].endsWith("Nothing was exported."),
                 qPrintable(messages[0]));
        QVERIFY(!QFile::exists(path));
        return;
    }
    QCOMPARE(MessageTexts(open.fixture.ui), QStringList{});
    const QList<QByteArray> lines = ReadFileBytes(path).split('\n');
    QCOMPARE(lines.size(), 4);  // header, two lifts, nothing after the last line end
    QVERIFY(lines[0].startsWith("Lift,Placed at (min),Placed at (clock),Thickness (mm),Delivery (C),"));
    QVERIFY2(lines[2].startsWith("2,40,12:40,40,145,Dense Graded,58,-34,"), lines[2].constData());
    QVERIFY(lines[2].endsWith(",60,\r"));
}

REGISTER_TEST_SUITE(LiftsWindowTest);
#include "LiftsWindowTest.moc"
