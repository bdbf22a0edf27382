// The body of the Segment export: cuts the plates of the plate file into
// patches and writes the segmentation listing.
#pragma once

#include <cstdint>

struct ComputeJob;

// Returns the number of patches written to the listing.
std::int32_t SegmentStage(ComputeJob& job);
