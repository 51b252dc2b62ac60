#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <variant>

#include "AppFixture.h"
#include "CDravonelDoc.h"
#include "CMainFrame.h"
#include "FormRules.h"
#include "JobContents.h"
#include "JobFile.h"
#include "KeptScenarios.h"
#include "LiftsWindow.h"
#include "Resource.h"
#include "SameRecord.h"
#include "Screenshots.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "TemporarySettings.h"
#include "TestFiles.h"
#include "ToolWindows.h"

namespace {

constexpr const char* kProgramTitle = "KELVANOR 2.0 - Pavement Cooling Program";

ScriptedUiServices::DialogHandler ChooseFile(const QString& pathName) {
    return [pathName](QDialog& dialog) {
        qobject_cast<QFileDialog*>(&dialog)->selectFile(pathName);
        return IDOK;
    };
}

// Plays the user's answer to the question about unsaved changes.
ScriptedUiServices::DialogHandler Answer(QMessageBox::StandardButton button) {
    return [button](QDialog& dialog) {
        qobject_cast<QMessageBox*>(&dialog)->button(button)->click();
        return dialog.result();
    };
}

QString Differences(const FormRecord& a, const FormRecord& b) {
    return QString::fromStdString(FirstDifference(a, b));
}

// Every input away from its start value, in `units`: 3 March 2027 07:45, PCC (no moisture), Overcast.
SimulationInputs Unusual(UnitSystem units) {
    const bool bSi = units == UnitSystem::SI;
    SimulationInputs in;
    in.m_nUnits = UnitCode(units);
    in.m_dAirTemp = bSi ? -12.34 : 33.5;
    in.m_nMaterialType = 1;
    in.m_nMoistureState = -1;
    in.m_nMoistureContent = -1;
    in.m_dSurfaceTemp = bSi ? 4.56 : 41.25;
    in.m_dDeliveryTemp = bSi ? 142.5 : 288.75;
    in.m_dLatitude = 51.48;
    in.m_nMixType = 2;
    in.m_dLiftThickness = bSi ? 37.5 : 1.75;
    in.m_dWindSpeed = bSi ? 17.25 : 11.5;
    in.m_nDay = 3;
    in.m_nMonth = 3;
    in.m_nYear = 2027;
    in.m_nHour = 7;
    in.m_nMinute = 45;
    in.m_nSkyCondition = 4;
    in.m_nPgHigh = 5;
    in.m_nPgLow = 1;
    return in;
}

// The form shows `inputs` in their unit system, as if typed.
void PutOnForm(CDravonelView& view, const SimulationInputs& inputs) {
    ApplyUnitSystem(view.m_form, UnitSystemOfCode(inputs.m_nUnits));
    view.m_form.inputs = inputs;
    view.UpdateData(false);
}

void Trigger(StartedApp& started, int nCommand) { started.Frame().CommandAction(nCommand)->trigger(); }

// The title as the window system shows it, with Qt's modified mark put in.
QString ShownTitle(StartedApp& started) { return started.Frame().windowHandle()->title(); }

QStringList FileMenuTexts(StartedApp& started) {
    QStringList texts;
    for (QAction* pItem : started.Frame().menuBar()->actions().front()->menu()->actions())
        texts << (pItem->isSeparator() ? QStringLiteral("---") : pItem->text());
    return texts;
}

}  // namespace

// Job files in the desktop program: Save and Open keep every input, the kept scenarios and the lifts; a bad
// file is refused and changes nothing; the recent files; the question about unsaved changes.
class JobFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_pDir = std::make_unique<QTemporaryDir>(); }
    void saveAndOpenKeepEverything_data();
    void saveAndOpenKeepEverything();
    void badFileIsRefusedAndChangesNothing_data();
    void badFileIsRefusedAndChangesNothing();
    void liftsThatCouldNotBeOpenedAgainAreNotSaved();
    void liftValuesLeftOutTakeTheLiftBelows();
    void recentFilesAreKeptAndAGoneOneIsDropped();
    void unsavedChangesAreAskedAbout_data();
    void unsavedChangesAreAskedAbout();

private:
    QString PathOf(const QString& name) const { return m_pDir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_pDir;
};

void JobFilesTest::saveAndOpenKeepEverything_data() {
    QTest::addColumn<int>("nUnits");
    QTest::newRow("SI") << UnitCode(UnitSystem::SI);
    QTest::newRow("English") << UnitCode(UnitSystem::English);
}

void JobFilesTest::saveAndOpenKeepEverything() {
    QFETCH(int, nUnits);
    const UnitSystem units = UnitSystemOfCode(nUnits);
    StartedApp started;
    CDravonelView& view = started.View();
    CToolWindowHost& tools = started.Frame().Tools();
    // A scenario kept in the other system, with a label of its own.
    PutOnForm(view, Unusual(units == UnitSystem::SI ? UnitSystem::English : UnitSystem::SI));
    view.OnCalculate();
    started.Press(Qt::CTRL | Qt::Key_K);
    tools.Kept().SetLabel(0, "Cold morning, PCC");
    const KeptScenario kept = tools.Kept().Scenarios().front();
    PutOnForm(view, Unusual(units));
    FormRecord saved = view.m_form;
    saved.m_dStopTime = 0.0;  // a job keeps no results: after New and Open the form shows none
    saved.m_nStartTime = 0;
    Trigger(started, ID_TOOLS_LIFTS);
    auto& lifts = *qobject_cast<CLiftsWindow*>(tools.Window(ID_TOOLS_LIFTS));
    QTest::mouseClick(&lifts.AddLiftButton(), Qt::LeftButton);
    lifts.ThicknessField(1).setText(units == UnitSystem::SI ? QStringLiteral("40") : QStringLiteral("1.5"));
    lifts.HighGradeList(1).setCurrentIndex(2);
    const QString nextLiftTemp = units == UnitSystem::SI ? QStringLiteral("55.5") : QStringLiteral("131.9");
    lifts.NextLiftTempField().setText(nextLiftTemp);
    const LiftsEntries entries = lifts.Entries();
    started.Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.Frame()));

    const QString path = PathOf(QStringLiteral("unusual.dravonel"));
    started.ui.QueueDialog(ChooseFile(path));
    started.Press(Qt::CTRL | Qt::Key_S);
    QCOMPARE(MessageTexts(started.ui), QStringList{});
    QCOMPARE(started.Frame().windowTitle(), QStringLiteral("unusual.dravonel[*] - ") + kProgramTitle);
    QVERIFY(!started.Frame().isWindowModified());

    started.Press(Qt::CTRL | Qt::Key_N);  // nothing unsaved: no question
    QCOMPARE(DialogClasses(started.ui).count("QMessageBox"), 0);
    QCOMPARE(started.Frame().windowTitle(), QString::fromUtf8(kProgramTitle));
    QCOMPARE(tools.Kept().Count(), 0);
    QCOMPARE(lifts.LiftCount(), 1);
    QVERIFY(!Differences(view.m_form, saved).isEmpty());

    started.ui.QueueDialog(ChooseFile(path));
    started.Press(Qt::CTRL | Qt::Key_O);

    QCOMPARE(MessageTexts(started.ui), QStringList{});
    QCOMPARE(Differences(view.m_form, saved), QString());
    QCOMPARE(qobject_cast<QLineEdit*>(view.GetDlgItem(IDC_AIR_TEMP))->text(),
             QString::number(saved.inputs.m_dAirTemp));
    QVERIFY(!view.GetDlgItem(IDC_MOISTURE_CONTENT)->isEnabled());  // PCC takes no moisture
    QCOMPARE(tools.Kept().Count(), 1);
    const KeptScenario& opened = tools.Kept().Scenarios().front();
    QCOMPARE(QString::fromStdString(opened.strLabel), QStringLiteral("Cold morning, PCC"));
    QCOMPARE(Differences(opened.record, kept.record), QString());
    QCOMPARE(opened.record.m_nStartTime, kept.record.m_nStartTime);
    QCOMPARE(opened.record.m_dStopTime, kept.record.m_dStopTime);
    QCOMPARE(opened.curve.m_nLastSample, kept.curve.m_nLastSample);
    QVERIFY(std::equal(kept.curve.m_dCurveTemp, kept.curve.m_dCurveTemp + kCurveCapacity,
                       opened.curve.m_dCurveTemp));
    const LiftsEntries openedLifts = lifts.Entries();
    QCOMPARE(openedLifts.lifts.size(), entries.lifts.size());
    for (std::size_t i = 0; i < entries.lifts.size(); ++i) {
        QCOMPARE(openedLifts.lifts[i].nPlacementMinutes, entries.lifts[i].nPlacementMinutes);
        QCOMPARE(openedLifts.lifts[i].strThickness, entries.lifts[i].strThickness);
        QCOMPARE(openedLifts.lifts[i].nPgHigh, entries.lifts[i].nPgHigh);
    }
    QCOMPARE(QString::fromStdString(openedLifts.strNextLiftTemp), nextLiftTemp);
    QCOMPARE(started.Frame().windowTitle(), QStringLiteral("unusual.dravonel[*] - ") + kProgramTitle);
    QVERIFY(!started.Frame().isWindowModified());
    QVERIFY(!view.m_bCalculated);  // opening calculates nothing
}

void JobFilesTest::badFileIsRefusedAndChangesNothing_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("said");  // besides the file's name
    QTest::newRow("empty, as the earlier Save wrote it") << QByteArray() << "holds no inputs";
    QTest::newRow("not JSON") << QByteArray("{\"format\": \"dravonel-job\",") << "JSON";
    QTest::newRow("another program's file") << QByteArray("{\"format\": \"spreadsheet\"}") << "format";
    QTest::newRow("a refused value")
        << QByteArray(
               "{\"format\": \"dravonel-job\", \"version\": 1, \"units\": \"si\", "
               "\"inputs\": {\"air\": \"abc\"}}")
        << "inputs.air";
    QTest::newRow("plain text") << QByteArray("site notes") << "JSON";
}

void JobFilesTest::badFileIsRefusedAndChangesNothing() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, said);
    const QString path = PathOf(QStringLiteral("bad job.dravonel"));
    QVERIFY(WriteFileBytes(path, contents));
    StartedApp started;
    QTest::mouseClick(started.View().GetDlgItem(IDC_CALCULATE), Qt::LeftButton);
    started.Press(Qt::CTRL | Qt::Key_K);
    started.TypeAndLeave(IDC_AIR_TEMP, QStringLiteral("61"));
    const FormRecord before = started.View().m_form;
    const QString titleBefore = ShownTitle(started);
    started.ui.ClearRecords();
    started.ui.QueueDialog(ChooseFile(path));

    started.Press(Qt::CTRL | Qt::Key_O);

    const QStringList messages = MessageTexts(started.ui);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains("bad job.dravonel") && messages[0].contains(said), qPrintable(messages[0]));
    QVERIFY(messages[0].endsWith("Nothing was changed."));
    QCOMPARE(DialogClasses(started.ui), QStringList{"QFileDialog"});  // no question for a refused file
    QCOMPARE(Differences(started.View().m_form, before), QString());
    QCOMPARE(started.Edit(IDC_AIR_TEMP).text(), QStringLiteral("61"));
    QCOMPARE(started.Frame().Tools().Kept().Count(), 1);
    QCOMPARE(ShownTitle(started), titleBefore);
    QVERIFY(started.app.GetDocument()->GetPathName().isEmpty());
    QCOMPARE(ReadFileBytes(path), contents);

    if (QTest::currentDataTag() == QStringLiteral("a refused value")) {
        // The message as the user sees it, over the main window.
        QMessageBox box(QMessageBox::Warning, started.ui.m_messages.front().caption, messages[0],
                        QMessageBox::Ok, &started.Frame());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QImage shot = started.Frame().grab().toImage();
        const QImage message = box.grab().toImage();
        QPainter painter(&shot);
        const QPoint corner((shot.width() - message.width()) / 2, (shot.height() - message.height()) / 3);
        painter.drawImage(corner, message);
        painter.setPen(QPen(Qt::darkGray, 2));  // the box's edge, which a window manager would draw
        painter.drawRect(QRect(corner, message.size()).adjusted(-1, -1, 0, 0));
        painter.end();
        QVERIFY(SaveScreenshot(shot, QStringLiteral("job_open_refused.png")));
    }
}

void JobFilesTest::liftsThatCouldNotBeOpenedAgainAreNotSaved() {
    StartedApp started;
    Trigger(started, ID_TOOLS_LIFTS);
    auto& lifts = *qobject_cast<CLiftsWindow*>(started.Frame().Tools().Window(ID_TOOLS_LIFTS));
    QTest::mouseClick(&lifts.AddLiftButton(), Qt::LeftButton);
    lifts.ThicknessField(1).setText(QStringLiteral("0.1"));  // in., below the form's range
    const QString path = PathOf(QStringLiteral("lifts.dravonel"));
    started.ui.QueueDialog(ChooseFile(path));

    Trigger(started, ID_FILE_SAVE);

    const QStringList messages = MessageTexts(started.ui);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains("lifts.lifts[1].lift: ") && messages[0].endsWith("Nothing was saved."),
             qPrintable(messages[0]));
    QVERIFY(!QFile::exists(path));
    QTRY_COMPARE(QApplication::focusWidget(), &lifts.ThicknessField(1));
    QVERIFY(started.Frame().isWindowModified());
}

// A job's lifts open as the command line reads them: a left-out value is the lift below's (the first
// lift's the form's), and only the first lift may leave out its placement.
void JobFilesTest::liftValuesLeftOutTakeTheLiftBelows() {
    const auto open = [](const char* lifts) {
        const std::string text = std::string(
                                     "{\"format\": \"dravonel-job\", \"version\": 1, \"units\": \"si\", "
                                     "\"inputs\": {\"lift\": \"50\", \"delivery\": \"150\", "
                                     "\"mix\": \"Dense Graded\"}, \"lifts\": {\"lifts\": [") +
                                 lifts + "]}}";
        const JobFileRead read = ParseJobText(text, "lifts.dravonel");
        if (const auto* error = std::get_if<JobFileError>(&read))
            return std::variant<JobContents, std::string>(JobFileErrorText(*error));
        return ContentsOfJob(std::get<JobFile>(read), 0);
    };
    const auto opened = open("{}, {\"at\": \"40\", \"lift\": \"40\", \"mix\": \"SMA\"}, {\"at\": \"70\"}");
    const std::string* pRefusal = std::get_if<std::string>(&opened);
    QVERIFY2(!pRefusal, pRefusal ? pRefusal->c_str() : "");
    const std::vector<LiftEntry>& lifts = std::get<JobContents>(opened).lifts->lifts;
    QCOMPARE(lifts.size(), std::size_t{3});
    QCOMPARE(lifts[0].strThickness, std::string("50"));
    QCOMPARE(lifts[1].strDelivery, std::string("150"));
    QCOMPARE(lifts[2].strThickness, std::string("40"));
    QCOMPARE(lifts[2].nMixType, lifts[1].nMixType);
    QVERIFY(lifts[2].nMixType != lifts[0].nMixType);

    const auto refused = open("{}, {\"lift\": \"40\"}");
    QVERIFY(std::holds_alternative<std::string>(refused));
    QVERIFY2(std::get<std::string>(refused).find("lifts.lifts[1].at: missing") != std::string::npos,
             std::get<std::string>(refused).c_str());
}

void JobFilesTest::recentFilesAreKeptAndAGoneOneIsDropped() {
    TemporarySettings settings;
    {
        StartedApp first({}, false);
        for (const char* name : {"a.dravonel", "b.dravonel"}) {
            first.ui.QueueDialog(ChooseFile(PathOf(QString::fromUtf8(name))));
            Trigger(first, ID_FILE_SAVE_AS);
        }
        QCOMPARE(MessageTexts(first.ui), QStringList{});
    }
    StartedApp second({}, false);
    QCOMPARE(FileMenuTexts(second), (QStringList{"&New", "&Open...", "&Save", "Save &As...", "---",
                                                 "&1 b.dravonel", "&2 a.dravonel", "---", "E&xit"}));

    Trigger(second, ID_FILE_MRU_FILE1 + 1);  // a.dravonel, still there
    QCOMPARE(MessageTexts(second.ui), QStringList{});
    QCOMPARE(second.Frame().windowTitle(), QStringLiteral("a.dravonel[*] - ") + kProgramTitle);
    QCOMPARE(FileMenuTexts(second).mid(5, 2), (QStringList{"&1 a.dravonel", "&2 b.dravonel"}));

    QVERIFY(QFile::remove(PathOf(QStringLiteral("b.dravonel"))));
    Trigger(second, ID_FILE_MRU_FILE1 + 1);
    const QStringList messages = MessageTexts(second.ui);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains("b.dravonel") && messages[0].contains("taken off the recent files"),
             qPrintable(messages[0]));
    QCOMPARE(FileMenuTexts(second).mid(4), (QStringList{"---", "&1 a.dravonel", "---", "E&xit"}));
    QCOMPARE(second.Frame().windowTitle(), QStringLiteral("a.dravonel[*] - ") + kProgramTitle);
}

void JobFilesTest::unsavedChangesAreAskedAbout_data() {
    QTest::addColumn<int>("nCommand");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("airAfter");  // on the form once the command is done
    QTest::addColumn<QString>("airSaved");  // in the job file
    const int nSave = QMessageBox::Save, nDiscard = QMessageBox::Discard, nCancel = QMessageBox::Cancel;
    QTest::newRow("New, Save") << ID_FILE_NEW << nSave << "50"
                               << "61";
    QTest::newRow("New, Discard") << ID_FILE_NEW << nDiscard << "50"
                                  << "55";
    QTest::newRow("New, Cancel") << ID_FILE_NEW << nCancel << "61"
                                 << "55";
    QTest::newRow("Open, Save") << ID_FILE_OPEN << nSave << "70"
                                << "61";
    QTest::newRow("Open, Discard") << ID_FILE_OPEN << nDiscard << "70"
                                   << "55";
    QTest::newRow("Open, Cancel") << ID_FILE_OPEN << nCancel << "61"
                                  << "55";
    QTest::newRow("Exit, Save") << ID_APP_EXIT << nSave << ""
                                << "61";
    QTest::newRow("Exit, Discard") << ID_APP_EXIT << nDiscard << ""
                                   << "55";
    QTest::newRow("Exit, Cancel") << ID_APP_EXIT << nCancel << "61"
                                  << "55";
}

void JobFilesTest::unsavedChangesAreAskedAbout() {
    QFETCH(int, nCommand);
    QFETCH(int, answer);
    QFETCH(QString, airAfter);
    QFETCH(QString, airSaved);
    const QString saved = PathOf(QStringLiteral("site.dravonel"));
    const QString other = PathOf(QStringLiteral("other.dravonel"));
    StartedApp started;
    started.TypeAndLeave(IDC_AIR_TEMP, QStringLiteral("70"));
    started.ui.QueueDialog(ChooseFile(other));
    Trigger(started, ID_FILE_SAVE_AS);
    started.TypeAndLeave(IDC_AIR_TEMP, QStringLiteral("55"));
    started.ui.QueueDialog(ChooseFile(saved));
    Trigger(started, ID_FILE_SAVE_AS);
    QCOMPARE(ShownTitle(started), QStringLiteral("site.dravonel - ") + kProgramTitle);
    started.TypeAndLeave(IDC_AIR_TEMP, QStringLiteral("61"));
    QCOMPARE(ShownTitle(started), QStringLiteral("site.dravonel* - ") + kProgramTitle);
    started.ui.ClearRecords();

    if (nCommand == ID_FILE_OPEN) started.ui.QueueDialog(ChooseFile(other));
    started.ui.QueueDialog(Answer(static_cast<QMessageBox::StandardButton>(answer)));
    QApplication::setQuitOnLastWindowClosed(false);  // closing the window must not end the test's loops
    Trigger(started, nCommand);
    QApplication::setQuitOnLastWindowClosed(true);

    QVERIFY(DialogClasses(started.ui).contains("QMessageBox"));
    QCOMPARE(MessageTexts(started.ui), QStringList{});
    QCOMPARE(started.Frame().isVisible(), !airAfter.isEmpty());
    if (!airAfter.isEmpty()) QCOMPARE(started.Edit(IDC_AIR_TEMP).text(), airAfter);
    const JobFileRead read = ReadJobFile(saved.toStdString());
    QVERIFY(std::holds_alternative<JobFile>(read));
    QString air;
    for (const JobInput& input : std::get<JobFile>(read).inputs)
        if (input.strName == "air") air = QString::fromStdString(input.strText);
    QCOMPARE(air, airSaved);
    // Cancel keeps the changes marked, as Discard does on the way out; anything else leaves nothing unsaved.
    const bool bStillUnsaved =
        answer == QMessageBox::Cancel || (nCommand == ID_APP_EXIT && answer == QMessageBox::Discard);
    QCOMPARE(started.Frame().isWindowModified(), bStillUnsaved);
}

REGISTER_TEST_SUITE(JobFilesTest);
#include "JobFilesTest.moc"
