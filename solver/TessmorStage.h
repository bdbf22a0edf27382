// The body of the Tessmor export: fills and solves the moment-method system
// of the listing's patches (BasePath + ".lst") and writes the result files
// beside it: BasePath + ".dat", the Touchstone Y-parameter file and
// BasePath + ".ckt".
#pragma once

struct ComputeJob;

namespace quor::solver {

// A run that fails, or that the job's run flag stops at any point
// (ComputeError::SolveFailed), leaves none of the three result files behind,
// not even from an earlier run. When the files cannot all be put in place
// (ComputeError::OutputFileNotWritten), the earlier run's files stay as they
// were: a set is never a mix of two runs.
void TessmorStage(ComputeJob& job);

}  // namespace quor::solver
