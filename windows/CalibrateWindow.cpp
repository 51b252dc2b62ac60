#include "CalibrateWindow.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "CDravonelView.h"
#include "ChartParts.h"
#include "ChartStyle.h"
#include "FieldText.h"
#include "ResultSummary.h"
#include "StudyPage.h"
#include "StudyTexts.h"
#include "UiServices.h"
#include "UnitConversion.h"
#include "WindowBatch.h"

namespace {

constexpr const char* kCaption = "Calibrate to Measured Temperature";
constexpr double kSamplesPerMinute = 3.0;  // the profile holds one sample every 20 s
constexpr int kEngineRuns = 13;            // at most 12 of the calibration and one of the form's delivery

QString Temperature(double dValue, UnitSystem units) {
    return QStringLiteral("%1 %2").arg(QString::fromStdString(NumberText(dValue)),
                                       QString::fromUtf8(kTemperatureUnit[UnitCode(units)]));
}

QString PlaceText(MeasurementPlace place) {
    return place == MeasurementPlace::Surface ? QStringLiteral("at the surface")
                                              : QStringLiteral("at mid-depth");
}

// The fitted mat mean and the trace the reading was matched on, the mat mean the form's delivery gives,
// the reading as a point and the stop temperature, in `units`.
void FillCalibrationChart(QChart& chart, const CalibrationResult* pFit, const CoolingCurve* pFormCurve,
                          const CalibrationRequest& request, UnitSystem requestUnits, UnitSystem units,
                          const QFont& font) {
    ResetChart(chart, font);
    double dLowC = STOP_TEMPERATURE - 10.0, dHighC = 160.0;
    std::vector<QLineSeries*> curves;
    QScatterSeries* pReading = nullptr;
    if (pFit) {
        const CoolingCurve& curve = pFit->fitted.curve;
        const int nLast = LastCurveSample(curve);
        const bool bSurface = request.place == MeasurementPlace::Surface;
        const double* trace =
            bSurface ? pFit->fitted.profile.m_dSurfaceTemp : pFit->fitted.profile.m_dMidDepthTemp;
        QLineSeries* pMean = MakeLine(QString::fromUtf8(kFittedMean), PaletteColor(0), 2.5);
        QLineSeries* pTrace = MakeLine(QString::fromUtf8(bSurface ? kFittedSurface : kFittedMidDepth),
                                       PaletteColor(1), 2.0, Qt::DashLine);
        pMean->replace(CurvePoints(curve, units));
        dLowC = dHighC = curve.m_dCurveTemp[0];
        for (int i = 0; i <= nLast; ++i) {
            pTrace->append(i / kSamplesPerMinute, ShownTemperature(trace[i], units));
            dLowC = std::min({dLowC, curve.m_dCurveTemp[i], trace[i]});
            dHighC = std::max({dHighC, curve.m_dCurveTemp[i], trace[i]});
        }
        curves = {pMean, pTrace};
        if (pFormCurve) {
            QLineSeries* pForm =
                MakeLine(QString::fromUtf8(kFormMean), QColor(120, 120, 120), 2.0, Qt::DotLine);
            pForm->replace(CurvePoints(*pFormCurve, units));
            for (int i = 0; i <= LastCurveSample(*pFormCurve); ++i) {
                dLowC = std::min(dLowC, pFormCurve->m_dCurveTemp[i]);
                dHighC = std::max(dHighC, pFormCurve->m_dCurveTemp[i]);
            }
            curves.push_back(pForm);
        }
        const double dReadingC = requestUnits == UnitSystem::English
                                     ? FahrenheitToCelsius(request.dMeasuredTemp)
                                     : request.dMeasuredTemp;
        pReading = new QScatterSeries;
        pReading->setName(QString::fromUtf8(kReading));
        pReading->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        pReading->setMarkerSize(13.0);
        pReading->setColor(Qt::black);
        pReading->setBorderColor(Qt::white);
        pReading->append(request.dMinutesAfterLaydown, ShownTemperature(dReadingC, units));
        dLowC = std::min({dLowC, dReadingC, STOP_TEMPERATURE});
        dHighC = std::max(dHighC, dReadingC);
    }
    QValueAxis* pTime = MakeTimeAxis(font);
    QValueAxis* pTemp =
        MakeTemperatureAxis(units, ShownTemperature(dLowC, units), ShownTemperature(dHighC, units), font);
    chart.addAxis(pTime, Qt::AlignBottom);
    chart.addAxis(pTemp, Qt::AlignLeft);
    if (!pFit) return;
    QLineSeries* pStop =
        MakeLine(QStringLiteral("Stop %1").arg(Temperature(ShownTemperature(STOP_TEMPERATURE, units), units)),
                 PaletteColor(2), 1.5, Qt::DashDotLine);
    pStop->append(0.0, ShownTemperature(STOP_TEMPERATURE, units));
    pStop->append(120.0, ShownTemperature(STOP_TEMPERATURE, units));
    curves.push_back(pStop);
    for (QAbstractSeries* pSeries : curves) AddOnAxes(chart, pSeries, pTime, pTemp);
    AddOnAxes(chart, pReading, pTime, pTemp);
}

QLineEdit* MakeNumberEdit(const QString& name, QWidget* pParent) {
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setAccessibleName(name);
    pEdit->setMaxLength(31);  // as much as a form field reads
    return pEdit;
}

}  // namespace

CCalibrateWindow::CCalibrateWindow(const ToolContext& context, QWidget* pOwner)
    : CToolWindow(context, QStringLiteral("Calibrate"), QString::fromUtf8(kCaption), pOwner) {
    m_pFormLine = MakeTextLabel();
    Body().addWidget(m_pFormLine);

    auto* pLeft = new QWidget(this);
    auto* pLeftLayout = new QVBoxLayout(pLeft);
    pLeftLayout->setContentsMargins(0, 0, 0, 0);
    auto* pMeasurement = new QGroupBox(QStringLiteral("Measurement"), pLeft);
    auto* pForm = new QFormLayout(pMeasurement);
    m_pReading = MakeNumberEdit(QStringLiteral("Measured temperature"), pMeasurement);
    m_pReadingUnit = new QLabel(pMeasurement);
    auto* pReadingRow = new QHBoxLayout;
    pReadingRow->addWidget(m_pReading, 1);
    pReadingRow->addWidget(m_pReadingUnit);
    m_pMinutes = MakeNumberEdit(QStringLiteral("Minutes after laydown"), pMeasurement);
    m_pMinutes->setToolTip(
        QStringLiteral("When the reading was taken: more than 0 and at most 120 minutes "
                       "after laydown; fractions allowed."));
    auto* pMinutesRow = new QHBoxLayout;
    pMinutesRow->addWidget(m_pMinutes, 1);
    pMinutesRow->addWidget(new QLabel(QStringLiteral("min"), pMeasurement));
    m_pSurface = new QRadioButton(QStringLiteral("&Surface (infrared)"), pMeasurement);
    m_pMidDepth = new QRadioButton(QStringLiteral("Mi&d-depth (probe)"), pMeasurement);
    m_pSurface->setChecked(true);
    auto* pPlace = new QButtonGroup(this);
    pPlace->addButton(m_pSurface);
    pPlace->addButton(m_pMidDepth);
    auto* pPlaceRow = new QVBoxLayout;
    pPlaceRow->addWidget(m_pSurface);
    pPlaceRow->addWidget(m_pMidDepth);
    pForm->addRow(QStringLiteral("&Reading:"), pReadingRow);
    pForm->addRow(QStringLiteral("&Minutes after laydown:"), pMinutesRow);
    pForm->addRow(QStringLiteral("Taken at:"), pPlaceRow);
    static_cast<QLabel*>(pForm->labelForField(pReadingRow))->setBuddy(m_pReading);
    static_cast<QLabel*>(pForm->labelForField(pMinutesRow))->setBuddy(m_pMinutes);
    pLeftLayout->addWidget(pMeasurement);

    m_pFit = MakeTextLabel(QStringLiteral("Enter a reading and when it was taken, then press Calibrate."));
    m_pFit->setAccessibleName(QStringLiteral("Fitted delivery temperature"));
    pLeftLayout->addWidget(m_pFit);
    m_pWindows = new QStandardItemModel(4, 2, this);
    m_pTable = new QTableView(pLeft);
    m_pTable->setModel(m_pWindows);
    m_pTable->setAccessibleName(QStringLiteral("Compaction window with the fitted and the form's delivery"));
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setTabKeyNavigation(false);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_pTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_pTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pLeftLayout->addWidget(m_pTable);
    pLeftLayout->addStretch(1);

    m_pChartView = MakeChartView(m_pChart, QStringLiteral("Fitted cooling curves and the reading"), 60, 22);
    m_pChartView->setToolTip(
        QStringLiteral("The fitted delivery's mat mean and the trace the reading was "
                       "matched on, which passes through the reading; the dotted curve "
                       "is the mat mean with the form's delivery."));

    auto* pSplitter = new QSplitter(Qt::Horizontal, this);
    pSplitter->addWidget(pLeft);
    pSplitter->addWidget(m_pChartView);
    pSplitter->setStretchFactor(1, 1);
    pSplitter->setChildrenCollapsible(false);
    Body().addWidget(pSplitter, 1);

    m_pCalibrate = AddButton(QStringLiteral("&Calibrate"), QDialogButtonBox::ActionRole);
    m_pApply = AddButton(QStringLiteral("&Apply to Form"), QDialogButtonBox::ActionRole);
    m_pApply->setToolTip(QStringLiteral("Put the fitted delivery temperature into the form and calculate."));
    m_pPrint = AddButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    SetDefaultButton(m_pCalibrate);
    connect(m_pCalibrate, &QPushButton::clicked, this, &CCalibrateWindow::Calibrate);
    connect(m_pApply, &QPushButton::clicked, this, &CCalibrateWindow::ApplyToForm);
    connect(m_pPrint, &QPushButton::clicked, this, &CCalibrateWindow::Print);
    connect(this, &CToolWindow::jobRunningChanged, this, &CCalibrateWindow::UpdateButtons);

    ShowFormScenario();
    ShowFit();
}

QSize CCalibrateWindow::DefaultSize() const {
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.averageCharWidth() * 175, metrics.height() * 40).expandedTo(sizeHint());
}

void CCalibrateWindow::ShowFormScenario() {
    m_pFormLine->setText(
        QStringLiteral("From the form: %1.").arg(ScenarioText(Context().view.InputsAsShown(), true, true)));
    m_pReadingUnit->setText(QString::fromUtf8(kTemperatureUnit[UnitCode(Units())]));
}

void CCalibrateWindow::OnUnitsChanged(UnitSystem units) {
    // The reading converts as a field of the form does; a text that is not a number is left alone.
    double dReading = 0.0;
    if (ParseFieldDouble(m_pReading->text().toStdString(), &dReading)) {
        const UnitSystem from = units == UnitSystem::SI ? UnitSystem::English : UnitSystem::SI;
        m_pReading->setText(QString::fromStdString(NumberText(TemperatureIn(dReading, from, units))));
    }
    ShowFormScenario();
    ShowFit();
}

void CCalibrateWindow::OnInputsChanged() {
    ShowFormScenario();
    ShowFit();
}

void CCalibrateWindow::OnResultChanged() { OnInputsChanged(); }

void CCalibrateWindow::changeEvent(QEvent* event) {
    CToolWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) ShowFit();
}

void CCalibrateWindow::Calibrate() {
    // Each number is read as a form field reads it; a refused one is named the way the form names it.
    double values[2] = {0.0, 0.0};
    QLineEdit* edits[2] = {m_pReading, m_pMinutes};
    for (int i = 0; i < 2; ++i) {
        if (ParseFieldDouble(edits[i]->text().toStdString(), &values[i])) continue;
        Warn(QString::fromUtf8(kPromptNumber));
        edits[i]->setFocus();
        edits[i]->selectAll();
        return;
    }
    CalibrationRequest request;
    request.base = Context().view.InputsAsShown();
    request.dMeasuredTemp = values[0];
    request.dMinutesAfterLaydown = values[1];
    request.place = m_pSurface->isChecked() ? MeasurementPlace::Surface : MeasurementPlace::MidDepth;
    const UnitSystem units = Units();
    struct Outcome {
        CalibrationResult fit;
        CalculationResult form;
    };
    RunJob<Outcome>(
        QStringLiteral("Calibrating..."),
        [request](std::stop_token stop, const JobProgress& progress) {
            Outcome outcome;
            outcome.fit = ::Calibrate(
                request, [&](std::size_t nDone, std::size_t) { progress(double(nDone) / kEngineRuns); },
                stop);
            if (outcome.fit.outcome == StudyOutcome::Done && !stop.stop_requested())
                outcome.form = RunCalculation(request.base);
            return outcome;
        },
        [this, request, units](Outcome&& outcome) {
            if (!IsDoneElseSay(outcome.fit.outcome, outcome.fit.fault)) return;
            m_shown = ShownFit{std::move(outcome.fit), outcome.form.summary, request, units};
            m_formCurve = outcome.form.curve;
            ShowFit();
        });
}

void CCalibrateWindow::ShowFit() {
    const UnitSystem units = Units();
    m_pWindows->setVerticalHeaderLabels({QStringLiteral("Start, min"), QStringLiteral("Stop, min"),
                                         QStringLiteral("Window, min"), QStringLiteral("Notice")});
    if (!m_shown) {
        m_pWindows->setHorizontalHeaderLabels(
            {QStringLiteral("Fitted delivery"), QStringLiteral("Form's delivery")});
        FillCalibrationChart(*m_pChart, nullptr, nullptr, {}, units, units, font());
        UpdateButtons(IsJobRunning());
        return;
    }
    const ShownFit& s = *m_shown;
    const double dFit = TemperatureIn(s.fit.dDeliveryTemp, s.units, units);
    const double dFormDelivery = TemperatureIn(s.request.base.m_dDeliveryTemp, s.units, units);
    m_pWindows->setHorizontalHeaderLabels(
        {QStringLiteral("Fitted %1").arg(Temperature(dFit, units)),
         QStringLiteral("Form's %1").arg(Temperature(dFormDelivery, units))});
    const CalculationSummary* summaries[2] = {&s.fit.fitted.summary, &s.form};
    for (int c = 0; c < 2; ++c) {
        const CalculationSummary& summary = *summaries[c];
        const QString notice = summary.stop.notice == CoolingNotice::None
                                   ? QStringLiteral("none")
                                   : QString::fromUtf8(NoticeText(summary.stop.notice));
        const QStringList texts = {QString::number(summary.start.nStartTime),
                                   QString::fromStdString(NumberText(summary.stop.dStopTime)),
                                   QString::fromStdString(NumberText(WindowLength(summary))), notice};
        for (int r = 0; r < texts.size(); ++r) {
            auto* pItem = new QStandardItem(texts[r]);
            pItem->setToolTip(texts[r]);
            if (r < 3) pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_pWindows->setItem(r, c, pItem);
        }
    }
    const double dModel = s.units == units
                              ? s.fit.dModelTemp
                              : (units == UnitSystem::English ? CelsiusToFahrenheit(s.fit.dModelTemp)
                                                              : FahrenheitToCelsius(s.fit.dModelTemp));
    m_pFit->setText(
        QStringLiteral("Fitted delivery temperature: %1 (instead of the form's %2).\nWith it the model gives "
                       "%3 at %4 min %5, where %6 was measured (%7 engine runs).")
            .arg(Temperature(dFit, units), Temperature(dFormDelivery, units), Temperature(dModel, units),
                 QString::fromStdString(NumberText(s.request.dMinutesAfterLaydown)),
                 PlaceText(s.request.place),
                 Temperature(TemperatureIn(s.request.dMeasuredTemp, s.units, units), units))
            .arg(s.fit.nEngineRuns));
    if (!FitsTheForm())
        m_pFit->setText(
            m_pFit->text() +
            QStringLiteral("\nThe form has changed since: press Calibrate for the form as it is now."));
    FillCalibrationChart(*m_pChart, &s.fit, &m_formCurve, s.request, s.units, units, font());
    UpdateButtons(IsJobRunning());
}

void CCalibrateWindow::UpdateButtons(bool bRunning) {
    m_pApply->setEnabled(!bRunning && m_shown.has_value());
    m_pPrint->setEnabled(!bRunning && m_shown.has_value());
}

bool CCalibrateWindow::ApplyToForm() {
    if (!m_shown) return false;
    const double dFit = TemperatureIn(m_shown->fit.dDeliveryTemp, m_shown->units, Units());
    CDravonelView& view = Context().view;
    // The fit holds for the scenario it was made on; the form's own delivery is what it replaces.
    if (!FitsTheForm()) {
        Warn(
            QStringLiteral("The form has changed since this calibration, so the fit does not belong to it. "
                           "Press Calibrate again, then Apply to Form."));
        return false;
    }
    if (!view.ApplyDeliveryTempAndCalculate(dFit)) {
        ShowNote(
            QStringLiteral("Nothing was applied: a field of the form does not hold a readable value. "
                           "Correct it, then press Apply to Form again."));
        return false;
    }
    ShowNote(QStringLiteral("The form's delivery temperature is now %1, and the form has calculated with it.")
                 .arg(Temperature(view.m_form.inputs.m_dDeliveryTemp, Units())));
    return true;
}

bool CCalibrateWindow::FitsTheForm() const {
    if (!m_shown) return false;
    SimulationInputs now = Context().view.InputsAsShown();
    now.m_dDeliveryTemp = TemperatureIn(m_shown->request.base.m_dDeliveryTemp, m_shown->units, Units());
    return SameScenario(m_shown->request.base, m_shown->units, now);
}

bool CCalibrateWindow::Print() {
    if (!m_shown) return false;
    return PrintPage(QStringLiteral("Dravonel calibration"));
}

void CCalibrateWindow::PaintPage(QPainter& painter, const QRect& pageRect) {
    CStudyPage page(painter, pageRect);
    page.Title(QString::fromUtf8(kCaption));
    page.Lines({m_pFormLine->text()});
    page.Lines(m_pFit->text().split(QLatin1Char('\n')));
    page.Chart(*m_pChartView, 0.45);
    QStandardItemModel table(4, 3);
    table.setHorizontalHeaderLabels({QString(), m_pWindows->horizontalHeaderItem(0)->text(),
                                     m_pWindows->horizontalHeaderItem(1)->text()});
    for (int r = 0; r < 4; ++r) {
        table.setItem(r, 0, new QStandardItem(m_pWindows->verticalHeaderItem(r)->text()));
        for (int c = 0; c < 2; ++c)
            table.setItem(
                r, c + 1,
                new QStandardItem(m_pWindows->item(r, c) ? m_pWindows->item(r, c)->text() : QString()));
    }
    page.Table(table);
}
