#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "CFormView.h"
#include "ScriptedUiServices.h"
#include "SuiteMain.h"
#include "UserInput.h"

namespace {

constexpr int kFirstEdit = 401;
constexpr int kSecondEdit = 402;
constexpr int kThirdEdit = 403;
constexpr int kList = 404;
constexpr int kRadioA = 405;
constexpr int kRadioB = 406;

constexpr const char* kItems[] = {"AC", "PCC", "Granular Base"};
constexpr ControlTemplate kControls[] = {
    {kFirstEdit, ControlKind::Edit, "", 10, 10, 40, 14},
    {kSecondEdit, ControlKind::Edit, "", 10, 30, 40, 14},
    {kThirdEdit, ControlKind::Edit, "", 10, 50, 40, 14},
    {kList, ControlKind::ComboList, "", 60, 10, 70, 60, kItems},
    {kRadioA, ControlKind::RadioGroupStart, "SI", 60, 40, 30, 10},
    {kRadioB, ControlKind::Radio, "English", 95, 40, 40, 10},
};
constexpr DialogTemplate kPageTemplate{nullptr, 300, 200, false, kControls};

// A form whose handlers count their calls; the first edit's handler can move the focus back to it,
// as a refusal does.
class CountingForm : public CFormView {
public:
    CountingForm() : CFormView(kPageTemplate) {
        OnKillFocus(kFirstEdit, [this] {
            ++m_nFirstLeft;
            if (m_bPullFocusBack) GetDlgItem(kFirstEdit)->setFocus();
        });
        OnKillFocus(kSecondEdit, [this] { ++m_nSecondLeft; });
        OnSelChange(kList, [this] { ++m_nListChanges; });
        OnClicked(kRadioB, [this] { m_nRadioBChecked = IsDlgButtonChecked(kRadioB); });
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_CBIndex(pDX, kList, m_nListIndex); }
    QLineEdit* Edit(int nId) const { return qobject_cast<QLineEdit*>(GetDlgItem(nId)); }

    int m_nFirstLeft = 0;
    int m_nSecondLeft = 0;
    int m_nListChanges = 0;
    int m_nListIndex = 2;
    int m_nRadioBChecked = -1;
    bool m_bPullFocusBack = false;
};

}  // namespace

// The form's event wiring: when a field counts as left, that handlers never nest, and that only the
// user's list changes are selection changes.
class FormViewTest : public QObject {
    Q_OBJECT

private slots:
    void leavingAFieldFiresWhetherOrNotItChanged();
    void losingActivationIsNotLeaving();
    void handlersDoNotNest();
    void onlyTheUsersListChangesCount();
    void radioClickSeesTheNewCheck();
    void formScrollsWhenTheWindowIsSmaller();
};

void FormViewTest::leavingAFieldFiresWhetherOrNotItChanged() {
    ScriptedUiServices ui;
    CountingForm form;
    QVERIFY(ShowActive(form));
    form.Edit(kFirstEdit)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.Edit(kFirstEdit), Qt::Key_Tab);
    QCOMPARE(form.m_nFirstLeft, 1);
    QCOMPARE(QApplication::focusWidget(), form.GetDlgItem(kSecondEdit));
    QTest::keyClicks(form.Edit(kSecondEdit), "12");
    QTest::keyClick(form.Edit(kSecondEdit), Qt::Key_Backtab);
    QCOMPARE(form.m_nSecondLeft, 1);
    QTest::mouseClick(form.Edit(kThirdEdit), Qt::LeftButton);
    QCOMPARE(form.m_nFirstLeft, 2);
}

void FormViewTest::losingActivationIsNotLeaving() {
    ScriptedUiServices ui;
    CountingForm form;
    QVERIFY(ShowActive(form));
    form.Edit(kFirstEdit)->setFocus(Qt::TabFocusReason);
    QWidget other;
    QVERIFY(ShowActive(other));
    QCOMPARE(form.m_nFirstLeft, 0);
    QVERIFY(ShowActive(form));
    QCOMPARE(form.m_nFirstLeft, 0);
}

void FormViewTest::handlersDoNotNest() {
    ScriptedUiServices ui;
    CountingForm form;
    QVERIFY(ShowActive(form));
    form.m_bPullFocusBack = true;
    form.Edit(kFirstEdit)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.Edit(kFirstEdit), Qt::Key_Tab);
    // The focus went to the second edit and was pulled back while the first handler ran: the second
    // edit's handler must not run inside it, and the first must not run again.
    QCOMPARE(form.m_nFirstLeft, 1);
    QCOMPARE(form.m_nSecondLeft, 0);
    QCOMPARE(QApplication::focusWidget(), form.GetDlgItem(kFirstEdit));
}

void FormViewTest::onlyTheUsersListChangesCount() {
    ScriptedUiServices ui;
    CountingForm form;
    QVERIFY(ShowActive(form));
    form.m_nListIndex = 0;
    form.UpdateData(false);
    form.m_nListIndex = -1;
    form.UpdateData(false);
    QCOMPARE(form.m_nListChanges, 0);
    auto* pList = qobject_cast<QComboBox*>(form.GetDlgItem(kList));
    pList->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(pList, "P");
    QCOMPARE(form.m_nListChanges, 1);
    QCOMPARE(pList->currentText(), QString("PCC"));
}

void FormViewTest::radioClickSeesTheNewCheck() {
    ScriptedUiServices ui;
    CountingForm form;
    QVERIFY(ShowActive(form));
    QTest::mouseClick(qobject_cast<QRadioButton*>(form.GetDlgItem(kRadioB)), Qt::LeftButton);
    QCOMPARE(form.m_nRadioBChecked, 1);
    QCOMPARE(form.IsDlgButtonChecked(kRadioA), 0);
}

void FormViewTest::formScrollsWhenTheWindowIsSmaller() {
    ScriptedUiServices ui;
    CountingForm form;
    form.resize(form.Page()->width() / 2, form.Page()->height() / 2);
    QVERIFY(ShowActive(form));
    QVERIFY(form.horizontalScrollBar()->maximum() > 0);
    QVERIFY(form.verticalScrollBar()->maximum() > 0);
    form.resize(form.Page()->width() + 40, form.Page()->height() + 40);
    QTRY_COMPARE(form.horizontalScrollBar()->maximum(), 0);
}

REGISTER_TEST_SUITE(FormViewTest);
#include "FormViewTest.moc"
