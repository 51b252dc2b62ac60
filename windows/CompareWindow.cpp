#include "CompareWindow.h"

#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "ChartStyle.h"
#include "ComparisonChart.h"
#include "ComparisonModel.h"
#include "KeptScenarios.h"
#include "StudyFiles.h"
#include "StudyPage.h"
#include "UiServices.h"

namespace {

constexpr const char* kExportFailedCaption = "Can Not Export";

}  // namespace

CCompareWindow::CCompareWindow(const ToolContext& context, QWidget* pOwner)
    : CToolWindow(context, QStringLiteral("CompareScenarios"), QStringLiteral("Compare Scenarios"), pOwner) {
    m_pModel = new CComparisonModel(context.kept, Units(), this);

    m_pChartView = MakeChartView(m_pChart, QStringLiteral("Cooling curves of the kept scenarios"), 50, 20);

    m_pEmptyHint = new QLabel(
        QStringLiteral("Nothing is kept yet. Press Calculate on the form, then Tools > Keep for Comparison "
                       "(Ctrl+K); each kept calculation appears here."),
        this);
    m_pEmptyHint->setWordWrap(true);

    m_pTable = new QTableView(this);
    m_pTable->setModel(m_pModel);
    m_pTable->setAccessibleName(QStringLiteral("Kept scenarios"));
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    m_pTable->setTabKeyNavigation(false);  // Tab leaves the table for the buttons
    m_pTable->setWordWrap(false);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->installEventFilter(this);
    m_pTable->setMinimumHeight(fontMetrics().height() * 7);

    auto* pSplitter = new QSplitter(Qt::Vertical, this);
    pSplitter->addWidget(m_pChartView);
    auto* pLower = new QWidget(pSplitter);
    auto* pLowerLayout = new QVBoxLayout(pLower);
    pLowerLayout->setContentsMargins(0, 0, 0, 0);
    pLowerLayout->addWidget(m_pEmptyHint);
    pLowerLayout->addWidget(m_pTable, 1);
    pSplitter->addWidget(pLower);
    pSplitter->setStretchFactor(0, 3);
    pSplitter->setStretchFactor(1, 1);
    pSplitter->setSizes({3 * fontMetrics().height() * 20, fontMetrics().height() * 20});
    pSplitter->setChildrenCollapsible(false);
    Body().addWidget(pSplitter);

    m_pRemove = AddButton(QStringLiteral("&Remove"), QDialogButtonBox::ActionRole);
    m_pClear = AddButton(QStringLiteral("C&lear All"), QDialogButtonBox::ActionRole);
    m_pExport = AddButton(QStringLiteral("&Export CSV..."), QDialogButtonBox::ActionRole);
    m_pPrint = AddButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    SetDefaultButton(nullptr);

    connect(m_pRemove, &QPushButton::clicked, this, &CCompareWindow::RemoveCurrent);
    connect(m_pClear, &QPushButton::clicked, &context.kept, &CKeptScenarios::Clear);
    connect(m_pExport, &QPushButton::clicked, this, &CCompareWindow::ExportCsv);
    connect(m_pPrint, &QPushButton::clicked, this, &CCompareWindow::Print);
    connect(&context.kept, &CKeptScenarios::changed, this, &CCompareWindow::Rebuild);
    connect(m_pTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CCompareWindow::UpdateButtons);
    setTabOrder(m_pTable, m_pRemove);
    Rebuild();
}

QSize CCompareWindow::DefaultSize() const {
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.averageCharWidth() * 120, metrics.height() * 44).expandedTo(sizeHint());
}

void CCompareWindow::Rebuild() {
    FillComparisonChart(*m_pChart, Context().kept.Scenarios(), Units(), font());
    const bool bAny = Context().kept.Count() > 0;
    m_pEmptyHint->setVisible(!bAny);
    if (bAny && !m_pTable->currentIndex().isValid()) m_pTable->selectRow(0);
    UpdateButtons();
}

void CCompareWindow::UpdateButtons() {
    const bool bAny = Context().kept.Count() > 0;
    m_pRemove->setEnabled(bAny && m_pTable->currentIndex().isValid());
    m_pClear->setEnabled(bAny);
    m_pExport->setEnabled(bAny);
    m_pPrint->setEnabled(bAny);
}

void CCompareWindow::RemoveCurrent() {
    const int nRow = m_pTable->currentIndex().row();
    if (nRow < 0) return;
    Context().kept.Remove(nRow);
    // The row that took its place (or the new last one) is chosen, so Remove can be pressed again.
    if (const int nCount = Context().kept.Count(); nCount > 0)
        m_pTable->selectRow(std::min(nRow, nCount - 1));
    UpdateButtons();
}

void CCompareWindow::OnUnitsChanged(UnitSystem units) {
    m_pModel->SetUnits(units);
    Rebuild();
}

void CCompareWindow::changeEvent(QEvent* event) {
    CToolWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) Rebuild();  // the chart's texts follow the window's font
}

// Delete in the table removes the chosen scenario, as Remove does. While a label is being edited its editor
// has the keys, so Delete then edits the label.
bool CCompareWindow::eventFilter(QObject* pWatched, QEvent* event) {
    if (pWatched == m_pTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        RemoveCurrent();
        return true;
    }
    return CToolWindow::eventFilter(pWatched, event);
}

bool CCompareWindow::ExportCsv() {
    if (Context().kept.Count() == 0) return false;
    const QString path =
        AskSaveCsvPath(this, QStringLiteral("Export Comparison"), QStringLiteral("comparison.csv"));
    if (path.isEmpty()) return false;
    if (!WriteExport(this, path, ComparisonCsv(Context().kept.Scenarios(), Units()),
                     QString::fromUtf8(kExportFailedCaption)))
        return false;
    ShowNote(QStringLiteral("Exported %1 scenarios to %2")
                 .arg(Context().kept.Count())
                 .arg(QFileInfo(path).absoluteFilePath()));
    return true;
}

bool CCompareWindow::Print() {
    if (Context().kept.Count() == 0) return false;
    return PrintPage(QStringLiteral("KELVANOR scenario comparison"));
}

void CCompareWindow::PaintPage(QPainter& painter, const QRect& pageRect) {
    CStudyPage page(painter, pageRect);
    page.Title(QStringLiteral("Compare Scenarios"));
    page.Chart(*m_pChartView, 0.5);
    page.Table(*m_pModel);
}
