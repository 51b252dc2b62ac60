#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "CDialog.h"
#include "ScriptedUiServices.h"
#include "SuiteMain.h"
#include "UserInput.h"

namespace {

constexpr int kCountEdit = 301;
constexpr int kNoteEdit = 302;
constexpr int kResultEdit = 303;
constexpr int kOtherButton = 304;

constexpr ControlTemplate kControls[] = {
    {kCountEdit, ControlKind::Edit, "", 10, 10, 40, 14},
    {0, ControlKind::Static, "Count", 60, 12, 40, 8},
    {kResultEdit, ControlKind::ReadOnlyEdit, "", 10, 30, 40, 14},
    {kNoteEdit, ControlKind::Edit, "", 10, 50, 40, 14},
    {IDOK, ControlKind::DefPushButton, "OK", 110, 10, 50, 14},
    {kOtherButton, ControlKind::PushButton, "Other", 110, 30, 50, 14},
};
constexpr DialogTemplate kWithCloseBox{"Counting", 170, 70, true, kControls};
constexpr DialogTemplate kWithoutCloseBox{"Notice", 170, 70, false, kControls};

// A dialog with one validated field (1 to 5), as the program's dialogs are built.
class CountDialog : public CDialog {
public:
    explicit CountDialog(const DialogTemplate& dialogTemplate = kWithCloseBox) : CDialog(dialogTemplate) {}
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kCountEdit, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 5);
    }
    QLineEdit* Edit(int nId) const { return qobject_cast<QLineEdit*>(GetDlgItem(nId)); }
    int m_nCount = 2;
};

}  // namespace

// The framework behaviour every dialog relies on: Enter, Esc, the close box, the tab order, and the seam
// that answers modal windows in tests.
class DialogBehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheDefaultButton();
    void refusedFieldKeepsTheDialogOpen();
    void cancelWays_data();
    void cancelWays();
    void tabVisitsTabStopsInTemplateOrder();
    void closeBoxOnlyWithSystemMenu();
    void seamRecordsInOrderAndRestores();
};

void DialogBehaviourTest::enterPressesTheDefaultButton() {
    ScriptedUiServices ui;
    CountDialog dialog;
    ui.QueueDialog([&](QDialog&) {
        if (!ShowActive(dialog)) return -1;
        // The dialog opens with the members written into its controls.
        if (dialog.Edit(kCountEdit)->text() != "2") return -1;
        dialog.Edit(kCountEdit)->setFocus();
        dialog.Edit(kCountEdit)->selectAll();
        QTest::keyClicks(dialog.Edit(kCountEdit), "4");
        QTest::keyClick(dialog.Edit(kCountEdit), Qt::Key_Return);
        return dialog.result();
    });
    QCOMPARE(dialog.DoModal(), IDOK);
    QCOMPARE(dialog.m_nCount, 4);
    QVERIFY(ui.m_messages.empty());
}

void DialogBehaviourTest::refusedFieldKeepsTheDialogOpen() {
    ScriptedUiServices ui;
    CountDialog dialog;
    bool bStillOpen = false;
    ui.QueueDialog([&](QDialog&) {
        if (!ShowActive(dialog)) return -1;
        dialog.Edit(kCountEdit)->setText("9");
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK)), Qt::LeftButton);
        bStillOpen = dialog.isVisible();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    QCOMPARE(dialog.DoModal(), IDCANCEL);
    QVERIFY(bStillOpen);
    QCOMPARE(ui.m_messages.size(), size_t{1});
    QCOMPARE(ui.m_messages[0].text, QString("Please enter an integer between 1 and 5."));
}

void DialogBehaviourTest::cancelWays_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Esc key") << false;
    QTest::newRow("close box") << true;
}

void DialogBehaviourTest::cancelWays() {
    QFETCH(bool, closeBox);
    ScriptedUiServices ui;
    CountDialog dialog;
    ui.QueueDialog([&](QDialog&) {
        if (!ShowActive(dialog)) return -1;
        dialog.Edit(kCountEdit)->setText("3");
        if (closeBox)
            dialog.close();
        else
            QTest::keyClick(dialog.Edit(kCountEdit), Qt::Key_Escape);
        return dialog.result();
    });
    QCOMPARE(dialog.DoModal(), IDCANCEL);
    QCOMPARE(dialog.m_nCount, 2);  // a cancelled dialog reads nothing
}

void DialogBehaviourTest::tabVisitsTabStopsInTemplateOrder() {
    ScriptedUiServices ui;
    CountDialog dialog;
    QVERIFY(ShowActive(dialog));
    dialog.Edit(kCountEdit)->setFocus(Qt::TabFocusReason);
    const int expected[] = {kNoteEdit, IDOK, kOtherButton, kCountEdit};
    for (int nId : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.GetDlgItem(nId));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), dialog.GetDlgItem(kOtherButton));
}

void DialogBehaviourTest::closeBoxOnlyWithSystemMenu() {
    ScriptedUiServices ui;
    CountDialog withBox(kWithCloseBox);
    CountDialog withoutBox(kWithoutCloseBox);
    QVERIFY(withBox.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!withoutBox.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(withoutBox.windowTitle(), QString("Notice"));
}

void DialogBehaviourTest::seamRecordsInOrderAndRestores() {
    UiServices* pReal = &UiServices::Current();
    {
        ScriptedUiServices outer;
        QCOMPARE(&UiServices::Current(), static_cast<UiServices*>(&outer));
        {
            ScriptedUiServices inner;
            CountDialog first;
            CountDialog second;
            inner.QueueDialog([](QDialog&) { return IDCANCEL; });
            AfxMessageBox("before");
            QCOMPARE(first.DoModal(), IDCANCEL);
            QCOMPARE(second.DoModal(), IDOK);  // nothing queued: OK without blocking
            inner.Sleep(500);
            QCOMPARE(inner.m_messages.size(), size_t{1});
            QCOMPARE(inner.m_messages[0].caption, QString("Dravonel"));
            QCOMPARE(inner.m_messages[0].nSequence, 0);
            QCOMPARE(inner.m_dialogs.size(), size_t{2});
            QCOMPARE(inner.m_dialogs[0].nSequence, 1);
            QCOMPARE(inner.m_dialogs[0].caption, QString("Counting"));
            QCOMPARE(inner.m_nSleptMilliseconds, 500);
        }
        QCOMPARE(&UiServices::Current(), static_cast<UiServices*>(&outer));
        QVERIFY(outer.m_messages.empty());
    }
    QCOMPARE(&UiServices::Current(), pReal);
}

REGISTER_TEST_SUITE(DialogBehaviourTest);
#include "DialogBehaviourTest.moc"
