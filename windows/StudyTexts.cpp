#include "StudyTexts.h"

#include <QAbstractSpinBox>
#include <QLineEdit>

#include "FormRules.h"
#include "UnitConversion.h"

namespace {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

QString Listed(int nIndex, const char* const* names, int nCount) {
    return nIndex >= 0 && nIndex < nCount ? QString::fromUtf8(names[nIndex]) : QStringLiteral("?");
}

QString Number(double dValue) { return QString::fromStdString(NumberText(dValue)); }

}  // namespace

QString WeatherText(double dAirTemp, double dWindSpeed, int nSkyCondition, UnitSystem units) {
    const int u = UnitCode(units);
    return QStringLiteral("air %1 %2, wind %3 %4, %5")
        .arg(Number(dAirTemp), QString::fromUtf8(kTemperatureUnit[u]), Number(dWindSpeed),
             QString::fromUtf8(kWindUnit[u]), Listed(nSkyCondition, kSkyConditionNames, kSkyConditionCount));
}

QString ScenarioText(const SimulationInputs& in, bool bTime, bool bWeather) {
    const UnitSystem units = DisplayUnitsOfCode(in.m_nUnits);
    const int u = UnitCode(units);
    const QString temperatureUnit = QString::fromUtf8(kTemperatureUnit[u]);
    QString text = QStringLiteral("%1 %2 %3")
                       .arg(in.m_nDay)
                       .arg(Listed(in.m_nMonth - 1, kMonthNames, 12))
                       .arg(in.m_nYear);
    if (bTime)
        text += QStringLiteral(" %1").arg(QString::fromStdString(ClockText(in.m_nHour * 60 + in.m_nMinute)));
    text += QStringLiteral(", latitude %1, %2 (PG %3) %4 %5 at %6 %7 on %8")
                .arg(Number(in.m_dLatitude), Listed(in.m_nMixType, kMixTypeNames, kMixTypeCount),
                     Listed(in.m_nPgHigh, kPgHighNames, kPgGradeCount), Number(in.m_dLiftThickness),
                     QString::fromUtf8(kLiftUnit[u]), Number(in.m_dDeliveryTemp), temperatureUnit,
                     Listed(in.m_nMaterialType, kMaterialTypeNames, kMaterialTypeCount));
    if (IsUnbound(MaterialTypeAt(in.m_nMaterialType)))
        text +=
            QStringLiteral(" (%1, %2)")
                .arg(Listed(in.m_nMoistureContent, kMoistureContentNames, kMoistureContentCount).toLower(),
                     Listed(in.m_nMoistureState, kMoistureStateNames, kMoistureStateCount).toLower());
    text += QStringLiteral(" at %1 %2").arg(Number(in.m_dSurfaceTemp), temperatureUnit);
    if (bWeather)
        text += QStringLiteral("; ") + WeatherText(in.m_dAirTemp, in.m_dWindSpeed, in.m_nSkyCondition, units);
    return text;
}

SimulationInputs InputsIn(const SimulationInputs& inputs, UnitSystem from, UnitSystem to) {
    FormRecord record;
    record.m_nActiveUnits = UnitCode(from);
    record.inputs = inputs;
    ApplyUnitSystem(record, to);
    return record.inputs;
}

bool SameScenario(const SimulationInputs& was, UnitSystem wasUnits, const SimulationInputs& now) {
    const SimulationInputs shown = InputsIn(was, wasUnits, DisplayUnitsOfCode(now.m_nUnits));
    return ScenarioText(shown, true, true) == ScenarioText(now, true, true);
}

QString RefusalSentence(const StudyFault& fault) {
    QString text = QString::fromStdString(fault.strMessage);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
    return text;
}

void SetAccessibleName(QAbstractSpinBox& box, const QString& name) {
    box.setAccessibleName(name);
    for (QLineEdit* pEdit : box.findChildren<QLineEdit*>()) pEdit->setAccessibleName(name);
}
