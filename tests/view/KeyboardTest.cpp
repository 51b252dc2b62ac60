#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

// The form from the keyboard: Tab enters the units at the checked button (one stop for the group, as for
// any radio group), and Enter presses the push button that has the focus.
class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void tabEntersTheUnitsAtTheCheckedButton_data();
    void tabEntersTheUnitsAtTheCheckedButton();
    void enterPressesTheFocusedButtonOnly_data();
    void enterPressesTheFocusedButtonOnly();
};

void KeyboardTest::tabEntersTheUnitsAtTheCheckedButton_data() {
    QTest::addColumn<int>("checked");
    QTest::addColumn<QString>("airShown");
    QTest::newRow("English, as at start-up") << IDC_UNITS_ENGLISH << "50";
    QTest::newRow("SI after a click") << IDC_UNITS_SI << "10";
}

void KeyboardTest::tabEntersTheUnitsAtTheCheckedButton() {
    QFETCH(int, checked);
    QFETCH(QString, airShown);
    ViewHarness form;
    if (checked == IDC_UNITS_SI) form.Click(IDC_UNITS_SI);
    form.Edit(IDC_SURFACE_TEMP)->setFocus(Qt::TabFocusReason);

    form.Leave();
    QCOMPARE(QApplication::focusWidget(), form.m_pView->GetDlgItem(checked));
    // Space on the button reached keeps the unit system: nothing is converted.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(form.Radio(checked)->isChecked());
    QCOMPARE(form.Shown(IDC_AIR_TEMP), airShown);

    form.Leave();
    QCOMPARE(QApplication::focusWidget(), form.m_pView->GetDlgItem(IDC_CALCULATE));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.m_pView->GetDlgItem(checked));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.m_pView->GetDlgItem(IDC_SURFACE_TEMP));
}

void KeyboardTest::enterPressesTheFocusedButtonOnly_data() {
    QTest::addColumn<int>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("calculated");
    QTest::addColumn<QString>("hourShown");
    QTest::addColumn<int>("disclaimers");
    QTest::newRow("Calculate, Enter") << IDC_CALCULATE << int(Qt::Key_Return) << true << "12" << 0;
    QTest::newRow("Calculate, keypad Enter") << IDC_CALCULATE << int(Qt::Key_Enter) << true << "12" << 0;
    QTest::newRow("Update to Current Time") << IDC_UPDATE_TIME << int(Qt::Key_Return) << false << "17" << 0;
    QTest::newRow("Disclaimer") << IDC_DISCLAIMER << int(Qt::Key_Return) << false << "12" << 1;
    QTest::newRow("an edit presses nothing") << IDC_AIR_TEMP << int(Qt::Key_Return) << false << "12" << 0;
}

void KeyboardTest::enterPressesTheFocusedButtonOnly() {
    QFETCH(int, focused);
    QFETCH(int, key);
    QFETCH(bool, calculated);
    QFETCH(QString, hourShown);
    QFETCH(int, disclaimers);
    ViewHarness form;
    form.m_now = LocalClock(2024, 6, 15, 17, 45);
    QWidget* pFocused = form.m_pView->GetDlgItem(focused);
    pFocused->setFocus(Qt::TabFocusReason);
    QTest::keyClick(pFocused, Qt::Key(key));
    QCOMPARE(form.m_pView->m_bCalculated != 0, calculated);
    QCOMPARE(form.Shown(IDC_HOUR), hourShown);
    QCOMPARE(DialogClasses(form.m_ui).count("CDisclaimerDlg"), disclaimers);
}

REGISTER_TEST_SUITE(KeyboardTest);
#include "KeyboardTest.moc"
