#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "AppFixture.h"
#include "CMainFrame.h"
#include "HelpWindow.h"
#include "Resource.h"
#include "SuiteMain.h"

namespace {

// Plays the user choosing "print to file" with pathName in the print dialog.
ScriptedUiServices::DialogHandler PrintToPdf(const QString& pathName) {
    return [pathName](QDialog& dialog) {
        QPrinter* pPrinter = qobject_cast<QPrintDialog*>(&dialog)->printer();
        pPrinter->setOutputFormat(QPrinter::PdfFormat);
        pPrinter->setOutputFileName(pathName);
        return IDOK;
    };
}

// The size of a PDF with one page and nothing on it.
qint64 BlankPageSize(const QString& pathName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pathName);
    QPainter painter(&printer);
    painter.end();
    return QFileInfo(pathName).size();
}

}  // namespace

// Ctrl+P prints the form and the chart; F1, Shift+F1 and "Help Topics" open the program's help.
class PrintHelpTest : public QObject {
    Q_OBJECT
private slots:
    void printWritesAPageWithTheChart_data();
    void printWritesAPageWithTheChart();
    void printCancelledWritesNothing();
    void printerThatCannotBeOpenedIsReported();
    void helpOpensFromEveryWay_data();
    void helpOpensFromEveryWay();
    void helpOpensAtTheFocusedField();
    void helpExplainsEveryInputTimeAndNotice();
};

void PrintHelpTest::printWritesAPageWithTheChart_data() {
    QTest::addColumn<bool>("bCalculated");
    QTest::newRow("before any calculation") << false;
    QTest::newRow("after a calculation") << true;
}

void PrintHelpTest::printWritesAPageWithTheChart() {
    QFETCH(bool, bCalculated);
    QTemporaryDir dir;
    const QString pathName = dir.filePath(QStringLiteral("page.pdf"));
    StartedApp started;
    if (bCalculated) {
        started.View().OnCalculate();
        started.ui.ClearRecords();
    }
    started.ui.QueueDialog(PrintToPdf(pathName));

    started.Press(Qt::CTRL | Qt::Key_P);

    QCOMPARE(started.LastDialogClass(), QStringLiteral("QPrintDialog"));
    QVERIFY(started.ui.m_messages.empty());
    QFile pdf(pathName);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    // Texts and the chart make the page many times larger than a blank one.
    QCOMPARE_GT(pdf.size(), 4 * BlankPageSize(dir.filePath(QStringLiteral("blank.pdf"))));
}

void PrintHelpTest::printCancelledWritesNothing() {
    QTemporaryDir dir;
    const QString pathName = dir.filePath(QStringLiteral("page.pdf"));
    StartedApp started;
    started.ui.QueueDialog([pathName](QDialog& dialog) {
        PrintToPdf(pathName)(dialog);
        return IDCANCEL;
    });

    started.Press(Qt::CTRL | Qt::Key_P);

    QVERIFY(!QFile::exists(pathName));
    QVERIFY(started.ui.m_messages.empty());
}

void PrintHelpTest::printerThatCannotBeOpenedIsReported() {
    QTemporaryDir dir;
    const QString pathName = dir.filePath(QStringLiteral("no such folder/page.pdf"));
    StartedApp started;
    started.ui.QueueDialog(PrintToPdf(pathName));

    started.Press(Qt::CTRL | Qt::Key_P);

    QCOMPARE(started.ui.m_messages.size(), std::size_t{1});
    QVERIFY(started.ui.m_messages.front().text.contains(pathName));
    QVERIFY(started.ui.m_messages.front().text.contains(QStringLiteral("Nothing was printed")));
}

void PrintHelpTest::helpOpensFromEveryWay_data() {
    QTest::addColumn<int>("nKey");
    QTest::addColumn<int>("nModifiers");
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier);
    QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier);
    QTest::newRow("Help Topics menu item") << 0 << 0;
}

void PrintHelpTest::helpOpensFromEveryWay() {
    QFETCH(int, nKey);
    QFETCH(int, nModifiers);
    StartedApp started;
    QVERIFY(!started.Frame().HelpWindow());

    if (nKey)
        started.Press(QKeyCombination(Qt::KeyboardModifiers(nModifiers), Qt::Key(nKey)));
    else
        started.Frame().CommandAction(ID_HELP_FINDER)->trigger();

    CHelpWindow* pHelp = started.Frame().HelpWindow();
    QVERIFY(pHelp);
    QVERIFY(pHelp->isVisible());
    QVERIFY(pHelp->isWindow());
    // Not modal: the form still takes input.
    QVERIFY(!pHelp->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(started.ui.m_dialogs.size() == 1);
}

void PrintHelpTest::helpOpensAtTheFocusedField() {
    StartedApp started;
    started.Frame().CommandAction(ID_HELP_FINDER)->trigger();
    CHelpWindow& help = *started.Frame().HelpWindow();
    QTRY_COMPARE(help.verticalScrollBar()->value(), 0);

    // The export section sits far down the page: F1 on its button must scroll there.
    started.View().GetDlgItem(IDC_EXPORT)->setFocus();
    started.Press(QKeyCombination(Qt::Key_F1));
    QTRY_VERIFY(help.verticalScrollBar()->value() > 0);
}

void PrintHelpTest::helpExplainsEveryInputTimeAndNotice() {
    StartedApp started;
    started.Frame().CommandAction(ID_HELP_FINDER)->trigger();
    const QString text = started.Frame().HelpWindow()->toPlainText();
    const QStringList topics = {
        "Paving time and date",
        "air temperature",
        "wind speed",
        "Sky conditions",
        "Latitude",
        "Mix type",
        "PG grade",
        "Lift thickness",
        "Delivery temperature",
        "material type",
        "Moisture content",
        "state of moisture",
        "Surface temperature",
        "Units",
        "120",
        "110",
        "79.5",
        "175.1",
        "SLOW PAVEMENT COOLING",
        "RAPID PAVEMENT COOLING",
        "2 hours",
        "10 minutes",
        "Export Data",
    };
    for (const QString& topic : topics)
        QVERIFY2(text.contains(topic, Qt::CaseInsensitive), qPrintable(topic));
}

REGISTER_TEST_SUITE(PrintHelpTest);
#include "PrintHelpTest.moc"
