#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

// A fresh form: it shows the defaults and the clock's date, and no window of its own (the application
// shows the disclaimer before it makes the form).
class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void formShowsNoWindowOfItsOwn();
    void formShowsTheDefaults_data();
    void formShowsTheDefaults();
    void plotRectangleLiesInsideTheCurveBox();
    void newDocumentKeepsTheInputs();
    void tabFollowsTheTemplateOrder();
    void disclaimerButtonShowsItAgain();
};

void StartupTest::formShowsNoWindowOfItsOwn() {
    ViewHarness form;
    QCOMPARE(DialogClasses(form.m_ui), QStringList{});
    QVERIFY(form.m_ui.m_messages.empty());
}

void StartupTest::formShowsTheDefaults_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("shown");

    QTest::newRow("air temperature") << IDC_AIR_TEMP << "50";
    QTest::newRow("wind speed") << IDC_WIND_SPEED << "5";
    QTest::newRow("sky") << IDC_SKY << "Clear & Dry";
    QTest::newRow("latitude") << IDC_LATITUDE << "45";
    QTest::newRow("mix") << IDC_MIX_TYPE << "Dense Graded";
    QTest::newRow("high grade") << IDC_PG_HIGH << "58";
    QTest::newRow("low grade") << IDC_PG_LOW << "-34";
    QTest::newRow("lift") << IDC_LIFT_THICKNESS << "3";
    QTest::newRow("delivery") << IDC_DELIVERY_TEMP << "300";
    QTest::newRow("material") << IDC_MATERIAL_TYPE << "Granular Base";
    QTest::newRow("moisture content") << IDC_MOISTURE_CONTENT << "Dry";
    QTest::newRow("moisture state") << IDC_MOISTURE_STATE << "Unfrozen";
    QTest::newRow("surface") << IDC_SURFACE_TEMP << "50";
    QTest::newRow("air unit") << IDC_AIR_TEMP_UNIT << "F";
    QTest::newRow("surface unit") << IDC_SURFACE_TEMP_UNIT << "F";
    QTest::newRow("delivery unit") << IDC_DELIVERY_TEMP_UNIT << "F";
    QTest::newRow("lift unit") << IDC_LIFT_UNIT << "in.";
    QTest::newRow("wind unit") << IDC_WIND_UNIT << "mph";
    QTest::newRow("day from the clock") << IDC_DAY << "15";
    QTest::newRow("month from the clock") << IDC_MONTH << "6";
    QTest::newRow("year from the clock") << IDC_YEAR << "2024";
    QTest::newRow("hour from the clock") << IDC_HOUR << "12";
    QTest::newRow("minute from the clock") << IDC_MINUTE << "0";
    QTest::newRow("start time") << IDC_START_TIME << "0";
    QTest::newRow("stop time") << IDC_STOP_TIME << "0";
}

void StartupTest::formShowsTheDefaults() {
    QFETCH(int, control);
    QFETCH(QString, shown);
    ViewHarness form;
    QCOMPARE(form.Shown(control), shown);
    QVERIFY(form.Radio(IDC_UNITS_ENGLISH)->isChecked());
    QVERIFY(!form.Radio(IDC_UNITS_SI)->isChecked());
    QVERIFY(form.IsEnabled(IDC_EXPORT));
    QVERIFY(form.IsEnabled(IDC_MOISTURE_CONTENT) && form.IsEnabled(IDC_MOISTURE_STATE));
}

void StartupTest::plotRectangleLiesInsideTheCurveBox() {
    ViewHarness form;
    const QRect box = form.m_pView->GetDlgItem(IDC_COOLING_CURVE)->geometry();
    const int nInset = box.width() / 15;
    QCOMPARE(form.m_pView->m_rectPlot, box.adjusted(nInset, nInset, -nInset, -nInset));
}

void StartupTest::newDocumentKeepsTheInputs() {
    ViewHarness form;
    form.Enter(IDC_AIR_TEMP, "61.5");
    form.m_pView->OnInitialUpdate();
    QCOMPARE(form.Shown(IDC_AIR_TEMP), QString("61.5"));
    QCOMPARE(form.m_pView->m_form.inputs.m_dAirTemp, 61.5);
}

void StartupTest::tabFollowsTheTemplateOrder() {
    ViewHarness form;
    const int expected[] = {IDC_MINUTE,         IDC_MONTH,         IDC_DAY,           IDC_YEAR,
                            IDC_UPDATE_TIME,    IDC_AIR_TEMP,      IDC_WIND_SPEED,    IDC_SKY,
                            IDC_LATITUDE,       IDC_MIX_TYPE,      IDC_PG_HIGH,       IDC_PG_LOW,
                            IDC_LIFT_THICKNESS, IDC_DELIVERY_TEMP, IDC_MATERIAL_TYPE, IDC_MOISTURE_CONTENT,
                            IDC_MOISTURE_STATE, IDC_SURFACE_TEMP,  IDC_UNITS_ENGLISH, IDC_CALCULATE,
                            IDC_DISCLAIMER,     IDC_HOUR};
    // Leaving the first field disables "Export Data", so Tab passes over it; the units are entered at
    // the checked button.
    form.Edit(IDC_HOUR)->setFocus(Qt::TabFocusReason);
    for (int nId : expected) {
        form.Leave();
        QCOMPARE(QApplication::focusWidget(), form.m_pView->GetDlgItem(nId));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.m_pView->GetDlgItem(IDC_DISCLAIMER));
    // Tabbing through unchanged fields corrects nothing and shows nothing.
    QVERIFY(form.m_ui.m_messages.empty());
    QCOMPARE(form.Shown(IDC_AIR_TEMP), QString("50"));
}

void StartupTest::disclaimerButtonShowsItAgain() {
    ViewHarness form;
    form.Click(IDC_DISCLAIMER);
    QCOMPARE(DialogClasses(form.m_ui), QStringList{"CDisclaimerDlg"});
}

REGISTER_TEST_SUITE(StartupTest);
#include "StartupTest.moc"
