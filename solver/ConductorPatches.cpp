#include "solver/ConductorPatches.h"

#include <algorithm>

#include "solver/QuorError.h"
#include "tessmor/ComputeJob.h"

namespace quor::solver {

void RequireConductorPatches(ComputeJob& job, std::span<const std::int32_t> patchCounts) {
  const auto empty = std::find(patchCounts.begin(), patchCounts.end(), 0);
  if (empty == patchCounts.end()) return;
  job.ErrorConductorIndex = static_cast<std::int32_t>(empty - patchCounts.begin());
  throw QUOR_error::error::ConductorWithoutPatch;
}

}  // namespace quor::solver
