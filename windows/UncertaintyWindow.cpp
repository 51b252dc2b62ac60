#include "UncertaintyWindow.h"

#include <QChart>
#include <QChartView>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "CDravonelView.h"
#include "StudyPage.h"
#include "StudyTexts.h"
#include "UiServices.h"
#include "UncertaintyCharts.h"

namespace {

constexpr const char* kCaption = "Uncertainty";
constexpr double kFahrenheitPerCelsius = 1.8;
constexpr double kLargestSpread = 100.0;  // C or percent, as the study allows

// How each input's spread is given: a temperature in the form's units, or percent of the value.
struct SpreadRow {
    const char* pszLabel;
    bool bTemperature;
    double UncertaintySpreads::*pValue;
};
constexpr SpreadRow kSpreadRows[kUncertainInputCount] = {
    {"&Air temperature", true, &UncertaintySpreads::dAirTempC},
    {"&Wind speed", false, &UncertaintySpreads::dWindPercent},
    {"&Delivery temperature", true, &UncertaintySpreads::dDeliveryTempC},
    {"S&urface temperature", true, &UncertaintySpreads::dSurfaceTempC},
    {"&Lift thickness", false, &UncertaintySpreads::dLiftPercent},
};

double PerCelsius(UnitSystem units) { return units == UnitSystem::English ? kFahrenheitPerCelsius : 1.0; }

QString Minutes(double dMinutes) { return QString::fromStdString(NumberText(dMinutes)); }

QString PlainLabel(const char* pszLabel) { return QString::fromUtf8(pszLabel).remove(QLatin1Char('&')); }

}  // namespace

CUncertaintyWindow::CUncertaintyWindow(const ToolContext& context, QWidget* pOwner)
    : CToolWindow(context, QStringLiteral("Uncertainty"), QString::fromUtf8(kCaption), pOwner) {
    m_pFormLine = MakeTextLabel();
    Body().addWidget(m_pFormLine);

    auto* pSettings = new QWidget(this);
    auto* pSettingsLayout = new QVBoxLayout(pSettings);
    pSettingsLayout->setContentsMargins(0, 0, 0, 0);
    auto* pSpreadBox =
        new QGroupBox(QStringLiteral("Spreads: each input uniform over nominal +- spread"), pSettings);
    auto* pGrid = new QGridLayout(pSpreadBox);
    pGrid->addWidget(new QLabel(QStringLiteral("Input"), pSpreadBox), 0, 0);
    pGrid->addWidget(new QLabel(QStringLiteral("+-"), pSpreadBox), 0, 1);
    pGrid->addWidget(new QLabel(QStringLiteral("Default"), pSpreadBox), 0, 3);
    for (std::size_t k = 0; k < kUncertainInputCount; ++k) {
        const int nRow = static_cast<int>(k) + 1;
        auto* pLabel = new QLabel(QString::fromUtf8(kSpreadRows[k].pszLabel), pSpreadBox);
        auto* pBox = new QDoubleSpinBox(pSpreadBox);
        pBox->setLocale(QLocale::c());  // a full stop as decimal point whatever the locale
        pBox->setDecimals(2);
        SetAccessibleName(*pBox, PlainLabel(kSpreadRows[k].pszLabel) + QStringLiteral(" spread"));
        pLabel->setBuddy(pBox);
        m_spreads[k] = pBox;
        m_spreadUnits[k] = new QLabel(pSpreadBox);
        pGrid->addWidget(pLabel, nRow, 0);
        pGrid->addWidget(pBox, nRow, 1);
        pGrid->addWidget(m_spreadUnits[k], nRow, 2);
        auto* pDefault = new QLabel(pSpreadBox);
        pDefault->setObjectName(QStringLiteral("default%1").arg(k));
        pGrid->addWidget(pDefault, nRow, 3);
        connect(pBox, &QDoubleSpinBox::valueChanged, this, [this, k](double dValue) {
            const double dPer = kSpreadRows[k].bTemperature ? PerCelsius(Units()) : 1.0;
            m_spreadsC.*kSpreadRows[k].pValue = dValue / dPer;
        });
    }
    pSettingsLayout->addWidget(pSpreadBox);

    auto* pSampling = new QGroupBox(QStringLiteral("Sampling"), pSettings);
    auto* pForm = new QFormLayout(pSampling);
    m_pSamples = new QSpinBox(pSampling);
    m_pSamples->setRange(2, 1000000);
    m_pSamples->setValue(1000);
    SetAccessibleName(*m_pSamples, QStringLiteral("Samples"));
    m_pSeed = new QLineEdit(QString::number(kDefaultUncertaintySeed), pSampling);
    m_pSeed->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,20}")), m_pSeed));
    m_pSeed->setAccessibleName(QStringLiteral("Seed"));
    m_pSeed->setToolTip(QStringLiteral("The same seed draws the same samples and gives the same figures."));
    m_pNewSeed = new QPushButton(QStringLiteral("&New Seed"), pSampling);
    m_pNewSeed->setAutoDefault(false);
    auto* pSeedRow = new QHBoxLayout;
    pSeedRow->addWidget(m_pSeed, 1);
    pSeedRow->addWidget(m_pNewSeed);
    m_pMinimum = new QSpinBox(pSampling);
    m_pMinimum->setRange(0, 120);
    m_pMinimum->setValue(15);
    m_pMinimum->setSuffix(QStringLiteral(" min"));
    SetAccessibleName(*m_pMinimum, QStringLiteral("Minimum window"));
    m_pMinimum->setToolTip(
        QStringLiteral("The rollers need at least this long between the start and the "
                       "stop for their passes; shorter windows are counted."));
    pForm->addRow(QStringLiteral("Sa&mples:"), m_pSamples);
    pForm->addRow(QStringLiteral("S&eed:"), pSeedRow);
    static_cast<QLabel*>(pForm->labelForField(pSeedRow))->setBuddy(m_pSeed);
    pForm->addRow(QStringLiteral("Minimum w&indow:"), m_pMinimum);
    pSettingsLayout->addWidget(pSampling);
    pSettingsLayout->addStretch(1);

    // Results: the percentiles and what the study says in words, then the two charts.
    m_pPercentiles = new QStandardItemModel(3, 4, this);
    m_pTable = new QTableView(this);
    m_pTable->setModel(m_pPercentiles);
    m_pTable->setAccessibleName(QStringLiteral("Percentiles of start, stop and window"));
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setTabKeyNavigation(false);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_pTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_pTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pSummary = MakeTextLabel(QStringLiteral("Press Run to draw the samples."));
    m_pSummary->setAccessibleName(QStringLiteral("Study summary"));
    auto* pFigures = new QWidget(this);
    auto* pFiguresLayout = new QVBoxLayout(pFigures);
    pFiguresLayout->setContentsMargins(0, 0, 0, 0);
    pFiguresLayout->addWidget(m_pTable);
    pFiguresLayout->addWidget(m_pSummary);
    pFiguresLayout->addStretch(1);

    auto makeChart = [this](QChart*& pChart, const QString& name, const QString& tip) {
        QChartView* pView = MakeChartView(pChart, name, 55, 20);
        pView->setToolTip(tip);
        return pView;
    };
    m_pHistogramView = makeChart(m_pHistogram, QStringLiteral("Histogram of stop times"),
                                 QStringLiteral("How many samples stopped at each minute after laydown; "
                                                "dashed lines at the 10th, 50th and 90th percentile."));
    m_pTornadoView = makeChart(m_pTornado, QStringLiteral("Sensitivity of the stop time"),
                               QStringLiteral("The stop time with one input at each end of its spread and "
                                              "the others nominal; the input that moves it most on top."));
    auto* pCharts = new QSplitter(Qt::Horizontal, this);
    pCharts->addWidget(m_pHistogramView);
    pCharts->addWidget(m_pTornadoView);
    pCharts->setChildrenCollapsible(false);

    auto* pTop = new QSplitter(Qt::Horizontal, this);
    pTop->addWidget(pSettings);
    pTop->addWidget(pFigures);
    pTop->setStretchFactor(1, 1);
    pTop->setChildrenCollapsible(false);
    auto* pAll = new QSplitter(Qt::Vertical, this);
    pAll->addWidget(pTop);
    pAll->addWidget(pCharts);
    pAll->setStretchFactor(1, 1);
    pAll->setChildrenCollapsible(false);
    Body().addWidget(pAll, 1);

    m_pRun = AddButton(QStringLiteral("&Run"), QDialogButtonBox::ActionRole);
    m_pPrint = AddButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    SetDefaultButton(m_pRun);
    connect(m_pRun, &QPushButton::clicked, this, &CUncertaintyWindow::Run);
    connect(m_pPrint, &QPushButton::clicked, this, &CUncertaintyWindow::Print);
    connect(m_pNewSeed, &QPushButton::clicked, this,
            [this] { m_pSeed->setText(QString::number(QRandomGenerator::system()->generate64())); });
    connect(this, &CToolWindow::jobRunningChanged, this, &CUncertaintyWindow::UpdateButtons);

    ShowSpreads();
    ShowFormScenario();
    ShowResult();
}

QSize CUncertaintyWindow::DefaultSize() const {
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.averageCharWidth() * 175, metrics.height() * 52).expandedTo(sizeHint());
}

// The spreads in the form's units: temperatures converted from the C they are held in.
void CUncertaintyWindow::ShowSpreads() {
    const UnitSystem units = Units();
    const QString temperatureUnit = QString::fromUtf8(kTemperatureUnit[UnitCode(units)]);
    const UncertaintySpreads defaults;
    for (std::size_t k = 0; k < kUncertainInputCount; ++k) {
        const SpreadRow& row = kSpreadRows[k];
        const double dPer = row.bTemperature ? PerCelsius(units) : 1.0;
        const QString unit = row.bTemperature ? temperatureUnit : QStringLiteral("%");
        QDoubleSpinBox* pBox = m_spreads[k];
        const QSignalBlocker blocker(pBox);
        pBox->setRange(0.0, kLargestSpread * dPer);
        pBox->setValue(m_spreadsC.*row.pValue * dPer);
        m_spreadUnits[k]->setText(unit);
        findChild<QLabel*>(QStringLiteral("default%1").arg(k))
            ->setText(QStringLiteral("%1 %2").arg(
                QString::fromStdString(NumberText(defaults.*row.pValue * dPer)), unit));
    }
}

void CUncertaintyWindow::ShowFormScenario() {
    m_pFormLine->setText(
        QStringLiteral("From the form: %1.").arg(ScenarioText(Context().view.InputsAsShown(), true, true)));
}

void CUncertaintyWindow::OnUnitsChanged(UnitSystem) {
    ShowSpreads();
    ShowFormScenario();
    ShowResult();
}

void CUncertaintyWindow::OnInputsChanged() {
    ShowFormScenario();
    ShowResult();
}

void CUncertaintyWindow::OnResultChanged() { OnInputsChanged(); }

void CUncertaintyWindow::changeEvent(QEvent* event) {
    CToolWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) ShowResult();
}

void CUncertaintyWindow::Run() {
    bool bSeed = false;
    const quint64 nSeed = m_pSeed->text().toULongLong(&bSeed);
    if (!bSeed) {
        Warn(QStringLiteral("The seed must be a whole number from 0 to 18446744073709551615."));
        m_pSeed->setFocus();
        m_pSeed->selectAll();
        return;
    }
    UncertaintyRequest request;
    request.base = Context().view.InputsAsShown();
    request.spreads = m_spreadsC;
    request.nSamples = static_cast<std::size_t>(m_pSamples->value());
    request.nSeed = nSeed;
    request.dMinimumWindow = m_pMinimum->value();
    const UnitSystem units = Units();
    RunJob<UncertaintyResult>(
        QStringLiteral("Running %1 samples...").arg(request.nSamples),
        [request](std::stop_token stop, const JobProgress& progress) {
            return RunUncertainty(
                request, [&](std::size_t nDone, std::size_t nTotal) { progress(double(nDone) / nTotal); },
                stop);
        },
        [this, units, base = request.base, dMinimum = request.dMinimumWindow](UncertaintyResult&& result) {
            if (!IsDoneElseSay(result.outcome, result.fault)) return;
            m_shown = ShownStudy{std::move(result), base, units, dMinimum};
            ShowResult();
        });
}

QString CUncertaintyWindow::EndsText(const SensitivityRow& row, UnitSystem from) const {
    const UnitSystem to = Units();
    const int u = UnitCode(to);
    double dLow = row.dLowValue, dHigh = row.dHighValue;
    const char* pszUnit = kTemperatureUnit[u];
    switch (row.input) {
        case UncertainInput::WindSpeed:
            dLow = WindSpeedIn(dLow, from, to);
            dHigh = WindSpeedIn(dHigh, from, to);
            pszUnit = kWindUnit[u];
            break;
        case UncertainInput::LiftThickness:
            dLow = LengthIn(dLow, from, to);
            dHigh = LengthIn(dHigh, from, to);
            pszUnit = kLiftUnit[u];
            break;
        default:
            dLow = TemperatureIn(dLow, from, to);
            dHigh = TemperatureIn(dHigh, from, to);
            break;
    }
    // Short names, so the tornado's axis has room for the values.
    static const char* const kShortNames[kUncertainInputCount] = {"Air", "Wind", "Delivery", "Surface",
                                                                  "Lift"};
    return QStringLiteral("%1 %2 to %3 %4")
        .arg(QString::fromUtf8(kShortNames[static_cast<int>(row.input)]),
             QString::fromStdString(NumberText(dLow)), QString::fromStdString(NumberText(dHigh)),
             QString::fromUtf8(pszUnit));
}

void CUncertaintyWindow::ShowResult() {
    const UncertaintyResult empty;
    const UncertaintyResult& r = m_shown ? m_shown->result : empty;
    m_pPercentiles->setHorizontalHeaderLabels({QStringLiteral("10th, min"), QStringLiteral("50th, min"),
                                               QStringLiteral("90th, min"), QStringLiteral("Nominal, min")});
    m_pPercentiles->setVerticalHeaderLabels(
        {QStringLiteral("Start"), QStringLiteral("Stop"), QStringLiteral("Window")});
    const Percentiles* rows[3] = {&r.start, &r.stop, &r.window};
    const double nominal[3] = {static_cast<double>(r.nominal.nStartTime), r.nominal.dStopTime,
                               r.nominal.dWindow};
    for (int i = 0; i < 3; ++i) {
        const double values[4] = {rows[i]->dP10, rows[i]->dP50, rows[i]->dP90, nominal[i]};
        for (int c = 0; c < 4; ++c) {
            auto* pItem = new QStandardItem(m_shown ? Minutes(values[c]) : QString());
            pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_pPercentiles->setItem(i, c, pItem);
        }
    }

    std::vector<QString> labels;
    if (m_shown)
        for (const SensitivityRow& row : r.sensitivity) labels.push_back(EndsText(row, m_shown->units));
    FillStopHistogram(*m_pHistogram, r, font());
    FillTornado(*m_pTornado, r, labels, font());
    UpdateButtons(IsJobRunning());
    if (!m_shown) return;

    const double dMinimum = m_shown->dMinimumWindow;
    const auto nShort = static_cast<long long>(std::llround(r.dShortWindowShare * r.nSamples));
    QStringList clamps;
    for (std::size_t k = 0; k < kUncertainInputCount; ++k)
        if (r.clamped[k] > 0)
            clamps << QStringLiteral("%1 %2")
                          .arg(QString::fromUtf8(UncertainInputName(UncertainInput(k))))
                          .arg(r.clamped[k]);
    QStringList lines = {
        QStringLiteral("Window shorter than %1 min: %2 % of the samples (%3 of %4).")
            .arg(Minutes(dMinimum), QString::fromStdString(NumberText(r.dShortWindowShare * 100.0)))
            .arg(nShort)
            .arg(r.nSamples),
        QStringLiteral("Cooling notices: %1 samples rapid, %2 slow.")
            .arg(r.nRapidSamples)
            .arg(r.nSlowSamples),
        QStringLiteral("Drawn values clamped to their field's range: %1.")
            .arg(clamps.isEmpty() ? QStringLiteral("none") : clamps.join(QStringLiteral(", "))),
        QStringLiteral("%1 samples, seed %2. %3; %4.")
            .arg(r.nSamples)
            .arg(r.nSeed)
            .arg(QString::fromUtf8(r.pszSampling), QString::fromUtf8(r.pszPercentileRule)),
    };
    if (!SameScenario(m_shown->base, m_shown->units, Context().view.InputsAsShown()))
        lines.prepend(
            QStringLiteral("These figures are for an earlier state of the form: press Run for the form "
                           "as it is now."));
    m_pSummary->setText(lines.join(QLatin1Char('\n')));
}

void CUncertaintyWindow::UpdateButtons(bool bRunning) {
    m_pPrint->setEnabled(!bRunning && m_shown.has_value());
}

bool CUncertaintyWindow::Print() {
    if (!m_shown) return false;
    return PrintPage(QStringLiteral("Dravonel uncertainty study"));
}

void CUncertaintyWindow::PaintPage(QPainter& painter, const QRect& pageRect) {
    CStudyPage page(painter, pageRect);
    page.Title(QString::fromUtf8(kCaption));
    QStringList spreads;
    for (std::size_t k = 0; k < kUncertainInputCount; ++k)
        spreads << QStringLiteral("%1 +-%2 %3")
                       .arg(PlainLabel(kSpreadRows[k].pszLabel).toLower(), m_spreads[k]->text(),
                            m_spreadUnits[k]->text());
    page.Lines({m_pFormLine->text(), QStringLiteral("Spreads: ") + spreads.join(QStringLiteral(", ")) + '.'});
    // The table's rows are named by its vertical header, which the page shows as the first column.
    QStandardItemModel table(3, 5);
    table.setHorizontalHeaderLabels({QString(), QStringLiteral("10th, min"), QStringLiteral("50th, min"),
                                     QStringLiteral("90th, min"), QStringLiteral("Nominal, min")});
    for (int i = 0; i < 3; ++i) {
        table.setItem(i, 0, new QStandardItem(m_pPercentiles->verticalHeaderItem(i)->text()));
        for (int c = 0; c < 4; ++c)
            table.setItem(i, c + 1, new QStandardItem(m_pPercentiles->item(i, c)->text()));
    }
    page.Table(table);
    page.Lines(m_pSummary->text().split(QLatin1Char('\n')));
    page.Chart(*m_pHistogramView, 0.3);
    page.Chart(*m_pTornadoView, 0.3);
}
