#include "ColumnSetup.h"

#include "CoolingGrid.h"

namespace {
constexpr double kInvStep = 0.05;  // 1 / 20 s
}  // namespace

ColumnSetup PrepareColumn(const NormalizedInputs& inputs, const SurfaceBoundary& boundary) {
    ColumnSetup s{};
    double dx[kColumnRows], k[kColumnRows], rho[kColumnRows], c[kColumnRows];
    double E[kColumnRows], B[kColumnRows];

    const int n1 = MatCellCount(inputs.dLiftThickness);
    const int N = n1 + 20;
    s.nMatCells = n1;
    s.nBottom = N;

    // The mat and the three existing layers, top to bottom; node 0 belongs to the mat.
    const double layerThickness[4] = {inputs.dLiftThickness, 0.06, 0.1, 0.2};
    const int layerCells[4] = {n1, 6, 6, 8};
    const LayerProperties* layerProps[4] = {&inputs.mix, &inputs.existing, &inputs.existing,
                                            &inputs.existing};
    const double layerStart[4] = {inputs.dDeliveryTemp, inputs.dSurfaceTemp, inputs.dSurfaceTemp,
                                  inputs.dSurfaceTemp};
    int layer = 0;
    int cellsSoFar = layerCells[0];
    for (int i = 0; i <= N; ++i) {
        if (i > cellsSoFar && layer < 3) {
            ++layer;
            cellsSoFar += layerCells[layer];
        }
        dx[i] = layerThickness[layer] / layerCells[layer];
        s.dStartTemp[i] = layerStart[layer];
        k[i] = layerProps[layer]->dConductivity;
        rho[i] = layerProps[layer]->dDensity;
        c[i] = layerProps[layer]->dSpecificHeat;
    }
    dx[0] = 0.0;  // the surface node has neither width nor capacity
    c[0] = 0.0;

    const double a = (k[1] / dx[1]) * 2.6666666666666665;
    s.dSurfaceToSecond = 0.3333333333333333 / (dx[1] / (k[1] * 2.0) + dx[2] / (k[2] * 2.0));
    s.dSkyTemp4 = (boundary.dSkyTemp * boundary.dSkyTemp) * (boundary.dSkyTemp * boundary.dSkyTemp);
    s.dConvectionAir = boundary.dConvection * boundary.dAirTemp;
    s.dAbsorbedSolar = boundary.dAbsorbedSolar;
    s.dAirTemp = inputs.dAirTemp;
    s.dDeliveryTemp = inputs.dDeliveryTemp;
    const double C1 = ((rho[1] * c[1]) * dx[1]) * kInvStep;

    // Interior rows, then the surface row, the one-sided closure of row 1 and the insulated bottom.
    for (int i = 1; i <= N - 1; ++i) {
        s.dW[i] = 1.0 / (dx[i - 1] / (k[i - 1] * 2.0) + dx[i] / (k[i] * 2.0));
        E[i] = 1.0 / (dx[i] / (k[i] * 2.0) + dx[i + 1] / (k[i + 1] * 2.0));
        const double Ci = (rho[i] * c[i]) * dx[i];
        s.dCapacity[i] = Ci;
        B[i] = (E[i] + s.dW[i]) + kInvStep * Ci;
    }
    B[0] = boundary.dConvection + a;
    E[0] = a;
    E[1] = E[1] * 1.3333333333333333;
    s.dW[1] = a;
    B[1] = (E[1] + C1) + a;
    E[N] = 0.0;
    s.dW[N] = 1.0 / (dx[N - 1] / (k[N - 1] * 2.0) + dx[N] / (k[N] * 2.0));
    s.dCapacity[N] = (rho[N] * c[N]) * dx[N];
    B[N] = kInvStep * s.dCapacity[N] + s.dW[N];

    s.dP[0] = E[0] / B[0];
    for (int i = 1; i <= N; ++i) {
        s.dPivot[i] = B[i] - s.dW[i] * s.dP[i - 1];
        s.dP[i] = E[i] / s.dPivot[i];
    }
    s.dSurfaceDiagonal = B[0];
    s.dSurfaceToFirst = E[0];
    return s;
}
