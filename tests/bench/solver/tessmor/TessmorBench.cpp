// Times the Tessmor stage against the system LAPACK's sgesv on the same
// matrix: the matrix fill on all cores, the blocked LU factorisation, the rest
// of the stage (reading, solve, charge sums, files) and the whole stage.
// Listings: a square plate in air cut into a uniform grid (a refinement so
// small that no cells merge) at about 1000 and 5600 patches, where nearly
// every pair of patches is near enough for the kernel's closed form; the same
// plate with refinement 1 at about 6000 patches; and the coupled-lines sample
// project, whose dielectric interface rows use the field.
//
// Usage: tessmor_bench [repetitions]; prints the median of each phase.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "solver/CheckerStage.h"
#include "solver/SegmentStage.h"
#include "solver/StageFrame.h"
#include "solver/TessmorStage.h"
#include "solver/checker/QlxTestProject.h"
#include "solver/numeric/BlockedLU.h"
#include "solver/numeric/ErrorLogFile.h"
#include "solver/tessmor/MomentSystem.h"
#include "solver/tessmor/TessmorListing.h"
#include "support/TempDir.h"
#include "tessmor/ComputeJob.h"

extern "C" void sgesv_(const std::int32_t* n, const std::int32_t* nrhs, float* a, const std::int32_t* lda,
                       std::int32_t* ipiv, float* b, const std::int32_t* ldb, std::int32_t* info);

namespace fs = std::filesystem;

using quor::solver::CheckerStage;
using quor::solver::MomentSystem;
using quor::solver::ReadTessmorListing;
using quor::solver::RunStage;
using quor::solver::SegmentStage;
using quor::solver::StageKind;
using quor::solver::TessmorListing;
using quor::solver::TessmorStage;

namespace {

constexpr double kPlateSide = 1000.0;
constexpr double kUniformRefine = 0.001;

struct Case {
  std::string name;
  std::string basePath;
  double minFeatureDistance = -1.0;
  double resolution = 1.0;
};

// OpenBLAS's threads keep spinning for a while after a call; a phase timed
// right after one would share the cores with them, which the stage never
// does (its fill comes before any BLAS call).
void LetBlasThreadsSleep() {
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
}

double Seconds(const std::function<void()>& work) {
  LetBlasThreadsSleep();
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// CPU seconds of all the process's threads: the work a phase does, which a
// machine busy with other jobs stretches far less than the elapsed time.
double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
}

// The project checked as the editor does, then segmented at the resolution
// that gives between `low` and `high` patches.
Case SegmentedCase(const std::string& name, const fs::path& qlx, std::int32_t low, std::int32_t high) {
  Case run{.name = name, .basePath = (qlx.parent_path() / qlx.stem()).string()};
  ComputeJob job;
  job.BasePath = run.basePath.c_str();
  job.RunFlag = 1;
  RunStage(&job, StageKind::Checker, CheckerStage);
  if (job.Error != 0) {
    std::fprintf(stderr, "Checker failed with code %d\n", job.Error);
    std::exit(1);
  }
  double lowResolution = 1.0;
  double highResolution = 1000.0;
  for (int attempt = 0; attempt < 40; ++attempt) {
    job.Resolution = std::sqrt(lowResolution * highResolution);
    RunStage(&job, StageKind::Segment, SegmentStage);
    const std::int32_t patches = job.Error == 0 ? job.NumberOfUnknowns : high + 1;
    if (patches >= low && patches <= high) break;
    (patches > high ? highResolution : lowResolution) = job.Resolution;
  }
  run.minFeatureDistance = job.MinFeatureDistance;
  run.resolution = job.Resolution;
  return run;
}

Case SampleCase(const fs::path& folder) {
  const fs::path qlx = folder / "coupled_lines.qlx";
  fs::copy_file(fs::path(QUOR_SOURCE_DIR) / "examples" / "coupled_lines.qlx", qlx);
  return SegmentedCase("coupled lines sample", qlx, 5600, 6000);
}

Case PlateCase(const fs::path& folder, const std::string& name, double refine, std::int32_t low,
               std::int32_t high) {
  const fs::path qlx = folder / (name + ".qlx");
  WriteQlx(qlx, SquarePlateProject(kPlateSide, refine));
  return SegmentedCase(name, qlx, low, high);
}

void RunCase(const Case& run, int repetitions) {
  std::ifstream in(run.basePath + ".lst");
  const std::atomic<std::int32_t> go = 1;
  const TessmorListing listing = ReadTessmorListing(in, go);
  const double scale = run.minFeatureDistance / run.resolution;
  std::vector<double> fill, fillCpu, factor, sgesv, total;
  quor::numeric::ErrorLogFile errorLog(fs::path(run.basePath).parent_path() / "error.log");
  for (int r = 0; r < repetitions; ++r) {
    MomentSystem system(listing, scale);
    std::atomic<std::int32_t> progress = 0;
    double cpu = 0.0;
    fill.push_back(Seconds([&] {
      cpu = ProcessCpuSeconds();
      system.Fill(progress, go);
      cpu = ProcessCpuSeconds() - cpu;
    }));
    fillCpu.push_back(cpu);
    const std::int32_t n = system.Unknowns();
    const std::int32_t nrhs = system.ConductorCount();
    const std::vector<float> matrix(system.Matrix().begin(), system.Matrix().end());
    std::vector<std::int32_t> pivots(static_cast<std::size_t>(n));

    std::vector<float> a = matrix;
    factor.push_back(
        Seconds([&] { quor::numeric::FactorLU(n, n, a.data(), n, pivots.data(), progress, go, errorLog); }));
    a = matrix;
    std::vector<float> x = system.RightHandSides();
    std::int32_t info = 0;
    sgesv.push_back(Seconds([&] { sgesv_(&n, &nrhs, a.data(), &n, pivots.data(), x.data(), &n, &info); }));

    ComputeJob job;
    job.BasePath = run.basePath.c_str();
    job.FrequencyStart = 1.0;
    job.FrequencyStop = 1.0;
    job.FrequencyUnit = 1000000000;
    job.Resolution = run.resolution;
    job.MinFeatureDistance = run.minFeatureDistance;
    job.LengthUnitMetres = 1e-5;
    job.RunFlag = 1;
    total.push_back(Seconds([&] { RunStage(&job, StageKind::Tessmor, TessmorStage); }));
    if (job.Error != 0) std::fprintf(stderr, "Tessmor failed with code %d\n", job.Error);
  }
  const double fillSeconds = Median(fill);
  const double factorSeconds = Median(factor);
  const double totalSeconds = Median(total);
  const double reference = Median(sgesv);
  std::printf("%s: N = %d, %zu conductor patches, %d conductors, resolution %g\n", run.name.c_str(),
              static_cast<int>(listing.patches.size()), static_cast<std::size_t>(listing.conductorPatchCount),
              listing.conductorCount, run.resolution);
  std::printf(
      "  median of %d: fill %.3f s (%.3f CPU s), factor %.3f s, rest %.3f s, total %.3f s; sgesv %.3f s; "
      "total / sgesv %.2f\n",
      repetitions, fillSeconds, Median(fillCpu), factorSeconds, totalSeconds - fillSeconds - factorSeconds,
      totalSeconds, reference, totalSeconds / reference);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const quor::test::TempDir folder("tessmor-bench-");
  RunCase(PlateCase(folder.Path(), "uniform_plate_1000", kUniformRefine, 950, 1050), repetitions);
  RunCase(PlateCase(folder.Path(), "uniform_plate_5600", kUniformRefine, 5500, 5700), repetitions);
  RunCase(PlateCase(folder.Path(), "refine_1_plate", 1.0, 5800, 6000), repetitions);
  RunCase(SampleCase(folder.Path()), repetitions);
  return 0;
}
