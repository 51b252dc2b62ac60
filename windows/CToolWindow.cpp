#include "CToolWindow.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

#include "CDravonelView.h"
#include "PagePrint.h"
#include "StudyTexts.h"
#include "UiServices.h"

CToolWindow::CToolWindow(const ToolContext& context, const QString& settingsKey, const QString& title,
                         QWidget* pOwner)
    : QDialog(pOwner), m_context(context), m_settingsKey(settingsKey) {
    setWindowTitle(title);
    setModal(false);
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* pLayout = new QVBoxLayout(this);
    m_pBody = new QVBoxLayout;
    pLayout->addLayout(m_pBody, 1);

    m_pJobBar = new QWidget(this);
    auto* pJobLayout = new QHBoxLayout(m_pJobBar);
    pJobLayout->setContentsMargins(0, 0, 0, 0);
    m_pJobLabel = new QLabel(m_pJobBar);
    m_pProgress = new QProgressBar(m_pJobBar);
    m_pProgress->setRange(0, 100);
    m_pProgress->setAccessibleName(QStringLiteral("Progress"));
    m_pCancelJob = new QPushButton(QStringLiteral("Cancel"), m_pJobBar);
    m_pCancelJob->setAutoDefault(false);
    pJobLayout->addWidget(m_pJobLabel);
    pJobLayout->addWidget(m_pProgress, 1);
    pJobLayout->addWidget(m_pCancelJob);
    m_pJobBar->hide();
    pLayout->addWidget(m_pJobBar);

    m_pNote = new QLabel(this);
    m_pNote->setWordWrap(true);
    m_pNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pNote->hide();
    pLayout->addWidget(m_pNote);

    m_pButtons = new QDialogButtonBox(this);
    m_pCloseButton = m_pButtons->addButton(QDialogButtonBox::Close);
    m_pCloseButton->setDefault(true);
    pLayout->addWidget(m_pButtons);

    connect(m_pCloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_pCancelJob, &QPushButton::clicked, this, &CToolWindow::CancelJob);
    connect(&m_job, &CBackgroundJob::progressChanged, m_pProgress, &QProgressBar::setValue);
    connect(&m_job, &CBackgroundJob::finished, this, &CToolWindow::OnJobFinished);
    connect(&m_job, &CBackgroundJob::failed, this, &CToolWindow::Warn);

    CDravonelView& view = m_context.view;
    connect(&view, &CDravonelView::unitsChanged, this, [this](UnitSystem units) { OnUnitsChanged(units); });
    connect(&view, &CDravonelView::resultChanged, this, [this] { OnResultChanged(); });
    connect(&view, &CDravonelView::inputsChanged, this, [this] { OnInputsChanged(); });
}

CToolWindow::~CToolWindow() {
    if (isVisible()) SaveSize();
}

UnitSystem CToolWindow::Units() const { return DisplayUnitsOfCode(m_context.view.m_form.inputs.m_nUnits); }

void CToolWindow::ShowModeless() {
    if (!m_bSizeRestored) {
        RestoreSize();
        m_bSizeRestored = true;
    }
    show();
    raise();
    activateWindow();
}

QPushButton* CToolWindow::AddButton(const QString& text, QDialogButtonBox::ButtonRole role) {
    return m_pButtons->addButton(text, role);
}

void CToolWindow::SetDefaultButton(QPushButton* pButton) {
    QPushButton* pDefault = pButton ? pButton : m_pCloseButton;
    for (QAbstractButton* pOther : m_pButtons->buttons()) {
        if (auto* pPush = qobject_cast<QPushButton*>(pOther)) pPush->setDefault(pPush == pDefault);
    }
}

void CToolWindow::ShowNote(const QString& text) {
    m_pNote->setText(text);
    m_pNote->setVisible(!text.isEmpty());
}

QSize CToolWindow::DefaultSize() const { return sizeHint(); }

QLabel* CToolWindow::MakeTextLabel(const QString& text) {
    auto* pLabel = new QLabel(text, this);
    pLabel->setWordWrap(true);
    pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return pLabel;
}

QChartView* CToolWindow::MakeChartView(QChart*& pChart, const QString& accessibleName, int nWidthChars,
                                       int nHeightLines) {
    pChart = new QChart;
    auto* pView = new QChartView(pChart, this);
    pView->setRenderHint(QPainter::Antialiasing);
    pView->setMinimumSize(fontMetrics().averageCharWidth() * nWidthChars,
                          fontMetrics().height() * nHeightLines);
    pView->setFocusPolicy(Qt::NoFocus);
    pView->setAccessibleName(accessibleName);
    return pView;
}

void CToolWindow::Warn(const QString& message) {
    UiServices::Current().MessageBox(this, message, windowTitle(), MB_OK | MB_ICONEXCLAMATION);
}

bool CToolWindow::IsDoneElseSay(StudyOutcome outcome, const StudyFault& fault) {
    if (outcome == StudyOutcome::Refused) Warn(RefusalSentence(fault));
    return outcome == StudyOutcome::Done;
}

void CToolWindow::PaintPage(QPainter&, const QRect&) {}

bool CToolWindow::PrintPage(const QString& docName) {
    return PrintOnePage(this, docName,
                        [this](QPainter& painter, const QRect& pageRect) { PaintPage(painter, pageRect); });
}

void CToolWindow::OnUnitsChanged(UnitSystem) {}
void CToolWindow::OnResultChanged() {}
void CToolWindow::OnInputsChanged() {}

void CToolWindow::CancelJob() {
    if (!m_job.IsRunning()) return;
    m_bCancelRequested = true;
    m_job.Cancel();
    m_pJobLabel->setText(QStringLiteral("Cancelling..."));
    m_pCancelJob->setEnabled(false);
}

void CToolWindow::BeginJob(const QString& what) {
    m_bCancelRequested = false;
    ShowNote({});
    m_pJobLabel->setText(what);
    m_pProgress->setValue(0);
    m_pCancelJob->setEnabled(true);
    m_pJobBar->show();
    emit jobRunningChanged(true);
}

void CToolWindow::OnJobFinished(bool bApplied) {
    // A job replaced by a new one ends while the new one runs: the bar stays for the new one.
    if (m_job.IsRunning()) return;
    m_pJobBar->hide();
    if (!bApplied && m_bCancelRequested) ShowNote(QStringLiteral("Cancelled: nothing was changed."));
    m_bCancelRequested = false;
    emit jobRunningChanged(false);
}

// Esc: a running job is cancelled first; the window closes once nothing runs.
void CToolWindow::reject() {
    if (m_job.IsRunning()) {
        CancelJob();
        return;
    }
    QDialog::reject();
}

// The close box and the Close button always close, cancelling a running job on the way.
void CToolWindow::closeEvent(QCloseEvent* event) {
    CancelJob();
    QDialog::done(QDialog::Rejected);
    event->accept();
}

void CToolWindow::hideEvent(QHideEvent* event) {
    SaveSize();
    QDialog::hideEvent(event);
}

QString CToolWindow::SizeKey() const { return QStringLiteral("ToolWindows/%1/size").arg(m_settingsKey); }

void CToolWindow::RestoreSize() {
    const QSize remembered = QSettings().value(SizeKey()).toSize();
    QSize wanted = remembered.isValid() ? remembered : DefaultSize();
    wanted = wanted.expandedTo(minimumSizeHint());
    const QWidget* pOwner = parentWidget();
    if (const QScreen* pScreen = pOwner ? pOwner->screen() : screen())
        wanted = wanted.boundedTo(pScreen->availableGeometry().size());
    resize(wanted);
}

void CToolWindow::SaveSize() const {
    if (!m_bSizeRestored) return;  // never shown: nothing of the user's to remember
    QSettings().setValue(SizeKey(), size());
}
