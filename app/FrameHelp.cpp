#include <QApplication>

#include "CMainFrame.h"
#include "HelpText.h"
#include "HelpWindow.h"

void CMainFrame::OnHelpTopic(const QString& anchor) {
    if (!m_pHelpWindow) m_pHelpWindow = new CHelpWindow(this);
    m_pHelpWindow->ShowTopic(anchor);
}

QString CMainFrame::FocusedFieldAnchor() const {
    const QWidget* pFocus = QApplication::focusWidget();
    if (!pFocus) return {};
    // A list's inner widgets count as the list.
    for (const QWidget* pWidget = pFocus; pWidget && pWidget != m_pView; pWidget = pWidget->parentWidget()) {
        for (int nId : HelpControlIds()) {
            if (m_pView->GetDlgItem(nId) == pWidget) return QString::fromUtf8(HelpAnchorOfControl(nId));
        }
    }
    return {};
}
