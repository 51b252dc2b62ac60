#include <QLineEdit>
#include <QTest>

#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

// The unit switch converts the stored values in place, rounds them to hundredths, swaps labels and
// ranges, and redraws the chart in the new units.
class UnitSwitchTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsThroughSiAndBack();
    void conversionsAndReturns_data();
    void conversionsAndReturns();
    void convertedValueBeyondTheSiMaximumIsClampedWhenLeft();
    void clickingTheCurrentSystemOnlyDisablesExport();
    void switchAfterCalculationRedrawsWithTheSameStartTime();
};

namespace {

const int kDimensioned[] = {IDC_AIR_TEMP, IDC_SURFACE_TEMP, IDC_DELIVERY_TEMP, IDC_LIFT_THICKNESS,
                            IDC_WIND_SPEED};
const int kLabels[] = {IDC_AIR_TEMP_UNIT, IDC_SURFACE_TEMP_UNIT, IDC_DELIVERY_TEMP_UNIT, IDC_LIFT_UNIT,
                       IDC_WIND_UNIT};

QStringList ShownOf(const ViewHarness& form, const int (&ids)[5]) {
    QStringList shown;
    for (int nId : ids) shown << form.Shown(nId);
    return shown;
}

}  // namespace

void UnitSwitchTest::defaultsThroughSiAndBack() {
    ViewHarness form;
    form.Click(IDC_UNITS_SI);
    QCOMPARE(ShownOf(form, kDimensioned), (QStringList{"10", "10", "148.89", "76.2", "8.05"}));
    QCOMPARE(ShownOf(form, kLabels), (QStringList{"C", "C", "C", "mm", "km/h"}));
    QCOMPARE(form.m_pView->m_form.ranges.m_dDeliveryTempMax, 157.2);
    QCOMPARE(form.m_pView->m_form.inputs.m_nUnits, UnitCode(UnitSystem::SI));
    form.Click(IDC_UNITS_ENGLISH);
    QCOMPARE(ShownOf(form, kDimensioned), (QStringList{"50", "50", "300", "3", "5"}));
    QCOMPARE(ShownOf(form, kLabels), (QStringList{"F", "F", "F", "in.", "mph"}));
    QCOMPARE(form.m_pView->m_form.ranges.m_dDeliveryTempMax, 315.0);
    QCOMPARE(form.Shown(IDC_LATITUDE), QString("45"));
}

// Rows: a value typed in one system (English unless fromSi), what the other shows, and what the first
// shows again (values compared as shown).
void UnitSwitchTest::conversionsAndReturns_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("back");
    QTest::addColumn<bool>("fromSi");

    QTest::newRow("0 F cut toward zero") << IDC_AIR_TEMP << "0"
                                         << "-17.77"
                                         << "0.01" << false;
    QTest::newRow("-40 is the same in both") << IDC_SURFACE_TEMP << "-40"
                                             << "-40"
                                             << "-40" << false;
    QTest::newRow("delivery minimum") << IDC_DELIVERY_TEMP << "150"
                                      << "65.56"
                                      << "150.01" << false;
    QTest::newRow("delivery maximum") << IDC_DELIVERY_TEMP << "315"
                                      << "157.22"
                                      << "315" << false;
    QTest::newRow("50 mm needs rounding in inches") << IDC_LIFT_THICKNESS << "50"
                                                    << "1.97"
                                                    << "50.04" << true;
}

void UnitSwitchTest::conversionsAndReturns() {
    QFETCH(int, control);
    QFETCH(QString, typed);
    QFETCH(QString, converted);
    QFETCH(QString, back);
    QFETCH(bool, fromSi);
    const int nFirst = fromSi ? IDC_UNITS_SI : IDC_UNITS_ENGLISH;
    const int nOther = fromSi ? IDC_UNITS_ENGLISH : IDC_UNITS_SI;
    ViewHarness form;
    form.Click(nFirst);
    form.Enter(control, typed);
    form.Click(nOther);
    QCOMPARE(form.Shown(control), converted);
    form.Click(nFirst);
    QCOMPARE(form.Shown(control), back);
}

void UnitSwitchTest::convertedValueBeyondTheSiMaximumIsClampedWhenLeft() {
    ViewHarness form;
    form.Enter(IDC_DELIVERY_TEMP, "315");
    form.Click(IDC_UNITS_SI);
    QCOMPARE(form.Shown(IDC_DELIVERY_TEMP), QString("157.22"));
    form.m_ui.ClearRecords();
    form.Edit(IDC_DELIVERY_TEMP)->setFocus(Qt::TabFocusReason);
    form.Leave();
    QCOMPARE(MessageTexts(form.m_ui), QStringList{"Value will automatically be set to maximum."});
    QCOMPARE(form.Shown(IDC_DELIVERY_TEMP), QString("157.2"));
}

void UnitSwitchTest::clickingTheCurrentSystemOnlyDisablesExport() {
    ViewHarness form;
    form.Click(IDC_CALCULATE);
    QVERIFY(form.IsEnabled(IDC_EXPORT));
    form.Click(IDC_UNITS_ENGLISH);
    QCOMPARE(ShownOf(form, kDimensioned), (QStringList{"50", "50", "300", "3", "5"}));
    QCOMPARE(form.m_pView->m_form.ranges.m_dAirTempMax, 120.0);
    QVERIFY(!form.IsEnabled(IDC_EXPORT));
}

void UnitSwitchTest::switchAfterCalculationRedrawsWithTheSameStartTime() {
    ViewHarness form;
    form.EnterRunA();
    form.Click(IDC_CALCULATE);
    const QString startSi = form.Shown(IDC_START_TIME);
    const int nPaintedBefore = form.m_pView->m_form.m_nStartTime;
    form.m_pView->m_form.m_nStartTime = -1;  // the switch must read the start again
    form.Click(IDC_UNITS_ENGLISH);
    QCOMPARE(form.m_pView->m_form.m_nStartTime, nPaintedBefore);
    QCOMPARE(form.Shown(IDC_STOP_TIME), QString("68"));
    QCOMPARE(startSi, QString::number(nPaintedBefore));
}

REGISTER_TEST_SUITE(UnitSwitchTest);
#include "UnitSwitchTest.moc"
