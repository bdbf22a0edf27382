// The Maxwell matrix from the solved system: the free charge of every
// conductor patch for every right-hand side, summed per conductor.
#pragma once

#include <span>

#include "solver/tessmor/SquareMatrix.h"

namespace quor::solver {

class MomentSystem;

// `solution` is N × Nc, column-major: column j holds the charge densities
// with conductor j at one volt and every other conductor at zero. Entry
// (m, j) of the result is conductor m's charge in that case, in internal
// length units (times LengthUnitMetres gives farads).
SquareMatrix SumCharges(const MomentSystem& system, std::span<const float> solution);

}  // namespace quor::solver
