#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

// Leaving a field: integer prompts with the focus put back, real numbers clamped with a message and
// rounded to hundredths, and "Export Data" disabled whether or not anything changed.
class FieldValidationTest : public QObject {
    Q_OBJECT

private slots:
    void monthOutOfRangeIsRefusedAndSelected();
    void integerFields_data();
    void integerFields();
    void fieldWithoutHandlerIsReportedAtTheNextRead();
    void realFields_data();
    void realFields();
    void leavingAnUnchangedFieldDisablesExport();
};

namespace {

const QString kMinimum = "Value will automatically be set to minimum.";
const QString kMaximum = "Value will automatically be set to maximum.";
const QString kNumber = "Please enter a number.";

}  // namespace

void FieldValidationTest::monthOutOfRangeIsRefusedAndSelected() {
    ViewHarness form;
    form.m_ui.ClearRecords();
    form.Enter(IDC_MONTH, "13");
    QCOMPARE(MessageTexts(form.m_ui), QStringList{"Please enter an integer between 1 and 12."});
    QCOMPARE(form.m_ui.m_messages[0].caption, QString("Dravonel"));
    QCOMPARE(form.m_ui.m_messages[0].type, MB_OK | MB_ICONEXCLAMATION);
    QCOMPARE(QApplication::focusWidget(), form.Edit(IDC_MONTH));
    QCOMPARE(form.Edit(IDC_MONTH)->selectedText(), QString("13"));
    QCOMPARE(form.m_pView->m_form.inputs.m_nMonth, 13);  // kept until corrected
}

// Rows: what is typed into which integer field, what the field shows afterwards, and the prompt.
void FieldValidationTest::integerFields_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("prompt");

    QTest::newRow("hour 24 is accepted") << IDC_HOUR << "24"
                                         << "24"
                                         << "";
    QTest::newRow("hour 25 is out of range") << IDC_HOUR << "25"
                                             << "25"
                                             << "Please enter an integer between 0 and 24.";
    QTest::newRow("hour with a decimal") << IDC_HOUR << "2.5"
                                         << "12"
                                         << "Please enter an integer.";
    QTest::newRow("empty hour") << IDC_HOUR << ""
                                << "12"
                                << "Please enter an integer.";
    QTest::newRow("month 12 is accepted") << IDC_MONTH << "12"
                                          << "12"
                                          << "";
    QTest::newRow("month 0") << IDC_MONTH << "0"
                             << "0"
                             << "Please enter an integer between 1 and 12.";
    QTest::newRow("day in letters") << IDC_DAY << "xx"
                                    << "15"
                                    << "Please enter an integer.";
}

void FieldValidationTest::integerFields() {
    QFETCH(int, control);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, prompt);
    ViewHarness form;
    form.m_ui.ClearRecords();
    form.Enter(control, typed);
    QCOMPARE(MessageTexts(form.m_ui), prompt.isEmpty() ? QStringList{} : QStringList{prompt});
    QCOMPARE(form.Shown(control), shown);
    if (!prompt.isEmpty()) QCOMPARE(QApplication::focusWidget(), form.Edit(control));
}

void FieldValidationTest::fieldWithoutHandlerIsReportedAtTheNextRead() {
    ViewHarness form;
    form.m_ui.ClearRecords();
    form.Enter(IDC_MINUTE, "60");
    form.Enter(IDC_YEAR, "1989");
    QVERIFY(form.m_ui.m_messages.empty());  // neither field has a handler of its own
    form.Enter(IDC_AIR_TEMP, "55");
    QCOMPARE(MessageTexts(form.m_ui), QStringList{"Please enter an integer between 1990 and 3001."});
    QCOMPARE(QApplication::focusWidget(), form.Edit(IDC_YEAR));
    QCOMPARE(form.m_pView->m_form.inputs.m_nMinute, 60);
}

// Rows in the unit system named; shown texts are exact: values are rounded to hundredths and shown
// with up to 15 significant digits.
void FieldValidationTest::realFields_data() {
    QTest::addColumn<bool>("si");
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");

    QTest::newRow("air above maximum") << false << IDC_AIR_TEMP << "130"
                                       << "120" << kMaximum;
    QTest::newRow("air below minimum") << false << IDC_AIR_TEMP << "-50"
                                       << "-40" << kMinimum;
    QTest::newRow("air at maximum") << false << IDC_AIR_TEMP << "120"
                                    << "120"
                                    << "";
    QTest::newRow("air at minimum") << false << IDC_AIR_TEMP << "-40"
                                    << "-40"
                                    << "";
    QTest::newRow("air rounding onto the limit") << false << IDC_AIR_TEMP << "119.996"
                                                 << "120"
                                                 << "";
    QTest::newRow("air just beyond the limit") << false << IDC_AIR_TEMP << "120.004"
                                               << "120" << kMaximum;
    QTest::newRow("air in exponent form") << false << IDC_AIR_TEMP << "1e1"
                                          << "10"
                                          << "";
    QTest::newRow("air in letters") << false << IDC_AIR_TEMP << "warm"
                                    << "50" << kNumber;
    QTest::newRow("air empty") << false << IDC_AIR_TEMP << ""
                               << "50" << kNumber;
    QTest::newRow("air nan") << false << IDC_AIR_TEMP << "nan"
                             << "50" << kNumber;
    QTest::newRow("air inf") << false << IDC_AIR_TEMP << "inf"
                             << "50" << kNumber;
    QTest::newRow("air 1e999") << false << IDC_AIR_TEMP << "1e999"
                               << "50" << kNumber;
    QTest::newRow("air hexadecimal") << false << IDC_AIR_TEMP << "0x1A"
                                     << "50" << kNumber;
    QTest::newRow("lift below minimum") << false << IDC_LIFT_THICKNESS << "0.4"
                                        << "0.5" << kMinimum;
    QTest::newRow("lift rounds down") << false << IDC_LIFT_THICKNESS << "3.14159"
                                      << "3.14"
                                      << "";
    QTest::newRow("lift rounds half up") << false << IDC_LIFT_THICKNESS << "3.145"
                                         << "3.15"
                                         << "";
    QTest::newRow("surface cut toward zero") << false << IDC_SURFACE_TEMP << "-12.345"
                                             << "-12.34"
                                             << "";
    QTest::newRow("surface near minimum") << false << IDC_SURFACE_TEMP << "-39.996"
                                          << "-39.99"
                                          << "";
    QTest::newRow("latitude above maximum") << false << IDC_LATITUDE << "95"
                                            << "90" << kMaximum;
    QTest::newRow("latitude below minimum") << false << IDC_LATITUDE << "-10"
                                            << "0" << kMinimum;
    QTest::newRow("latitude rounds up") << false << IDC_LATITUDE << "44.999"
                                        << "45"
                                        << "";
    QTest::newRow("wind below minimum") << false << IDC_WIND_SPEED << "-5"
                                        << "0" << kMinimum;
    QTest::newRow("delivery above maximum") << false << IDC_DELIVERY_TEMP << "400"
                                            << "315" << kMaximum;
    QTest::newRow("SI lift above maximum") << true << IDC_LIFT_THICKNESS << "300"
                                           << "254" << kMaximum;
    QTest::newRow("SI delivery above maximum") << true << IDC_DELIVERY_TEMP << "157.22"
                                               << "157.2" << kMaximum;
    QTest::newRow("SI air above maximum") << true << IDC_AIR_TEMP << "48.9"
                                          << "48.89" << kMaximum;
    QTest::newRow("SI wind at maximum") << true << IDC_WIND_SPEED << "193.08"
                                        << "193.08"
                                        << "";
}

void FieldValidationTest::realFields() {
    QFETCH(bool, si);
    QFETCH(int, control);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    ViewHarness form;
    if (si) form.Click(IDC_UNITS_SI);
    form.m_ui.ClearRecords();
    form.Enter(control, typed);
    QCOMPARE(MessageTexts(form.m_ui), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(form.Shown(control), shown);
    if (message == kMinimum || message == kMaximum) {
        QCOMPARE(form.m_ui.m_messages[0].caption, QString("Value Out of Range"));
        QCOMPARE(form.m_ui.m_messages[0].type, MB_OK | MB_ICONEXCLAMATION);
        QCOMPARE(form.m_ui.m_messages[0].owner.data(), static_cast<QWidget*>(form.m_pView.get()));
    }
    QVERIFY(!form.IsEnabled(IDC_EXPORT));
}

void FieldValidationTest::leavingAnUnchangedFieldDisablesExport() {
    ViewHarness form;
    form.Click(IDC_CALCULATE);
    QVERIFY(form.IsEnabled(IDC_EXPORT));
    form.m_ui.ClearRecords();
    form.Edit(IDC_AIR_TEMP)->setFocus(Qt::TabFocusReason);
    form.Leave();
    QVERIFY(form.m_ui.m_messages.empty());
    QVERIFY(!form.IsEnabled(IDC_EXPORT));
    QCOMPARE(form.Shown(IDC_AIR_TEMP), QString("50"));
    form.Click(IDC_CALCULATE);
    QVERIFY(form.IsEnabled(IDC_EXPORT));
}

REGISTER_TEST_SUITE(FieldValidationTest);
#include "FieldValidationTest.moc"
