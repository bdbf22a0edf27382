#include "solver/SegmentStage.h"

#include "solver/QuorError.h"

std::int32_t SegmentStage(ComputeJob& /*job*/) {
  // The segmentation is not built yet; fail rather than report an empty listing.
  throw QUOR_error::error::Internal;
}
