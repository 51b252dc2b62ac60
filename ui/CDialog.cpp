#include "CDialog.h"

#include <QAbstractButton>

#include "TemplateBuilder.h"

namespace {

Qt::WindowFlags DialogFlags(const DialogTemplate& dialogTemplate) {
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    if (dialogTemplate.systemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialogTemplate.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

}  // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* pParent)
    : QDialog(pParent, DialogFlags(dialogTemplate)) {
    if (dialogTemplate.caption) setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    BuiltTemplate built = BuildTemplateControls(*this, dialogTemplate);
    m_controls = built.controls;
    m_controlsInOrder = built.allInOrder;
    setFixedSize(built.sizePixels);
    // The framework's default buttons: IDOK ends through OnOK, IDCANCEL through OnCancel.
    OnClicked(IDOK, [this] { OnOK(); });
    OnClicked(IDCANCEL, [this] { OnCancel(); });
}

int CDialog::DoModal() {
    if (OnInitDialog()) GiveInitialFocus(FirstTabStop(m_controlsInOrder));
    return UiServices::Current().DoModal(*this);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

QWidget* CDialog::GetDlgItem(int nId) const { return m_controls.value(nId, nullptr); }

void CDialog::EndDialog(int nResult) { done(nResult); }

int CDialog::MessageBox(const QString& text, const QString& caption, unsigned type) {
    return UiServices::Current().MessageBox(this, text, caption, type);
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnClicked(int nId, std::function<void()> handler) {
    if (auto* pButton = qobject_cast<QAbstractButton*>(GetDlgItem(nId)))
        connect(pButton, &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
}
