#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "ExchangeHost.h"
#include "ScriptedUiServices.h"
#include "SuiteMain.h"
#include "UserInput.h"

// The exchange routines as the form uses them: what text is accepted, what each refusal shows, where
// the focus goes, and how far a refused read gets.
class DataExchangeTest : public QObject {
    Q_OBJECT

private slots:
    void realFieldText_data();
    void realFieldText();
    void integerFieldText_data();
    void integerFieldText();
    void writtenText_data();
    void writtenText();
    void rangeRefusalKeepsNewValueAndSelectsIt();
    void unparsableRefusalKeepsOldValueAndStopsThere();
    void onlyOnePromptPerRead();
    void unchangedTextKeepsItsSelection();
    void listAndRadioCanShowNothing();
};

namespace {

constexpr unsigned kPromptType = MB_OK | MB_ICONEXCLAMATION;

}  // namespace

// Values are compared exactly: the text is parsed once, nothing is computed on it.
void DataExchangeTest::realFieldText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    QTest::newRow("plain decimal") << "12.5" << true << 12.5;
    QTest::newRow("exponent form") << "1e2" << true << 100.0;
    QTest::newRow("negative") << "-17.77" << true << -17.77;
    QTest::newRow("blanks and tabs around") << " \t48.89 \t" << true << 48.89;
    QTest::newRow("zero written as zero") << "0" << true << 0.0;
    QTest::newRow("zero with decimals") << "0.00" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("only blanks") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("number then letters") << "12abc" << false << 0.0;
    QTest::newRow("decimal comma") << "1,5" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("-infinity") << "-infinity" << false << 0.0;
    QTest::newRow("overflow 1e999") << "1e999" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x1p3" << false << 0.0;
    QTest::newRow("zero-leading text that is not a number") << "0abc" << false << 0.0;
}

void DataExchangeTest::realFieldText() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    ScriptedUiServices ui;
    ExchangeHost host;
    QVERIFY(ShowActive(host));
    host.UpdateData(false);
    host.Edit(ExchangeHost::kRealA)->setText(text);

    QCOMPARE(host.UpdateData(true), accepted);
    if (accepted) {
        QCOMPARE(host.m_dRealA, value);
        QVERIFY(ui.m_messages.empty());
        return;
    }
    QCOMPARE(host.m_dRealA, 1.5);
    QCOMPARE(ui.m_messages.size(), size_t{1});
    QCOMPARE(ui.m_messages[0].text, QString("Please enter a number."));
    QCOMPARE(ui.m_messages[0].caption, QString("Dravonel"));
    QCOMPARE(ui.m_messages[0].type, kPromptType);
    QCOMPARE(QApplication::focusWidget(), host.Edit(ExchangeHost::kRealA));
    QCOMPARE(host.Edit(ExchangeHost::kRealA)->selectedText(), text);
}

void DataExchangeTest::integerFieldText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "42" << true << 42;
    QTest::newRow("signed with blanks") << " -4 \t" << true << -4;
    QTest::newRow("explicit plus") << "+9" << true << 9;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("decimal") << "2.5" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "ab" << false << 0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0;
    QTest::newRow("beyond int") << "99999999999" << false << 0;
}

void DataExchangeTest::integerFieldText() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(int, value);
    ScriptedUiServices ui;
    ExchangeHost host;
    QVERIFY(ShowActive(host));
    host.UpdateData(false);
    host.Edit(ExchangeHost::kIntB)->setText(text);

    QCOMPARE(host.UpdateData(true), accepted);
    if (accepted) {
        QCOMPARE(host.m_nIntB, value);
        QVERIFY(ui.m_messages.empty());
        return;
    }
    QCOMPARE(host.m_nIntB, 7);
    QCOMPARE(ui.m_messages.size(), size_t{1});
    QCOMPARE(ui.m_messages[0].text, QString("Please enter an integer."));
    QCOMPARE(ui.m_messages[0].caption, QString("Dravonel"));
    QCOMPARE(QApplication::focusWidget(), host.Edit(ExchangeHost::kIntB));
}

void DataExchangeTest::writtenText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("two decimals") << 48.89 << "48.89";
    QTest::newRow("whole number without point") << 3.0 << "3";
    QTest::newRow("negative") << -17.77 << "-17.77";
    QTest::newRow("fifteen significant digits") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("large value in exponent form") << 1e20 << "1e+20";
}

void DataExchangeTest::writtenText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    ScriptedUiServices ui;
    ExchangeHost host;
    host.m_dRealA = value;
    host.UpdateData(false);
    QCOMPARE(host.Edit(ExchangeHost::kRealA)->text(), text);
}

void DataExchangeTest::rangeRefusalKeepsNewValueAndSelectsIt() {
    ScriptedUiServices ui;
    ExchangeHost host;
    QVERIFY(ShowActive(host));
    host.UpdateData(false);
    host.Edit(ExchangeHost::kRealA)->setText("9.75");
    host.Edit(ExchangeHost::kMonth)->setText("13");
    host.Edit(ExchangeHost::kIntB)->setText("99");

    QVERIFY(!host.UpdateData(true));
    QCOMPARE(ui.m_messages.size(), size_t{1});
    QCOMPARE(ui.m_messages[0].text, QString("Please enter an integer between 1 and 12."));
    QCOMPARE(host.m_dRealA, 9.75);  // read before the month
    QCOMPARE(host.m_nMonth, 13);    // only the range check failed
    QCOMPARE(host.m_nIntB, 7);      // after the month: not read
    QCOMPARE(QApplication::focusWidget(), host.Edit(ExchangeHost::kMonth));
    QCOMPARE(host.Edit(ExchangeHost::kMonth)->selectedText(), QString("13"));
}

void DataExchangeTest::unparsableRefusalKeepsOldValueAndStopsThere() {
    ScriptedUiServices ui;
    ExchangeHost host;
    QVERIFY(ShowActive(host));
    host.UpdateData(false);
    host.Edit(ExchangeHost::kIntB)->setText("x");
    host.Edit(ExchangeHost::kRealC)->setText("8.5");
    host.List()->setCurrentIndex(0);

    QVERIFY(!host.UpdateData(true));
    QCOMPARE(host.m_nIntB, 7);
    QCOMPARE(host.m_dRealC, 2.5);
    QCOMPARE(host.m_nList, 1);
    // The write that follows in a handler puts the old value back in place of the refused text, and
    // leaves what the user typed or chose in the controls the read did not reach.
    host.UpdateData(false);
    QCOMPARE(host.Edit(ExchangeHost::kIntB)->text(), QString("7"));
    QCOMPARE(host.Edit(ExchangeHost::kRealC)->text(), QString("8.5"));
    QCOMPARE(host.List()->currentIndex(), 0);
    // A member changed since the refusal is written; the others are still left alone.
    host.m_nRadio = 1;
    host.UpdateData(false);
    QVERIFY(host.Radio(ExchangeHost::kRadioSecond)->isChecked());
    QCOMPARE(host.Edit(ExchangeHost::kRealC)->text(), QString("8.5"));
    // A successful read takes the entries up and forgets the refusal.
    host.Edit(ExchangeHost::kIntB)->setText("9");
    QVERIFY(host.UpdateData(true));
    QCOMPARE(host.m_dRealC, 8.5);
    QCOMPARE(host.m_nList, 0);
    host.m_dRealC = 4.0;
    host.UpdateData(false);
    QCOMPARE(host.Edit(ExchangeHost::kRealC)->text(), QString("4"));
}

void DataExchangeTest::onlyOnePromptPerRead() {
    ScriptedUiServices ui;
    ExchangeHost host;
    QVERIFY(ShowActive(host));
    host.UpdateData(false);
    host.Edit(ExchangeHost::kRealA)->setText("bad");
    host.Edit(ExchangeHost::kMonth)->setText("0");
    host.Edit(ExchangeHost::kIntB)->setText("bad");

    QVERIFY(!host.UpdateData(true));
    QCOMPARE(ui.m_messages.size(), size_t{1});
    QCOMPARE(ui.m_messages[0].text, QString("Please enter a number."));
}

void DataExchangeTest::unchangedTextKeepsItsSelection() {
    ScriptedUiServices ui;
    ExchangeHost host;
    QVERIFY(ShowActive(host));
    host.UpdateData(false);
    QLineEdit* pEdit = host.Edit(ExchangeHost::kRealA);
    pEdit->setFocus();
    pEdit->selectAll();
    host.UpdateData(false);
    QCOMPARE(pEdit->selectedText(), QString("1.5"));
}

void DataExchangeTest::listAndRadioCanShowNothing() {
    ScriptedUiServices ui;
    ExchangeHost host;
    host.m_nList = -1;
    host.m_nRadio = -1;
    host.UpdateData(false);
    QCOMPARE(host.List()->currentText(), QString());
    QVERIFY(!host.Radio(ExchangeHost::kRadioFirst)->isChecked());
    QVERIFY(!host.Radio(ExchangeHost::kRadioSecond)->isChecked());
    host.m_nList = 5;
    host.m_nRadio = 5;
    QVERIFY(host.UpdateData(true));
    QCOMPARE(host.m_nList, -1);
    QCOMPARE(host.m_nRadio, -1);

    host.m_nList = 1;
    host.m_nRadio = 1;
    host.UpdateData(false);
    QCOMPARE(host.List()->currentText(), QString("Wet"));
    QVERIFY(host.Radio(ExchangeHost::kRadioSecond)->isChecked());
    QTest::mouseClick(host.Radio(ExchangeHost::kRadioFirst), Qt::LeftButton);
    QVERIFY(!host.Radio(ExchangeHost::kRadioSecond)->isChecked());  // still one group after a clear
    QVERIFY(host.UpdateData(true));
    QCOMPARE(host.m_nRadio, 0);
}

REGISTER_TEST_SUITE(DataExchangeTest);
#include "DataExchangeTest.moc"
