// The frequency points of the Y-parameter file, in the job's frequency unit.
#pragma once

#include <cstdint>
#include <vector>

namespace quor::solver {

// One point at `start` when there are no steps or start and stop coincide;
// otherwise steps + 1 points evenly from start to stop.
std::vector<double> FrequencyPoints(double start, double stop, std::int32_t steps);

}  // namespace quor::solver
