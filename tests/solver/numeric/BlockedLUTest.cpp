// The blocked LU solve against the system LAPACK's own driver, with its
// progress, cancellation, singular and argument-error behaviour.
#include "solver/numeric/BlockedLU.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "solver/numeric/DiagnosticsSink.h"

extern "C" void sgesv_(const std::int32_t* n, const std::int32_t* nrhs, float* a, const std::int32_t* lda,
                       std::int32_t* ipiv, float* b, const std::int32_t* ldb, std::int32_t* info);

namespace quor::numeric {
namespace {

class RecordingSink final : public DiagnosticsSink {
 public:
  void Report(std::string_view message) override { messages.emplace_back(message); }
  std::vector<std::string> messages;
};

// Uniform entries in [-1, 1]: pivoting does real work on such matrices.
std::vector<float> RandomMatrix(std::int32_t rows, std::int32_t columns, unsigned seed) {
  std::mt19937 engine(seed);
  std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
  std::vector<float> values(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
  for (float& v : values) v = uniform(engine);
  return values;
}

// Progress reported after the block starting at column `first` (1-based); blocks hold 64 columns.
std::int32_t ProgressAfter(std::int32_t first, std::int32_t n) {
  return static_cast<std::int32_t>(100.0 * (1.0 - std::pow(1.0 - static_cast<double>(first) / n, 4)));
}

struct Solve {
  std::int32_t info;
  std::vector<float> solution;
  std::int32_t progress;  // -7 when never written
};

Solve RunSolveSystem(std::vector<float> a, std::vector<float> b, std::int32_t n, std::int32_t nrhs,
                     std::int32_t runFlag = 1) {
  std::vector<std::int32_t> pivots(static_cast<std::size_t>(n));
  std::atomic<std::int32_t> progress{-7};
  const std::atomic<std::int32_t> run{runFlag};
  RecordingSink sink;
  const std::int32_t info = SolveSystem(n, nrhs, a.data(), pivots.data(), b.data(), progress, run, sink);
  EXPECT_TRUE(sink.messages.empty());
  return {info, b, progress.load()};
}

// Our solution against the system LAPACK's sgesv on the same system, to a
// tolerance relative to the largest component.
void ExpectSystemSolution(std::vector<float> a, std::vector<float> b, std::int32_t n, std::int32_t nrhs,
                          const std::vector<float>& ours, float tolerance) {
  std::vector<std::int32_t> pivots(static_cast<std::size_t>(n));
  std::int32_t info = 0;
  sgesv_(&n, &nrhs, a.data(), &n, pivots.data(), b.data(), &n, &info);
  ASSERT_EQ(info, 0);
  float largest = 0.0f;
  for (const float v : b) largest = std::max(largest, std::abs(v));
  std::size_t mismatches = 0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (std::abs(ours[i] - b[i]) > tolerance * largest && mismatches++ == 0) {
      ADD_FAILURE() << "component " << i << ": " << ours[i] << " against " << b[i];
    }
  }
  EXPECT_EQ(mismatches, 0u);
}

TEST(BlockedLUTest, AgreesWithSystemSolverOnRandomSystems) {
  // Below one block (where a cleared run flag is not even looked at), exactly
  // two blocks, and blocks with a ragged last one.
  for (const std::int32_t n : {1, 37, 128, 301, 700}) {
    SCOPED_TRACE(n);
    constexpr std::int32_t kRightHandSides = 3;
    std::vector<float> a = RandomMatrix(n, n, 11u + static_cast<unsigned>(n));
    std::vector<float> b = RandomMatrix(n, kRightHandSides, 5u);
    const Solve ours = RunSolveSystem(a, b, n, kRightHandSides, /*runFlag=*/n < 64 ? 0 : 1);
    ASSERT_EQ(ours.info, 0);
    if (n < 64) {
      EXPECT_EQ(ours.progress, -7);
    }
    ExpectSystemSolution(a, b, n, kRightHandSides, ours.solution, 1e-3f);
  }
}

TEST(BlockedLUTest, ProgressAfterEveryBlockAndStopAfterTheFirst) {
  // 300 columns: blocks start at 1, 65, 129, 193 and 257; the last one reports less than 100.
  constexpr std::int32_t n = 300;
  const std::vector<float> a = RandomMatrix(n, n, 8u);
  const std::vector<float> b = RandomMatrix(n, 2, 9u);
  EXPECT_EQ(RunSolveSystem(a, b, n, 2).progress, 99);

  const Solve stopped = RunSolveSystem(a, b, n, 2, /*runFlag=*/0);
  EXPECT_EQ(stopped.info, -1);
  EXPECT_EQ(stopped.progress, ProgressAfter(1, n));
  EXPECT_EQ(stopped.solution, b) << "a stopped factorization must not solve";
}

TEST(BlockedLUTest, RunFlagClearedFromAnotherThreadStopsAfterTheCurrentBlock) {
  constexpr std::int32_t n = 1500;
  std::vector<float> a = RandomMatrix(n, n, 21u);
  std::vector<float> b = RandomMatrix(n, 2, 22u);
  std::vector<std::int32_t> pivots(n);
  std::atomic<std::int32_t> progress{-1};
  std::atomic<std::int32_t> run{1};
  RecordingSink sink;
  std::int32_t info = 0;
  std::thread solver(
      [&] { info = SolveSystem(n, 2, a.data(), pivots.data(), b.data(), progress, run, sink); });
  // Clear the flag as soon as the first block is reported, as Cancel does.
  while (progress.load() == -1) std::this_thread::yield();
  run.store(0);
  // The solver may have gone on while this thread waited to be scheduled, so
  // the bound starts from the last block reported once the flag is down.
  const std::int32_t seen = progress.load();
  std::int32_t lastReported = 1;
  while (lastReported + 64 <= n && ProgressAfter(lastReported + 64, n) <= seen) lastReported += 64;
  solver.join();
  EXPECT_EQ(info, -1);
  // The block in hand when the flag went down may still finish, no more.
  EXPECT_LE(progress.load(), ProgressAfter(lastReported + 64, n));
}

TEST(BlockedLUTest, SingularMatrixGivesItsZeroPivotAndNoSolve) {
  constexpr std::int32_t n = 200;
  constexpr std::int32_t zeroColumn = 130;  // 1-based, in the third block
  std::vector<float> a = RandomMatrix(n, n, 6u);
  std::fill_n(a.begin() + (zeroColumn - 1) * n, n, 0.0f);
  const std::vector<float> b = RandomMatrix(n, 2, 7u);
  const Solve solve = RunSolveSystem(a, b, n, 2);
  EXPECT_EQ(solve.info, zeroColumn);
  EXPECT_EQ(solve.solution, b);
  EXPECT_EQ(solve.progress, ProgressAfter(193, n)) << "a singular matrix is still factored to the end";
}

TEST(BlockedLUTest, LargeRaggedSystemsKeepPartialPivotingAndTheSystemSolution) {
  // Large enough for the wide blocks, with a last block and panel halves of
  // odd widths; partial pivoting bounds every multiplier of L by one.
  for (const std::int32_t n : {2100, 2229}) {
    SCOPED_TRACE(n);
    const std::vector<float> matrix = RandomMatrix(n, n, 31u + static_cast<unsigned>(n));
    std::vector<float> a = matrix;
    std::vector<std::int32_t> pivots(static_cast<std::size_t>(n));
    std::atomic<std::int32_t> progress{-7};
    const std::atomic<std::int32_t> run{1};
    RecordingSink sink;
    ASSERT_EQ(FactorLU(n, n, a.data(), n, pivots.data(), progress, run, sink), 0);
    EXPECT_EQ(progress.load(), 99);
    float largestMultiplier = 0.0f;
    for (std::int32_t column = 0; column < n; ++column) {
      for (std::int32_t row = column + 1; row < n; ++row) {
        largestMultiplier = std::max(largestMultiplier, std::abs(a[column * n + row]));
      }
    }
    EXPECT_LE(largestMultiplier, 1.0f);
    for (std::int32_t i = 0; i < n; ++i) ASSERT_TRUE(pivots[i] > i && pivots[i] <= n) << i;

    constexpr std::int32_t kRightHandSides = 2;
    std::vector<float> b = RandomMatrix(n, kRightHandSides, 32u);
    const Solve ours = RunSolveSystem(matrix, b, n, kRightHandSides);
    ASSERT_EQ(ours.info, 0);
    ExpectSystemSolution(matrix, b, n, kRightHandSides, ours.solution, 1e-2f);
  }
}

TEST(BlockedLUTest, ZeroPivotDeepInsideAPanelIsCountedFromTheMatrixStart) {
  // Columns 129..192 form one panel; 190 lies in the narrowest part of its
  // last half, 150 in its first half. The first zero pivot is the one reported.
  constexpr std::int32_t n = 200;
  std::vector<float> a = RandomMatrix(n, n, 12u);
  std::fill_n(a.begin() + (190 - 1) * n, n, 0.0f);
  const std::vector<float> b = RandomMatrix(n, 2, 13u);
  EXPECT_EQ(RunSolveSystem(a, b, n, 2).info, 190);

  std::fill_n(a.begin() + (150 - 1) * n, n, 0.0f);
  const Solve solve = RunSolveSystem(a, b, n, 2);
  EXPECT_EQ(solve.info, 150);
  EXPECT_EQ(solve.solution, b);
}

TEST(BlockedLUTest, IllegalArgumentsAreReportedAsLapackDoes) {
  std::vector<float> a(16, 1.0f);
  std::vector<float> b(4, 1.0f);
  std::vector<std::int32_t> pivots(4);
  std::atomic<std::int32_t> progress{0};
  const std::atomic<std::int32_t> run{1};
  RecordingSink sink;
  EXPECT_EQ(SolveLinearSystem(-1, 1, a.data(), 4, pivots.data(), b.data(), 4, progress, run, sink), -1);
  EXPECT_EQ(SolveLinearSystem(4, -2, a.data(), 4, pivots.data(), b.data(), 4, progress, run, sink), -2);
  EXPECT_EQ(SolveLinearSystem(4, 1, a.data(), 3, pivots.data(), b.data(), 4, progress, run, sink), -4);
  EXPECT_EQ(SolveLinearSystem(4, 1, a.data(), 4, pivots.data(), b.data(), 2, progress, run, sink), -7);
  EXPECT_EQ(FactorLU(4, 4, a.data(), 2, pivots.data(), progress, run, sink), -4);
  EXPECT_EQ(sink.messages, (std::vector<std::string>{
                               " ** On entry to SGESV parameter number  1 had an illegal value",
                               " ** On entry to SGESV parameter number  2 had an illegal value",
                               " ** On entry to SGESV parameter number  4 had an illegal value",
                               " ** On entry to SGESV parameter number  7 had an illegal value",
                               " ** On entry to SGETRF parameter number  4 had an illegal value",
                           }));
}

}  // namespace
}  // namespace quor::numeric
