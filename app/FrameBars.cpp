#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

#include "CDravonelView.h"
#include "CMainFrame.h"
#include "MainFrameResources.h"
#include "Pictures.h"
#include "ResultSummary.h"

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_pToolBar->setIconSize(kToolbarImageSize);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int nId : MainFrameToolbarButtons()) {
        QAction& action = ActionFor(nId);
        // One action serves the menu item and the button; the menu item keeps its plain text.
        action.setIcon(QIcon(QPixmap::fromImage(ToolbarAboutImage())));
        action.setIconVisibleInMenu(false);
        m_pToolBar->addAction(&action);
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
}

void CMainFrame::CreateStatusBar() {
    m_pStatusBar = new QStatusBar(this);
    for (int nId : MainFrameIndicators()) {
        const char* text = LoadResourceString(nId == ID_SEPARATOR ? AFX_IDS_IDLEMESSAGE : nId);
        auto* pPane = new QLabel(QString::fromUtf8(text), m_pStatusBar);
        if (nId == ID_SEPARATOR) {
            // An ordinary status-bar widget hides while a status tip shows, so "Ready" returns after it.
            m_pStatusBar->addWidget(pPane, 1);
            // The result summary is a permanent widget: tips and messages take the message pane only, so
            // they never hide it.
            m_pStatusSummary = new QLabel(m_pStatusBar);
            m_pStatusSummary->setObjectName(QStringLiteral("ResultSummary"));
            m_pStatusSummary->setAccessibleName(QStringLiteral("Result summary"));
            m_pStatusSummary->setFrameShape(QFrame::Panel);
            m_pStatusSummary->setFrameShadow(QFrame::Sunken);
            m_pStatusSummary->hide();
            m_pStatusBar->addPermanentWidget(m_pStatusSummary);
        } else {
            // Qt cannot read the lock keys on every platform, so the indicators show their names the
            // way an indicator whose lock is off does: present, sized to the text, greyed.
            pPane->setFrameShape(QFrame::Panel);
            pPane->setFrameShadow(QFrame::Sunken);
            pPane->setAlignment(Qt::AlignCenter);
            pPane->setEnabled(false);
            pPane->setMinimumWidth(pPane->fontMetrics().horizontalAdvance(pPane->text()) + 8);
            m_pStatusBar->addPermanentWidget(pPane);
        }
        m_statusPanes.append(pPane);
    }
    setStatusBar(m_pStatusBar);
}

void CMainFrame::UpdateStatusSummary() {
    const CDravonelView& view = *m_pView;
    QString text;
    if (view.IsResultStale()) {
        text = QString::fromUtf8(kInputsChangedText);
    } else if (view.m_bCalculated) {
        const FormRecord& shown = view.m_calculatedForm;
        text = QString::fromStdString(
            ResultSummaryText(shown.m_nStartTime, shown.m_dStopTime, view.m_result.summary.stop.notice));
    }
    m_pStatusSummary->setText(text);
    m_pStatusSummary->setVisible(!text.isEmpty());
}
