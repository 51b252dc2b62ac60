#include "LiftColumnRun.h"

#include <cstring>

void LiftCurveSampler::Begin(CoolingCurve& curve, double dDeliveryTemp) {
    curve.m_nLastSample = 0;
    curve.m_dCurveTime[0] = 0.0;
    curve.m_dCurveTemp[0] = dDeliveryTemp;
    bRunning = true;
}

LiftColumnRun::LiftColumnRun(LiftSequenceResult& result, double dAirTemp, bool bInsulatedTop)
    : m_result(result), m_dAirTemp(dAirTemp), m_bInsulatedTop(bInsulatedTop) {}

int LiftColumnRun::PlaceDue() {
    const int nBefore = m_nPlaced;
    while (m_nPlaced < m_result.nLifts &&
           m_result.lifts[m_nPlaced].nPlacementMinutes * 3 == m_nSteps)  // three 20 s steps a minute
        ++m_nPlaced;
    if (m_nPlaced == nBefore) return 0;

    // The column top down: the placed lifts from the newest, then the three existing layers. Only the new
    // lifts (and, at the first placement, the existing layers) take their starting temperatures; the
    // cells already there are put back below the new ones as they were.
    ColumnLayer layers[kMaxLifts + 3];
    int nLayers = 0;
    int nNewCells = 0;
    for (int i = m_nPlaced - 1; i >= 0; --i) {
        const LiftOutcome& lift = m_result.lifts[i];
        layers[nLayers++] = {lift.normalized.dLiftThickness, lift.nMatCells, lift.normalized.mix,
                             lift.normalized.dDeliveryTemp};
        if (i >= nBefore) nNewCells += lift.nMatCells;
    }
    const NormalizedInputs& site = m_result.lifts[0].normalized;
    for (int j = 0; j < 3; ++j)
        layers[nLayers++] = {single_lift::kExistingThickness[j], single_lift::kExistingCells[j],
                             site.existing, site.dSurfaceTemp};

    const int nKept = nBefore > 0 ? m_column.N : 0;  // cells 1 to N of the column so far
    if (nKept > 0) std::memcpy(m_dKept, m_column.T + 1, sizeof(double) * nKept);
    // At most 4 x 50 lift cells and 20 existing ones: they always fit.
    [[maybe_unused]] const bool bFits = m_column.SetUp(layers, nLayers);
    if (nKept > 0) {
        std::memcpy(m_column.T + 1 + nNewCells, m_dKept, sizeof(double) * nKept);
        std::memcpy(m_column.Told + 1 + nNewCells, m_dKept, sizeof(double) * nKept);
    }

    // The sun of the newest lift's laydown drives the top until the next placement.
    const SurfaceBoundary& boundary = m_result.lifts[m_nPlaced - 1].boundary;
    if (m_bInsulatedTop) {
        m_drive = SurfaceDrive{0.0, 0.0, 0.0, 0.0, 0.0};
        m_column.FormCoefficients(0.0);
    } else {
        m_drive = SurfaceDriveOf(boundary);
        m_column.FormCoefficients(boundary.dConvection);
    }

    for (int i = 0; i < m_nPlaced; ++i) {
        LiftOutcome& lift = m_result.lifts[i];
        if (i >= nBefore) {
            lift.bPlaced = true;
            m_samplers[i].nCells = lift.nMatCells;
            m_samplers[i].Begin(lift.curve, lift.normalized.dDeliveryTemp);
        }
        // Its cells lie below those of every lift placed after it.
        int nFirst = 1;
        for (int j = i + 1; j < m_nPlaced; ++j) nFirst += m_result.lifts[j].nMatCells;
        m_samplers[i].nFirstNode = nFirst;
    }
    return m_nPlaced - nBefore;
}

bool LiftColumnRun::Advance() {
    const bool bSettled = m_column.AdvanceStep(m_drive, m_dAirTemp);
    ++m_nSteps;
    for (int i = 0; i < m_nPlaced; ++i) {
        m_samplers[i].AfterStep(bSettled, m_column, m_result.lifts[i].curve);
        m_result.lifts[i].nStopCode = m_samplers[i].nStop;
    }
    if (!bSettled) m_bFailed = true;
    return bSettled;
}

bool LiftColumnRun::Running() const {
    if (m_bFailed) return false;
    if (m_nPlaced < m_result.nLifts) return true;
    for (int i = 0; i < m_nPlaced; ++i)
        if (m_samplers[i].bRunning) return true;
    return false;
}
