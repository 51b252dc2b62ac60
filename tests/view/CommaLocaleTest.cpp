#include <QLocale>
#include <QTest>
#include <clocale>

#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "TestFiles.h"
#include "ViewHarness.h"

// Run under a decimal-comma locale (set up by CTest): fields and the exported file keep the full stop.
class CommaLocaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fieldsKeepTheFullStop();
    void exportKeepsTheFullStop();
};

void CommaLocaleTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "");
    // Without a comma locale this suite would prove nothing.
    QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QString(","));
}

void CommaLocaleTest::fieldsKeepTheFullStop() {
    ViewHarness form;
    form.Click(IDC_UNITS_SI);
    QCOMPARE(form.Shown(IDC_DELIVERY_TEMP), QString("148.89"));
    QCOMPARE(form.Shown(IDC_WIND_SPEED), QString("8.05"));
    form.m_ui.ClearRecords();
    form.Enter(IDC_AIR_TEMP, "12.5");
    QVERIFY(form.m_ui.m_messages.empty());
    QCOMPARE(form.m_pView->m_form.inputs.m_dAirTemp, 12.5);
    form.Enter(IDC_AIR_TEMP, "12,5");
    QCOMPARE(MessageTexts(form.m_ui), QStringList{"Please enter a number."});
    QCOMPARE(form.Shown(IDC_AIR_TEMP), QString("12.5"));
}

void CommaLocaleTest::exportKeepsTheFullStop() {
    const TemporaryCurrentFolder folder;
    QVERIFY(folder.IsCurrent());
    ViewHarness form;
    form.EnterRunA();
    form.Click(IDC_CALCULATE);
    QCOMPARE(form.Shown(IDC_STOP_TIME), QString("68"));
    form.Click(IDC_EXPORT);  // the dialog's default answer keeps "Output.xls"
    const QByteArray written = ReadFileBytes("Output.xls");
    QCOMPARE(written, form.ExpectedReport());
    QVERIFY(written.contains("Air Temp:\t10.00\tC\r\n"));
    QVERIFY(!written.contains(','));
}

REGISTER_TEST_SUITE_WITH_OWN_LOCALE(CommaLocaleTest);
#include "CommaLocaleTest.moc"
