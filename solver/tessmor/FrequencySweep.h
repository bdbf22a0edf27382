// The frequency points of the Y-parameter file, in the job's frequency unit.
// Each point is computed when it is asked for, so that no sweep, however many
// steps it has, is ever held in memory.
#pragma once

#include <cstdint>

namespace quor::solver {

class FrequencySweep {
 public:
  // One point at `start` when there are no steps or start and stop coincide;
  // otherwise steps + 1 points evenly from start to stop.
  FrequencySweep(double start, double stop, std::int32_t steps);

  // Up to 2^31: every step count has its point count.
  std::int64_t Count() const { return m_count; }
  // Point i of 0..Count() - 1; the last is `stop` itself.
  double Point(std::int64_t i) const;

 private:
  double m_start;
  double m_span;
  double m_steps;
  std::int64_t m_count;
};

}  // namespace quor::solver
