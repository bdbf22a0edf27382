// The body of the Checker export: reads and checks the project file, fills
// the job's sweep, unit and feature-distance fields and writes the plate file.
#pragma once

struct ComputeJob;

namespace quor::solver {

void CheckerStage(ComputeJob& job);

}  // namespace quor::solver
