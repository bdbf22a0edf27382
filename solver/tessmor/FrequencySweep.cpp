#include "solver/tessmor/FrequencySweep.h"

#include <algorithm>
#include <cassert>

namespace quor::solver {

FrequencySweep::FrequencySweep(double start, double stop, std::int32_t steps)
    : m_start(start),
      m_span(stop - start),
      m_steps(static_cast<double>(steps)),
      m_count(steps == 0 || start == stop ? 1 : std::max<std::int64_t>(0, std::int64_t{steps} + 1)) {}

double FrequencySweep::Point(std::int64_t i) const {
  assert(i >= 0 && i < m_count && "a point of the sweep");
  if (m_count == 1) return m_start;
  return m_start + m_span * static_cast<double>(i) / m_steps;
}

}  // namespace quor::solver
