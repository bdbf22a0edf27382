#include "batchrun/BatchRun.h"

#include <cstddef>
#include <exception>
#include <stdexcept>
#include <string>

#include "batchrun/KernelLogFile.h"
#include "batchrun/ListingPath.h"
#include "editor/document/errors/ComputeErrorTable.h"
#include "platform/library/SharedLibrary.h"
#include "tessmor/Tessmor.h"

namespace quor {
namespace {

// A listing needs a name before ".lst": shorter arguments are refused before
// any file test.
constexpr std::size_t kMinimumArgumentLength = 5;

void CheckArgument(const std::string& commandLine) {
  if (commandLine.size() < kMinimumArgumentLength) throw std::runtime_error("Invalid parameter");
  if (!FileExists(commandLine)) throw std::runtime_error("Could not find lst file");
  if (!HasLstExtension(commandLine)) throw std::runtime_error("Bad lst file");
}

// One frequency point at 1 GHz, with tolerances scaled by the shortest patch
// edge since no feature distance is known without the project file.
void FillBatchJob(ComputeJob& job, const std::string& basePath) {
  job.BasePath = basePath.c_str();
  job.FrequencyStart = 1.0;
  job.FrequencyStop = 1.0;
  job.FrequencySteps = 0;
  job.FrequencyUnit = 1000000000;
  job.Resolution = 1.0;
  job.MinFeatureDistance = -1.0;
  job.LengthUnitMetres = 0.00001;
  job.RunFlag = 1;
}

}  // namespace

void RunTessmor(ComputeJob& job, const std::filesystem::path& programDirectory) {
  {
    const SharedLibrary library(programDirectory / kTessmorLibraryName);
    if (!library.Loaded()) throw std::runtime_error(std::string("Could not load ") + kTessmorLibraryName);
    const auto tessmor = reinterpret_cast<StageExport>(library.Symbol("Tessmor"));
    if (tessmor == nullptr) {
      throw std::runtime_error(std::string("Could not find function \"Tessmor\" in ") + kTessmorLibraryName);
    }
    tessmor(&job);
  }
  if (job.Error == kOutputFileNotWritten) {
    throw std::runtime_error(OutputFileErrorText(job.BasePath, job.ErrorFileExtension));
  }
  if (job.Error == kConductorWithoutPatch) {
    throw std::runtime_error(ConductorErrorText(job.ErrorConductorIndex));
  }
  if (job.Error != 0) throw std::runtime_error(GetComputeErrorText(job.Error));
}

void RunBatch(const std::string& commandLine, const std::filesystem::path& programDirectory) {
  const KernelLogFile log = KernelLogFile::ForProgram(programDirectory);
  try {
    CheckArgument(commandLine);
    const std::string basePath = BasePathOf(commandLine);
    log.DeleteLog();
    ComputeJob job;
    FillBatchJob(job, basePath);
    RunTessmor(job, programDirectory);
    log.WriteLog("Done");
  } catch (const std::exception& failure) {
    log.WriteLog(failure.what());
  }
}

}  // namespace quor
