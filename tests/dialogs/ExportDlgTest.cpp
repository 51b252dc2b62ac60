#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ExportDlg.h"
#include "Resource.h"
#include "ScriptedUiServices.h"
#include "SuiteMain.h"
#include "UserInput.h"

namespace {

QLineEdit* NameEdit(QDialog& dialog) {
    return qobject_cast<QLineEdit*>(static_cast<CDialog&>(dialog).GetDlgItem(IDC_EXPORT_FILE));
}

QPushButton* Button(QDialog& dialog, int nId) {
    return qobject_cast<QPushButton*>(static_cast<CDialog&>(dialog).GetDlgItem(nId));
}

void Retype(QLineEdit& edit, const QString& text) {
    edit.setFocus();
    ReplaceText(edit, text);
}

}  // namespace

// The Export dialog as a user drives it: the offered name, the empty-name warning, typing, Browse, Esc.
class ExportDlgTest : public QObject {
    Q_OBJECT
private slots:
    void controlsInTabOrder();
    void refusedNameWarnsAndStaysOpen_data();
    void refusedNameWarnsAndStaysOpen();
    void typedNameIsTakenAsTyped();
    void offeredNameIsTypedOver();
    void leavingWithoutExportKeepsTheName_data();
    void leavingWithoutExportKeepsTheName();
    void browseAdoptsTheAbsolutePath();
    void browseCancelledChangesNothing();
    void browsedPatternFiltersTheFileDialog();
};

void ExportDlgTest::controlsInTabOrder() {
    ScriptedUiServices services;
    QStringList visited;
    QStringList statics;
    services.QueueDialog([&](QDialog& dialog) {
        if (!ShowActive(dialog)) return -1;
        NameEdit(dialog)->setFocus();
        for (int i = 0; i < 3; ++i) {
            QWidget* pFocus = QApplication::focusWidget();
            visited << (pFocus == NameEdit(dialog) ? QString("edit")
                                                   : qobject_cast<QPushButton*>(pFocus)->text());
            QTest::keyClick(pFocus, Qt::Key_Tab);
        }
        visited << (QApplication::focusWidget() == NameEdit(dialog) ? "edit" : "elsewhere");
        for (const QLabel* pLabel : dialog.findChildren<QLabel*>()) statics << pLabel->text();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        return dialog.result();
    });
    CExportDlg dialog;
    QCOMPARE(dialog.DoModal(), IDCANCEL);
    QCOMPARE(visited, QStringList({"edit", "Export", "Browse", "edit"}));
    QVERIFY(
        statics.contains("Enter a filename for the exported data.  Use the Browse button to select a path."));
    QVERIFY(statics.contains("Note:  This will create a tab-delimited file."));
    QVERIFY(Button(dialog, IDOK)->isDefault());
    QVERIFY(!Button(dialog, IDC_BROWSE)->isDefault());
}

void ExportDlgTest::refusedNameWarnsAndStaysOpen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byEnterKey");
    QTest::addColumn<QString>("message");
    const QString empty = "Filename has not been selected";
    const QString pattern =
        "The name \"%1\" contains * or ?, which a file dialog reads as a pattern for many "
        "names. Please enter the name of one file without them.";
    QTest::newRow("empty, Export button") << "" << false << empty;
    QTest::newRow("empty, Enter key") << "" << true << empty;
    QTest::newRow("star as the name") << "*.xls" << true << pattern.arg("*.xls");
    QTest::newRow("question mark in the name") << "report?.xls" << false << pattern.arg("report?.xls");
    QTest::newRow("star in a folder") << "site*/a.xls" << true << pattern.arg("site*/a.xls");
}

void ExportDlgTest::refusedNameWarnsAndStaysOpen() {
    QFETCH(QString, name);
    QFETCH(bool, byEnterKey);
    QFETCH(QString, message);
    ScriptedUiServices services;
    bool bStayedOpen = false;
    bool bFocusOnEdit = false;
    services.QueueDialog([&](QDialog& dialog) {
        if (!ShowActive(dialog)) return -1;
        QLineEdit* pEdit = NameEdit(dialog);
        Retype(*pEdit, name);
        if (byEnterKey) {
            QTest::keyClick(pEdit, Qt::Key_Return);
        } else {
            Button(dialog, IDC_BROWSE)->setFocus();  // the focus must come back from elsewhere
            QTest::mouseClick(Button(dialog, IDOK), Qt::LeftButton);
        }
        bStayedOpen = dialog.isVisible();
        bFocusOnEdit = QApplication::focusWidget() == pEdit;
        Retype(*pEdit, "after.xls");
        QTest::keyClick(pEdit, Qt::Key_Return);
        return dialog.result();
    });
    CExportDlg dialog;
    dialog.m_strFileName = "Output.xls";
    QCOMPARE(dialog.DoModal(), IDOK);
    QVERIFY(bStayedOpen);
    QVERIFY(bFocusOnEdit);
    QCOMPARE(services.m_messages.size(), size_t(1));
    QCOMPARE(services.m_messages[0].text, message);
    QCOMPARE(services.m_messages[0].caption, QString("Can Not Export"));
    QCOMPARE(services.m_messages[0].type, MB_OK | MB_ICONEXCLAMATION);
    QCOMPARE(dialog.m_strFileName, std::string("after.xls"));
}

void ExportDlgTest::typedNameIsTakenAsTyped() {
    ScriptedUiServices services;
    services.QueueDialog([&](QDialog& dialog) {
        if (!ShowActive(dialog)) return -1;
        Retype(*NameEdit(dialog), "data/report 1.txt");
        QTest::keyClick(NameEdit(dialog), Qt::Key_Return);
        return dialog.result();
    });
    CExportDlg dialog;
    dialog.m_strFileName = "Output.xls";
    QCOMPARE(dialog.DoModal(), IDOK);
    QCOMPARE(dialog.m_strFileName, std::string("data/report 1.txt"));
    // The dialog claims nothing: success is the caller's to report once the file is written.
    QVERIFY(services.m_messages.empty());
}

void ExportDlgTest::offeredNameIsTypedOver() {
    ScriptedUiServices services;
    services.QueueDialog([&](QDialog& dialog) {
        if (!ShowActive(dialog)) return -1;
        // Straight after opening, with no click: the name offered is selected in the focused edit.
        QTest::keyClicks(QApplication::focusWidget(), "site 4.xls");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return dialog.result();
    });
    CExportDlg dialog;
    dialog.m_strFileName = "Output.xls";
    QCOMPARE(dialog.DoModal(), IDOK);
    QCOMPARE(dialog.m_strFileName, std::string("site 4.xls"));
}

void ExportDlgTest::leavingWithoutExportKeepsTheName_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Esc key") << false;
    QTest::newRow("close box") << true;
}

void ExportDlgTest::leavingWithoutExportKeepsTheName() {
    QFETCH(bool, byCloseBox);
    ScriptedUiServices services;
    services.QueueDialog([&](QDialog& dialog) {
        if (!ShowActive(dialog)) return -1;
        Retype(*NameEdit(dialog), "other.xls");
        if (byCloseBox)
            dialog.close();
        else
            QTest::keyClick(NameEdit(dialog), Qt::Key_Escape);
        return dialog.isVisible() ? -1 : dialog.result();
    });
    CExportDlg dialog;
    dialog.m_strFileName = "Output.xls";
    QCOMPARE(dialog.DoModal(), IDCANCEL);
    QCOMPARE(dialog.m_strFileName, std::string("Output.xls"));
    QVERIFY(services.m_messages.empty());
}

void ExportDlgTest::browseAdoptsTheAbsolutePath() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ScriptedUiServices services;
    QString shownAfterBrowse;
    services.QueueDialog([&](QDialog& dialog) {
        if (!ShowActive(dialog)) return -1;
        QTest::mouseClick(Button(dialog, IDC_BROWSE), Qt::LeftButton);
        shownAfterBrowse = NameEdit(dialog)->text();
        QTest::mouseClick(Button(dialog, IDOK), Qt::LeftButton);
        return dialog.result();
    });
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
    QFileDialog::FileMode fileMode = QFileDialog::Directory;
    QStringList filters;
    QString filterInForce;
    QStringList offered;
    QString suffix = "unset";
    bool bNoOverwritePrompt = false;
    services.QueueDialog([&](QDialog& dialog) {
        auto* pFiles = qobject_cast<QFileDialog*>(&dialog);
        if (!pFiles) return -1;
        filterInForce = pFiles->selectedNameFilter();
        offered = pFiles->selectedFiles();
        acceptMode = pFiles->acceptMode();
        fileMode = pFiles->fileMode();
        filters = pFiles->nameFilters();
        suffix = pFiles->defaultSuffix();
        bNoOverwritePrompt = pFiles->testOption(QFileDialog::DontConfirmOverwrite);
        // The user goes to a folder and types a name that does not exist yet.
        pFiles->setDirectory(folder.path());
        pFiles->selectFile("new report.xls");
        return IDOK;
    });
    CExportDlg dialog;
    dialog.m_strFileName = "Output.xls";
    QCOMPARE(dialog.DoModal(), IDOK);

    const QString expected = QDir(folder.path()).absoluteFilePath("new report.xls");
    QCOMPARE(shownAfterBrowse, expected);
    QCOMPARE(QString::fromStdString(dialog.m_strFileName), expected);
    QCOMPARE(acceptMode, QFileDialog::AcceptOpen);
    QCOMPARE(fileMode, QFileDialog::AnyFile);
    QCOMPARE(filters, QStringList({"Excel Files (*.xls)", "Text Files (*.txt)", "All Files (*.*)"}));
    // "*.xls" filters the list; it is not offered as a name that Open would take as it stands.
    QCOMPARE(filterInForce, QString("Excel Files (*.xls)"));
    for (const QString& name : offered)
        QVERIFY2(!name.contains('*') && !name.contains('?'), qPrintable(name));
    QCOMPARE(suffix, QString());
    QVERIFY(bNoOverwritePrompt);
    QCOMPARE(services.m_dialogs.size(), size_t(2));
}

void ExportDlgTest::browseCancelledChangesNothing() {
    ScriptedUiServices services;
    QString shownAfterBrowse;
    services.QueueDialog([&](QDialog& dialog) {
        QTest::mouseClick(Button(dialog, IDC_BROWSE), Qt::LeftButton);
        shownAfterBrowse = NameEdit(dialog)->text();
        return IDCANCEL;
    });
    services.QueueDialog([&](QDialog& dialog) {
        if (auto* pFiles = qobject_cast<QFileDialog*>(&dialog)) pFiles->selectFile("/tmp/ignored.xls");
        return IDCANCEL;
    });
    CExportDlg dialog;
    dialog.m_strFileName = "Output.xls";
    dialog.DoModal();
    QCOMPARE(shownAfterBrowse, QString("Output.xls"));
    QCOMPARE(dialog.m_strFileName, std::string("Output.xls"));
}

// A pattern typed as the name is not a name: the file dialog opens again in that folder, filtered on it.
void ExportDlgTest::browsedPatternFiltersTheFileDialog() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ScriptedUiServices services;
    services.QueueDialog([&](QDialog& dialog) {
        QTest::mouseClick(Button(dialog, IDC_BROWSE), Qt::LeftButton);
        return IDCANCEL;
    });
    services.QueueDialog([&](QDialog& dialog) {
        auto* pFiles = qobject_cast<QFileDialog*>(&dialog);
        if (!pFiles) return -1;
        pFiles->setDirectory(folder.path());
        pFiles->selectFile("*.csv");
        return IDOK;
    });
    QString filterInForce;
    QString reopenedIn;
    services.QueueDialog([&](QDialog& dialog) {
        auto* pFiles = qobject_cast<QFileDialog*>(&dialog);
        if (!pFiles) return -1;
        filterInForce = pFiles->selectedNameFilter();
        reopenedIn = pFiles->directory().absolutePath();
        pFiles->selectFile("site.csv");
        return IDOK;
    });
    CExportDlg dialog;
    dialog.m_strFileName = "Output.xls";
    dialog.DoModal();
    QCOMPARE(filterInForce, QString("*.csv"));
    QCOMPARE(reopenedIn, QDir(folder.path()).absolutePath());
    QCOMPARE(QString::fromStdString(dialog.m_strFileName), QDir(folder.path()).absoluteFilePath("site.csv"));
    QCOMPARE(services.m_dialogs.size(), size_t(3));
}

REGISTER_TEST_SUITE(ExportDlgTest);
#include "ExportDlgTest.moc"
