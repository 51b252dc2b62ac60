#include "LiteralSolver.h"

#include <cmath>

namespace {
// Linear interpolation by depth between the cell centres (j - 0.5) dx1 around half the lift.
double TemperatureAtHalfLift(const double* T, int n1, double dLift) {
    const double dx1 = dLift / n1;
    const double depth = dLift / 2.0;
    int j = 1;
    while (j + 1 <= n1 && (j + 0.5) * dx1 <= depth) ++j;
    const double w = (depth - (j - 0.5) * dx1) / dx1;
    return w == 0.0 ? T[j] : T[j] + w * (T[j + 1] - T[j]);
}
}  // namespace

int LiteralCoolingSimulation(const NormalizedInputs& inputs, const SurfaceBoundary& boundary,
                             CoolingCurve& curve, CoolingProfile* pProfile) {
    double T[75], Told[75], Tprev[75], dx[75], k[75], rho[75], c[75], W[75], E[75], B[75], D[75], P[75],
        Q[75];

    // Scalars of a run.
    double ts = 0.0;
    double tm = 0.0;
    int passes = 0;
    double Tavg = 0.0;
    int stop = -1;

    // Mat cells and the deepest node.
    double n1d = std::trunc(inputs.dLiftThickness * 100.0);
    int n1;
    if (!(n1d >= 6.0))
        n1 = 6;
    else if (n1d > 50.0)
        n1 = 50;
    else
        n1 = (int)n1d;
    const int N = n1 + 20;

    // Nodes, layer by layer.
    const double thick[4] = {inputs.dLiftThickness, 0.06, 0.1, 0.2};
    const int cells[4] = {n1, 6, 6, 8};
    int layer = 0;
    int sofar = n1;
    for (int i = 0; i <= N; i++) {
        if (i > sofar) {
            layer = layer + 1;
            sofar = sofar + cells[layer];
        }
        dx[i] = thick[layer] / cells[layer];
        if (layer == 0) {
            T[i] = inputs.dDeliveryTemp;
            k[i] = inputs.mix.dConductivity;
            rho[i] = inputs.mix.dDensity;
            c[i] = inputs.mix.dSpecificHeat;
        } else {
            T[i] = inputs.dSurfaceTemp;
            k[i] = inputs.existing.dConductivity;
            rho[i] = inputs.existing.dDensity;
            c[i] = inputs.existing.dSpecificHeat;
        }
    }

    // The surface node has no width and no heat capacity.
    dx[0] = 0.0;
    c[0] = 0.0;
    for (int i = 0; i <= N; i++) Told[i] = T[i];

    // Sample 0.
    curve.m_nLastSample = 0;
    curve.m_dCurveTime[0] = 0.0;
    curve.m_dCurveTemp[0] = inputs.dDeliveryTemp;
    if (pProfile) {
        pProfile->m_dSurfaceTemp[0] = T[0];
        pProfile->m_dMidDepthTemp[0] = TemperatureAtHalfLift(T, n1, inputs.dLiftThickness);
    }

    // Fixed values of the run.
    double a = (k[1] / dx[1]) * 2.6666666666666665;
    double w0 = 0.3333333333333333 / (dx[1] / (k[1] * 2.0) + dx[2] / (k[2] * 2.0));
    double S4 = (boundary.dSkyTemp * boundary.dSkyTemp) * (boundary.dSkyTemp * boundary.dSkyTemp);
    double hTa = boundary.dConvection * boundary.dAirTemp;
    double C1 = ((rho[1] * c[1]) * dx[1]) * 0.05;

    for (;;) {
        // Clocks and the sample count of the step.
        tm = tm + 0.3333333333333333;
        curve.m_nLastSample = curve.m_nLastSample + 1;
        ts = ts + 20.0;

        // Passes until the change settles.
        for (;;) {
            for (int i = 0; i <= N; i++) Tprev[i] = T[i];
            // Interior rows.
            for (int i = 1; i <= N - 1; i++) {
                W[i] = 1.0 / (dx[i - 1] / (k[i - 1] * 2.0) + dx[i] / (k[i] * 2.0));
                E[i] = 1.0 / (dx[i] / (k[i] * 2.0) + dx[i + 1] / (k[i + 1] * 2.0));
                double Ci = (rho[i] * c[i]) * dx[i];
                B[i] = (E[i] + W[i]) + 0.05 * Ci;
                D[i] = (Ci * Told[i]) * 0.05;
            }
            // Surface row and the first cell.
            B[0] = boundary.dConvection + a;
            E[0] = a;
            W[0] = w0;
            D[0] = (((T[0] + 273.0) * (T[0] + 273.0)) * ((T[0] + 273.0) * (T[0] + 273.0)) - S4) *
                       (-5.386499999999999e-08) +
                   boundary.dAbsorbedSolar + hTa;
            E[1] = E[1] * 1.3333333333333333;
            W[1] = a;
            B[1] = (E[1] + C1) + a;
            // Bottom row, insulated.
            E[N] = 0.0;
            W[N] = 1.0 / (dx[N - 1] / (k[N - 1] * 2.0) + dx[N] / (k[N] * 2.0));
            double CN = (rho[N] * c[N]) * dx[N];
            B[N] = 0.05 * CN + W[N];
            D[N] = (CN * Told[N]) * 0.05;
            // Thomas algorithm over all rows.
            P[0] = E[0] / B[0];
            Q[0] = D[0] / B[0];
            for (int i = 1; i <= N; i++) {
                double m = B[i] - W[i] * P[i - 1];
                P[i] = E[i] / m;
                Q[i] = (Q[i - 1] * W[i] + D[i]) / m;
            }
            T[N] = Q[N];
            for (int j = N - 1; j >= 0; j--) T[j] = T[j + 1] * P[j] + Q[j];
            // Surface correction.
            T[0] = (((T[1] - T[2]) * W[0] + T[1] * E[0]) + D[0]) / B[0];
            // Change of the pass; the 100th pass ends the run.
            passes = passes + 1;
            double den = T[1] - inputs.dAirTemp;
            if (den == 0.0) den = 1.0;
            double change = 0.0;
            for (int i = 0; i <= N; i++) change = change + (T[i] - Tprev[i]) / den;
            if (passes == 100) {
                curve.m_dCurveTime[curve.m_nLastSample] = tm;
                curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
                if (pProfile) {
                    const int i = curve.m_nLastSample;
                    pProfile->m_dSurfaceTemp[i] = pProfile->m_dSurfaceTemp[i - 1];
                    pProfile->m_dMidDepthTemp[i] = pProfile->m_dMidDepthTemp[i - 1];
                }
                return -2;
            }
            if (!(std::fabs(change) <= 0.00001)) continue;
            break;
        }

        // Settled.
        passes = 0;
        for (int i = 0; i <= N; i++) Told[i] = T[i];
        if (pProfile) {
            pProfile->m_dSurfaceTemp[curve.m_nLastSample] = T[0];
            pProfile->m_dMidDepthTemp[curve.m_nLastSample] =
                TemperatureAtHalfLift(T, n1, inputs.dLiftThickness);
        }

        // Mat mean at whole minutes and after the first step.
        if (std::fmod(ts, 60.0) == 0.0 || ts == 20.0) {
            Tavg = 0.0;
            for (int j = 1; j <= n1; j++) Tavg = Tavg + T[j] / (double)n1;
        }
        // Stop minute.
        if (Tavg < 79.5 && stop == -1) stop = (int)tm;
        // Below 50 C: the run ends.
        if (Tavg < 50.0) {
            if (ts == 20.0) stop = -2;
            curve.m_dCurveTime[curve.m_nLastSample] = ts * 0.016666666666666666;
            curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
            return stop;
        }
        curve.m_dCurveTime[curve.m_nLastSample] = tm;
        curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
        if (!(ts < 7200.0)) return stop;
    }
}
