#include "solver/tessmor/SquareMatrix.h"

#include <algorithm>
#include <cmath>

namespace quor::solver {

bool SquareMatrix::AllFinite() const {
  return std::ranges::all_of(m_values, [](double value) { return std::isfinite(value); });
}

}  // namespace quor::solver
