#include <QDir>
#include <QLineEdit>
#include <QTest>

#include "ExportDlg.h"
#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "TestFiles.h"
#include "UserInput.h"
#include "ViewHarness.h"

namespace {

const QString kExported = "Data has been exported to designated file";

}  // namespace

// "Export Data": the file equals the report writer's text, success is claimed only after a complete
// write, a failed or cancelled export leaves every file as it was, and the last accepted name is offered.
class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exportedFileIsTheReport_data();
    void exportedFileIsTheReport();
    void failedWriteClaimsNothing_data();
    void failedWriteClaimsNothing();
    void escapeWritesNothing();
    void nextExportOffersTheLastName();

private:
    // Plays the Export dialog: notes the name it offers, types `name` and presses Enter ("Export"),
    // or Esc when bEscape.
    ScriptedUiServices::DialogHandler ExportAs(const QString& name, bool bEscape = false);

    std::unique_ptr<TemporaryCurrentFolder> m_pFolder;
    QStringList m_offered;
};

void ExportTest::init() {
    m_pFolder = std::make_unique<TemporaryCurrentFolder>();
    QVERIFY(m_pFolder->IsCurrent());
    m_offered.clear();
}

void ExportTest::cleanup() { m_pFolder.reset(); }

ScriptedUiServices::DialogHandler ExportTest::ExportAs(const QString& name, bool bEscape) {
    return [this, name, bEscape](QDialog& dialog) {
        if (!ShowActive(dialog)) return -1;
        auto* pEdit = qobject_cast<QLineEdit*>(static_cast<CExportDlg&>(dialog).GetDlgItem(IDC_EXPORT_FILE));
        m_offered << pEdit->text();
        pEdit->setFocus(Qt::TabFocusReason);
        ReplaceText(*pEdit, name);
        QTest::keyClick(pEdit, bEscape ? Qt::Key_Escape : Qt::Key_Return);
        return dialog.result();
    };
}

void ExportTest::exportedFileIsTheReport_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("header");
    QTest::newRow("SI") << false << "Time(min)\tTemp(C)\tStop(C)";
    QTest::newRow("English") << true << "Time(min)\tTemp(F)\tStop(F)";
}

void ExportTest::exportedFileIsTheReport() {
    QFETCH(bool, english);
    QFETCH(QString, header);
    ViewHarness form;
    form.EnterRunA();
    if (english) form.Click(IDC_UNITS_ENGLISH);
    form.Click(IDC_CALCULATE);
    form.m_ui.ClearRecords();
    form.m_ui.QueueDialog(ExportAs("runA.xls"));
    form.Click(IDC_EXPORT);

    QCOMPARE(MessageTexts(form.m_ui), QStringList{kExported});
    QCOMPARE(form.m_ui.m_messages[0].caption, QString("Export Successful!"));
    QCOMPARE(form.m_ui.m_messages[0].type, MB_OK | MB_ICONINFORMATION);
    const QByteArray written = ReadFileBytes("runA.xls");
    QCOMPARE(written, form.ExpectedReport());

    // The table opens as columns: a header of three tab-separated names, then one row a minute.
    const QList<QByteArray> lines = written.split('\n');
    const int nHeader = lines.indexOf(header.toLatin1() + "\r");
    QVERIFY(nHeader > 0);
    QCOMPARE(lines.size() - nHeader - 2,
             120);  // rows for minutes 0 to 119, then the empty tail after the last CR LF
    for (int i = nHeader + 1; i < lines.size() - 1; ++i) {
        const QList<QByteArray> cells = lines[i].chopped(1).split('\t');
        QCOMPARE(cells.size(), 3);
        for (const QByteArray& cell : cells) {
            bool bNumber = false;
            cell.toDouble(&bNumber);
            QVERIFY2(bNumber, cell.constData());
        }
    }
}

// Rows: a name that cannot be written; an existing "Output.xls" and the folder "Reports.xls" must
// come through untouched.
void ExportTest::failedWriteClaimsNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing folder") << "no/such/folder/out.xls";
    QTest::newRow("name of a folder") << "Reports.xls";
    QTest::newRow("existing file named as a folder") << "Output.xls/";
}

void ExportTest::failedWriteClaimsNothing() {
    QFETCH(QString, name);
    QVERIFY(WriteFileBytes("Output.xls", "earlier report\r\n"));
    QVERIFY(QDir().mkdir("Reports.xls"));
    QVERIFY(WriteFileBytes("Reports.xls/keep.txt", "kept"));
    ViewHarness form;
    form.Click(IDC_CALCULATE);
    form.m_ui.ClearRecords();
    form.m_ui.QueueDialog(ExportAs(name));
    form.Click(IDC_EXPORT);

    QCOMPARE(form.m_ui.m_messages.size(), size_t{1});
    QCOMPARE(form.m_ui.m_messages[0].caption, QString("Can Not Export"));
    QCOMPARE(form.m_ui.m_messages[0].type, MB_OK | MB_ICONEXCLAMATION);
    QVERIFY2(form.m_ui.m_messages[0].text.contains(name), qPrintable(form.m_ui.m_messages[0].text));
    QCOMPARE(ReadFileBytes("Output.xls"), QByteArray("earlier report\r\n"));
    QCOMPARE(ReadFileBytes("Reports.xls/keep.txt"), QByteArray("kept"));
    QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"Output.xls"});
    QCOMPARE(QDir("Reports.xls").entryList(QDir::Files | QDir::Hidden), QStringList{"keep.txt"});
}

void ExportTest::escapeWritesNothing() {
    QVERIFY(WriteFileBytes("Output.xls", "earlier report\r\n"));
    ViewHarness form;
    form.Click(IDC_CALCULATE);
    form.m_ui.ClearRecords();
    form.m_ui.QueueDialog(ExportAs("typed.xls", true));
    form.Click(IDC_EXPORT);
    QVERIFY(form.m_ui.m_messages.empty());
    QCOMPARE(form.m_ui.m_dialogs[0].nResult, IDCANCEL);
    QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"Output.xls"});
    QCOMPARE(ReadFileBytes("Output.xls"), QByteArray("earlier report\r\n"));
    QCOMPARE(form.m_pView->m_strExportFile, std::string("Output.xls"));
}

void ExportTest::nextExportOffersTheLastName() {
    ViewHarness form;
    form.Click(IDC_CALCULATE);
    form.m_ui.QueueDialog(ExportAs("first.xls"));
    form.Click(IDC_EXPORT);
    form.m_ui.QueueDialog(ExportAs("first.xls"));
    form.Click(IDC_EXPORT);
    QCOMPARE(m_offered, (QStringList{"Output.xls", "first.xls"}));
    QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"first.xls"});
    QCOMPARE(form.m_pView->m_strExportFile, std::string("first.xls"));
}

REGISTER_TEST_SUITE(ExportTest);
#include "ExportTest.moc"
