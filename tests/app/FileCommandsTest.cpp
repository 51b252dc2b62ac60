#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "AppFixture.h"
#include "CDravonelDoc.h"
#include "CMainFrame.h"
#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "TestFiles.h"

namespace {

// Plays the user choosing pathName in the file dialog.
ScriptedUiServices::DialogHandler ChooseFile(const QString& pathName) {
    return [pathName](QDialog& dialog) {
        qobject_cast<QFileDialog*>(&dialog)->selectFile(pathName);
        return IDOK;
    };
}

int FileDialogCount(const ScriptedUiServices& ui) {
    return DialogClasses(ui).count(QStringLiteral("QFileDialog"));
}

}  // namespace

// Ctrl+N, Ctrl+O and Ctrl+S: the document's title, the files on disk and the form. (Job files themselves,
// the recent files and the question about unsaved changes: JobFilesTest.)
class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void newAsksThenStartsTheFormAfresh();
    void openOfAnotherProgramsFileIsRefused();
    void openCancelledOrUnreadableChangesNothing_data();
    void openCancelledOrUnreadableChangesNothing();
    void saveAsksOnlyForFilesItWroteItself_data();
    void saveAsksOnlyForFilesItWroteItself();
    void saveWritesTheJobToTheChosenName();
    void saveFailureIsReportedAndKeepsTheOldFile();

private:
    QString PathOf(const QString& name) const;
    QString WriteFile(const QString& name, const QByteArray& contents) const;

    std::unique_ptr<QTemporaryDir> m_pDir;
};

void FileCommandsTest::init() { m_pDir = std::make_unique<QTemporaryDir>(); }

QString FileCommandsTest::PathOf(const QString& name) const { return m_pDir->filePath(name); }

QString FileCommandsTest::WriteFile(const QString& name, const QByteArray& contents) const {
    return WriteFileBytes(PathOf(name), contents) ? PathOf(name) : QString();
}

void FileCommandsTest::newAsksThenStartsTheFormAfresh() {
    StartedApp started;
    started.TypeAndLeave(IDC_AIR_TEMP, QStringLiteral("61"));
    // The minutes field has no handler: text put there without moving the focus reaches no member; New
    // puts the clock's minutes back all the same.
    started.Edit(IDC_MINUTE).setText(QStringLiteral("45"));
    started.ui.ClearRecords();
    started.ui.QueueDialog([](QDialog& dialog) {
        qobject_cast<QMessageBox*>(&dialog)->button(QMessageBox::Discard)->click();
        return dialog.result();
    });

    started.Press(Qt::CTRL | Qt::Key_N);

    QCOMPARE(DialogClasses(started.ui), QStringList{"QMessageBox"});
    QCOMPARE(started.Edit(IDC_MINUTE).text(), QStringLiteral("30"));
    QCOMPARE(started.Edit(IDC_AIR_TEMP).text(), QStringLiteral("50"));
    QCOMPARE(started.View().m_form.inputs.m_dAirTemp, 50.0);
    QCOMPARE(started.Frame().windowTitle(), QStringLiteral("KELVANOR 2.0 - Pavement Cooling Program"));
    QVERIFY(!started.Frame().isWindowModified());
    QVERIFY(started.ui.m_messages.empty());
}

void FileCommandsTest::openOfAnotherProgramsFileIsRefused() {
    const QString pathName = WriteFile(QStringLiteral("site notes.txt"), "keep me");
    StartedApp started;
    started.TypeAndLeave(IDC_AIR_TEMP, QStringLiteral("61"));
    const QString titleBefore = started.Frame().windowTitle();
    started.ui.QueueDialog(ChooseFile(pathName));

    started.Press(Qt::CTRL | Qt::Key_O);

    QCOMPARE(MessageTexts(started.ui).size(), 1);
    QVERIFY(MessageTexts(started.ui).front().contains(QStringLiteral("site notes.txt")));
    QCOMPARE(started.Frame().windowTitle(), titleBefore);
    QCOMPARE(ReadFileBytes(pathName), QByteArray("keep me"));
    QCOMPARE(started.Edit(IDC_AIR_TEMP).text(), QStringLiteral("61"));
}

void FileCommandsTest::openCancelledOrUnreadableChangesNothing_data() {
    QTest::addColumn<bool>("bCancel");
    QTest::addColumn<int>("nMessages");
    QTest::newRow("dialog cancelled") << true << 0;
    QTest::newRow("file cannot be read") << false << 1;
}

void FileCommandsTest::openCancelledOrUnreadableChangesNothing() {
    QFETCH(bool, bCancel);
    QFETCH(int, nMessages);
    StartedApp started;
    const QString titleBefore = started.Frame().windowTitle();
    if (bCancel)
        started.ui.QueueDialog([](QDialog&) { return IDCANCEL; });
    else
        started.ui.QueueDialog(ChooseFile(PathOf(QStringLiteral("none.txt"))));

    started.Press(Qt::CTRL | Qt::Key_O);

    QCOMPARE(started.Frame().windowTitle(), titleBefore);
    QCOMPARE(static_cast<int>(started.ui.m_messages.size()), nMessages);
    QVERIFY(started.app.GetDocument()->GetPathName().isEmpty());
}

void FileCommandsTest::saveAsksOnlyForFilesItWroteItself_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("bAsks");
    QTest::newRow("new document") << QStringLiteral("new") << true;
    QTest::newRow("after saving it") << QStringLiteral("saved") << false;
    // Another program's file is refused, so the job keeps no name and Save asks.
    QTest::newRow("after trying to open another program's file") << QStringLiteral("opened") << true;
}

void FileCommandsTest::saveAsksOnlyForFilesItWroteItself() {
    QFETCH(QString, before);
    QFETCH(bool, bAsks);
    const QString opened = WriteFile(QStringLiteral("opened.txt"), "someone's data");
    StartedApp started;
    if (before == QStringLiteral("saved")) {
        started.ui.QueueDialog(ChooseFile(PathOf(QStringLiteral("saved.txt"))));
        started.Press(Qt::CTRL | Qt::Key_S);
    } else if (before == QStringLiteral("opened")) {
        started.ui.QueueDialog(ChooseFile(opened));
        started.Press(Qt::CTRL | Qt::Key_O);
    }
    const int nDialogsBefore = FileDialogCount(started.ui);
    started.ui.QueueDialog([](QDialog&) { return IDCANCEL; });

    started.Press(Qt::CTRL | Qt::Key_S);

    QCOMPARE(FileDialogCount(started.ui) - nDialogsBefore, bAsks ? 1 : 0);
    // A cancelled save never touches the file that was opened.
    QCOMPARE(ReadFileBytes(opened), QByteArray("someone's data"));
}

void FileCommandsTest::saveWritesTheJobToTheChosenName() {
    const QString pathName = PathOf(QStringLiteral("job 12.dat"));
    StartedApp started;
    bool bConfirmsOverwrite = false;
    started.ui.QueueDialog([&](QDialog& dialog) {
        auto& fileDialog = *qobject_cast<QFileDialog*>(&dialog);
        bConfirmsOverwrite = fileDialog.acceptMode() == QFileDialog::AcceptSave &&
                             !fileDialog.testOption(QFileDialog::DontConfirmOverwrite);
        return ChooseFile(pathName)(dialog);
    });

    started.Press(Qt::CTRL | Qt::Key_S);

    QVERIFY(bConfirmsOverwrite);

    QVERIFY(QFile::exists(pathName));
    // A save that keeps nothing would be a failure reported as success: the file holds the job.
    QVERIFY(ReadFileBytes(pathName).contains("\"format\": \"dravonel-job\""));
    QVERIFY(ReadFileBytes(pathName).contains("\"air\": \"50\""));
    QCOMPARE(started.Frame().windowTitle(),
             QStringLiteral("job 12.dat[*] - KELVANOR 2.0 - Pavement Cooling Program"));
    QVERIFY(started.ui.m_messages.empty());
}

void FileCommandsTest::saveFailureIsReportedAndKeepsTheOldFile() {
    // A name below a plain file cannot be written by anyone, root included.
    const QString blocker = WriteFile(QStringLiteral("notes.txt"), "old contents");
    const QString pathName = blocker + QStringLiteral("/job.dat");
    StartedApp started;
    const QString titleBefore = started.Frame().windowTitle();
    started.ui.QueueDialog(ChooseFile(pathName));

    started.Press(Qt::CTRL | Qt::Key_S);

    QCOMPARE(started.ui.m_messages.size(), std::size_t{1});
    QVERIFY(started.ui.m_messages.front().text.contains(pathName));
    QCOMPARE(started.ui.m_messages.front().caption, QStringLiteral("Dravonel"));
    QCOMPARE(ReadFileBytes(blocker), QByteArray("old contents"));
    QCOMPARE(started.Frame().windowTitle(), titleBefore);
}

REGISTER_TEST_SUITE(FileCommandsTest);
#include "FileCommandsTest.moc"
