#include "ToolWindows.h"

#include "CDravonelView.h"
#include "Comparison.h"
#include "Resource.h"
#include "UiServices.h"

namespace {

const ToolWindowEntry* EntryOf(int nId) {
    for (const ToolWindowEntry& entry : ToolWindowEntries()) {
        if (entry.nCommandId == nId) return &entry;
    }
    return nullptr;
}

constexpr const char* kKeepCaption = "Keep for Comparison";

}  // namespace

CToolWindowHost::CToolWindowHost(CDravonelView& view, QWidget* pOwner)
    : QObject(pOwner), m_pOwner(pOwner), m_kept(this), m_context{view, m_kept} {}

bool CToolWindowHost::IsToolCommand(int nId) { return nId == ID_TOOLS_KEEP || EntryOf(nId) != nullptr; }

bool CToolWindowHost::IsAvailable(int nId) {
    if (nId == ID_TOOLS_KEEP) return true;
    const ToolWindowEntry* pEntry = EntryOf(nId);
    return pEntry && pEntry->make;
}

bool CToolWindowHost::OnCommand(int nId) {
    if (nId == ID_TOOLS_KEEP) {
        KeepForComparison();
        return true;
    }
    return OpenWindow(nId) != nullptr;
}

void CToolWindowHost::KeepForComparison() {
    UiServices& services = UiServices::Current();
    switch (m_kept.Keep(m_context.view)) {
        case CKeptScenarios::KeepOutcome::NothingCalculated:
            services.MessageBox(m_pOwner,
                                QStringLiteral("There is no result to keep yet. Press Calculate on the form, "
                                               "then Keep for Comparison (Ctrl+K)."),
                                QString::fromUtf8(kKeepCaption), MB_OK | MB_ICONEXCLAMATION);
            return;
        case CKeptScenarios::KeepOutcome::Full:
            services.MessageBox(m_pOwner,
                                QStringLiteral("%1 scenarios are kept already, as many as can be compared. "
                                               "Remove one in Tools > Compare Scenarios, then keep this one.")
                                    .arg(kMaxKeptScenarios),
                                QString::fromUtf8(kKeepCaption), MB_OK | MB_ICONEXCLAMATION);
            return;
        case CKeptScenarios::KeepOutcome::Kept:
            break;
    }
    const int nIndex = m_kept.Count() - 1;
    const QString label = QString::fromStdString(
        m_kept.LabelOf(nIndex, DisplayUnitsOfCode(m_context.view.m_form.inputs.m_nUnits)));
    emit statusMessage(QStringLiteral("Kept for comparison as \"%1\" (%2 of %3)")
                           .arg(label)
                           .arg(m_kept.Count())
                           .arg(kMaxKeptScenarios));
}

CToolWindow* CToolWindowHost::OpenWindow(int nId) {
    const ToolWindowEntry* pEntry = EntryOf(nId);
    if (!pEntry || !pEntry->make) return nullptr;
    QPointer<CToolWindow>& pWindow = m_windows[nId];
    if (!pWindow) pWindow = pEntry->make(m_context, m_pOwner);
    pWindow->ShowModeless();
    return pWindow;
}
