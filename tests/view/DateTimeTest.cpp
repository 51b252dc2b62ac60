#include <QLineEdit>
#include <QTest>

#include "Resource.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

// The paving date and time: the clock fill and the silent day corrections when a field is left.
class DateTimeTest : public QObject {
    Q_OBJECT

private slots:
    void dayCorrections_data();
    void dayCorrections();
    void updateToCurrentTime();
};

// Rows: year, month and day typed in this order (month and day swapped when dayFirst; each field left
// after typing), and the day shown at the end.
void DateTimeTest::dayCorrections_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QString>("dayShown");

    QTest::newRow("day 31 in April") << "2023"
                                     << "4"
                                     << "31" << false << "30";
    QTest::newRow("day 31, then month 2") << "2023"
                                          << "2"
                                          << "31" << true << "28";
    QTest::newRow("day 31, then month 2 of a leap year") << "2024"
                                                         << "2"
                                                         << "31" << true << "29";
    QTest::newRow("29 February in a common year") << "2023"
                                                  << "2"
                                                  << "29" << false << "28";
    QTest::newRow("29 February in a leap year stays") << "2024"
                                                      << "2"
                                                      << "29" << false << "29";
    QTest::newRow("29 February of 2100 is not a leap day") << "2100"
                                                           << "2"
                                                           << "29" << false << "28";
    QTest::newRow("day 0 becomes 1") << "2023"
                                     << "5"
                                     << "0" << false << "1";
    QTest::newRow("negative day becomes 1") << "2023"
                                            << "5"
                                            << "-3" << false << "1";
    QTest::newRow("day 31 in December stays") << "2023"
                                              << "12"
                                              << "31" << false << "31";
}

void DateTimeTest::dayCorrections() {
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(bool, dayFirst);
    QFETCH(QString, dayShown);
    ViewHarness form;
    form.Enter(IDC_YEAR, year);
    form.m_ui.ClearRecords();
    if (dayFirst) {
        form.Enter(IDC_DAY, day);
        form.Enter(IDC_MONTH, month);
    } else {
        form.Enter(IDC_MONTH, month);
        form.Enter(IDC_DAY, day);
    }
    QCOMPARE(form.Shown(IDC_DAY), dayShown);
    QVERIFY(form.m_ui.m_messages.empty());
    QVERIFY(!form.IsEnabled(IDC_EXPORT));
}

void DateTimeTest::updateToCurrentTime() {
    ViewHarness form;
    form.Click(IDC_CALCULATE);
    form.m_now = LocalClock(1999, 3, 5, 14, 37, 59);
    form.Click(IDC_UPDATE_TIME);
    QCOMPARE(form.Shown(IDC_HOUR), QString("14"));
    QCOMPARE(form.Shown(IDC_MINUTE), QString("37"));
    QCOMPARE(form.Shown(IDC_MONTH), QString("3"));
    QCOMPARE(form.Shown(IDC_DAY), QString("5"));
    QCOMPARE(form.Shown(IDC_YEAR), QString("1999"));
    QVERIFY(!form.IsEnabled(IDC_EXPORT));

    // The clock's 29 February of a leap year is taken as it is, and leaving the day keeps it.
    form.m_now = LocalClock(2024, 2, 29, 8, 0);
    form.Click(IDC_UPDATE_TIME);
    QCOMPARE(form.Shown(IDC_DAY), QString("29"));
    form.Edit(IDC_DAY)->setFocus(Qt::TabFocusReason);
    form.Leave();
    QCOMPARE(form.Shown(IDC_DAY), QString("29"));
}

REGISTER_TEST_SUITE(DateTimeTest);
#include "DateTimeTest.moc"
