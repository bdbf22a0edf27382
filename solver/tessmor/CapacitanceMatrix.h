// From the Maxwell matrix B (the charge on conductor i with conductor j at
// one volt and all others at zero) to the capacitance matrix of the circuit
// picture: C[i, i] = the sum of row i of B, C[i, j] = -B[i, j].
#pragma once

#include <cstdint>

#include "solver/tessmor/SquareMatrix.h"

namespace quor::solver {

// Over all conductors, conductor 0 included.
SquareMatrix CapacitanceMatrix(const SquareMatrix& maxwell);

// Over conductors 1..P alone, conductor 0 being the reference: entry (l, m)
// of the result belongs to conductors l + 1 and m + 1.
SquareMatrix ReducedCapacitanceMatrix(const SquareMatrix& maxwell);

}  // namespace quor::solver
