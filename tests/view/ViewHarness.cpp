#include "ViewHarness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "Report.h"
#include "Resource.h"
#include "UserInput.h"

ViewHarness::ViewHarness(std::time_t now) : m_now(now) {
    m_pView = std::make_unique<CDravonelView>(nullptr, [this] { return m_now; });
    m_pView->OnInitialUpdate();
    m_pView->resize(m_pView->Page()->size() + QSize(4, 4));
    QVERIFY(ShowActive(*m_pView));
}

ViewHarness::~ViewHarness() = default;

QLineEdit* ViewHarness::Edit(int nId) const { return qobject_cast<QLineEdit*>(m_pView->GetDlgItem(nId)); }
QComboBox* ViewHarness::List(int nId) const { return qobject_cast<QComboBox*>(m_pView->GetDlgItem(nId)); }
QPushButton* ViewHarness::Button(int nId) const {
    return qobject_cast<QPushButton*>(m_pView->GetDlgItem(nId));
}
QRadioButton* ViewHarness::Radio(int nId) const {
    return qobject_cast<QRadioButton*>(m_pView->GetDlgItem(nId));
}

QString ViewHarness::Shown(int nId) const {
    if (QLineEdit* pEdit = Edit(nId)) return pEdit->text();
    if (QComboBox* pList = List(nId)) return pList->currentText();
    return {};
}

bool ViewHarness::IsEnabled(int nId) const { return m_pView->GetDlgItem(nId)->isEnabled(); }

void ViewHarness::EnsureActive() {
    // A scripted dialog that was shown takes the activation with it when it closes.
    if (!m_pView->isActiveWindow()) QVERIFY(ShowActive(*m_pView));
}

void ViewHarness::Type(int nId, const QString& text) {
    EnsureActive();
    QLineEdit* pEdit = Edit(nId);
    QTest::mouseClick(pEdit, Qt::LeftButton);
    ReplaceText(*pEdit, text);
}

void ViewHarness::Leave() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

void ViewHarness::Enter(int nId, const QString& text) {
    Type(nId, text);
    Leave();
}

void ViewHarness::Click(int nId) {
    EnsureActive();
    QTest::mouseClick(static_cast<QAbstractButton*>(m_pView->GetDlgItem(nId)), Qt::LeftButton);
}

void ViewHarness::Choose(int nId, const QString& entry) {
    EnsureActive();
    QComboBox* pList = List(nId);
    const int nIndex = pList->findText(entry);
    QVERIFY2(nIndex >= 0, qPrintable(entry));
    QTest::mouseClick(pList, Qt::LeftButton);  // opens the list
    QAbstractItemView* pItems = pList->view();
    QVERIFY(QTest::qWaitForWindowExposed(pItems->window()));
    // Arrow keys move inside the open list; Enter takes the entry, as one selection change.
    const int nFrom = qMax(0, pItems->currentIndex().row());
    for (int i = nFrom; i < nIndex; ++i) QTest::keyClick(pItems, Qt::Key_Down);
    for (int i = nFrom; i > nIndex; --i) QTest::keyClick(pItems, Qt::Key_Up);
    QTest::keyClick(pItems, Qt::Key_Return);
    QTRY_VERIFY(!pItems->window()->isVisible());
}

void ViewHarness::EnterRunA() {
    Click(IDC_UNITS_SI);
    Enter(IDC_MONTH, "6");
    Enter(IDC_DAY, "15");
    Enter(IDC_HOUR, "12");
    Enter(IDC_MINUTE, "0");
    Enter(IDC_AIR_TEMP, "10");
    Enter(IDC_WIND_SPEED, "8");
    Enter(IDC_LATITUDE, "45");
    Enter(IDC_LIFT_THICKNESS, "75");
    Enter(IDC_DELIVERY_TEMP, "150");
    Enter(IDC_SURFACE_TEMP, "10");
}

void ViewHarness::EnterRunB() {
    Click(IDC_UNITS_SI);
    Enter(IDC_MONTH, "11");
    Enter(IDC_DAY, "1");
    Enter(IDC_HOUR, "22");
    Enter(IDC_MINUTE, "0");
    Enter(IDC_AIR_TEMP, "0");
    Enter(IDC_WIND_SPEED, "30");
    Enter(IDC_LATITUDE, "45");
    Enter(IDC_LIFT_THICKNESS, "25");
    Enter(IDC_DELIVERY_TEMP, "140");
    Enter(IDC_SURFACE_TEMP, "0");
}

void ViewHarness::EnterHotRun() {
    Click(IDC_UNITS_SI);
    Enter(IDC_MONTH, "6");
    Enter(IDC_DAY, "21");
    Enter(IDC_HOUR, "12");
    Enter(IDC_AIR_TEMP, "48.89");
    Enter(IDC_WIND_SPEED, "0");
    Enter(IDC_LIFT_THICKNESS, "254");
    Enter(IDC_DELIVERY_TEMP, "157.2");
    Enter(IDC_SURFACE_TEMP, "48.89");
}

QImage ViewHarness::PageImage() const { return m_pView->Page()->grab().toImage(); }

QImage ViewHarness::WindowImage() const { return m_pView->grab().toImage(); }

QByteArray ViewHarness::ExpectedReport() const {
    std::tm local{};
    localtime_r(&m_now, &local);
    const CDravonelView& view = *m_pView;
    const ReportResults results{view.m_result.summary.start.dStartTemp, view.m_form.m_nStartTime,
                                view.m_form.m_dStopTime};
    return QByteArray::fromStdString(WriteReport(view.m_form.inputs, results, view.m_result.curve, local));
}
