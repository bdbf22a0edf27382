#include "solver/checker/CheckFailure.h"

#include "solver/QuorError.h"
#include "tessmor/ComputeJob.h"

namespace quor::solver {

namespace {

void Store(std::int32_t& field, const std::optional<std::int32_t>& value) {
  if (value) field = *value;
}

}  // namespace

void FailCheck(ComputeJob& job, ComputeError code, const CheckDetails& details) {
  Store(job.ErrorPolygonId, details.polygonId);
  Store(job.ErrorPolygonId2, details.polygonId2);
  Store(job.ErrorViaId, details.viaId);
  Store(job.ErrorViaId2, details.viaId2);
  Store(job.ErrorLayerIndex, details.layerIndex);
  Store(job.ErrorLayerIndex2, details.layerIndex2);
  throw QUOR_error::error{code};
}

}  // namespace quor::solver
