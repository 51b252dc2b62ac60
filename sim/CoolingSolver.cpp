#include "CoolingSolver.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "CoolingGrid.h"

// Implementation notes.
//
// The arithmetic is the cooling model's, operation for operation; only *when* each quantity is formed
// differs from the literal text, which recomputes every coefficient in every pass:
//   - W, E and B of every row, and the Thomas pivots m (here M[i]) and P[i], depend only on the grid
//     and the materials, so they are formed once per run with the very expressions of steps 9 to 12;
//   - D[1..N] depends only on Told, so it is formed once per step;
//   - D[0] (the radiation term at the latest surface iterate) and the Q sweep, the back substitution,
//     the surface correction and the change are formed in every pass;
//   - within a step, a pass recomputes Q and T only down to the first row whose Q comes out bit for
//     bit as in the previous pass (below it nothing can differ), and leaves out of the change the
//     terms of the rows below, which are exact zeros (see the comments in the pass loop);
//   - the back-substituted T[0], which step 13 overwrites unread, is not formed.
// Each value is produced by the same operations in the same order as in the literal model (division
// by m is kept; no reciprocal is precomputed), so every double is identical. tests/sim keeps a
// literal port and checks this with exact comparisons over a table of inputs and a sweep of the
// form's ranges. Working storage: 15 arrays of 75 doubles on the stack (the model's 13, the
// pivots M and the capacities Cap); nothing is allocated.
//
// Choices left open by the model:
//   - n1: see MatCellCount (CoolingGrid.h); a thickness that is not a number gives 6.
//   - Convergence test: when T[1] - dAirTemp is exactly 0.0, the terms are divided by 1.0 instead
//     (the change becomes an absolute change in kelvin against the same 0.00001 limit), so no
//     infinity or NaN arises from that division. A change that is NaN for any other reason (only
//     possible for non-finite inputs) never counts as converged: the step runs to 100 passes.
//   - Non-convergence (100 passes, stop code -2): the counted sample m_nLastSample is written with
//     the running minute counter tm and the last mat mean Tavg, so the curve never holds values
//     from an earlier calculation.

namespace {
constexpr int kMaxNodes = 75;
constexpr double kSigmaEps = 5.386499999999999e-08;
constexpr double kThird = 0.3333333333333333;
constexpr double kInvStep = 0.05;
constexpr double kChangeLimit = 0.00001;
constexpr int kMaxPasses = 100;

// Bit-for-bit equality (tells -0.0 from 0.0; a NaN equals a NaN of the same bits).
inline bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}
}  // namespace

int MatCellCount(double dLiftThickness) {
    const double n = std::trunc(dLiftThickness * 100.0);
    if (!(n >= 6.0)) return 6;
    if (n > 50.0) return 50;
    return static_cast<int>(n);
}

int RunCoolingSimulation(const NormalizedInputs& inputs, const SurfaceBoundary& boundary,
                         CoolingCurve& curve) {
    double T[kMaxNodes], Told[kMaxNodes], Tprev[kMaxNodes];
    double dx[kMaxNodes], k[kMaxNodes], rho[kMaxNodes], c[kMaxNodes];
    double W[kMaxNodes], E[kMaxNodes], B[kMaxNodes], D[kMaxNodes], P[kMaxNodes], Q[kMaxNodes];
    double M[kMaxNodes];    // Thomas pivots m of rows 1..N
    double Cap[kMaxNodes];  // (rho * c) * dx of rows 1..N

    // 1. Grid.
    const int n1 = MatCellCount(inputs.dLiftThickness);
    const int N = n1 + 20;

    const double layerThickness[4] = {inputs.dLiftThickness, 0.06, 0.1, 0.2};
    const int layerCells[4] = {n1, 6, 6, 8};
    const LayerProperties* layerProps[4] = {&inputs.mix, &inputs.existing, &inputs.existing,
                                            &inputs.existing};
    const double layerStart[4] = {inputs.dDeliveryTemp, inputs.dSurfaceTemp, inputs.dSurfaceTemp,
                                  inputs.dSurfaceTemp};

    // 2. Fill the nodes layer by layer.
    int layer = 0;
    int cellsSoFar = layerCells[0];
    for (int i = 0; i <= N; ++i) {
        if (i > cellsSoFar && layer < 3) {
            ++layer;
            cellsSoFar += layerCells[layer];
        }
        dx[i] = layerThickness[layer] / layerCells[layer];
        T[i] = layerStart[layer];
        k[i] = layerProps[layer]->dConductivity;
        rho[i] = layerProps[layer]->dDensity;
        c[i] = layerProps[layer]->dSpecificHeat;
    }

    // 3.
    dx[0] = 0.0;
    c[0] = 0.0;
    std::memcpy(Told, T, sizeof(double) * (N + 1));

    // 4. Sample 0.
    curve.m_nLastSample = 0;
    curve.m_dCurveTime[0] = 0.0;
    curve.m_dCurveTemp[0] = inputs.dDeliveryTemp;

    // 5. Fixed values of the run.
    const double a = (k[1] / dx[1]) * 2.6666666666666665;
    const double w0 = kThird / (dx[1] / (k[1] * 2.0) + dx[2] / (k[2] * 2.0));
    const double S4 = (boundary.dSkyTemp * boundary.dSkyTemp) * (boundary.dSkyTemp * boundary.dSkyTemp);
    const double hTa = boundary.dConvection * boundary.dAirTemp;
    const double C1 = ((rho[1] * c[1]) * dx[1]) * kInvStep;
    const double dAbsorbed = boundary.dAbsorbedSolar;
    const double dAirNorm = inputs.dAirTemp;

    // Rows, once per run: step 9 for rows 1..N-1, step 10 for rows 0 and 1, step 11 for row N.
    for (int i = 1; i <= N - 1; ++i) {
        W[i] = 1.0 / (dx[i - 1] / (k[i - 1] * 2.0) + dx[i] / (k[i] * 2.0));
        E[i] = 1.0 / (dx[i] / (k[i] * 2.0) + dx[i + 1] / (k[i + 1] * 2.0));
        const double Ci = (rho[i] * c[i]) * dx[i];
        Cap[i] = Ci;
        B[i] = (E[i] + W[i]) + kInvStep * Ci;
    }
    B[0] = boundary.dConvection + a;
    E[0] = a;
    W[0] = w0;
    E[1] = E[1] * 1.3333333333333333;
    W[1] = a;
    B[1] = (E[1] + C1) + a;
    E[N] = 0.0;
    W[N] = 1.0 / (dx[N - 1] / (k[N - 1] * 2.0) + dx[N] / (k[N] * 2.0));
    Cap[N] = (rho[N] * c[N]) * dx[N];
    B[N] = kInvStep * Cap[N] + W[N];

    // Thomas pivots, once per run (step 12 without the right-hand side).
    P[0] = E[0] / B[0];
    for (int i = 1; i <= N; ++i) {
        M[i] = B[i] - W[i] * P[i - 1];
        P[i] = E[i] / M[i];
    }
    const double B0 = B[0];
    const double E0 = E[0];

    double ts = 0.0;
    double tm = 0.0;
    double Tavg = 0.0;
    int nStop = kStopNeverReached;
    const double dCells = static_cast<double>(n1);

    for (;;) {
        // 6.
        tm = tm + kThird;
        curve.m_nLastSample = curve.m_nLastSample + 1;
        ts = ts + 20.0;

        // Right-hand sides of rows 1..N, once per step (they read Told only).
        for (int i = 1; i <= N; ++i) D[i] = (Cap[i] * Told[i]) * kInvStep;

        // 7. Passes. Within a step only D[0] changes from pass to pass, and it reaches the rows below
        // only through Q[0]. Once the forward sweep reproduces a Q[i] of the previous pass of this step
        // bit for bit, every later Q, and every T from that row down, is what the previous pass left,
        // so the sweep stops there and the back substitution starts above it.
        int passes = 0;
        bool reuse = false;  // Q and T hold the previous pass of this step, all of it finite
        for (;;) {
            // 8.
            std::memcpy(Tprev, T, sizeof(double) * (N + 1));

            // 10. Surface row right-hand side at the latest surface iterate.
            const double t0k = (T[0] + 273.0) * (T[0] + 273.0);
            const double d0 = ((t0k * t0k - S4) * -kSigmaEps + dAbsorbed) + hTa;
            D[0] = d0;

            // 12. Forward sweep of the right-hand side: Q[0..k-1] are new, Q[k..N] unchanged.
            double q = d0 / B0;
            int k = N + 1;
            if (!reuse) {
                Q[0] = q;
                for (int i = 1; i <= N; ++i) {
                    q = (q * W[i] + D[i]) / M[i];
                    Q[i] = q;
                }
            } else if (SameBits(q, Q[0])) {
                k = 0;
            } else {
                Q[0] = q;
                for (int i = 1; i <= N; ++i) {
                    q = (q * W[i] + D[i]) / M[i];
                    if (SameBits(q, Q[i])) {
                        k = i;
                        break;
                    }
                    Q[i] = q;
                }
            }

            // Back substitution of the rows above k (all rows when k = N + 1). Row 0 is left out: the
            // surface correction below overwrites T[0] before anything reads it.
            if (k > N) {
                double t = Q[N];
                T[N] = t;
                for (int j = N - 1; j >= 1; --j) {
                    t = t * P[j] + Q[j];
                    T[j] = t;
                }
            } else if (k > 1) {
                double t = T[k];
                for (int j = k - 1; j >= 1; --j) {
                    t = t * P[j] + Q[j];
                    T[j] = t;
                }
            }

            // 13. Surface correction.
            T[0] = (((T[1] - T[2]) * w0 + T[1] * E0) + d0) / B0;

            // 14. Change. Rows from max(k, 1) on kept their finite values: their terms are zeros,
            // which leave the sum unchanged, so they are not added.
            ++passes;
            double den = T[1] - dAirNorm;
            if (den == 0.0) den = 1.0;
            const int changed = k > N ? N + 1 : (k > 1 ? k : 1);
            double change = 0.0;
            for (int i = 0; i < changed; ++i) change = change + (T[i] - Tprev[i]) / den;
            if (passes == kMaxPasses) {
                curve.m_dCurveTime[curve.m_nLastSample] = tm;
                curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
                return kStopRapidOrFailed;
            }
            // A finite change means every T of this pass is finite (a non-finite T[i] would have made
            // its own term, and so the sum, non-finite): only then are skipped terms exact zeros.
            reuse = std::isfinite(change);
            if (!(std::fabs(change) <= kChangeLimit)) continue;
            break;
        }

        // 15.
        std::memcpy(Told, T, sizeof(double) * (N + 1));

        // 16. Mat mean at whole minutes and at the first step.
        if (std::fmod(ts, 60.0) == 0.0 || ts == 20.0) {
            Tavg = 0.0;
            for (int j = 1; j <= n1; ++j) Tavg = Tavg + T[j] / dCells;
        }

        // 17.
        if (Tavg < STOP_TEMPERATURE && nStop == kStopNeverReached) nStop = static_cast<int>(tm);

        // 18.
        if (Tavg < 50.0) {
            if (ts == 20.0) nStop = kStopRapidOrFailed;
            curve.m_dCurveTime[curve.m_nLastSample] = ts * 0.016666666666666666;
            curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
            return nStop;
        }

        // 19.
        curve.m_dCurveTime[curve.m_nLastSample] = tm;
        curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;

        // 20.
        if (!(ts < 7200.0)) return nStop;
    }
}
