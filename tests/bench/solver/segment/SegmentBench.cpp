// Times the whole Segment stage (plate file in, listing out) on structures
// meshed into about 6000 patches, the most a solve takes: the coupled-lines
// sample project at a fine resolution, a board of three lines, two pads and
// two vias whose small via walls make for a fine grid on large plates, and a
// square plate on a grid of about 220 x 220 cells merged with refinement 1.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "solver/CheckerStage.h"
#include "solver/SegmentStage.h"
#include "solver/StageFrame.h"
#include "solver/checker/QlxTestProject.h"
#include "support/TempDir.h"
#include "tessmor/ComputeJob.h"

using quor::solver::CheckerStage;
using quor::solver::RunStage;
using quor::solver::SegmentStage;
using quor::solver::StageKind;

namespace {

struct Structure {
  std::string name;
  std::filesystem::path base;
  double resolution;
};

void RunSegment(benchmark::State& state, const std::string& basePath, double resolution) {
  ComputeJob job;
  job.BasePath = basePath.c_str();
  job.RunFlag = 1;
  RunStage(&job, StageKind::Checker, CheckerStage);
  if (job.Error != 0) {
    state.SkipWithError(("Checker failed with code " + std::to_string(job.Error)).c_str());
    return;
  }
  job.Resolution = resolution;
  for (auto _ : state) {
    RunStage(&job, StageKind::Segment, SegmentStage);
    if (job.Error != 0) {
      state.SkipWithError(("Segment failed with code " + std::to_string(job.Error)).c_str());
      return;
    }
  }
  state.counters["patches"] = job.NumberOfUnknowns;
}

}  // namespace

int main(int argc, char** argv) {
  const quor::test::TempDir scratch("quor-segment-bench-");
  const std::filesystem::path& folder = scratch.Path();
  const std::filesystem::path sample =
      std::filesystem::path(QUOR_SOURCE_DIR) / "examples" / "coupled_lines.qlx";
  std::filesystem::copy_file(sample, folder / "coupled_lines.qlx");
  WriteQlx(folder / "board.qlx", BoardProject());
  WriteQlx(folder / "plate.qlx", SquarePlateProject(1000.0, 1.0));
  const Structure structures[] = {{"coupled_lines", folder / "coupled_lines", 6.2},
                                  {"board", folder / "board", 1.04},
                                  {"plate", folder / "plate", 220.0}};
  for (const Structure& s : structures) {
    benchmark::RegisterBenchmark(("Segment/" + s.name).c_str(), RunSegment, s.base.string(), s.resolution)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
