#include "solver/tessmor/CapacitanceMatrix.h"

#include <algorithm>

namespace quor::solver {

namespace {

// The capacitance matrix of the conductors first..Nc-1 of B.
SquareMatrix CapacitanceFrom(const SquareMatrix& maxwell, std::int32_t first) {
  SquareMatrix c(std::max(0, maxwell.Size() - first));
  for (std::int32_t i = 0; i < c.Size(); ++i) {
    for (std::int32_t j = 0; j < c.Size(); ++j) {
      const double entry = maxwell(i + first, j + first);
      c(i, i) += entry;
      if (i != j) c(i, j) = -entry;
    }
  }
  return c;
}

}  // namespace

SquareMatrix CapacitanceMatrix(const SquareMatrix& maxwell) {
  return CapacitanceFrom(maxwell, 0);
}

SquareMatrix ReducedCapacitanceMatrix(const SquareMatrix& maxwell) {
  return CapacitanceFrom(maxwell, 1);
}

}  // namespace quor::solver
