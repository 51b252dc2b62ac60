#include "PavingDayPlanner.h"

#include <array>
#include <optional>

#include "FieldText.h"
#include "WindowBatch.h"

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr double kLongestWindow = 120.0;  // minutes: no window outlasts the two-hour run

PavingDayPlan Refused(StudyFault fault) {
    PavingDayPlan plan;
    plan.outcome = StudyOutcome::Refused;
    plan.fault = std::move(fault);
    return plan;
}

StudyFault Fault(const char* pszField, std::string strMessage) { return {pszField, std::move(strMessage)}; }

std::optional<StudyFault> CheckTimes(const PavingDayRequest& r) {
    if (r.nFromMinute < 0 || r.nFromMinute > kMinutesPerDay)
        return Fault("from", "the first paving time " + FormatFieldInt(r.nFromMinute) +
                                 " min is outside 0:00 to 24:00 (0 to 1440 min)");
    if (r.nToMinute < 0 || r.nToMinute > kMinutesPerDay)
        return Fault("to", "the last paving time " + FormatFieldInt(r.nToMinute) +
                               " min is outside 0:00 to 24:00 (0 to 1440 min)");
    if (r.nToMinute < r.nFromMinute)
        return Fault("to", "the last paving time " + ClockText(r.nToMinute) + " is before the first, " +
                               ClockText(r.nFromMinute));
    if (r.nStepMinutes < 1 || r.nStepMinutes > kMinutesPerDay)
        return Fault("step", "the step " + FormatFieldInt(r.nStepMinutes) + " min is outside 1 to 1440 min");
    if (!(r.dMinimumWindow >= 0.0 && r.dMinimumWindow <= kLongestWindow))
        return RangeFault("minimum window", r.dMinimumWindow, 0.0, kLongestWindow, "min");
    return std::nullopt;
}

// The rows by hour, checked: hour 0 to 23, each once, values within the scenario's ranges.
std::optional<StudyFault> IndexHourly(const PavingDayRequest& r,
                                      std::array<const HourlyWeather*, 24>& byHour) {
    byHour.fill(nullptr);
    const int u = r.base.m_nUnits;  // 0 or 1, checked before
    const InputRanges& ranges = UnitSystemOfCode(u) == UnitSystem::SI ? kSiRanges : kEnglishRanges;
    for (const HourlyWeather& row : r.hourly) {
        if (row.nHour < 0 || row.nHour > 23)
            return Fault("hourly weather",
                         "the hourly weather has hour " + FormatFieldInt(row.nHour) + ", outside 0 to 23");
        const std::string strHour = "hour " + FormatFieldInt(row.nHour);
        if (byHour[row.nHour]) return Fault("hourly weather", "the hourly weather has " + strHour + " twice");
        byHour[row.nHour] = &row;
        if (!(row.dAirTemp >= ranges.m_dAirTempMin && row.dAirTemp <= ranges.m_dAirTempMax))
            return Fault("hourly weather",
                         RangeFault(strHour + " air temperature", row.dAirTemp, ranges.m_dAirTempMin,
                                    ranges.m_dAirTempMax, kTemperatureUnit[u])
                             .strMessage);
        if (!(row.dWindSpeed >= ranges.m_dWindSpeedMin && row.dWindSpeed <= ranges.m_dWindSpeedMax))
            return Fault("hourly weather",
                         RangeFault(strHour + " wind speed", row.dWindSpeed, ranges.m_dWindSpeedMin,
                                    ranges.m_dWindSpeedMax, kWindUnit[u])
                             .strMessage);
        if (row.nSkyCondition < 0 || row.nSkyCondition >= kSkyConditionCount)
            return Fault("hourly weather", strHour + " sky condition " + FormatFieldInt(row.nSkyCondition) +
                                               " is outside 0 to 4");
    }
    return std::nullopt;
}

// 24:00 is midnight again: it takes the row of hour 0.
int ClockHour(int nMinuteOfDay) { return nMinuteOfDay / 60 % 24; }

}  // namespace

std::vector<std::size_t> BestSlots(std::span<const PavingSlot> slots) {
    bool bAnyCalm = false;
    for (const PavingSlot& s : slots) bAnyCalm = bAnyCalm || s.notice != CoolingNotice::Rapid;
    auto eligible = [&](const PavingSlot& s) { return !bAnyCalm || s.notice != CoolingNotice::Rapid; };
    double dLongest = -1.0;
    for (const PavingSlot& s : slots)
        if (eligible(s) && s.dWindow > dLongest) dLongest = s.dWindow;
    // Windows are differences of whole minutes, so equal windows compare equal exactly.
    std::vector<std::size_t> best;
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (eligible(slots[i]) && slots[i].dWindow == dLongest) best.push_back(i);
    return best;
}

PavingDayPlan PlanPavingDay(const PavingDayRequest& request, const StudyProgress& progress,
                            std::stop_token stop) {
    if (auto fault = CheckScenario(request.base)) return Refused(*fault);
    if (auto fault = CheckTimes(request)) return Refused(*fault);
    std::array<const HourlyWeather*, 24> byHour{};
    if (auto fault = IndexHourly(request, byHour)) return Refused(*fault);

    PavingDayPlan plan;
    for (int t = request.nFromMinute; t <= request.nToMinute; t += request.nStepMinutes) {
        PavingSlot s{};
        s.nClockMinute = t;
        s.dAirTemp = request.base.m_dAirTemp;
        s.dWindSpeed = request.base.m_dWindSpeed;
        s.nSkyCondition = request.base.m_nSkyCondition;
        if (!request.hourly.empty()) {
            const HourlyWeather* row = byHour[ClockHour(t)];
            if (!row)
                return Refused(Fault("hourly weather", "the hourly weather has no row for hour " +
                                                           FormatFieldInt(ClockHour(t)) + " (paving at " +
                                                           ClockText(t) + ")"));
            s.dAirTemp = row->dAirTemp;
            s.dWindSpeed = row->dWindSpeed;
            s.nSkyCondition = row->nSkyCondition;
        }
        plan.timeSlots.push_back(s);
    }

    auto scenario = [&](std::size_t i) {
        const PavingSlot& s = plan.timeSlots[i];
        SimulationInputs in = request.base;
        in.m_nHour = s.nClockMinute / 60;
        in.m_nMinute = s.nClockMinute % 60;
        in.m_dAirTemp = s.dAirTemp;
        in.m_dWindSpeed = s.dWindSpeed;
        in.m_nSkyCondition = s.nSkyCondition;
        return in;
    };
    std::vector<WindowRun> runs(plan.timeSlots.size());
    if (!RunWindows(scenario, runs, progress, 0, runs.size(), stop)) {
        PavingDayPlan cancelled;
        cancelled.outcome = StudyOutcome::Cancelled;
        return cancelled;
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        PavingSlot& s = plan.timeSlots[i];
        s.nStartTime = runs[i].start.nStartTime;
        s.dStopTime = runs[i].stop.dStopTime;
        s.notice = runs[i].stop.notice;
        s.dWindow = WindowLength(runs[i]);
        s.bShortWindow = s.dWindow < request.dMinimumWindow;
    }
    plan.best = BestSlots(plan.timeSlots);
    for (std::size_t i : plan.best) plan.timeSlots[i].bBest = true;
    return plan;
}
