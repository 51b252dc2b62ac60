#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

#include "HourlyWeatherCsv.h"
#include "NamedRuns.h"
#include "PlannerChart.h"
#include "PlannerWindow.h"
#include "Resource.h"
#include "Screenshots.h"
#include "ScriptedRecords.h"
#include "StudyWindowInput.h"
#include "SuiteMain.h"
#include "TestFiles.h"
#include "UserInput.h"
#include "WindowFixture.h"

namespace {

enum { TimeColumn, AirColumn, WindColumn, SkyColumn, StartColumn, StopColumn, WindowColumn };

// The window open and active on Run A.
struct OpenPlanner {
    OpenPlanner() : window(fixture.context, nullptr) {
        fixture.Calculate(RunA());
        window.ShowModeless();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fixture.ui.ClearRecords();
    }
    WindowFixture fixture;
    CPlannerWindow window;
};

// Types a clock time into the edit as a user does after tabbing to it: the hours, then the minutes.
void TypeClock(QTimeEdit& edit, const QString& text) {
    edit.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&edit, text);
}

QString Number(double dValue) { return QString::fromStdString(NumberText(dValue)); }

}  // namespace

// Tools > Paving Day Planner as the user works with it: the plan of the day on the form's scenario, the
// hourly weather typed, read and written, and the form's unit switch followed.
class PlannerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void enterPlansTheFormsDayAsThePlannerDoes();
    void typedHourlyWeatherIsReadAsTheFormReadsIt();
    void weatherFileFillsTheGridOrSaysWhereItIsWrong_data();
    void weatherFileFillsTheGridOrSaysWhereItIsWrong();
    void planAndWeatherAreExportedAndPrinted();
    void unitSwitchConvertsTemperaturesButNotMinutes();
    void aListChosenOnTheFormIsPlannedBeforeTheFormIsRead();
};

void PlannerWindowTest::enterPlansTheFormsDayAsThePlannerDoes() {
    OpenPlanner open;
    CPlannerWindow& window = open.window;
    QCOMPARE(
        window.FormLine().text(),
        QStringLiteral("From the form: 15 June 2000, latitude 45, Dense Graded (PG 58) 75 mm at 150 C on "
                       "Granular Base (dry, unfrozen) at 10 C."));
    QVERIFY(!window.ExportButton().isEnabled());

    QTest::keyClick(&window.FromEdit(), Qt::Key_Return);  // Enter anywhere presses Plan
    QVERIFY(WaitForJob(window));

    PavingDayRequest request;
    request.base = RunA();
    const PavingDayPlan expected = PlanPavingDay(request);
    const std::vector<PavingSlot>& expectedSlots = expected.timeSlots;
    const QAbstractItemModel& table = *window.SlotTable().model();
    QCOMPARE(table.rowCount(), 35);  // 05:00 to 22:00 every 30 min
    for (int r = 0; r < table.rowCount(); ++r) {
        const PavingSlot& slot = expectedSlots[r];
        QCOMPARE(table.index(r, TimeColumn).data().toString(),
                 QString::fromStdString(ClockText(slot.nClockMinute)));
        QCOMPARE(table.index(r, StartColumn).data().toString(), QString::number(slot.nStartTime));
        QCOMPARE(table.index(r, StopColumn).data().toString(), Number(slot.dStopTime));
        QCOMPARE(table.index(r, WindowColumn).data().toString(), Number(slot.dWindow));
        QCOMPARE(table.index(r, 0).data(Qt::FontRole).value<QFont>().bold(), slot.bBest);
    }
    QVERIFY2(window.BestLine().text().contains(
                 QString::fromStdString(ClockText(expectedSlots[expected.best[0]].nClockMinute))),
             qPrintable(window.BestLine().text()));

    // The chart: no notice on Run A's day, so one band whose top is every slot's stop; the minimum's line
    // 15 min above every start; a star over each best slot.
    const QChart& chart = *window.RibbonView().chart();
    const QList<QAbstractSeries*> bands = SeriesNamed(chart, QString::fromUtf8(kBandNoNotice));
    QCOMPARE(bands.size(), 1);
    const QList<QPointF> tops = PointsOf(*bands[0]);
    const QList<QPointF> needed = PointsNamed(chart, MinimumLineName(15.0));
    QCOMPARE(tops.size(), 2 * table.rowCount());
    for (int r = 0; r < table.rowCount(); ++r) {
        QCOMPARE(tops[2 * r].y(), expectedSlots[r].dStopTime);
        QCOMPARE(needed[2 * r].y(), std::min(expectedSlots[r].nStartTime + 15.0, 120.0));
    }
    QCOMPARE(PointsNamed(chart, QString::fromUtf8(kBestMarks)).size(),
             static_cast<int>(expected.best.size()));
    QVERIFY(window.ExportButton().isEnabled());

    window.resize(1100, 760);
    QVERIFY(SaveScreenshot(window.grab().toImage(), QStringLiteral("tools_planner.png")));
}

void PlannerWindowTest::typedHourlyWeatherIsReadAsTheFormReadsIt() {
    OpenPlanner open;
    CPlannerWindow& window = open.window;
    QTableView& grid = window.WeatherGrid();
    QVERIFY(!grid.isEnabled());  // the form's weather holds all day until the grid is chosen
    QTest::mouseClick(&window.HourlyWeatherButton(), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(grid.isEnabled());

    const QModelIndex air = grid.model()->index(12, 0);
    TypeIntoCell(grid, air, QStringLiteral("warm"));
    QCOMPARE(MessageTexts(open.fixture.ui), QStringList{"Please enter a number."});
    QCOMPARE(air.data().toString(), QStringLiteral("10"));
    TypeIntoCell(grid, air, QStringLiteral("60"));
    QCOMPARE(MessageTexts(open.fixture.ui).last(),
             QStringLiteral("Value will automatically be set to maximum."));
    QCOMPARE(air.data().toString(), QStringLiteral("48.89"));
    TypeIntoCell(grid, grid.model()->index(12, 1), QStringLiteral("20.456"));
    QCOMPARE(grid.model()->index(12, 1).data().toString(), QStringLiteral("20.46"));

    TypeClock(window.FromEdit(), QStringLiteral("1200"));
    TypeClock(window.ToEdit(), QStringLiteral("1300"));
    QCOMPARE(window.FromEdit().time(), QTime(12, 0));
    QTest::mouseClick(&window.PlanButton(), Qt::LeftButton);
    QVERIFY(WaitForJob(window));

    PavingDayRequest request;
    request.base = RunA();
    request.nFromMinute = 12 * 60;
    request.nToMinute = 13 * 60;
    for (int h = 0; h < 24; ++h) request.hourly.push_back({h, 10.0, 8.0, 0});
    request.hourly[12] = {12, 48.89, 20.46, 0};
    const PavingDayPlan expected = PlanPavingDay(request);
    const QAbstractItemModel& table = *window.SlotTable().model();
    QCOMPARE(ColumnTexts(table, AirColumn), (QStringList{"48.89", "48.89", "10"}));
    QCOMPARE(ColumnTexts(table, WindColumn), (QStringList{"20.46", "20.46", "8"}));
    for (int r = 0; r < 3; ++r)
        QCOMPARE(table.index(r, StopColumn).data().toString(), Number(expected.timeSlots[r].dStopTime));
}

void PlannerWindowTest::weatherFileFillsTheGridOrSaysWhereItIsWrong_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("three hours") << QByteArray(
                                        "hour,air,wind,sky\n11,12.5,4,Overcast\n12,14,6,2\n13,15,8,0\n")
                                 << QString();
    QTest::newRow("an air temperature out of range")
        << QByteArray("hour,air,wind,sky\n11,12.5,4,Overcast\n12,140,6,2\n")
        << QStringLiteral(":3: air: 140 C");
}

// A file read in part leaves the other hours blank: a paving time in them is refused, naming the hour.
void PlannerWindowTest::weatherFileFillsTheGridOrSaysWhereItIsWrong() {
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    OpenPlanner open;
    CPlannerWindow& window = open.window;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("weather.csv"));
    QVERIFY(WriteFileBytes(path, file));
    open.fixture.ui.QueueDialog(ChooseFile(path));
    QTest::mouseClick(&window.ImportButton(), Qt::LeftButton);

    const QAbstractItemModel& grid = *window.WeatherGrid().model();
    if (!refusal.isEmpty()) {
        QCOMPARE(MessageTexts(open.fixture.ui).size(), 1);
        QVERIFY2(MessageTexts(open.fixture.ui)[0].contains(refusal),
                 qPrintable(MessageTexts(open.fixture.ui)[0]));
        QCOMPARE(grid.index(11, 0).data().toString(), QStringLiteral("10"));  // the grid as it was
        QVERIFY(window.HoldWeatherButton().isChecked());
        return;
    }
    QCOMPARE(MessageTexts(open.fixture.ui), QStringList{});
    QVERIFY(window.HourlyWeatherButton().isChecked());
    QCOMPARE(grid.index(11, 2).data().toString(), QStringLiteral("Overcast"));
    QCOMPARE(grid.index(12, 2).data().toString(), QStringLiteral("Partly Cloudy"));
    QCOMPARE(grid.index(10, 0).data().toString(), QString());

    QTest::mouseClick(&window.PlanButton(), Qt::LeftButton);  // from 05:00, an hour the file lacks
    QVERIFY(WaitForJob(window));
    QCOMPARE(MessageTexts(open.fixture.ui),
             QStringList{"The hourly weather has no row for hour 5 (paving at 05:00)."});
    QCOMPARE(window.SlotTable().model()->rowCount(), 0);
}

void PlannerWindowTest::planAndWeatherAreExportedAndPrinted() {
    OpenPlanner open;
    CPlannerWindow& window = open.window;
    QTest::mouseClick(&window.PlanButton(), Qt::LeftButton);
    QVERIFY(WaitForJob(window));
    QTemporaryDir folder;
    const QString plan = folder.filePath(QStringLiteral("day.csv"));
    const QString weather = folder.filePath(QStringLiteral("weather.csv"));
    const QString missing = folder.filePath(QStringLiteral("missing/day.csv"));
    const QString pdf = folder.filePath(QStringLiteral("day.pdf"));
    open.fixture.ui.QueueDialog(ChooseFile(plan));
    open.fixture.ui.QueueDialog(ChooseFile(weather));
    open.fixture.ui.QueueDialog(ChooseFile(missing));
    open.fixture.ui.QueueDialog(PrintToPdf(pdf));
    QTest::mouseClick(&window.ExportButton(), Qt::LeftButton);
    QTest::mouseClick(&window.ExportWeatherButton(), Qt::LeftButton);
    QTest::mouseClick(&window.ExportButton(), Qt::LeftButton);
    QTest::mouseClick(&window.PrintButton(), Qt::LeftButton);
    QVERIFY(ReadFileBytes(pdf).startsWith("%PDF-"));

    const QList<QByteArray> lines = ReadFileBytes(plan).split('\n');
    QCOMPARE(lines.size(), 37);  // the header, 35 paving times and the end of the last line
    QCOMPARE(lines[0], QByteArray("Paving time,\"Air, C\",\"Wind, km/h\",Sky,\"Start, min\",\"Stop, min\","
                                  "\"Window, min\",Notice,Shorter than 15 min\r"));
    const QAbstractItemModel& table = *window.SlotTable().model();
    QCOMPARE(lines[1].trimmed(), (QStringList{table.index(0, 0).data().toString(), "10", "8", "Clear & Dry",
                                              table.index(0, StartColumn).data().toString(),
                                              table.index(0, StopColumn).data().toString(),
                                              table.index(0, WindowColumn).data().toString(), "none",
                                              table.index(0, 8).data().toString()})
                                     .join(',')
                                     .toUtf8());
    std::vector<HourlyWeather> hours;
    for (int h = 0; h < 24; ++h) hours.push_back({h, 10.0, 8.0, 0});
    QCOMPARE(ReadFileBytes(weather), QByteArray::fromStdString(HourlyWeatherCsvText(hours)));
    const QStringList messages = MessageTexts(open.fixture.ui);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains("day.csv") && messages[0].endsWith("Nothing was exported."),
             qPrintable(messages[0]));
}

void PlannerWindowTest::unitSwitchConvertsTemperaturesButNotMinutes() {
    OpenPlanner open;
    CPlannerWindow& window = open.window;
    QTest::mouseClick(&window.PlanButton(), Qt::LeftButton);
    QVERIFY(WaitForJob(window));
    const QAbstractItemModel& table = *window.SlotTable().model();
    const QStringList stops = ColumnTexts(table, StopColumn);

    open.fixture.ClickUnits(UnitSystem::English);
    QCOMPARE(table.headerData(AirColumn, Qt::Horizontal).toString(), QStringLiteral("Air, F"));
    QCOMPARE(table.index(0, AirColumn).data().toString(), QStringLiteral("50"));
    QCOMPARE(table.index(0, WindColumn).data().toString(), QStringLiteral("4.97"));
    QCOMPARE(ColumnTexts(table, StopColumn), stops);
    const QAbstractItemModel& grid = *window.WeatherGrid().model();
    QCOMPARE(grid.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Air, F"));
    QCOMPARE(grid.index(7, 0).data().toString(), QStringLiteral("50"));
    QVERIFY2(window.FormLine().text().contains(QStringLiteral("2.95 in. at 302 F")),
             qPrintable(window.FormLine().text()));
}

// The form reads its lists only at its next read (Calculate, a field left); the planner takes what the
// form shows at once.
void PlannerWindowTest::aListChosenOnTheFormIsPlannedBeforeTheFormIsRead() {
    OpenPlanner open;
    CDravonelView& view = *open.fixture.view;
    QVERIFY(ShowActive(view));
    QWidget* pSky = view.GetDlgItem(IDC_SKY);
    pSky->setFocus();
    QTest::keyClick(pSky, Qt::Key_End);  // the last entry: Overcast
    QCOMPARE(view.m_form.inputs.m_nSkyCondition, 0);
    QCOMPARE(open.window.HeldWeather().text(), QStringLiteral("air 10 C, wind 8 km/h, Overcast"));

    QTest::mouseClick(&open.window.PlanButton(), Qt::LeftButton);
    QVERIFY(WaitForJob(open.window));
    const QStringList skies = ColumnTexts(*open.window.SlotTable().model(), SkyColumn);
    QCOMPARE(skies.count(QStringLiteral("Overcast")), 35);
}

REGISTER_TEST_SUITE(PlannerWindowTest);
#include "PlannerWindowTest.moc"
