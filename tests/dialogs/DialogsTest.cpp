#include "DialogsTest.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "AboutDlg.h"
#include "DialogUnits.h"
#include "DisclaimerDlg.h"
#include "ExportDlg.h"
#include "RapidCoolingDlg.h"
#include "ScriptedUiServices.h"
#include "SlowCoolingDlg.h"

namespace {

enum class DialogKind { About, Disclaimer, SlowCooling, RapidCooling, Export };

std::unique_ptr<CDialog> MakeDialog(DialogKind kind)
{
    switch (kind) {
    case DialogKind::About: return std::make_unique<CAboutDlg>();
    case DialogKind::Disclaimer: return std::make_unique<CDisclaimerDlg>();
    case DialogKind::SlowCooling: return std::make_unique<CSlowCoolingDlg>();
    case DialogKind::RapidCooling: return std::make_unique<CRapidCoolingDlg>();
    case DialogKind::Export: return std::make_unique<CExportDlg>();
    }
    return nullptr;
}

void AddDialogRows()
{
    QTest::addColumn<DialogKind>("kind");
    QTest::newRow("About") << DialogKind::About;
    QTest::newRow("Disclaimer") << DialogKind::Disclaimer;
    QTest::newRow("Slow cooling") << DialogKind::SlowCooling;
    QTest::newRow("Rapid cooling") << DialogKind::RapidCooling;
    QTest::newRow("Export") << DialogKind::Export;
}

// The widget a key typed by the user reaches: the focused control, else the dialog.
QWidget* KeyTarget(QDialog& dialog)
{
    return dialog.focusWidget() ? dialog.focusWidget() : &dialog;
}

}  // namespace

Q_DECLARE_METATYPE(DialogKind)

void DialogsTest::captionSizeAndFrame_data()
{
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("sizeDu");   // dialog units of the template
    QTest::addColumn<QRect>("okDu");     // the OK button's place in dialog units
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("About") << DialogKind::About << "About KELVANOR" << QSize(267, 82) << QRect(228, 61, 32, 14)
                           << true;
    QTest::newRow("Disclaimer has no close box") << DialogKind::Disclaimer << "Kelvanor 2.0 - Disclaimer"
                                                 << QSize(398, 194) << QRect(158, 171, 50, 14) << false;
    QTest::newRow("Slow cooling") << DialogKind::SlowCooling << "SLOW PAVEMENT COOLING" << QSize(272, 106)
                                  << QRect(215, 85, 50, 14) << true;
    QTest::newRow("Rapid cooling") << DialogKind::RapidCooling << "RAPID PAVEMENT COOLING" << QSize(322, 143)
                                   << QRect(265, 122, 50, 14) << true;
    QTest::newRow("Export") << DialogKind::Export << "Export Data" << QSize(276, 95) << QRect(219, 74, 50, 14)
                            << true;
}

void DialogsTest::captionSizeAndFrame()
{
    QFETCH(DialogKind, kind);
    QFETCH(QString, caption);
    QFETCH(QSize, sizeDu);
    QFETCH(QRect, okDu);
    QFETCH(bool, closeBox);
    const std::unique_ptr<CDialog> dialog = MakeDialog(kind);
    QCOMPARE(dialog->windowTitle(), caption);

    // The vertical base is the font's; the horizontal one starts at the font's and may have grown by
    // whole pixels so that every text fits. Size and controls must follow the same bases.
    const DialogUnits fontUnits(dialog->font());
    int nBaseX = -1;
    for (int b = fontUnits.BaseX(); b <= 2 * fontUnits.BaseX() && nBaseX < 0; ++b)
        if (DialogUnits(b, fontUnits.BaseY()).ToPixelsX(sizeDu.width()) == dialog->width())
            nBaseX = b;
    QVERIFY2(nBaseX > 0, qPrintable(QString("width %1").arg(dialog->width())));
    const DialogUnits units(nBaseX, fontUnits.BaseY());
    QCOMPARE(dialog->height(), units.ToPixelsY(sizeDu.height()));
    QCOMPARE(dialog->GetDlgItem(IDOK)->geometry(), units.ToPixels(okDu.x(), okDu.y(), okDu.width(), okDu.height()));

    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), closeBox);
    QCOMPARE(bool(flags & Qt::WindowSystemMenuHint), closeBox);
    if (!closeBox)
        QVERIFY(flags & Qt::CustomizeWindowHint);  // without it the platform would add a close box anyway
}

void DialogsTest::keysEndTheDialog_data()
{
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("About, Enter is OK") << DialogKind::About << int(Qt::Key_Return) << IDOK;
    QTest::newRow("About, Esc is Cancel") << DialogKind::About << int(Qt::Key_Escape) << IDCANCEL;
    QTest::newRow("Disclaimer, Enter is OK") << DialogKind::Disclaimer << int(Qt::Key_Return) << IDOK;
    QTest::newRow("Disclaimer, Esc closes it without a close box") << DialogKind::Disclaimer << int(Qt::Key_Escape)
                                                                   << IDCANCEL;
    QTest::newRow("Slow cooling, Enter") << DialogKind::SlowCooling << int(Qt::Key_Enter) << IDOK;
    QTest::newRow("Slow cooling, Esc") << DialogKind::SlowCooling << int(Qt::Key_Escape) << IDCANCEL;
    QTest::newRow("Rapid cooling, Enter") << DialogKind::RapidCooling << int(Qt::Key_Return) << IDOK;
    QTest::newRow("Rapid cooling, Esc") << DialogKind::RapidCooling << int(Qt::Key_Escape) << IDCANCEL;
}

void DialogsTest::keysEndTheDialog()
{
    QFETCH(DialogKind, kind);
    QFETCH(int, key);
    QFETCH(int, result);
    ScriptedUiServices services;
    bool bClosed = false;
    services.QueueDialog([&](QDialog& dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return -1;
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

void DialogsTest::everyTextFits()
{
    QFETCH(DialogKind, kind);
    const std::unique_ptr<CDialog> dialog = MakeDialog(kind);
    for (const QLabel* pLabel : dialog->findChildren<QLabel*>()) {
        if (pLabel->text().isEmpty())
            continue;
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

void DialogsTest::aboutBoxTexts()
{
    CAboutDlg about;
    QStringList texts;
    for (const QLabel* pLabel : about.findChildren<QLabel*>())
        if (!pLabel->text().isEmpty())
            texts << pLabel->text();
    QVERIFY(texts.contains("KELVANOR Version 2.0"));
    QVERIFY(texts.filter("Copyright").size() == 1);
    QCOMPARE(texts.size(), 9);  // product, copyright, credits heading and six credited names
    const auto* pOk = qobject_cast<QPushButton*>(about.GetDlgItem(IDOK));
    QVERIFY(pOk);
    QCOMPARE(pOk->text(), QString("OK"));
    QVERIFY(pOk->isDefault());
}

void DialogsTest::picturesAtTheirOwnSize_data()
{
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<QSize>("pictureSize");
    QTest::newRow("About shows the 32-pixel main icon") << DialogKind::About << QSize(32, 32);
    QTest::newRow("Disclaimer") << DialogKind::Disclaimer << QSize(573, 257);
    QTest::newRow("Slow cooling") << DialogKind::SlowCooling << QSize(305, 143);
    QTest::newRow("Rapid cooling") << DialogKind::RapidCooling << QSize(379, 209);
}

void DialogsTest::picturesAtTheirOwnSize()
{
    QFETCH(DialogKind, kind);
    QFETCH(QSize, pictureSize);
    const std::unique_ptr<CDialog> dialog = MakeDialog(kind);
    const QLabel* pPicture = nullptr;
    for (const QLabel* pLabel : dialog->findChildren<QLabel*>())
        if (!pLabel->pixmap().isNull())
            pPicture = pLabel;
    QVERIFY(pPicture);
    QCOMPARE(pPicture->pixmap().size(), pictureSize);
    QCOMPARE(pPicture->size(), pictureSize);
    // The picture lies inside the dialog and clear of the OK button.
    QVERIFY(dialog->rect().contains(pPicture->geometry()));
    QVERIFY(!pPicture->geometry().intersects(dialog->GetDlgItem(IDOK)->geometry()));
}

void DialogsTest::saveScreenshots_data() { AddDialogRows(); }

void DialogsTest::saveScreenshots()
{
    QFETCH(DialogKind, kind);
    const std::unique_ptr<CDialog> dialog = MakeDialog(kind);
    if (auto* pExport = dynamic_cast<CExportDlg*>(dialog.get()))
        pExport->m_strFileName = "Output.xls";
    ScriptedUiServices services;
    QImage shot;
    services.QueueDialog([&](QDialog& d) {
        d.show();
        if (QTest::qWaitForWindowExposed(&d))
            shot = d.grab().toImage();
        return IDOK;
    });
    dialog->DoModal();
    QVERIFY(!shot.isNull());
    QDir().mkpath(DRAVONEL_SCREENSHOT_DIR);
    const QString name = QString(QTest::currentDataTag()).toLower().replace(' ', '_');
    QVERIFY(shot.save(QString(DRAVONEL_SCREENSHOT_DIR) + "/dialog_" + name + ".png"));
}
