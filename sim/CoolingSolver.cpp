#include "CoolingSolver.h"

#include <cmath>

#include "CoolingGrid.h"
#include "CoolingRun.h"

int MatCellCount(double dLiftThickness) {
    const double n = std::trunc(dLiftThickness * 100.0);
    if (!(n >= 6.0)) return 6;
    if (n > 50.0) return 50;
    return static_cast<int>(n);
}

int RunCoolingSimulation(const NormalizedInputs& inputs, const SurfaceBoundary& boundary, CoolingCurve& curve,
                         CoolingProfile* pProfile) {
    return RunSingleLiftColumn<kSingleLiftNodes>(inputs, boundary, curve, pProfile);
}
