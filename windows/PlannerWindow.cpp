#include "PlannerWindow.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "CDravonelView.h"
#include "HourlyWeatherCsv.h"
#include "HourlyWeatherModel.h"
#include "PlannerChart.h"
#include "StudyFiles.h"
#include "StudyPage.h"
#include "StudyTexts.h"
#include "UiServices.h"

namespace {

constexpr const char* kCaption = "Paving Day Planner";
constexpr const char* kMinimumHelp =
    "The rollers need at least this long between the start and the stop for their passes (breakdown, "
    "intermediate and finish); a paving time with a shorter window is marked.";
const QColor kBestBackground(204, 236, 224);  // a light tint of the bluish green that marks the best slots

enum SlotColumn {
    TimeColumn,
    AirColumn,
    WindColumn,
    SkyColumn,
    StartColumn,
    StopColumn,
    WindowColumn,
    NoticeColumn,
    ShortColumn,
    SlotColumnCount
};

QString Minutes(double dMinutes) { return QString::fromStdString(NumberText(dMinutes)); }

QString NoticeWord(CoolingNotice notice) {
    switch (notice) {
        case CoolingNotice::Slow:
            return QStringLiteral("slow cooling");
        case CoolingNotice::Rapid:
            return QStringLiteral("rapid cooling");
        case CoolingNotice::None:
            break;
    }
    return QStringLiteral("none");
}

int MinuteOfDay(const QTimeEdit& edit) { return edit.time().hour() * 60 + edit.time().minute(); }

QTimeEdit* MakeClockEdit(const QTime& time, const QString& name, QWidget* pParent) {
    auto* pEdit = new QTimeEdit(time, pParent);
    pEdit->setDisplayFormat(QStringLiteral("HH:mm"));
    SetAccessibleName(*pEdit, name);
    return pEdit;
}

QSpinBox* MakeMinutesBox(int nMin, int nMax, int nValue, const QString& name, QWidget* pParent) {
    auto* pBox = new QSpinBox(pParent);
    pBox->setRange(nMin, nMax);
    pBox->setValue(nValue);
    pBox->setSuffix(QStringLiteral(" min"));
    SetAccessibleName(*pBox, name);
    return pBox;
}

}  // namespace

CPlannerWindow::CPlannerWindow(const ToolContext& context, QWidget* pOwner)
    : CToolWindow(context, QStringLiteral("PavingDayPlanner"), QString::fromUtf8(kCaption), pOwner) {
    m_pWeather = new CHourlyWeatherModel(Units(), this);
    m_pSlots = new QStandardItemModel(0, SlotColumnCount, this);

    m_pFormLine = MakeTextLabel();
    Body().addWidget(m_pFormLine);

    // Left: when to pave and the weather.
    auto* pSettings = new QWidget(this);
    auto* pSettingsLayout = new QVBoxLayout(pSettings);
    pSettingsLayout->setContentsMargins(0, 0, 0, 0);
    auto* pTimes = new QGroupBox(QStringLiteral("Paving times"), pSettings);
    auto* pTimesLayout = new QFormLayout(pTimes);
    m_pFrom = MakeClockEdit(QTime(5, 0), QStringLiteral("First paving time"), pTimes);
    m_pTo = MakeClockEdit(QTime(22, 0), QStringLiteral("Last paving time"), pTimes);
    m_pStep = MakeMinutesBox(1, 1440, 30, QStringLiteral("Every"), pTimes);
    m_pMinimum = MakeMinutesBox(0, 120, 15, QStringLiteral("Minimum window"), pTimes);
    m_pMinimum->setToolTip(QString::fromUtf8(kMinimumHelp));
    pTimesLayout->addRow(QStringLiteral("&From:"), m_pFrom);
    pTimesLayout->addRow(QStringLiteral("&To:"), m_pTo);
    pTimesLayout->addRow(QStringLiteral("&Every:"), m_pStep);
    pTimesLayout->addRow(QStringLiteral("&Minimum window:"), m_pMinimum);
    auto* pMinimumHelp = new QLabel(QString::fromUtf8(kMinimumHelp), pTimes);
    pMinimumHelp->setWordWrap(true);
    pTimesLayout->addRow(pMinimumHelp);
    pSettingsLayout->addWidget(pTimes);

    auto* pWeatherBox = new QGroupBox(QStringLiteral("Weather"), pSettings);
    auto* pWeatherLayout = new QVBoxLayout(pWeatherBox);
    m_pHold = new QRadioButton(QStringLiteral("&Hold the form's weather all day:"), pWeatherBox);
    m_pHeldWeather = new QLabel(pWeatherBox);
    m_pHeldWeather->setIndent(fontMetrics().averageCharWidth() * 4);
    m_pHourly = new QRadioButton(QStringLiteral("Hourly weather from the &grid"), pWeatherBox);
    m_pHold->setChecked(true);
    auto* pChoice = new QButtonGroup(this);
    pChoice->addButton(m_pHold);
    pChoice->addButton(m_pHourly);
    m_pGrid = new QTableView(pWeatherBox);
    m_pGrid->setModel(m_pWeather);
    m_pGrid->setItemDelegate(new CHourlyWeatherDelegate(m_pGrid));
    m_pGrid->setAccessibleName(QStringLiteral("Hourly weather"));
    m_pGrid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_pGrid->setTabKeyNavigation(false);  // Tab leaves the grid for the buttons below it
    m_pGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pGrid->horizontalHeader()->setStretchLastSection(true);
    m_pGrid->setMinimumHeight(fontMetrics().height() * 8);
    m_pGrid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + fontMetrics().height() / 2);
    m_pFill = new QPushButton(QStringLiteral("Fill from the F&orm"), pWeatherBox);
    m_pFill->setToolTip(QStringLiteral("Every hour takes the form's air temperature, wind and sky."));
    m_pImport = new QPushButton(QStringLiteral("&Import..."), pWeatherBox);
    m_pImport->setToolTip(
        QStringLiteral("Read hourly weather from a CSV file with the header "
                       "hour,air,wind,sky (air and wind in the form's units)."));
    m_pExportWeather = new QPushButton(QStringLiteral("E&xport..."), pWeatherBox);
    m_pExportWeather->setToolTip(QStringLiteral("Write the grid's hours to a CSV file."));
    for (QPushButton* pButton : {m_pFill, m_pImport, m_pExportWeather}) pButton->setAutoDefault(false);
    auto* pWeatherButtons = new QHBoxLayout;
    pWeatherButtons->addWidget(m_pFill);
    pWeatherButtons->addWidget(m_pImport);
    pWeatherButtons->addWidget(m_pExportWeather);
    pWeatherLayout->addWidget(m_pHold);
    pWeatherLayout->addWidget(m_pHeldWeather);
    pWeatherLayout->addWidget(m_pHourly);
    pWeatherLayout->addWidget(m_pGrid, 1);
    pWeatherLayout->addLayout(pWeatherButtons);
    pSettingsLayout->addWidget(pWeatherBox, 1);

    // Right: the ribbon over the table of slots.
    m_pChartView = MakeChartView(m_pChart, QStringLiteral("Compaction windows through the day"), 60, 20);
    m_pChartView->setToolTip(
        QStringLiteral("Each band runs from the compaction start to the stop for paving at that time; its "
                       "colour tells the cooling notice. The dashed line lies the minimum window above the "
                       "start: a band whose top stays below it leaves the rollers too little time for their "
                       "passes (a diamond marks it). Stars mark the best paving times."));
    m_pPlannedFor = MakeTextLabel();
    m_pBestLine =
        MakeTextLabel(QStringLiteral("Press Plan to work out the compaction window of every paving time."));
    m_pTable = new QTableView(this);
    m_pTable->setModel(m_pSlots);
    m_pTable->setAccessibleName(QStringLiteral("Paving times and their windows"));
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setTabKeyNavigation(false);
    m_pTable->setWordWrap(false);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTable->setMinimumHeight(fontMetrics().height() * 7);
    m_pTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + fontMetrics().height() / 2);

    auto* pResults = new QSplitter(Qt::Vertical, this);
    pResults->addWidget(m_pChartView);
    auto* pLower = new QWidget(pResults);
    auto* pLowerLayout = new QVBoxLayout(pLower);
    pLowerLayout->setContentsMargins(0, 0, 0, 0);
    pLowerLayout->addWidget(m_pPlannedFor);
    pLowerLayout->addWidget(m_pBestLine);
    pLowerLayout->addWidget(m_pTable, 1);
    pResults->addWidget(pLower);
    pResults->setStretchFactor(0, 3);
    pResults->setStretchFactor(1, 2);
    pResults->setChildrenCollapsible(false);
    pResults->setSizes({3 * fontMetrics().height() * 20, 2 * fontMetrics().height() * 20});

    auto* pSplitter = new QSplitter(Qt::Horizontal, this);
    pSplitter->addWidget(pSettings);
    pSplitter->addWidget(pResults);
    pSplitter->setStretchFactor(0, 0);
    pSplitter->setStretchFactor(1, 1);
    pSplitter->setChildrenCollapsible(false);
    // The settings as narrow as they can be; the chart and the table take the rest.
    pSplitter->setSizes({pSettings->minimumSizeHint().width(), fontMetrics().averageCharWidth() * 200});
    Body().addWidget(pSplitter, 1);

    m_pPlan = AddButton(QStringLiteral("&Plan"), QDialogButtonBox::ActionRole);
    m_pExport = AddButton(QStringLiteral("Export &CSV..."), QDialogButtonBox::ActionRole);
    m_pPrint = AddButton(QStringLiteral("P&rint..."), QDialogButtonBox::ActionRole);
    SetDefaultButton(m_pPlan);

    connect(m_pPlan, &QPushButton::clicked, this, &CPlannerWindow::Plan);
    connect(m_pExport, &QPushButton::clicked, this, &CPlannerWindow::ExportCsv);
    connect(m_pPrint, &QPushButton::clicked, this, &CPlannerWindow::Print);
    connect(m_pImport, &QPushButton::clicked, this, &CPlannerWindow::ImportWeather);
    connect(m_pExportWeather, &QPushButton::clicked, this, &CPlannerWindow::ExportWeather);
    connect(m_pFill, &QPushButton::clicked, this, [this] {
        m_bGridFollowsForm = true;
        ShowFormScenario();
    });
    connect(m_pHourly, &QRadioButton::toggled, m_pGrid, &QWidget::setEnabled);
    connect(m_pWeather, &CHourlyWeatherModel::edited, this, [this] { m_bGridFollowsForm = false; });
    connect(this, &CToolWindow::jobRunningChanged, this, &CPlannerWindow::UpdateButtons);
    m_pGrid->setEnabled(false);

    ShowFormScenario();
    ShowPlan();
}

QSize CPlannerWindow::DefaultSize() const {
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.averageCharWidth() * 170, metrics.height() * 46).expandedTo(sizeHint());
}

// The form's scenario, its weather beside the first choice, and the grid when it still follows the form.
void CPlannerWindow::ShowFormScenario() {
    const SimulationInputs in = Context().view.InputsAsShown();
    m_pFormLine->setText(QStringLiteral("From the form: %1.").arg(ScenarioText(in, false, false)));
    const QString weather = WeatherText(in.m_dAirTemp, in.m_dWindSpeed, in.m_nSkyCondition, Units());
    m_pHeldWeather->setText(weather);
    m_pWeather->SetUnits(Units());
    m_pWeather->SetFallback(in.m_dAirTemp, in.m_dWindSpeed, in.m_nSkyCondition);
    if (m_bGridFollowsForm) m_pWeather->FillAll(in.m_dAirTemp, in.m_dWindSpeed, in.m_nSkyCondition);
    if (m_shown) m_pPlannedFor->setText(PlannedForText());
}

void CPlannerWindow::OnUnitsChanged(UnitSystem) {
    ShowFormScenario();
    ShowPlan();
}

void CPlannerWindow::OnInputsChanged() { ShowFormScenario(); }
void CPlannerWindow::OnResultChanged() { ShowFormScenario(); }

void CPlannerWindow::changeEvent(QEvent* event) {
    CToolWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) ShowPlan();  // the chart's texts follow the window's font
}

void CPlannerWindow::Plan() {
    PavingDayRequest request;
    request.base = Context().view.InputsAsShown();
    request.nFromMinute = MinuteOfDay(*m_pFrom);
    request.nToMinute = MinuteOfDay(*m_pTo);
    request.nStepMinutes = m_pStep->value();
    request.dMinimumWindow = m_pMinimum->value();
    if (m_pHourly->isChecked()) request.hourly = m_pWeather->Rows();
    const UnitSystem units = Units();
    RunJob<PavingDayPlan>(
        QStringLiteral("Planning the paving day..."),
        [request](std::stop_token stop, const JobProgress& progress) {
            return PlanPavingDay(
                request, [&](std::size_t nDone, std::size_t nTotal) { progress(double(nDone) / nTotal); },
                stop);
        },
        [this, request, units](PavingDayPlan&& plan) {
            if (!IsDoneElseSay(plan.outcome, plan.fault)) return;
            m_shown = ShownPlan{std::move(plan), request, units};
            ShowPlan();
        });
}

QString CPlannerWindow::PlannedForText() const {
    if (!m_shown) return {};
    const SimulationInputs planned = InputsIn(m_shown->request.base, m_shown->units, Units());
    const SimulationInputs now = Context().view.InputsAsShown();
    const bool bHeld = m_shown->request.hourly.empty();
    const QString weather =
        bHeld ? WeatherText(planned.m_dAirTemp, planned.m_dWindSpeed, planned.m_nSkyCondition, Units()) +
                    QStringLiteral(" all day")
              : QStringLiteral("hourly weather");
    // The form's line above names the scenario; it is repeated only when the form has moved on since.
    // The paving time is the planner's own, and so is the weather when it comes from the grid.
    SimulationInputs compared = now;
    compared.m_nHour = planned.m_nHour;
    compared.m_nMinute = planned.m_nMinute;
    if (!bHeld) {
        compared.m_dAirTemp = planned.m_dAirTemp;
        compared.m_dWindSpeed = planned.m_dWindSpeed;
        compared.m_nSkyCondition = planned.m_nSkyCondition;
    }
    const bool bSameForm = SameScenario(m_shown->request.base, m_shown->units, compared);
    if (bSameForm) return QStringLiteral("Planned %1, %2.").arg(SettingsText(), weather);
    return QStringLiteral(
               "Planned %1, %2, for an earlier state of the form: %3. Press Plan for the form as it "
               "is now.")
        .arg(SettingsText(), weather, ScenarioText(planned, false, false));
}

QString CPlannerWindow::SettingsText() const {
    if (!m_shown) return {};
    const PavingDayRequest& r = m_shown->request;
    return QStringLiteral("from %1 to %2 every %3 min, minimum window %4 min")
        .arg(QString::fromStdString(ClockText(r.nFromMinute)), QString::fromStdString(ClockText(r.nToMinute)))
        .arg(r.nStepMinutes)
        .arg(Minutes(r.dMinimumWindow));
}

void CPlannerWindow::ShowPlan() {
    const PavingDayPlan empty;
    const PavingDayPlan& plan = m_shown ? m_shown->plan : empty;
    const int nStep = m_shown ? m_shown->request.nStepMinutes : m_pStep->value();
    const double dMinimum = m_shown ? m_shown->request.dMinimumWindow : m_pMinimum->value();
    FillPlannerChart(*m_pChart, plan, nStep, dMinimum, font());

    const int u = UnitCode(Units());
    m_pSlots->clear();
    m_pSlots->setHorizontalHeaderLabels(
        {QStringLiteral("Paving time"), QStringLiteral("Air, %1").arg(QString::fromUtf8(kTemperatureUnit[u])),
         QStringLiteral("Wind, %1").arg(QString::fromUtf8(kWindUnit[u])), QStringLiteral("Sky"),
         QStringLiteral("Start, min"), QStringLiteral("Stop, min"), QStringLiteral("Window, min"),
         QStringLiteral("Notice"), QStringLiteral("Shorter than %1 min").arg(Minutes(dMinimum))});
    for (const PavingSlot& slot : plan.timeSlots) {
        const UnitSystem from = m_shown->units;
        const QStringList texts = {
            QString::fromStdString(ClockText(slot.nClockMinute)),
            QString::fromStdString(NumberText(TemperatureIn(slot.dAirTemp, from, Units()))),
            QString::fromStdString(NumberText(WindSpeedIn(slot.dWindSpeed, from, Units()))),
            slot.nSkyCondition >= 0 && slot.nSkyCondition < kSkyConditionCount
                ? QString::fromUtf8(kSkyConditionNames[slot.nSkyCondition])
                : QString::number(slot.nSkyCondition),
            QString::number(slot.nStartTime),
            Minutes(slot.dStopTime),
            Minutes(slot.dWindow),
            NoticeWord(slot.notice),
            slot.bShortWindow ? QStringLiteral("yes") : QStringLiteral("no"),
        };
        QList<QStandardItem*> row;
        for (int c = 0; c < texts.size(); ++c) {
            auto* pItem = new QStandardItem(texts[c]);
            if (c == AirColumn || c == WindColumn || (c >= StartColumn && c <= WindowColumn))
                pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (slot.bBest) {
                QFont bold = font();
                bold.setBold(true);
                pItem->setFont(bold);
                pItem->setBackground(kBestBackground);
                pItem->setForeground(QColor(Qt::black));
            }
            row << pItem;
        }
        m_pSlots->appendRow(row);
    }

    if (!m_shown) {
        m_pPlannedFor->clear();
        UpdateButtons(IsJobRunning());
        return;
    }
    m_pPlannedFor->setText(PlannedForText());
    QStringList times;
    for (std::size_t i : plan.best)
        times << QString::fromStdString(ClockText(plan.timeSlots[i].nClockMinute));
    QString best;
    if (!plan.best.empty()) {
        const PavingSlot& first = plan.timeSlots[plan.best.front()];
        best = QStringLiteral("%1: %2 (window %3 min)")
                   .arg(times.size() == 1 ? QStringLiteral("Best paving time")
                                          : QStringLiteral("Best paving times"),
                        times.join(QStringLiteral(", ")), Minutes(first.dWindow));
        if (first.notice == CoolingNotice::Rapid)
            best += QStringLiteral("; every paving time gives the rapid cooling notice");
        else if (first.bShortWindow)
            best += QStringLiteral("; even the best is shorter than the minimum of %1 min")
                        .arg(Minutes(dMinimum));
        best += QLatin1Char('.');
    }
    int nShort = 0;
    for (const PavingSlot& slot : plan.timeSlots) nShort += slot.bShortWindow ? 1 : 0;
    best += QStringLiteral(" %1 of %2 paving times leave less than %3 min.")
                .arg(nShort)
                .arg(plan.timeSlots.size())
                .arg(Minutes(dMinimum));
    m_pBestLine->setText(best.trimmed());
    UpdateButtons(IsJobRunning());
}

void CPlannerWindow::UpdateButtons(bool bRunning) {
    m_pExport->setEnabled(!bRunning && m_shown.has_value());
    m_pPrint->setEnabled(!bRunning && m_shown.has_value());
}

bool CPlannerWindow::ImportWeather() {
    const QString path = AskOpenCsvPath(this, QStringLiteral("Import Hourly Weather"));
    if (path.isEmpty()) return false;
    const HourlyWeatherRead read = ReadHourlyWeatherCsvFile(path.toStdString(), Units());
    if (!read.strError.empty()) {
        UiServices::Current().MessageBox(
            this, QString::fromStdString(read.strError) + QStringLiteral("\nThe grid was left as it was."),
            QStringLiteral("Can Not Import"), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_pWeather->SetRows(read.rows);
    m_bGridFollowsForm = false;
    m_pHourly->setChecked(true);
    const int nBlank = 24 - static_cast<int>(read.rows.size());
    ShowNote(
        QStringLiteral("Read %1 hours from %2%3")
            .arg(read.rows.size())
            .arg(QFileInfo(path).absoluteFilePath())
            .arg(nBlank > 0
                     ? QStringLiteral("; %1 hours are blank (a paving time in them is refused).").arg(nBlank)
                     : QStringLiteral(".")));
    return true;
}

bool CPlannerWindow::ExportWeather() {
    const QString path =
        AskSaveCsvPath(this, QStringLiteral("Export Hourly Weather"), QStringLiteral("hourly-weather.csv"));
    if (path.isEmpty()) return false;
    const std::vector<HourlyWeather> rows = m_pWeather->Rows();
    if (!WriteExport(this, path, HourlyWeatherCsvText(rows), QStringLiteral("Can Not Export"))) return false;
    ShowNote(
        QStringLiteral("Exported %1 hours to %2").arg(rows.size()).arg(QFileInfo(path).absoluteFilePath()));
    return true;
}

bool CPlannerWindow::ExportCsv() {
    if (!m_shown) return false;
    const QString path =
        AskSaveCsvPath(this, QStringLiteral("Export Paving Day Plan"), QStringLiteral("paving-day.csv"));
    if (path.isEmpty()) return false;
    if (!WriteExport(this, path, ModelCsv(*m_pSlots), QStringLiteral("Can Not Export"))) return false;
    ShowNote(QStringLiteral("Exported %1 paving times to %2")
                 .arg(m_pSlots->rowCount())
                 .arg(QFileInfo(path).absoluteFilePath()));
    return true;
}

bool CPlannerWindow::Print() {
    if (!m_shown) return false;
    return PrintPage(QStringLiteral("Dravonel paving day plan"));
}

void CPlannerWindow::PaintPage(QPainter& painter, const QRect& pageRect) {
    CStudyPage page(painter, pageRect);
    page.Title(QString::fromUtf8(kCaption));
    page.Lines({m_pPlannedFor->text(), m_pBestLine->text()});
    page.Chart(*m_pChartView, 0.38);
    page.Table(*m_pSlots);
}
