// Times the whole Checker stage (read, checks, plates, plate file) per
// project: each sample project of the examples folder, and a structure of ten
// layers and ten vias that fills every table.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "solver/CheckerStage.h"
#include "solver/StageFrame.h"
#include "solver/checker/QlxTestProject.h"
#include "support/TempDir.h"
#include "tessmor/ComputeJob.h"

using quor::solver::CheckerStage;
using quor::solver::RunStage;
using quor::solver::StageKind;

namespace {

void RunChecker(benchmark::State& state, const std::string& basePath) {
  ComputeJob job;
  job.BasePath = basePath.c_str();
  for (auto _ : state) {
    job.RunFlag = 1;
    RunStage(&job, StageKind::Checker, CheckerStage);
    if (job.Error != 0) {
      state.SkipWithError(("Checker failed with code " + std::to_string(job.Error)).c_str());
      return;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const quor::test::TempDir scratch("quor-checker-bench-");
  const std::filesystem::path& folder = scratch.Path();
  const std::filesystem::path examples = std::filesystem::path(QUOR_SOURCE_DIR) / "examples";
  std::vector<std::string> bases;
  if (std::filesystem::is_directory(examples)) {
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
      if (entry.path().extension() != ".qlx") continue;
      std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
      bases.push_back((folder / entry.path().stem()).string());
    }
  }
  WriteQlx(folder / "full_tables.qlx", FullTablesProject());
  bases.push_back((folder / "full_tables").string());
  for (const std::string& base : bases) {
    benchmark::RegisterBenchmark(("Checker/" + std::filesystem::path(base).filename().string()).c_str(),
                                 RunChecker, base)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
