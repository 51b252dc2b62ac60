#include "LiftsReport.h"

#include <cstdio>

#include "CsvText.h"
#include "FieldText.h"
#include "ResultSummary.h"
#include "ShownUnits.h"

namespace {

std::string Minutes(int nMinutes) { return FormatFieldInt(nMinutes) + " min"; }

std::string MinutesAndClock(const SimulationInputs& site, int nPlacement, int nMinutes) {
    return Minutes(nMinutes) + " (" + ClockText(ClockAfter(site, nPlacement + nMinutes)) + ")";
}

// A list index as its entry, "" outside the list.
std::string Entry(const char* const* names, int nCount, int nIndex) {
    return nIndex >= 0 && nIndex < nCount ? names[nIndex] : "";
}

// A placed lift's times in whole minutes after its laydown.
struct LiftMinutes {
    int nStart;
    int nStop;
};

LiftMinutes MinutesOf(const LiftOutcome& outcome, int nPgHigh, UnitSystem display) {
    return {LiftStartIn(outcome, nPgHigh, display).nStartTime, static_cast<int>(outcome.stop.dStopTime)};
}

}  // namespace

std::string ClockText(const LiftClockTime& clock) {
    char text[48];
    if (clock.nDayOffset > 0)
        std::snprintf(text, sizeof text, "%02d:%02d +%d d", clock.nHour, clock.nMinute, clock.nDayOffset);
    else
        std::snprintf(text, sizeof text, "%02d:%02d", clock.nHour, clock.nMinute);
    return text;
}

CompactionStart LiftStartIn(const LiftOutcome& outcome, int nPgHigh, UnitSystem display) {
    return ReadCompactionStart(outcome.curve, nPgHigh, display);
}

std::vector<LiftResultRow> LiftResultRows(const LiftSequenceInputs& inputs, const LiftSequenceResult& result,
                                          UnitSystem display) {
    std::vector<LiftResultRow> rows;
    if (result.error) return rows;
    const SimulationInputs& site = inputs.site;
    for (int i = 0; i < result.nLifts && i < static_cast<int>(inputs.lifts.size()); ++i) {
        const LiftOutcome& outcome = result.lifts[i];
        const int nPlacement = inputs.lifts[i].nPlacementMinutes;
        LiftResultRow row;
        row.strLift = FormatFieldInt(i + 1);
        row.strPlaced = MinutesAndClock(site, 0, nPlacement);
        if (!outcome.bPlaced) {
            row.strStart = row.strStop = row.strWindow =
                std::string("-");  // a literal here trips GCC 12's -Wrestrict
            row.strNextLift = kNextLiftNotReached;
            row.strNotice = kLiftNotPlaced;
            rows.push_back(std::move(row));
            continue;
        }
        const LiftMinutes minutes = MinutesOf(outcome, inputs.lifts[i].nPgHigh, display);
        row.strStart = MinutesAndClock(site, nPlacement, minutes.nStart);
        row.strStop = MinutesAndClock(site, nPlacement, minutes.nStop);
        row.strWindow = Minutes(minutes.nStop - minutes.nStart);
        row.strNextLift = outcome.nextLift.bReached
                              ? MinutesAndClock(site, nPlacement, outcome.nextLift.nMinutes)
                              : kNextLiftNotReached;
        row.strNotice = NoticeText(outcome.stop.notice);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string LiftsCsv(const LiftSequenceInputs& inputs, const LiftSequenceResult& result, UnitSystem display) {
    const int nUnits = UnitCode(display);
    const std::string temp = kTemperatureUnit[nUnits];
    std::string csv = CsvLine(
        {"Lift", "Placed at (min)", "Placed at (clock)", std::string("Thickness (") + kLiftUnit[nUnits] + ")",
         "Delivery (" + temp + ")", "Mix", "PG high", "PG low", "Start (min)", "Start (clock)", "Stop (min)",
         "Stop (clock)", "Window (min)", "Next lift (min)", "Next lift (clock)",
         "Next-lift temperature (" + temp + ")", "Notice"});
    if (result.error) return csv;
    const SimulationInputs& site = inputs.site;
    const UnitSystem from = UnitSystemOfCode(site.m_nUnits);
    const std::string nextTemp =
        FormatFieldDouble(RoundValue(ShownTemperature(result.dNextLiftTempC, display)));
    for (int i = 0; i < result.nLifts && i < static_cast<int>(inputs.lifts.size()); ++i) {
        const LiftInput& lift = inputs.lifts[i];
        const LiftOutcome& outcome = result.lifts[i];
        std::vector<std::string> fields = {
            FormatFieldInt(i + 1),
            FormatFieldInt(lift.nPlacementMinutes),
            ClockText(ClockAfter(site, lift.nPlacementMinutes)),
            FormatFieldDouble(LengthIn(lift.dLiftThickness, from, display)),
            FormatFieldDouble(TemperatureIn(lift.dDeliveryTemp, from, display)),
            Entry(kMixTypeNames, kMixTypeCount, lift.nMixType),
            Entry(kPgHighNames, kPgGradeCount, lift.nPgHigh),
            Entry(kPgLowNames, kPgGradeCount, lift.nPgLow),
        };
        if (outcome.bPlaced) {
            const LiftMinutes minutes = MinutesOf(outcome, lift.nPgHigh, display);
            const auto clockAt = [&](int nMinutes) {
                return ClockText(ClockAfter(site, lift.nPlacementMinutes + nMinutes));
            };
            fields.insert(fields.end(), {FormatFieldInt(minutes.nStart), clockAt(minutes.nStart),
                                         FormatFieldInt(minutes.nStop), clockAt(minutes.nStop),
                                         FormatFieldInt(minutes.nStop - minutes.nStart)});
            if (outcome.nextLift.bReached)
                fields.insert(fields.end(), {FormatFieldInt(outcome.nextLift.nMinutes),
                                             clockAt(outcome.nextLift.nMinutes)});
            else
                fields.insert(fields.end(), {kNextLiftNotReached, ""});
            fields.insert(fields.end(), {nextTemp, NoticeText(outcome.stop.notice)});
        } else {
            fields.insert(fields.end(),
                          {"", "", "", "", "", kNextLiftNotReached, "", nextTemp, kLiftNotPlaced});
        }
        csv += CsvLine(fields);
    }
    return csv;
}
