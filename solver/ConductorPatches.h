// Every conductor needs patches: one without takes no charge, and the run
// would give zeros as its capacitance.
#pragma once

#include <cstdint>
#include <span>

struct ComputeJob;

namespace quor::solver {

// `patchCounts` holds the number of patches of conductor 0, 1, ...; for the
// first conductor without any, names it in the job's ErrorConductorIndex and
// throws ComputeError::ConductorWithoutPatch.
void RequireConductorPatches(ComputeJob& job, std::span<const std::int32_t> patchCounts);

}  // namespace quor::solver
