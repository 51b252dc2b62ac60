#pragma once

#include "CoolingSolver.h"

// Rows of the fixed working storage of one column: node indices 0..N with N = n1 + 20 <= 70.
constexpr int kColumnRows = 75;

// What stays fixed during one cooling run of one scenario: the conductances, Thomas pivots and cell
// capacities of every row, the starting temperatures and the surface terms. Every value is formed with
// the operations, in the order, that RunCoolingSimulation uses, so a solver built on it reproduces that
// solver's doubles.
struct ColumnSetup {
    int nMatCells;                   // n1, 6 to 50 (MatCellCount of the lift)
    int nBottom;                     // N = n1 + 20, the insulated bottom node
    double dW[kColumnRows];          // rows 1..N: conductance to the node above (row 1: 8/3 k/dx), W/(m2 K)
    double dPivot[kColumnRows];      // rows 1..N: Thomas pivot B - W * P of the row above, W/(m2 K)
    double dP[kColumnRows];          // rows 0..N: Thomas coefficient E / pivot
    double dCapacity[kColumnRows];   // rows 1..N: (rho * c) * dx, J/(m2 K)
    double dStartTemp[kColumnRows];  // rows 0..N: temperature at laydown, C
    double dSurfaceDiagonal;         // B of the surface row: convection + 8/3 k/dx, W/(m2 K)
    double dSurfaceToFirst;          // E of the surface row: 8/3 k/dx, W/(m2 K)
    double dSurfaceToSecond;         // w0: a third of the conductance between nodes 1 and 2, W/(m2 K)
    double dSkyTemp4;                // sky temperature to the fourth power, K^4
    double dConvectionAir;           // convection coefficient times air temperature, W/m2
    double dAbsorbedSolar;           // W/m2
    double dAirTemp;                 // C, the air temperature the change criterion subtracts
    double dDeliveryTemp;            // C, sample 0 of the curve
};

// The fixed values of the run RunCoolingSimulation(inputs, boundary, ...) makes; any inputs are
// accepted (non-finite ones give non-finite coefficients, as in that solver).
ColumnSetup PrepareColumn(const NormalizedInputs& inputs, const SurfaceBoundary& boundary);
