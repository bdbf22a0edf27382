#include "fuzz/StageRun.h"

#include "fuzz/FuzzSupport.h"

namespace quor::fuzz {

StageJob::StageJob() : m_basePath((ScratchDirectory() / "stage").string()) {
  job.BasePath = m_basePath.c_str();
  job.FrequencyStart = 1.0;
  job.FrequencyStop = 10.0;
  job.FrequencySteps = 2;
  job.FrequencyUnit = 1000000;
  job.Refine = 1.0;
  job.Resolution = 1.0;
  job.MinFeatureDistance = 100.0;
  job.LengthUnitMetres = 1e-5;
  job.RunFlag = 1;
}

void RequireNoInternalError(const ComputeJob& job) {
  if (job.Error == static_cast<std::int32_t>(ComputeError::Internal)) {
    Broken("the stage ended with code 100: an exception escaped its checks");
  }
}

}  // namespace quor::fuzz
