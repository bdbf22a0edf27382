#include "solver/TessmorStage.h"

#include "solver/QuorError.h"

void TessmorStage(ComputeJob& /*job*/) {
  // The solve is not built yet; fail rather than report results never computed.
  throw QUOR_error::error::Internal;
}
