#include "CFormView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPaintEvent>
#include <QPainter>

#include "TemplateBuilder.h"
#include "UiServices.h"

CFormPage::CFormPage(CFormView& view) : m_view(view) {}

void CFormPage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_view.OnDraw(painter, event->rect());
}

CFormView::CFormView(const DialogTemplate& formTemplate, QWidget* pParent)
    : QScrollArea(pParent), m_pPage(new CFormPage(*this)), m_units(DialogUnits::TemplateFont()) {
    BuiltTemplate built = BuildTemplateControls(*m_pPage, formTemplate);
    m_controls = built.controls;
    m_controlsInOrder = built.allInOrder;
    m_units = built.units;
    m_pPage->setFixedSize(built.sizePixels);
    setWidget(m_pPage);
    setWidgetResizable(false);
    setFocusPolicy(Qt::NoFocus);
}

QWidget* CFormView::GetDlgItem(int nId) const { return m_controls.value(nId, nullptr); }

int CFormView::IsDlgButtonChecked(int nId) const {
    const auto* pButton = qobject_cast<const QAbstractButton*>(GetDlgItem(nId));
    return pButton && pButton->isChecked() ? 1 : 0;
}

void CFormView::OnInitialUpdate() {
    UpdateData(false);
    m_pPage->update();
    // A form opens with its first field ready to be typed over, as a dialog does; a later update
    // (a new document) leaves the focus where the user put it.
    const QWidget* pFocus = window()->focusWidget();
    if (!pFocus || !m_pPage->isAncestorOf(pFocus)) GiveInitialFocus(FirstTabStop(m_controlsInOrder));
}

int CFormView::MessageBox(const QString& text, const QString& caption, unsigned type) {
    return UiServices::Current().MessageBox(this, text, caption, type);
}

void CFormView::OnDraw(QPainter&, const QRect&) {}

void CFormView::OnClicked(int nId, std::function<void()> handler) {
    if (auto* pButton = qobject_cast<QAbstractButton*>(GetDlgItem(nId)))
        connect(pButton, &QAbstractButton::clicked, this,
                [this, handler = std::move(handler)] { RunHandler(handler); });
}

void CFormView::OnKillFocus(int nId, std::function<void()> handler) {
    if (auto* pEdit = qobject_cast<CFieldEdit*>(GetDlgItem(nId)))
        connect(pEdit, &CFieldEdit::focusLeft, this,
                [this, handler = std::move(handler)] { RunHandler(handler); });
}

void CFormView::OnSelChange(int nId, std::function<void()> handler) {
    // The data exchange writes lists with their signals blocked, so this reports the user's changes only.
    if (auto* pCombo = qobject_cast<QComboBox*>(GetDlgItem(nId)))
        connect(pCombo, &QComboBox::currentIndexChanged, this,
                [this, handler = std::move(handler)] { RunHandler(handler); });
}

void CFormView::RunHandler(const std::function<void()>& handler) {
    if (m_bInHandler) return;
    m_bInHandler = true;
    handler();
    m_bInHandler = false;
}
