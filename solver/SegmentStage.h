// The body of the Segment export: cuts the plates of the plate file
// (BasePath + ".sg1") into patches and writes the segmentation listing
// (BasePath + ".lst").
#pragma once

#include <cstdint>

struct ComputeJob;

namespace quor::solver {

// Returns the number of patches written to the listing. A run that fails, or
// that the job's run flag stops, leaves no listing behind (not even an older
// one) and a stopped run returns 0.
std::int32_t SegmentStage(ComputeJob& job);

}  // namespace quor::solver
