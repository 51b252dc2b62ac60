#include "LiftsWindow.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "CDravonelView.h"
#include "ChartStyle.h"
#include "FieldText.h"
#include "LiftsChart.h"
#include "LiftsReport.h"
#include "Resource.h"
#include "ShownUnits.h"
#include "StudyFiles.h"
#include "StudyPage.h"
#include "UiServices.h"

namespace {

// How the result table's times read, under the chart and on the printed page.
constexpr const char* kTimesNote =
    "Placed at: minutes after the first lift's laydown. Start, stop and next lift: minutes after the "
    "lift's own laydown. Clock times in brackets.";

constexpr const char* kExportFailedCaption = "Can Not Export";
// Where Add Lift puts a new lift: this long after the one before it.
constexpr int kAddedLiftGapMinutes = 30;
// The highest placement the field takes; the run refuses gaps over kMaxPlacementGapMinutes itself, so
// the user hears why instead of seeing a number stop.
constexpr int kPlacementFieldMax = kMaxLifts * kMaxPlacementGapMinutes;

enum Column { ColName, ColPlacement, ColThickness, ColDelivery, ColMix, ColHigh, ColLow, ColRemove };

const char* const kResultHeaders[] = {"Lift",   "Placed at",       "Start", "Stop",
                                      "Window", "Next lift on it", "Notice"};
constexpr int kResultColumns = 7;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QComboBox* MakeList(const char* const* names, int nCount, QWidget* pParent) {
    auto* pList = new QComboBox(pParent);
    for (int i = 0; i < nCount; ++i) pList->addItem(QString::fromUtf8(names[i]));
    return pList;
}

// "Site, from the form: 2026-06-15 12:00, latitude 45, air 10 C, ...": the site a run takes.
QString SiteText(const SimulationInputs& in) {
    const int nUnits = UnitCode(DisplayUnitsOfCode(in.m_nUnits));
    char date[48];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d:%02d", in.m_nYear, in.m_nMonth, in.m_nDay,
                  in.m_nHour, in.m_nMinute);
    const auto list = [](const char* const* names, int nCount, int nIndex) {
        return nIndex >= 0 && nIndex < nCount ? QString::fromUtf8(names[nIndex]) : QStringLiteral("(none)");
    };
    return QStringLiteral("Site, from the form: %1, latitude %2, air %3 %4, wind %5 %6, %7, on %8 at %9 %4.")
        .arg(QString::fromUtf8(date), Text(FormatFieldDouble(in.m_dLatitude)),
             Text(FormatFieldDouble(in.m_dAirTemp)), QString::fromUtf8(kTemperatureUnit[nUnits]),
             Text(FormatFieldDouble(in.m_dWindSpeed)), QString::fromUtf8(kWindUnit[nUnits]),
             list(kSkyConditionNames, kSkyConditionCount, in.m_nSkyCondition),
             list(kMaterialTypeNames, kMaterialTypeCount, in.m_nMaterialType),
             Text(FormatFieldDouble(in.m_dSurfaceTemp)));
}

// The form's control that holds a site value the run refused.
int FormControlOf(LiftField field) {
    switch (field) {
        case LiftField::SiteAirTemp:
            return IDC_AIR_TEMP;
        case LiftField::SiteSurfaceTemp:
            return IDC_SURFACE_TEMP;
        case LiftField::SiteWindSpeed:
            return IDC_WIND_SPEED;
        case LiftField::SiteLatitude:
            return IDC_LATITUDE;
        case LiftField::SiteDate:
            return IDC_DAY;
        case LiftField::SiteTime:
            return IDC_HOUR;
        case LiftField::SiteSkyCondition:
            return IDC_SKY;
        case LiftField::SiteMaterial:
            return IDC_MATERIAL_TYPE;
        default:
            return 0;
    }
}

QPixmap Swatch(const QColor& color, int nSize) {
    QPixmap swatch(nSize, nSize);
    swatch.fill(color);
    return swatch;
}

}  // namespace

CLiftsWindow::CLiftsWindow(const ToolContext& context, QWidget* pOwner)
    : CToolWindow(context, QStringLiteral("Lifts"), QStringLiteral("Lifts"), pOwner), m_units(Units()) {
    m_pSite = MakeTextLabel();
    Body().addWidget(m_pSite);

    auto* pLiftsBox = new QGroupBox(QStringLiteral("Lifts, bottom first"), this);
    auto* pGrid = new QGridLayout;
    BuildRows(*pGrid);
    auto* pLiftsLayout = new QVBoxLayout(pLiftsBox);
    pLiftsLayout->addLayout(pGrid);
    m_pAddLift = new QPushButton(QStringLiteral("&Add Lift"), pLiftsBox);
    m_pAddLift->setAccessibleName(QStringLiteral("Add lift"));
    auto* pAddRow = new QHBoxLayout;
    pAddRow->addWidget(m_pAddLift);
    pAddRow->addStretch(1);
    pLiftsLayout->addLayout(pAddRow);

    auto* pNextRow = new QHBoxLayout;
    auto* pNextLabel = new QLabel(QStringLiteral("&Next lift when the mat below is under"), pLiftsBox);
    m_pNextLiftTemp = new QLineEdit(pLiftsBox);
    m_pNextLiftTemp->setMaximumWidth(fontMetrics().averageCharWidth() * 10);
    pNextLabel->setBuddy(m_pNextLiftTemp);
    m_pNextLiftUnit = new QLabel(pLiftsBox);
    pNextRow->addWidget(pNextLabel);
    pNextRow->addWidget(m_pNextLiftTemp);
    pNextRow->addWidget(m_pNextLiftUnit);
    pNextRow->addStretch(1);
    pLiftsLayout->addLayout(pNextRow);
    auto* pWhy = new QLabel(QStringLiteral("The mat below must carry the paver and the haul trucks without "
                                           "deforming or shoving, so the next lift waits until its mean has "
                                           "cooled below this temperature."),
                            pLiftsBox);
    pWhy->setWordWrap(true);
    pLiftsLayout->addWidget(pWhy);
    Body().addWidget(pLiftsBox);

    m_pChartView = MakeChartView(m_pChart, QStringLiteral("Mat mean temperature of every lift"), 50, 18);

    m_pStale = new QLabel(
        QStringLiteral("The lifts or the form changed since this run: press Run to update it."), this);
    m_pStale->setWordWrap(true);
    m_pStale->hide();
    auto* pTimesNote = new QLabel(QString::fromUtf8(kTimesNote), this);
    pTimesNote->setWordWrap(true);
    m_pResults = new QTableWidget(0, kResultColumns, this);
    m_pResults->setAccessibleName(QStringLiteral("Lift results"));
    QStringList headers;
    for (const char* pHeader : kResultHeaders) headers << QString::fromUtf8(pHeader);
    m_pResults->setHorizontalHeaderLabels(headers);
    m_pResults->verticalHeader()->hide();
    m_pResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pResults->setTabKeyNavigation(false);
    m_pResults->setWordWrap(false);
    m_pResults->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pResults->horizontalHeader()->setStretchLastSection(true);
    m_pResults->setMinimumHeight(fontMetrics().height() * 7);

    auto* pSplitter = new QSplitter(Qt::Vertical, this);
    pSplitter->addWidget(m_pChartView);
    auto* pLower = new QWidget(pSplitter);
    auto* pLowerLayout = new QVBoxLayout(pLower);
    pLowerLayout->setContentsMargins(0, 0, 0, 0);
    pLowerLayout->addWidget(m_pStale);
    pLowerLayout->addWidget(pTimesNote);
    pLowerLayout->addWidget(m_pResults, 1);
    pSplitter->addWidget(pLower);
    pSplitter->setStretchFactor(0, 3);
    pSplitter->setStretchFactor(1, 1);
    pSplitter->setSizes({3 * fontMetrics().height() * 20, fontMetrics().height() * 10});
    pSplitter->setChildrenCollapsible(false);
    Body().addWidget(pSplitter, 1);

    m_pRun = AddButton(QStringLiteral("&Run"), QDialogButtonBox::ActionRole);
    m_pExport = AddButton(QStringLiteral("&Export CSV..."), QDialogButtonBox::ActionRole);
    m_pPrint = AddButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    SetDefaultButton(m_pRun);

    connect(m_pAddLift, &QPushButton::clicked, this, &CLiftsWindow::AddLift);
    connect(m_pNextLiftTemp, &QLineEdit::textEdited, this, &CLiftsWindow::NoteEdited);
    connect(m_pRun, &QPushButton::clicked, this, &CLiftsWindow::Run);
    connect(m_pExport, &QPushButton::clicked, this, &CLiftsWindow::ExportCsv);
    connect(m_pPrint, &QPushButton::clicked, this, &CLiftsWindow::Print);
    connect(this, &CToolWindow::jobRunningChanged, this, &CLiftsWindow::UpdateButtons);

    Reset();
    SetTabOrder();
}

void CLiftsWindow::BuildRows(QGridLayout& grid) {
    for (int c = ColName; c <= ColLow; ++c) {
        m_headers[c] = new QLabel(this);
        grid.addWidget(m_headers[c], 0, c);
    }
    for (int r = 0; r < kMaxLifts; ++r) {
        RowWidgets& row = m_rows[r];
        row.pName = new QLabel(QStringLiteral("Lift %1").arg(r + 1), this);
        row.pPlacement = new QSpinBox(this);
        row.pPlacement->setRange(0, r == 0 ? 0 : kPlacementFieldMax);
        row.pPlacement->setEnabled(r > 0);  // the first lift defines minute 0
        row.pThickness = new QLineEdit(this);
        row.pDelivery = new QLineEdit(this);
        row.pMix = MakeList(kMixTypeNames, kMixTypeCount, this);
        row.pHigh = MakeList(kPgHighNames, kPgGradeCount, this);
        row.pLow = MakeList(kPgLowNames, kPgGradeCount, this);
        row.pRemove = new QPushButton(QStringLiteral("Remove"), this);
        row.pRemove->setAccessibleName(QStringLiteral("Remove lift %1").arg(r + 1));
        row.pRemove->setVisible(false);
        const QList<QWidget*> cells = {row.pName, row.pPlacement, row.pThickness, row.pDelivery,
                                       row.pMix,  row.pHigh,      row.pLow,       row.pRemove};
        for (int c = 0; c < cells.size(); ++c) grid.addWidget(cells[c], r + 1, c);

        connect(row.pPlacement, &QSpinBox::valueChanged, this, &CLiftsWindow::NoteEdited);
        connect(row.pThickness, &QLineEdit::textEdited, this, &CLiftsWindow::NoteEdited);
        connect(row.pDelivery, &QLineEdit::textEdited, this, &CLiftsWindow::NoteEdited);
        for (QComboBox* pList : {row.pMix, row.pHigh, row.pLow})
            connect(pList, &QComboBox::currentIndexChanged, this, &CLiftsWindow::NoteEdited);
        connect(row.pRemove, &QPushButton::clicked, this, [this, r] { RemoveLift(r); });
    }
    grid.setColumnStretch(ColMix, 1);
}

void CLiftsWindow::SetTabOrder() {
    QList<QWidget*> chain;
    for (const RowWidgets& row : m_rows)
        chain << row.pPlacement << row.pThickness << row.pDelivery << row.pMix << row.pHigh << row.pLow
              << row.pRemove;
    chain << m_pAddLift << m_pNextLiftTemp << m_pResults << m_pRun << m_pExport << m_pPrint << CloseButton();
    for (int i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

QSize CLiftsWindow::DefaultSize() const {
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.averageCharWidth() * 120, metrics.height() * 50).expandedTo(sizeHint());
}

void CLiftsWindow::UpdateLabels() {
    const int nUnits = UnitCode(m_units);
    const QString temp = QString::fromUtf8(kTemperatureUnit[nUnits]);
    const QString length = QString::fromUtf8(kLiftUnit[nUnits]);
    const QString headers[] = {QString(),
                               QStringLiteral("Placed at, min"),
                               QStringLiteral("Thickness, %1").arg(length),
                               QStringLiteral("Delivery, %1").arg(temp),
                               QStringLiteral("Mix"),
                               QStringLiteral("High grade"),
                               QStringLiteral("Low grade")};
    for (int c = ColName; c <= ColLow; ++c) m_headers[c]->setText(headers[c]);
    for (int r = 0; r < kMaxLifts; ++r) {
        const RowWidgets& row = m_rows[r];
        const QString lift = QStringLiteral("Lift %1 ").arg(r + 1);
        row.pPlacement->setAccessibleName(
            lift + QStringLiteral("placed at, minutes after the first lift's laydown"));
        row.pThickness->setAccessibleName(lift + QStringLiteral("thickness, ") + length);
        row.pDelivery->setAccessibleName(lift + QStringLiteral("delivery temperature, ") + temp);
        row.pMix->setAccessibleName(lift + QStringLiteral("mix"));
        row.pHigh->setAccessibleName(lift + QStringLiteral("high grade"));
        row.pLow->setAccessibleName(lift + QStringLiteral("low grade"));
    }
    m_pNextLiftUnit->setText(temp);
    m_pNextLiftTemp->setAccessibleName(QStringLiteral("Next-lift temperature, ") + temp);
}

void CLiftsWindow::UpdateSiteLine() { m_pSite->setText(SiteText(Context().view.InputsAsShown())); }

void CLiftsWindow::SetRow(int nRow, const LiftEntry& entry) {
    const RowWidgets& row = m_rows[nRow];
    m_bFilling = true;
    row.pPlacement->setValue(nRow == 0 ? 0 : entry.nPlacementMinutes);
    row.pThickness->setText(Text(entry.strThickness));
    row.pDelivery->setText(Text(entry.strDelivery));
    row.pMix->setCurrentIndex(std::clamp(entry.nMixType, 0, kMixTypeCount - 1));
    row.pHigh->setCurrentIndex(std::clamp(entry.nPgHigh, 0, kPgGradeCount - 1));
    row.pLow->setCurrentIndex(std::clamp(entry.nPgLow, 0, kPgGradeCount - 1));
    m_bFilling = false;
}

LiftEntry CLiftsWindow::RowEntry(int nRow) const {
    const RowWidgets& row = m_rows[nRow];
    return {row.pPlacement->value(),
            row.pThickness->text().toStdString(),
            row.pDelivery->text().toStdString(),
            row.pMix->currentIndex(),
            row.pHigh->currentIndex(),
            row.pLow->currentIndex()};
}

void CLiftsWindow::SetLiftCount(int nLifts) {
    m_nLifts = std::clamp(nLifts, 1, kMaxLifts);
    for (int r = 0; r < kMaxLifts; ++r) {
        const RowWidgets& row = m_rows[r];
        const bool bShown = r < m_nLifts;
        for (QWidget* pCell : {static_cast<QWidget*>(row.pName), static_cast<QWidget*>(row.pPlacement),
                               static_cast<QWidget*>(row.pThickness), static_cast<QWidget*>(row.pDelivery),
                               static_cast<QWidget*>(row.pMix), static_cast<QWidget*>(row.pHigh),
                               static_cast<QWidget*>(row.pLow)})
            pCell->setVisible(bShown);
        row.pRemove->setVisible(bShown && r > 0);
    }
    UpdateButtons();
}

LiftsEntries CLiftsWindow::Entries() const {
    LiftsEntries entries;
    for (int r = 0; r < m_nLifts; ++r) entries.lifts.push_back(RowEntry(r));
    entries.strNextLiftTemp = m_pNextLiftTemp->text().toStdString();
    return entries;
}

void CLiftsWindow::SetEntries(const LiftsEntries& entries) {
    const int nLifts = std::clamp(static_cast<int>(entries.lifts.size()), 1, kMaxLifts);
    for (int r = 0; r < nLifts && r < static_cast<int>(entries.lifts.size()); ++r)
        SetRow(r, entries.lifts[r]);
    SetLiftCount(nLifts);
    m_bFilling = true;
    m_pNextLiftTemp->setText(Text(entries.strNextLiftTemp));
    m_bFilling = false;
    CancelJob();
    m_shown.reset();
    m_bEdited = true;  // the lifts are the job's now, no longer the form's lift
    ShowRun();
}

void CLiftsWindow::Reset() {
    m_units = Units();
    UpdateLabels();
    TakeFirstLiftFromForm();
    SetLiftCount(1);
    m_bFilling = true;
    m_pNextLiftTemp->setText(Text(FormatFieldDouble(DefaultNextLiftTemp(m_units))));
    m_bFilling = false;
    CancelJob();
    m_shown.reset();
    m_bEdited = false;
    UpdateSiteLine();
    ShowRun();
}

void CLiftsWindow::TakeFirstLiftFromForm() {
    const SimulationInputs in = Context().view.InputsAsShown();
    SetRow(0, {0, FormatFieldDouble(in.m_dLiftThickness), FormatFieldDouble(in.m_dDeliveryTemp),
               in.m_nMixType, in.m_nPgHigh, in.m_nPgLow});
}

void CLiftsWindow::AddLift() {
    if (m_nLifts >= kMaxLifts) return;
    LiftEntry entry = RowEntry(m_nLifts - 1);
    entry.nPlacementMinutes = std::min(entry.nPlacementMinutes + kAddedLiftGapMinutes, kPlacementFieldMax);
    SetRow(m_nLifts, entry);
    SetLiftCount(m_nLifts + 1);
    m_rows[m_nLifts - 1].pPlacement->setFocus();
    NoteEdited();
}

void CLiftsWindow::RemoveLift(int nRow) {
    if (nRow <= 0 || nRow >= m_nLifts) return;
    for (int r = nRow; r + 1 < m_nLifts; ++r) SetRow(r, RowEntry(r + 1));
    SetLiftCount(m_nLifts - 1);
    // The focus stays in the rows: on the lift that took the removed one's place, or the one above.
    const int nFocus = std::min(nRow, m_nLifts - 1);
    if (nFocus > 0)
        m_rows[nFocus].pRemove->setFocus();
    else
        m_pAddLift->setFocus();
    NoteEdited();
}

void CLiftsWindow::NoteEdited() {
    if (m_bFilling) return;
    m_bEdited = true;
    if (m_shown && !m_bShownStale) {
        m_bShownStale = true;
        m_pStale->show();
    }
    emit liftsEdited();
}

void CLiftsWindow::UpdateButtons() {
    const bool bRunning = IsJobRunning();
    m_pAddLift->setEnabled(m_nLifts < kMaxLifts);
    m_pRun->setEnabled(!bRunning);
    m_pExport->setEnabled(!bRunning && m_shown.has_value());
    m_pPrint->setEnabled(!bRunning && m_shown.has_value());
}

void CLiftsWindow::showEvent(QShowEvent* event) {
    if (!m_bEdited) TakeFirstLiftFromForm();
    UpdateSiteLine();
    CToolWindow::showEvent(event);
}

void CLiftsWindow::changeEvent(QEvent* event) {
    CToolWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) ShowRun();  // the chart's texts follow the window's font
}

void CLiftsWindow::OnInputsChanged() {
    UpdateSiteLine();
    if (!m_bEdited) TakeFirstLiftFromForm();
    if (m_shown && !m_bShownStale) {
        m_bShownStale = true;
        m_pStale->show();
    }
}

// The fields' numbers are converted and rounded as the form converts its own, so a lift typed in one
// system reads the same after switching there and back.
void CLiftsWindow::OnUnitsChanged(UnitSystem units) {
    if (units != m_units) {
        const UnitSystem from = m_units;
        const auto convert = [&](QLineEdit& field, bool bLength) {
            double dValue = 0.0;
            if (!ParseFieldDouble(field.text().toStdString(), &dValue)) return;  // left as typed
            dValue = bLength ? LengthIn(dValue, from, units) : TemperatureIn(dValue, from, units);
            field.setText(Text(FormatFieldDouble(dValue)));
        };
        m_bFilling = true;
        for (const RowWidgets& row : m_rows) {
            convert(*row.pThickness, true);
            convert(*row.pDelivery, false);
        }
        convert(*m_pNextLiftTemp, false);
        m_bFilling = false;
        m_units = units;
        UpdateLabels();
    }
    UpdateSiteLine();
    ShowRun();
}

void CLiftsWindow::ShowRun() {
    const LiftSequenceInputs noInputs;
    FillLiftsChart(*m_pChart, m_shown ? m_shown->inputs : noInputs, m_shown ? &m_shown->result : nullptr,
                   m_units, font());
    m_pResults->clearContents();
    m_pResults->setRowCount(0);
    if (m_shown) {
        const std::vector<LiftResultRow> rows = LiftResultRows(m_shown->inputs, m_shown->result, m_units);
        m_pResults->setRowCount(static_cast<int>(rows.size()));
        const int nSwatch = fontMetrics().height() * 2 / 3;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            const LiftResultRow& row = rows[r];
            const std::string* cells[] = {&row.strLift,   &row.strPlaced,   &row.strStart, &row.strStop,
                                          &row.strWindow, &row.strNextLift, &row.strNotice};
            for (int c = 0; c < kResultColumns; ++c) {
                auto* pItem = new QTableWidgetItem(Text(*cells[c]));
                if (c == 0)
                    pItem->setIcon(QIcon(Swatch(PaletteColor(r), nSwatch)));  // its colour on the chart
                m_pResults->setItem(r, c, pItem);
            }
        }
    }
    m_pStale->setVisible(m_shown && m_bShownStale);
    if (m_shown && !m_shown->result.bSettled)
        ShowNote(QStringLiteral("A step %1 min after the first lift's laydown did not settle: the lifts then "
                                "cooling end there, and lifts not yet placed were not run.")
                     .arg(m_shown->result.nFailedStepMinutes));
    UpdateButtons();
}

void CLiftsWindow::Refuse(const QString& message, QWidget* pField) {
    Warn(message);
    if (!pField) return;
    if (pField->window() != this) pField->window()->activateWindow();
    pField->setFocus(Qt::OtherFocusReason);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pField)) pEdit->selectAll();
    if (auto* pSpin = qobject_cast<QSpinBox*>(pField)) pSpin->selectAll();
}

void CLiftsWindow::FocusField(int nLift, const std::string& name) {
    const RowWidgets& row = m_rows[std::clamp(nLift, 0, m_nLifts - 1)];
    QWidget* pField = name == "next-lift-temp" ? static_cast<QWidget*>(m_pNextLiftTemp)
                      : name == "at"           ? static_cast<QWidget*>(row.pPlacement)
                      : name == "lift"         ? static_cast<QWidget*>(row.pThickness)
                      : name == "delivery"     ? static_cast<QWidget*>(row.pDelivery)
                      : name == "mix"          ? static_cast<QWidget*>(row.pMix)
                      : name == "pg-high"      ? static_cast<QWidget*>(row.pHigh)
                      : name == "pg-low"       ? static_cast<QWidget*>(row.pLow)
                                               : nullptr;
    ShowModeless();
    if (!pField) return;
    pField->setFocus(Qt::OtherFocusReason);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pField)) pEdit->selectAll();
}

QWidget* CLiftsWindow::FieldOf(const LiftSequenceError& error) const {
    if (const int nControl = FormControlOf(error.field)) return Context().view.GetDlgItem(nControl);
    const int nRow = std::clamp(error.nLift - 1, 0, m_nLifts - 1);
    const RowWidgets& row = m_rows[nRow];
    switch (error.field) {
        case LiftField::Placement:
            return row.pPlacement;
        case LiftField::MixType:
            return row.pMix;
        case LiftField::LiftThickness:
            return row.pThickness;
        case LiftField::DeliveryTemp:
            return row.pDelivery;
        case LiftField::PgHigh:
            return row.pHigh;
        case LiftField::PgLow:
            return row.pLow;
        case LiftField::NextLiftTemp:
            return m_pNextLiftTemp;
        default:
            return m_pAddLift;
    }
}

std::optional<LiftSequenceInputs> CLiftsWindow::ReadLifts() {
    LiftSequenceInputs inputs;
    const auto read = [this](QLineEdit& field, const QString& what, double* pValue) {
        if (ParseFieldDouble(field.text().toStdString(), pValue)) return true;
        Refuse(QStringLiteral("%1: %2").arg(what, QString::fromUtf8(kPromptNumber)), &field);
        return false;
    };
    for (int r = 0; r < m_nLifts; ++r) {
        const RowWidgets& row = m_rows[r];
        LiftInput lift;
        lift.nPlacementMinutes = row.pPlacement->value();
        lift.nMixType = row.pMix->currentIndex();
        lift.nPgHigh = row.pHigh->currentIndex();
        lift.nPgLow = row.pLow->currentIndex();
        const QString name = QStringLiteral("Lift %1 ").arg(r + 1);
        if (!read(*row.pThickness, name + QStringLiteral("thickness"), &lift.dLiftThickness) ||
            !read(*row.pDelivery, name + QStringLiteral("delivery temperature"), &lift.dDeliveryTemp))
            return std::nullopt;
        inputs.lifts.push_back(lift);
    }
    double dNext = 0.0;
    if (!read(*m_pNextLiftTemp, QStringLiteral("The next-lift temperature"), &dNext)) return std::nullopt;
    inputs.dNextLiftTemp = dNext;
    return inputs;
}

bool CLiftsWindow::Run() {
    if (IsJobRunning()) return false;
    // The window's own fields first: a refusal there keeps the focus in this window.
    std::optional<LiftSequenceInputs> inputs = ReadLifts();
    if (!inputs) return false;
    // The site as the form shows it now, as the other tool windows take it.
    inputs->site = Context().view.InputsAsShown();
    if (const std::optional<LiftSequenceError> error = CheckLiftSequence(*inputs)) {
        QString message = Text(error->strMessage);
        if (FormControlOf(error->field) != 0)
            message += QStringLiteral(" Correct it on the form, then run again.");
        Refuse(message, FieldOf(*error));
        return false;
    }
    RunJob<LiftSequenceResult>(
        QStringLiteral("Running the lifts..."),
        [inputs = *inputs](std::stop_token, const JobProgress&) { return RunLiftSequence(inputs); },
        [this, inputs = *inputs](LiftSequenceResult&& result) {
            m_shown = ShownRun{inputs, std::move(result)};
            m_bShownStale = false;
            ShowRun();
        });
    UpdateButtons();
    return true;
}

bool CLiftsWindow::ExportCsv() {
    if (!m_shown) return false;
    const QString path = AskSaveCsvPath(this, QStringLiteral("Export Lifts"), QStringLiteral("lifts.csv"));
    if (path.isEmpty()) return false;
    if (!WriteExport(this, path, LiftsCsv(m_shown->inputs, m_shown->result, m_units),
                     QString::fromUtf8(kExportFailedCaption)))
        return false;
    ShowNote(QStringLiteral("Exported %1 lifts to %2")
                 .arg(m_shown->result.nLifts)
                 .arg(QFileInfo(path).absoluteFilePath()));
    return true;
}

bool CLiftsWindow::Print() {
    if (!m_shown) return false;
    return PrintPage(QStringLiteral("KELVANOR lifts"));
}

void CLiftsWindow::PaintPage(QPainter& painter, const QRect& pageRect) {
    CStudyPage page(painter, pageRect);
    page.Title(QStringLiteral("Lifts"));
    if (m_shown) page.Lines({SiteText(m_shown->inputs.site), QString::fromUtf8(kTimesNote)});
    page.Chart(*m_pChartView, 0.45);
    page.Table(*m_pResults->model());
}
