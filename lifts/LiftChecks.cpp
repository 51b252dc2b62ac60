// The limits of a lift sequence and the messages that refuse it.
#include <charconv>
#include <cmath>
#include <string>

#include "LiftClock.h"
#include "LiftSequence.h"

namespace {

// Shortest text that reads back as the value, with a full stop whatever the locale (to_chars never
// consults it).
std::string Number(double dValue) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, dValue);
    return std::string(text, result.ptr);
}

std::string Number(int nValue) { return std::to_string(nValue); }

std::string LiftName(int nLift) { return "Lift " + std::to_string(nLift); }

LiftSequenceError Refuse(int nLift, LiftField field, std::string strMessage) {
    return {nLift, field, std::move(strMessage)};
}

// Both ends allowed; NaN is outside every range.
bool Within(double dValue, double dMin, double dMax) { return dValue >= dMin && dValue <= dMax; }

// "<what> <value> <unit> is outside the allowed <min> to <max> <unit>.", or for a value that is no number
// (NaN, infinite) "<what> is not a number within ...".
std::string OutsideText(const std::string& strWhat, double dValue, double dMin, double dMax,
                        const char* pUnit) {
    const std::string strUnit = std::string(" ") + pUnit;
    const std::string strRange = Number(dMin) + " to " + Number(dMax) + strUnit + ".";
    if (!std::isfinite(dValue)) return strWhat + " is not a number within the allowed " + strRange;
    return strWhat + " " + Number(dValue) + strUnit + " is outside the allowed " + strRange;
}

std::optional<LiftSequenceError> CheckSite(const SimulationInputs& site, const InputRanges& r, int nUnits) {
    struct RealCheck {
        LiftField field;
        const char* pName;
        double dValue, dMin, dMax;
        const char* pUnit;
    };
    const RealCheck reals[] = {
        {LiftField::SiteAirTemp, "The air temperature", site.m_dAirTemp, r.m_dAirTempMin, r.m_dAirTempMax,
         kTemperatureUnit[nUnits]},
        {LiftField::SiteSurfaceTemp, "The existing surface temperature", site.m_dSurfaceTemp,
         r.m_dSurfaceTempMin, r.m_dSurfaceTempMax, kTemperatureUnit[nUnits]},
        {LiftField::SiteWindSpeed, "The wind speed", site.m_dWindSpeed, r.m_dWindSpeedMin, r.m_dWindSpeedMax,
         kWindUnit[nUnits]},
        {LiftField::SiteLatitude, "The latitude", site.m_dLatitude, r.m_dLatitudeMin, r.m_dLatitudeMax,
         "degrees"},
    };
    for (const RealCheck& c : reals)
        if (!Within(c.dValue, c.dMin, c.dMax))
            return Refuse(0, c.field, OutsideText(c.pName, c.dValue, c.dMin, c.dMax, c.pUnit));

    const int nDays = DaysInMonth(site.m_nYear, site.m_nMonth);
    if (site.m_nYear < kYearMin || site.m_nYear > kYearMax || nDays == 0 || site.m_nDay < 1 ||
        site.m_nDay > nDays)
        return Refuse(0, LiftField::SiteDate,
                      "The paving date " + Number(site.m_nYear) + "-" + Number(site.m_nMonth) + "-" +
                          Number(site.m_nDay) + " is not a date of the years " + Number(kYearMin) + " to " +
                          Number(kYearMax) + ".");
    if (site.m_nHour < kHourMin || site.m_nHour > kHourMax || site.m_nMinute < kMinuteMin ||
        site.m_nMinute > kMinuteMax)
        return Refuse(0, LiftField::SiteTime,
                      "The paving time " + Number(site.m_nHour) + ":" + Number(site.m_nMinute) +
                          " is outside hours 0 to 24 and minutes 0 to 60.");
    if (site.m_nSkyCondition < 0 || site.m_nSkyCondition >= kSkyConditionCount)
        return Refuse(0, LiftField::SiteSkyCondition,
                      "The sky condition " + Number(site.m_nSkyCondition) + " is not in its list.");
    if (MaterialTypeAt(site.m_nMaterialType) == MaterialType::None)
        return Refuse(
            0, LiftField::SiteMaterial,
            "The existing surface material " + Number(site.m_nMaterialType) + " is not in its list.");
    return std::nullopt;
}

std::optional<LiftSequenceError> CheckLift(const LiftInput& lift, int nLift, const LiftInput* pBelow,
                                           const InputRanges& r, int nUnits) {
    const std::string strLift = LiftName(nLift);
    const int nAt = lift.nPlacementMinutes;
    if (!pBelow && nAt != 0)
        return Refuse(nLift, LiftField::Placement,
                      strLift + " is placed at " + Number(nAt) +
                          " min; the first lift goes down at 0 min and the others count from it.");
    if (nAt < 0)
        return Refuse(nLift, LiftField::Placement,
                      strLift + " is placed at " + Number(nAt) +
                          " min; placements count minutes after the first lift's laydown and cannot be "
                          "negative.");
    if (pBelow && nAt < pBelow->nPlacementMinutes)
        return Refuse(nLift, LiftField::Placement,
                      strLift + " is placed at " + Number(nAt) + " min, before lift " + Number(nLift - 1) +
                          " at " + Number(pBelow->nPlacementMinutes) +
                          " min; lifts go down in order, bottom first.");
    if (pBelow && nAt - pBelow->nPlacementMinutes > kMaxPlacementGapMinutes)
        return Refuse(nLift, LiftField::Placement,
                      strLift + " is placed at " + Number(nAt) + " min, after the run of lift " +
                          Number(nLift - 1) + " ended (" + Number(kMaxPlacementGapMinutes) +
                          " min after its placement at " + Number(pBelow->nPlacementMinutes) + " min).");

    if (lift.nMixType < 0 || lift.nMixType >= kMixTypeCount)
        return Refuse(nLift, LiftField::MixType,
                      strLift + ": the mix type " + Number(lift.nMixType) + " is not in its list.");
    if (!Within(lift.dLiftThickness, r.m_dLiftThicknessMin, r.m_dLiftThicknessMax))
        return Refuse(nLift, LiftField::LiftThickness,
                      OutsideText(strLift + ": the lift thickness", lift.dLiftThickness,
                                  r.m_dLiftThicknessMin, r.m_dLiftThicknessMax, kLiftUnit[nUnits]));
    if (!Within(lift.dDeliveryTemp, r.m_dDeliveryTempMin, r.m_dDeliveryTempMax))
        return Refuse(nLift, LiftField::DeliveryTemp,
                      OutsideText(strLift + ": the delivery temperature", lift.dDeliveryTemp,
                                  r.m_dDeliveryTempMin, r.m_dDeliveryTempMax, kTemperatureUnit[nUnits]));
    if (lift.nPgHigh < 0 || lift.nPgHigh >= kPgGradeCount)
        return Refuse(nLift, LiftField::PgHigh,
                      strLift + ": the high binder grade " + Number(lift.nPgHigh) + " is not in its list.");
    if (lift.nPgLow < 0 || lift.nPgLow >= kPgGradeCount)
        return Refuse(nLift, LiftField::PgLow,
                      strLift + ": the low binder grade " + Number(lift.nPgLow) + " is not in its list.");
    return std::nullopt;
}

}  // namespace

std::optional<LiftSequenceError> CheckLiftSequence(const LiftSequenceInputs& inputs) {
    const int nCount = static_cast<int>(inputs.lifts.size());
    if (nCount == 0)
        return Refuse(0, LiftField::LiftCount,
                      "No lift to place: a sequence needs 1 to " + Number(kMaxLifts) + " lifts.");
    if (inputs.lifts.size() > static_cast<std::size_t>(kMaxLifts))
        return Refuse(kMaxLifts + 1, LiftField::LiftCount,
                      Number(nCount) + " lifts given: a sequence holds at most " + Number(kMaxLifts) +
                          ", so lift " + Number(kMaxLifts + 1) + " cannot be placed.");

    const UnitSystem units = UnitSystemOfCode(inputs.site.m_nUnits);
    const int nUnits = UnitCode(units);
    const InputRanges& r = units == UnitSystem::SI ? kSiRanges : kEnglishRanges;

    if (auto error = CheckSite(inputs.site, r, nUnits)) return error;

    for (int i = 0; i < nCount; ++i) {
        const LiftInput* pBelow = i > 0 ? &inputs.lifts[i - 1] : nullptr;
        if (auto error = CheckLift(inputs.lifts[i], i + 1, pBelow, r, nUnits)) return error;
    }

    if (inputs.dNextLiftTemp) {
        const NextLiftTempRange& t =
            units == UnitSystem::SI ? kNextLiftTempRangeSi : kNextLiftTempRangeEnglish;
        if (!Within(*inputs.dNextLiftTemp, t.dMin, t.dMax))
            return Refuse(0, LiftField::NextLiftTemp,
                          OutsideText("The next-lift temperature", *inputs.dNextLiftTemp, t.dMin, t.dMax,
                                      kTemperatureUnit[nUnits]));
    }
    return std::nullopt;
}
