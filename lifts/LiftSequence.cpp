#include "LiftSequence.h"

#include "CoolingGrid.h"
#include "LiftColumnRun.h"
#include "UnitConversion.h"

namespace {

// The site record with one lift's mix fields: what NormalizeInputs and the boundary model read.
SimulationInputs InputsOfLift(const SimulationInputs& site, const LiftInput& lift) {
    SimulationInputs in = site;
    in.m_nMixType = lift.nMixType;
    in.m_dLiftThickness = lift.dLiftThickness;
    in.m_dDeliveryTemp = lift.dDeliveryTemp;
    in.m_nPgHigh = lift.nPgHigh;
    in.m_nPgLow = lift.nPgLow;
    return in;
}

// The first sample of the curve strictly below dTempC, and its minute on the lift's and the site's clock.
NextLiftTime FindNextLiftTime(const CoolingCurve& curve, double dTempC, const SimulationInputs& site,
                              int nPlacementMinutes) {
    NextLiftTime t;
    for (int i = 0; i <= curve.m_nLastSample; ++i) {
        if (curve.m_dCurveTemp[i] < dTempC) {
            t.bReached = true;
            t.nSample = i;
            t.nMinutes = (i + 2) / 3;  // three samples a minute, rounded up
            t.clock = ClockAfter(site, nPlacementMinutes + t.nMinutes);
            break;
        }
    }
    return t;
}

}  // namespace

LiftSequenceResult PrepareLiftSequence(const LiftSequenceInputs& inputs) {
    LiftSequenceResult r;
    if (auto error = CheckLiftSequence(inputs)) {
        r.error = std::move(error);
        return r;
    }

    const SimulationInputs& site = inputs.site;
    const UnitSystem units = UnitSystemOfCode(site.m_nUnits);
    const double dNextLiftTemp = inputs.dNextLiftTemp.value_or(DefaultNextLiftTemp(units));
    r.dNextLiftTempC =
        units == UnitSystem::English ? ConvertTemperature(UnitSystem::SI, dNextLiftTemp) : dNextLiftTemp;

    r.nLifts = static_cast<int>(inputs.lifts.size());
    for (int i = 0; i < r.nLifts; ++i) {
        const LiftInput& lift = inputs.lifts[i];
        LiftOutcome& out = r.lifts[i];
        const SimulationInputs in = InputsOfLift(site, lift);
        out.normalized = NormalizeInputs(in, SelectedProperties{});
        out.nMatCells = MatCellCount(out.normalized.dLiftThickness);
        out.nPlacementMinutes = lift.nPlacementMinutes;
        out.placement = ClockAfter(site, lift.nPlacementMinutes);
        // A lift placed with the first reads the form's date and time as they stand (hour 24 included),
        // as the single-lift calculation does; a later one reads its own laydown clock.
        SimulationInputs laydown = in;
        if (lift.nPlacementMinutes > 0) {
            laydown.m_nYear = out.placement.nYear;
            laydown.m_nMonth = out.placement.nMonth;
            laydown.m_nDay = out.placement.nDay;
            laydown.m_nHour = out.placement.nHour;
            laydown.m_nMinute = out.placement.nMinute;
        }
        out.boundary = ComputeSurfaceBoundary(LaydownConditionsOf(laydown, out.normalized));
        out.nStopCode = kStopRapidOrFailed;  // until its curve runs
    }
    return r;
}

void RunPreparedLiftSequence(const LiftSequenceInputs& inputs, LiftSequenceResult& r) {
    LiftColumnRun run(r, r.lifts[0].normalized.dAirTemp, inputs.bInsulatedTopForChecks);
    run.PlaceDue();
    while (run.Running()) {
        if (!run.Advance()) {
            r.bSettled = false;
            r.nFailedStepMinutes = (run.Steps() + 2) / 3;
            break;
        }
        run.PlaceDue();
    }
    r.nColumnMinutes = (run.Steps() + 2) / 3;

    const UnitSystem axis = DisplayUnitsOfCode(inputs.site.m_nUnits);
    for (int i = 0; i < r.nLifts; ++i) {
        LiftOutcome& out = r.lifts[i];
        out.stop = StopOutcomeFromCode(out.nStopCode);
        if (!out.bPlaced) continue;
        out.start = ReadCompactionStart(out.curve, inputs.lifts[i].nPgHigh, axis);
        out.nextLift = FindNextLiftTime(out.curve, r.dNextLiftTempC, inputs.site, out.nPlacementMinutes);
    }
}

LiftSequenceResult RunLiftSequence(const LiftSequenceInputs& inputs) {
    LiftSequenceResult r = PrepareLiftSequence(inputs);
    if (!r.error) RunPreparedLiftSequence(inputs, r);
    return r;
}
