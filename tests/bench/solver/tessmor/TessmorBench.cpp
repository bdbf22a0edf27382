// Times the Tessmor stage on listings of about 6000 unknowns, the most it
// takes: the matrix fill on all cores, the blocked LU factorisation and solve,
// and the whole stage from listing to result files, against the system
// LAPACK's sgesv on the same matrix. Two listings: the coupled-lines sample
// project segmented at a fine resolution, and a square plate cut into a
// uniform grid of squares, where every pair of patches is near enough for
// the kernel's closed form.
//
// Usage: tessmor_bench [repetitions]; prints the median of each phase.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
#include "solver/numeric/BlockedLU.h"
#include "solver/numeric/ErrorLogFile.h"
#include "solver/tessmor/MomentSystem.h"
#include "solver/tessmor/TessmorListing.h"
#include "support/TempDir.h"
#include "tessmor/ComputeJob.h"

extern "C" void sgesv_(const std::int32_t* n, const std::int32_t* nrhs, float* a, const std::int32_t* lda,
                       std::int32_t* ipiv, float* b, const std::int32_t* ldb, std::int32_t* info);

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kTargetLow = 5600;
constexpr std::int32_t kTargetHigh = 6000;
constexpr int kPlateCells = 77;  // 77² = 5929 patches

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

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
}

// The sample checked as the editor does, then segmented at the resolution
// that gives between kTargetLow and kTargetHigh patches.
Case SampleCase(const fs::path& folder) {
  const fs::path base = folder / "coupled_lines";
  fs::copy_file(fs::path(QUOR_SOURCE_DIR) / "examples" / "coupled_lines.qlx", base.string() + ".qlx");
  Case sample{.name = "coupled lines sample", .basePath = base.string()};
  ComputeJob job;
  job.BasePath = sample.basePath.c_str();
  job.RunFlag = 1;
  RunStage(&job, StageKind::Checker, CheckerStage);
  if (job.Error != 0) {
    std::fprintf(stderr, "Checker failed with code %d\n", job.Error);
    std::exit(1);
  }
  double low = 1.0;
  double high = 20.0;
  for (int attempt = 0; attempt < 20; ++attempt) {
    job.Resolution = 0.5 * (low + high);
    RunStage(&job, StageKind::Segment, SegmentStage);
    const std::int32_t patches = job.Error == 0 ? job.NumberOfUnknowns : kTargetHigh + 1;
    if (patches >= kTargetLow && patches <= kTargetHigh) break;
    (patches > kTargetHigh ? high : low) = job.Resolution;
  }
  sample.minFeatureDistance = job.MinFeatureDistance;
  sample.resolution = job.Resolution;
  return sample;
}

// One conductor: a 10 mm square plate in air cut into kPlateCells² squares.
Case PlateCase(const fs::path& folder) {
  const fs::path base = folder / "plate";
  std::ofstream out(base.string() + ".lst");
  out << "1\n" << kPlateCells * kPlateCells << "\n0\n";
  const double step = 1000.0 / kPlateCells;
  for (int i = 0; i < kPlateCells; ++i) {
    for (int j = 0; j < kPlateCells; ++j) {
      const double x = i * step;
      const double y = j * step;
      out << "4\n"
          << x << ' ' << y << " 0\n"
          << x + step << ' ' << y << " 0\n"
          << x + step << ' ' << y + step << " 0\n"
          << x << ' ' << y + step << " 0\n"
          << "1 1\n";
    }
  }
  return {.name = "uniform square plate", .basePath = base.string()};
}

void RunCase(const Case& run, int repetitions) {
  std::ifstream in(run.basePath + ".lst");
  const std::atomic<std::int32_t> go = 1;
  const TessmorListing listing = ReadTessmorListing(in, go);
  const double scale =
      run.minFeatureDistance > 0.0 ? run.minFeatureDistance / run.resolution : 1000.0 / kPlateCells;
  std::vector<double> fill, factor, solve, sgesv, total;
  quor::numeric::ErrorLogFile errorLog(fs::path(run.basePath).parent_path() / "error.log");
  for (int r = 0; r < repetitions; ++r) {
    MomentSystem system(listing, scale);
    std::atomic<std::int32_t> progress = 0;
    fill.push_back(Seconds([&] { system.Fill(progress, go); }));
    const std::int32_t n = system.Unknowns();
    const std::int32_t nrhs = system.ConductorCount();
    const std::vector<float> matrix(system.Matrix().begin(), system.Matrix().end());
    std::vector<std::int32_t> pivots(static_cast<std::size_t>(n));

    std::vector<float> a = matrix;
    factor.push_back(
        Seconds([&] { quor::numeric::FactorLU(n, n, a.data(), n, pivots.data(), progress, go, errorLog); }));
    a = matrix;
    std::vector<float> x = system.RightHandSides();
    solve.push_back(Seconds([&] {
      quor::numeric::SolveSystem(n, nrhs, a.data(), pivots.data(), x.data(), progress, go, errorLog);
    }));
    a = matrix;
    x = system.RightHandSides();
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
  const double lu = Median(solve);
  const double reference = Median(sgesv);
  std::printf("%s: N = %d, %zu conductor patches, %d conductors\n", run.name.c_str(),
              static_cast<int>(listing.patches.size()), static_cast<std::size_t>(listing.conductorPatchCount),
              listing.conductorCount);
  std::printf(
      "  median of %d: fill %.3f s, factorisation %.3f s, factorisation and solve %.3f s, "
      "sgesv %.3f s (ratio %.2f), whole stage %.3f s\n",
      repetitions, Median(fill), Median(factor), lu, reference, lu / reference, Median(total));
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const quor::test::TempDir folder("tessmor-bench-");
  RunCase(SampleCase(folder.Path()), repetitions);
  RunCase(PlateCase(folder.Path()), repetitions);
  return 0;
}
