#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "AboutDlg.h"
#include "DisclaimerDlg.h"
#include "ExportDlg.h"
#include "RapidCoolingDlg.h"
#include "Screenshots.h"
#include "ScriptedUiServices.h"
#include "SlowCoolingDlg.h"
#include "SuiteMain.h"

namespace {

enum class DialogKind { About, Disclaimer, SlowCooling, RapidCooling, Export };

std::unique_ptr<CDialog> MakeDialog(DialogKind kind) {
    switch (kind) {
        case DialogKind::About:
            return std::make_unique<CAboutDlg>();
        case DialogKind::Disclaimer:
            return std::make_unique<CDisclaimerDlg>();
        case DialogKind::SlowCooling:
            return std::make_unique<CSlowCoolingDlg>();
        case DialogKind::RapidCooling:
            return std::make_unique<CRapidCoolingDlg>();
        case DialogKind::Export:
            return std::make_unique<CExportDlg>();
    }
    return nullptr;
}

void AddDialogRows() {
    QTest::addColumn<DialogKind>("kind");
    QTest::newRow("About") << DialogKind::About;
    QTest::newRow("Disclaimer") << DialogKind::Disclaimer;
    QTest::newRow("Slow cooling") << DialogKind::SlowCooling;
    QTest::newRow("Rapid cooling") << DialogKind::RapidCooling;
    QTest::newRow("Export") << DialogKind::Export;
}

// The widget a key typed by the user reaches: the focused control, else the dialog.
QWidget* KeyTarget(QDialog& dialog) { return dialog.focusWidget() ? dialog.focusWidget() : &dialog; }

}  // namespace

Q_DECLARE_METATYPE(DialogKind)

// What each of the five dialogs shows and how it ends, as a user meets it.
class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void captionAndFrame_data();
    void captionAndFrame();
    void keysEndTheDialog_data();
    void keysEndTheDialog();
    void everyTextFits_data();
    void everyTextFits();
    void aboutBoxTexts();
    void picturesAtTheirOwnSize_data();
    void picturesAtTheirOwnSize();
    void saveScreenshots_data();
    void saveScreenshots();
};

void DialogsTest::captionAndFrame_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("minimizeBox");
    QTest::newRow("About") << DialogKind::About << "About KELVANOR" << true << false;
    QTest::newRow("Disclaimer has no close box")
        << DialogKind::Disclaimer << "Kelvanor 2.0 - Disclaimer" << false << false;
    QTest::newRow("Slow cooling") << DialogKind::SlowCooling << "SLOW PAVEMENT COOLING" << true << false;
    QTest::newRow("Rapid cooling") << DialogKind::RapidCooling << "RAPID PAVEMENT COOLING" << true << false;
    QTest::newRow("Export can be minimized") << DialogKind::Export << "Export Data" << true << true;
}

void DialogsTest::captionAndFrame() {
    QFETCH(DialogKind, kind);
    QFETCH(QString, caption);
    QFETCH(bool, closeBox);
    QFETCH(bool, minimizeBox);
    const std::unique_ptr<CDialog> dialog = MakeDialog(kind);
    QCOMPARE(dialog->windowTitle(), caption);

    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), closeBox);
    QCOMPARE(bool(flags & Qt::WindowSystemMenuHint), closeBox);
    QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), minimizeBox);
    if (!closeBox)
        QVERIFY(flags & Qt::CustomizeWindowHint);  // without it the platform would add a close box anyway
}

void DialogsTest::keysEndTheDialog_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("About, Enter is OK") << DialogKind::About << int(Qt::Key_Return) << IDOK;
    QTest::newRow("About, Esc is Cancel") << DialogKind::About << int(Qt::Key_Escape) << IDCANCEL;
    QTest::newRow("Disclaimer, Enter is OK") << DialogKind::Disclaimer << int(Qt::Key_Return) << IDOK;
    QTest::newRow("Disclaimer, Esc closes it without a close box")
        << DialogKind::Disclaimer << int(Qt::Key_Escape) << IDCANCEL;
    QTest::newRow("Slow cooling, Enter") << DialogKind::SlowCooling << int(Qt::Key_Enter) << IDOK;
    QTest::newRow("Slow cooling, Esc") << DialogKind::SlowCooling << int(Qt::Key_Escape) << IDCANCEL;
    QTest::newRow("Rapid cooling, Enter") << DialogKind::RapidCooling << int(Qt::Key_Return) << IDOK;
    QTest::newRow("Rapid cooling, Esc") << DialogKind::RapidCooling << int(Qt::Key_Escape) << IDCANCEL;
}

void DialogsTest::keysEndTheDialog() {
    QFETCH(DialogKind, kind);
    QFETCH(int, key);
    QFETCH(int, result);
    ScriptedUiServices services;
    bool bClosed = false;
    services.QueueDialog([&](QDialog& dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) return -1;
        QTest::keyClick(KeyTarget(dialog), Qt::Key(key));
        bClosed = !dialog.isVisible();
        return dialog.result();
    });
    const std::unique_ptr<CDialog> dialog = MakeDialog(kind);
    QCOMPARE(dialog->DoModal(), result);
    QVERIFY(bClosed);
    QVERIFY(services.m_messages.empty());
}

void DialogsTest::everyTextFits_data() { AddDialogRows(); }

void DialogsTest::everyTextFits() {
    QFETCH(DialogKind, kind);
    const std::unique_ptr<CDialog> dialog = MakeDialog(kind);
    for (const QLabel* pLabel : dialog->findChildren<QLabel*>()) {
        if (pLabel->text().isEmpty()) continue;
        const int nNeeded = pLabel->fontMetrics().horizontalAdvance(pLabel->text());
        QVERIFY2(nNeeded <= pLabel->width(), qPrintable(pLabel->text()));
        QVERIFY2(dialog->rect().contains(pLabel->geometry()), qPrintable(pLabel->text()));
    }
    for (const QPushButton* pButton : dialog->findChildren<QPushButton*>()) {
        QVERIFY2(pButton->fontMetrics().horizontalAdvance(pButton->text()) < pButton->width(),
                 qPrintable(pButton->text()));
        QVERIFY(dialog->rect().contains(pButton->geometry()));
    }
}

void DialogsTest::aboutBoxTexts() {
    CAboutDlg about;
    QStringList texts;
    for (const QLabel* pLabel : about.findChildren<QLabel*>())
        if (!pLabel->text().isEmpty()) texts << pLabel->text();
    QVERIFY(texts.contains("KELVANOR Version 2.0"));
    QVERIFY(texts.filter("Copyright").size() == 1);
    QCOMPARE(texts.size(), 9);  // product, copyright, credits heading and six credited names
    const auto* pOk = qobject_cast<QPushButton*>(about.GetDlgItem(IDOK));
    QVERIFY(pOk);
    QCOMPARE(pOk->text(), QString("OK"));
    QVERIFY(pOk->isDefault());
}

void DialogsTest::picturesAtTheirOwnSize_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<QSize>("pictureSize");
    QTest::newRow("About shows the 32-pixel main icon") << DialogKind::About << QSize(32, 32);
    QTest::newRow("Disclaimer") << DialogKind::Disclaimer << QSize(573, 257);
    QTest::newRow("Slow cooling") << DialogKind::SlowCooling << QSize(305, 143);
    QTest::newRow("Rapid cooling") << DialogKind::RapidCooling << QSize(379, 209);
}

void DialogsTest::picturesAtTheirOwnSize() {
    QFETCH(DialogKind, kind);
    QFETCH(QSize, pictureSize);
    const std::unique_ptr<CDialog> dialog = MakeDialog(kind);
    const QLabel* pPicture = nullptr;
    for (const QLabel* pLabel : dialog->findChildren<QLabel*>())
        if (!pLabel->pixmap().isNull()) pPicture = pLabel;
    QVERIFY(pPicture);
    QCOMPARE(pPicture->pixmap().size(), pictureSize);
    QCOMPARE(pPicture->size(), pictureSize);
    // The picture lies inside the dialog and clear of the OK button.
    QVERIFY(dialog->rect().contains(pPicture->geometry()));
    QVERIFY(!pPicture->geometry().intersects(dialog->GetDlgItem(IDOK)->geometry()));
}

void DialogsTest::saveScreenshots_data() { AddDialogRows(); }

void DialogsTest::saveScreenshots() {
    QFETCH(DialogKind, kind);
    const std::unique_ptr<CDialog> dialog = MakeDialog(kind);
    if (auto* pExport = dynamic_cast<CExportDlg*>(dialog.get())) pExport->m_strFileName = "Output.xls";
    ScriptedUiServices services;
    QImage shot;
    services.QueueDialog([&](QDialog& d) {
        d.show();
        if (QTest::qWaitForWindowExposed(&d)) shot = d.grab().toImage();
        return IDOK;
    });
    dialog->DoModal();
    QVERIFY(!shot.isNull());
    const QString name = QString(QTest::currentDataTag()).toLower().replace(' ', '_');
    QVERIFY(SaveScreenshot(shot, "dialog_" + name + ".png"));
}

REGISTER_TEST_SUITE(DialogsTest);
#include "DialogsTest.moc"
