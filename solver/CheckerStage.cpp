#include "solver/CheckerStage.h"

#include "solver/QuorError.h"

void CheckerStage(ComputeJob& /*job*/) {
  // The project check is not built yet; fail rather than pass an unchecked project.
  throw QUOR_error::error::Internal;
}
