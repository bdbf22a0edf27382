#include "solver/StageFrame.h"

#include <algorithm>
#include <atomic>

namespace quor::solver {

void FinishStage(ComputeJob& job, StageKind kind, std::int32_t error, std::int32_t numberOfUnknowns) {
  job.Error = error;
  if (kind == StageKind::Checker) return;
  if (kind == StageKind::Segment) job.NumberOfUnknowns = numberOfUnknowns;
  job.DoneFlag.store(1, std::memory_order_release);
}

void NameFailedOutputFile(ComputeJob& job, const std::string& extension) {
  const std::size_t length = std::min(extension.size(), sizeof job.ErrorFileExtension - 1);
  std::copy_n(extension.begin(), length, job.ErrorFileExtension);
  job.ErrorFileExtension[length] = '\0';
}

}  // namespace quor::solver
