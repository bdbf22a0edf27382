// Runs one stage of the computation library on files in the scratch folder,
// as the library's exports do, and treats an escaped exception (code 100) as
// a fault of the reader.
#pragma once

#include <cstdint>
#include <string>

#include "solver/StageFrame.h"
#include "tessmor/ComputeJob.h"

namespace quor::fuzz {

// A job on the base path "stage" in the scratch folder, with the parameters of
// a sample project: resolution and refinement 1, features of 100 units
// (1 mm), 0.01 mm units, 1 to 10 MHz in two steps.
struct StageJob {
  StageJob();
  ComputeJob job;

 private:
  std::string m_basePath;
};

void RequireNoInternalError(const ComputeJob& job);

template <class Body>
void RunStageChecked(StageJob& stage, solver::StageKind kind, Body body) {
  solver::RunStage(&stage.job, kind, body);
  RequireNoInternalError(stage.job);
}

}  // namespace quor::fuzz
