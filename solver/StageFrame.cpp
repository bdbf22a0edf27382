#include "solver/StageFrame.h"

#include <atomic>

void FinishStage(ComputeJob& job, StageKind kind, std::int32_t error, std::int32_t numberOfUnknowns) {
  job.Error = error;
  if (kind == StageKind::Checker) return;
  if (kind == StageKind::Segment) job.NumberOfUnknowns = numberOfUnknowns;
  job.DoneFlag.store(1, std::memory_order_release);
}
