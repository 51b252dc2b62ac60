#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "LayerProperties.h"
#include "SurfaceBoundary.h"

// The cooling model's column: a surface node of zero width (node 0) over the cells of the layers below
// it, top down, stepped by backward Euler in 20 s steps. Each step's equations form a tridiagonal system,
// solved by the Thomas algorithm; the long-wave radiation of the surface is taken at the latest surface
// iterate, so a step repeats the solve (fixed-point passes) until the temperatures settle.
//
// The column is a template on its node capacity so that one set of coefficient and step code serves a
// single lift (RunCoolingSimulation, capacity 75: at most 50 mat cells and 20 existing cells) and a
// column of several lifts (up to 4 x 50 + 20 cells and the surface node: 221). All storage is inside
// the object; nothing is allocated. A solver that places a new lift on top of a cooling one sets the
// grid up again with the new layer first, copies the temperatures it keeps into T and Told below the
// new cells, and forms the coefficients again before the next step.
//
// Every double is produced by the same operations in the same order whatever the capacity, so a column
// gives the same doubles as the model recomputing every coefficient in every pass (tests/sim holds such
// a solver and compares the two bit for bit).

// The model's fixed numbers, as the doubles it uses.
struct CoolingModel {
    static constexpr double kStepSeconds = 20.0;
    static constexpr double kInvStep = 0.05;              // 1 / (20 s): every heat capacity term is per step
    static constexpr double kThird = 0.3333333333333333;  // nearest double to 1/3
    // The surface closure: a parabola through the surface node and the centres of cells 1 and 2 gives
    // the flux through the top face as (k/dx) (8/3 (T1 - T0) + 1/3 (T1 - T2)).
    static constexpr double kEightThirds = 2.6666666666666665;  // nearest double to 8/3
    static constexpr double kFourThirds = 1.3333333333333333;   // nearest double to 4/3
    // Emissivity of the mat surface (0.95) times the Stefan-Boltzmann constant (5.67e-8 W/(m2 K4)), held
    // as the double that product gives.
    static constexpr double kEmissivitySigma = 5.386499999999999e-08;
    static constexpr double kKelvin = 273.0;         // C -> K as the model counts it (not 273.15)
    static constexpr double kChangeLimit = 0.00001;  // a step has settled at or below this change
    static constexpr int kMaxPasses = 100;           // the 100th pass ends the step unsettled
};
static_assert(0.95 * 5.67e-8 == CoolingModel::kEmissivitySigma);

// One layer of a column, top down: thickness, cells, material and temperature at laydown.
struct ColumnLayer {
    double dThickness;  // m
    int nCells;         // 1 or more; the cells of a layer are of equal width
    LayerProperties properties;
    double dStartTemp;  // C
};

// The surface balance of a run as the surface row reads it: net flux into the mat at surface temperature
// T0 is dAbsorbedSolar + dConvection (Tair - T0) - eps sigma ((T0 + 273)^4 - Tsky^4). The convection is
// implicit (in B[0]); the radiation is taken at the latest surface iterate.
struct SurfaceDrive {
    double dSkyTemp4;       // K^4, the sky temperature squared twice
    double dConvectedAir;   // W/m2: dConvection * dAirTemp
    double dAbsorbedSolar;  // W/m2
    double dConvection;     // W/(m2 K)
    // W/(m2 K4). Every run uses the model's value; 0.0 (with the three terms above 0.0) insulates the top,
    // which only the heat-balance checks of the multi-lift column do.
    double dEmissivitySigma = CoolingModel::kEmissivitySigma;
};

// The drive of a boundary, formed once per run (the fourth power as the square of the square).
inline SurfaceDrive SurfaceDriveOf(const SurfaceBoundary& boundary) {
    return {(boundary.dSkyTemp * boundary.dSkyTemp) * (boundary.dSkyTemp * boundary.dSkyTemp),
            boundary.dConvection * boundary.dAirTemp, boundary.dAbsorbedSolar, boundary.dConvection};
}

template <int kCapacity>
struct CoolingColumn {
    static_assert(kCapacity >= 3, "a column needs the surface node and two cells");
    static constexpr int kNodeCapacity = kCapacity;

    int N = 0;  // the deepest node; nodes 0 to N are in use

    // The grid, node by node; node 0 has no width and no heat capacity.
    double dx[kCapacity];   // m
    double k[kCapacity];    // W/(m K)
    double rho[kCapacity];  // kg/m3
    double c[kCapacity];    // J/(kg K)

    // Rows of the system -W[i] T[i-1] + B[i] T[i] - E[i] T[i+1] = D[i], formed once per grid.
    double W[kCapacity];    // W/(m2 K): conductance to the node above (row 0: the closure's 1/3 weight)
    double E[kCapacity];    // W/(m2 K): conductance to the node below
    double B[kCapacity];    // W/(m2 K): the diagonal
    double Cap[kCapacity];  // J/(m2 K): (rho c) dx of rows 1 to N
    double M[kCapacity];    // Thomas pivots m of rows 1 to N
    double P[kCapacity];    // forward-sweep factors E[i] / m
    double w0 = 0.0;        // one third of the conductance between nodes 1 and 2 (W[0])

    // Temperatures in C: the current iterate, the end of the previous step, the start of the pass.
    double T[kCapacity];
    double Told[kCapacity];
    double Tprev[kCapacity];
    double D[kCapacity];  // W/m2, right-hand sides
    double Q[kCapacity];  // forward-sweep values of the right-hand side

    // Fills nodes 0 to N layer by layer (node 0 belongs to the first layer; a layer's cells follow
    // once the node number passes the cells of the layers above) with the layer's cell width, material
    // and starting temperature, and makes Told equal to T. Needs a cell in every layer, at least two in
    // all and room for them: false, with nothing usable, otherwise.
    [[nodiscard]] bool SetUp(const ColumnLayer* pLayers, int nLayers);

    // The conduction rows and their Thomas pivots, which depend only on the grid, the materials and the
    // convection coefficient (W/(m2 K)): formed once per grid, not in every pass.
    void FormCoefficients(double dConvection);

    // One 20 s step from Told: passes until the change is at most 0.00001, then Told = T. false when
    // the 100th pass is reached unsettled (T then holds that pass). dAirTemp (C) scales the change.
    [[nodiscard]] bool AdvanceStep(const SurfaceDrive& drive, double dAirTemp);

    // Mean of T over nCount nodes from nFirst on (C): the running sum of T[j] / nCount from 0.0.
    double MeanTemperature(int nFirst, int nCount) const;

private:
    // One pass; see AdvanceStep. bReuse: Q and T hold the previous pass of this step, all of it finite.
    double Pass(const SurfaceDrive& drive, double dAirTemp, bool bReuse);

    // Bit-for-bit equality (tells -0.0 from 0.0; a NaN equals a NaN of the same bits).
    static bool SameBits(double a, double b) {
        return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
    }
};

template <int kCapacity>
bool CoolingColumn<kCapacity>::SetUp(const ColumnLayer* pLayers, int nLayers) {
    int nCells = 0;
    for (int i = 0; i < nLayers; ++i) {
        if (pLayers[i].nCells < 1) return false;
        nCells += pLayers[i].nCells;
    }
    if (nLayers < 1 || nCells < 2 || nCells > kCapacity - 1) return false;
    N = nCells;

    int layer = 0;
    int cellsSoFar = pLayers[0].nCells;
    for (int i = 0; i <= N; ++i) {
        if (i > cellsSoFar && layer < nLayers - 1) {
            ++layer;
            cellsSoFar += pLayers[layer].nCells;
        }
        const ColumnLayer& L = pLayers[layer];
        dx[i] = L.dThickness / L.nCells;
        T[i] = L.dStartTemp;
        k[i] = L.properties.dConductivity;
        rho[i] = L.properties.dDensity;
        c[i] = L.properties.dSpecificHeat;
    }
    dx[0] = 0.0;
    c[0] = 0.0;
    std::memcpy(Told, T, sizeof(double) * (N + 1));
    return true;
}

template <int kCapacity>
void CoolingColumn<kCapacity>::FormCoefficients(double dConvection) {
    using Model = CoolingModel;
    // Interior rows: the two half-cell resistances in series on each side (no contact resistance where
    // two materials meet), and the cell's heat capacity per step on the diagonal.
    for (int i = 1; i <= N - 1; ++i) {
        W[i] = 1.0 / (dx[i - 1] / (k[i - 1] * 2.0) + dx[i] / (k[i] * 2.0));
        E[i] = 1.0 / (dx[i] / (k[i] * 2.0) + dx[i + 1] / (k[i + 1] * 2.0));
        const double Ci = (rho[i] * c[i]) * dx[i];
        Cap[i] = Ci;
        B[i] = (E[i] + W[i]) + Model::kInvStep * Ci;
    }

    // The surface closure. Row 0: convection (implicit) and 8/3 k/dx towards cell 1; the 1/3 term couples
    // node 2, has no place in a tridiagonal row and is applied after the sweep (w0). Row 1 takes the same
    // 8/3 towards the surface and 4/3 of its conductance towards cell 2.
    const double a = (k[1] / dx[1]) * Model::kEightThirds;
    w0 = Model::kThird / (dx[1] / (k[1] * 2.0) + dx[2] / (k[2] * 2.0));
    const double C1 = ((rho[1] * c[1]) * dx[1]) * Model::kInvStep;
    B[0] = dConvection + a;
    E[0] = a;
    W[0] = w0;
    E[1] = E[1] * Model::kFourThirds;
    W[1] = a;
    B[1] = (E[1] + C1) + a;

    // The bottom row: insulated, nothing leaves below.
    E[N] = 0.0;
    W[N] = 1.0 / (dx[N - 1] / (k[N - 1] * 2.0) + dx[N] / (k[N] * 2.0));
    Cap[N] = (rho[N] * c[N]) * dx[N];
    B[N] = Model::kInvStep * Cap[N] + W[N];

    // The Thomas pivots depend on the rows alone. Each pass divides by m (no reciprocal is kept), so
    // every value is the one the full algorithm forms.
    P[0] = E[0] / B[0];
    for (int i = 1; i <= N; ++i) {
        M[i] = B[i] - W[i] * P[i - 1];
        P[i] = E[i] / M[i];
    }
}

template <int kCapacity>
bool CoolingColumn<kCapacity>::AdvanceStep(const SurfaceDrive& drive, double dAirTemp) {
    using Model = CoolingModel;
    // Within a step the right-hand sides of rows 1 to N read Told only.
    for (int i = 1; i <= N; ++i) D[i] = (Cap[i] * Told[i]) * Model::kInvStep;

    bool bReuse = false;
    for (int nPasses = 1;; ++nPasses) {
        const double dChange = Pass(drive, dAirTemp, bReuse);
        // The 100th pass ends the step unsettled before its change is judged: a step settles within 99.
        if (nPasses == Model::kMaxPasses) return false;
        // A finite change means every T of this pass is finite (a non-finite T[i] would have made its
        // own term, and so the sum, non-finite): only then may the next pass reuse what this one left.
        bReuse = std::isfinite(dChange);
        if (std::fabs(dChange) <= Model::kChangeLimit) break;  // NaN never counts as settled
    }
    std::memcpy(Told, T, sizeof(double) * (N + 1));
    return true;
}

// A pass solves the step's system once with the radiation at the latest surface iterate. Within a step
// only D[0] changes from pass to pass, and it reaches the rows below only through Q[0]. Once the forward
// sweep reproduces a Q[i] of the previous pass bit for bit, every later Q, and every T from that row
// down, is what the previous pass left: the sweep stops there and the back substitution starts above it.
template <int kCapacity>
double CoolingColumn<kCapacity>::Pass(const SurfaceDrive& drive, double dAirTemp, bool bReuse) {
    using Model = CoolingModel;
    std::memcpy(Tprev, T, sizeof(double) * (N + 1));

    // The surface row's right-hand side: radiation at the latest surface iterate (the fourth power as
    // the square of the square), absorbed sun, and the air's share of the convection.
    const double t0k = (T[0] + Model::kKelvin) * (T[0] + Model::kKelvin);
    const double d0 = ((t0k * t0k - drive.dSkyTemp4) * -drive.dEmissivitySigma + drive.dAbsorbedSolar) +
                      drive.dConvectedAir;
    D[0] = d0;

    // Forward sweep of the right-hand side: Q[0..nKept-1] are new, Q[nKept..N] unchanged.
    double q = d0 / B[0];
    int nKept = N + 1;
    if (!bReuse) {
        Q[0] = q;
        for (int i = 1; i <= N; ++i) {
            q = (q * W[i] + D[i]) / M[i];
            Q[i] = q;
        }
    } else if (SameBits(q, Q[0])) {
        nKept = 0;
    } else {
        Q[0] = q;
        for (int i = 1; i <= N; ++i) {
            q = (q * W[i] + D[i]) / M[i];
            if (SameBits(q, Q[i])) {
                nKept = i;
                break;
            }
            Q[i] = q;
        }
    }

    // Back substitution of the rows above nKept (all rows when nKept = N + 1). Row 0 is left out: the surface
    // correction below replaces T[0] before anything reads it.
    if (nKept > N) {
        double t = Q[N];
        T[N] = t;
        for (int j = N - 1; j >= 1; --j) {
            t = t * P[j] + Q[j];
            T[j] = t;
        }
    } else if (nKept > 1) {
        double t = T[nKept];
        for (int j = nKept - 1; j >= 1; --j) {
            t = t * P[j] + Q[j];
            T[j] = t;
        }
    }

    // The surface temperature with the closure's one-third term, which the tridiagonal row leaves out.
    T[0] = (((T[1] - T[2]) * w0 + T[1] * E[0]) + d0) / B[0];

    // The change of the pass: the sum of every node's change, each divided by the mat-to-air difference
    // T[1] - Tair before it is added. When that difference is exactly 0.0 the terms are divided by 1.0
    // (an absolute change in kelvin), so no infinity or NaN decides whether the step has settled. Rows
    // from max(nKept, 1) on kept their finite values: their terms are exact zeros and are not added.
    double den = T[1] - dAirTemp;
    if (den == 0.0) den = 1.0;
    const int changed = nKept > N ? N + 1 : (nKept > 1 ? nKept : 1);
    double change = 0.0;
    for (int i = 0; i < changed; ++i) change = change + (T[i] - Tprev[i]) / den;
    return change;
}

template <int kCapacity>
double CoolingColumn<kCapacity>::MeanTemperature(int nFirst, int nCount) const {
    const double dCount = static_cast<double>(nCount);
    double dMean = 0.0;
    for (int j = nFirst; j < nFirst + nCount; ++j) dMean = dMean + T[j] / dCount;
    return dMean;
}
