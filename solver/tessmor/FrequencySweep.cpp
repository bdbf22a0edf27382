#include "solver/tessmor/FrequencySweep.h"

namespace quor::solver {

std::vector<double> FrequencyPoints(double start, double stop, std::int32_t steps) {
  if (steps == 0 || start == stop) return {start};
  std::vector<double> points;
  for (std::int32_t i = 0; i <= steps; ++i) {
    points.push_back(start + (stop - start) * static_cast<double>(i) / static_cast<double>(steps));
  }
  return points;
}

}  // namespace quor::solver
