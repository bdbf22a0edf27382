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

// 20 x 16 mm: a ground plane, three lines on FR-4, two pads above them, each
// joined to its line by a via.
TestProject Board() {
  TestProject board;
  board.length = 2000.0;
  board.width = 1600.0;
  board.viaSegments = 8;
  board.refine = 1.0;
  board.layers.push_back({1.0, 0.0, "Ground", {Rectangle(1, 0, 0, 0, 2000, 1600, 0)}});
  board.layers.push_back(
      {4.4,
       160.0,
       "Lines",
       {Rectangle(2, 1, 200, 300, 1800, 400, 160), Rectangle(3, 2, 200, 600, 1800, 700, 160),
        Rectangle(4, 3, 200, 900, 1800, 1000, 160)}});
  board.layers.push_back(
      {4.4,
       320.0,
       "Pads",
       {Rectangle(5, 1, 900, 250, 1100, 450, 320), Rectangle(6, 3, 900, 850, 1100, 1050, 320)}});
  board.vias.push_back({1, 20.0, 1000.0, 350.0, 320.0, 160.0, 1});
  board.vias.push_back({2, 20.0, 1000.0, 950.0, 320.0, 160.0, 1});
  return board;
}

}  // namespace

int main(int argc, char** argv) {
  const quor::test::TempDir scratch("quor-segment-bench-");
  const std::filesystem::path& folder = scratch.Path();
  const std::filesystem::path sample =
      std::filesystem::path(QUOR_SOURCE_DIR) / "examples" / "coupled_lines.qlx";
  std::filesystem::copy_file(sample, folder / "coupled_lines.qlx");
  WriteQlx(folder / "board.qlx", Board());
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
