#include "DataExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWidget>

#include "FieldText.h"
#include "UiServices.h"

namespace {

QString TextOf(QWidget* pControl) {
    if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) return pEdit->text();
    return pControl ? pControl->windowTitle() : QString();
}

// Writes only a changed text: an edit whose text stays keeps its selection, so a refused field keeps
// its text selected through the handler's closing write and the user can type over it at once.
void SetTextIfChanged(QWidget* pControl, const QString& text) {
    if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) {
        if (pEdit->text() != text) pEdit->setText(text);
    }
}

QList<QAbstractButton*> RadioGroupOf(QWidget* pFirst) {
    auto* pButton = qobject_cast<QAbstractButton*>(pFirst);
    if (!pButton) return {};
    if (QButtonGroup* pGroup = pButton->group()) return pGroup->buttons();
    return {pButton};
}

// Writes a number into an edit, or reads it back; a text that does not parse is refused with `prompt`
// and leaves the value as it was.
template <typename T>
void ExchangeNumber(CDataExchange* pDX, int nId, T& value, std::string (*format)(T),
                    bool (*parse)(std::string_view, T*), const char* prompt) {
    const std::string written = format(value);
    if (pDX->LeavesAlone(nId, written)) return;
    QWidget* pControl = pDX->PrepareControl(nId);
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(pControl, QString::fromStdString(written));
        return;
    }
    T read{};
    if (!parse(TextOf(pControl).toStdString(), &read)) {
        pDX->Fail(prompt);
        return;
    }
    value = read;
}

}  // namespace

bool DlgItemHost::UpdateData(bool bSaveAndValidate) {
    if (bSaveAndValidate) m_unreached.clear();
    CDataExchange dx(*this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CWnd::EnableWindow(bool bEnable) {
    if (m_pWidget) m_pWidget->setEnabled(bEnable);
}

bool CWnd::IsWindowEnabled() const { return m_pWidget && m_pWidget->isEnabled(); }

QWidget* CDataExchange::PrepareControl(int nId) {
    m_idLastControl = nId;
    return m_host.GetDlgItem(nId);
}

bool CDataExchange::LeavesAlone(int nId, const std::string& written) {
    if (m_bSaveAndValidate) {
        if (!m_bFailed) return false;
        m_host.m_unreached.emplace(nId, written);
        return true;
    }
    const auto it = m_host.m_unreached.find(nId);
    return it != m_host.m_unreached.end() && it->second == written;
}

void CDataExchange::Fail(const std::string& prompt) {
    AfxMessageBox(QString::fromStdString(prompt), MB_OK | MB_ICONEXCLAMATION);
    if (QWidget* pControl = m_host.GetDlgItem(m_idLastControl)) {
        pControl->setFocus(Qt::OtherFocusReason);
        if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) pEdit->selectAll();
    }
    m_bFailed = true;
}

void DDX_Text(CDataExchange* pDX, int nId, int& nValue) {
    ExchangeNumber(pDX, nId, nValue, &FormatFieldInt, &ParseFieldInt, kPromptInteger);
}

void DDX_Text(CDataExchange* pDX, int nId, double& dValue) {
    ExchangeNumber(pDX, nId, dValue, &FormatFieldDouble, &ParseFieldDouble, kPromptNumber);
}

void DDX_Text(CDataExchange* pDX, int nId, std::string& strValue) {
    if (pDX->LeavesAlone(nId, strValue)) return;
    QWidget* pControl = pDX->PrepareControl(nId);
    if (pDX->m_bSaveAndValidate)
        strValue = TextOf(pControl).toStdString();
    else
        SetTextIfChanged(pControl, QString::fromStdString(strValue));
}

void DDX_CBIndex(CDataExchange* pDX, int nId, int& nIndex) {
    if (pDX->LeavesAlone(nId, std::to_string(nIndex))) return;
    auto* pCombo = qobject_cast<QComboBox*>(pDX->PrepareControl(nId));
    if (!pCombo) return;
    if (pDX->m_bSaveAndValidate) {
        nIndex = pCombo->currentIndex();
        return;
    }
    // Only the user's own choices are selection changes; writing the form is not one.
    const QSignalBlocker blocker(pCombo);
    pCombo->setCurrentIndex(nIndex >= 0 && nIndex < pCombo->count() ? nIndex : -1);
}

void DDX_Radio(CDataExchange* pDX, int nId, int& nValue) {
    if (pDX->LeavesAlone(nId, std::to_string(nValue))) return;
    const QList<QAbstractButton*> group = RadioGroupOf(pDX->PrepareControl(nId));
    if (pDX->m_bSaveAndValidate) {
        nValue = -1;
        for (int i = 0; i < group.size(); ++i) {
            if (group[i]->isChecked()) nValue = i;
        }
        return;
    }
    QButtonGroup* pGroup = group.isEmpty() ? nullptr : group.front()->group();
    const bool bExclusive = pGroup && pGroup->exclusive();
    // An exclusive group cannot be cleared; -1 must leave every button unchecked.
    if (pGroup) pGroup->setExclusive(false);
    for (int i = 0; i < group.size(); ++i) group[i]->setChecked(i == nValue);
    if (pGroup) pGroup->setExclusive(bExclusive);
}

void DDX_Control(CDataExchange* pDX, int nId, CWnd& control) {
    if (pDX->m_bFailed || control.GetSafeHwnd()) return;
    control.Attach(pDX->PrepareControl(nId));
}

void DDV_MinMaxInt(CDataExchange* pDX, int nValue, int nMin, int nMax) {
    if (pDX->m_bFailed || !pDX->m_bSaveAndValidate) return;
    if (nValue < nMin || nValue > nMax) pDX->Fail(PromptIntegerBetween(nMin, nMax));
}
