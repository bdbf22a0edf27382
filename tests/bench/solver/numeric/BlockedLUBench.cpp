// The blocked LU with progress and cancellation against the system LAPACK's
// sgesv and sgetrf on the same matrix: the price of the per-block checks and
// of the fixed block size.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <random>
#include <vector>

#include "solver/numeric/BlockedLU.h"
#include "solver/numeric/DiagnosticsSink.h"

extern "C" {
void sgesv_(const std::int32_t* n, const std::int32_t* nrhs, float* a, const std::int32_t* lda,
            std::int32_t* ipiv, float* b, const std::int32_t* ldb, std::int32_t* info);
void sgetrf_(const std::int32_t* m, const std::int32_t* n, float* a, const std::int32_t* lda,
             std::int32_t* ipiv, std::int32_t* info);
}

namespace quor::numeric {
namespace {

constexpr std::int32_t kRightHandSides = 4;

class DiscardingSink final : public DiagnosticsSink {
 public:
  void Report(std::string_view) override {}
};

struct Problem {
  explicit Problem(std::int32_t order) : n(order) {
    std::mt19937 engine(42);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    matrix.resize(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    for (float& v : matrix) v = uniform(engine);
    rightHandSides.resize(static_cast<std::size_t>(n) * kRightHandSides);
    for (float& v : rightHandSides) v = uniform(engine);
    pivots.resize(static_cast<std::size_t>(n));
  }

  // Fresh copies for the next timed call, outside the timing.
  void Reset(benchmark::State& state) {
    state.PauseTiming();
    a = matrix;
    b = rightHandSides;
    state.ResumeTiming();
  }

  std::int32_t n;
  std::vector<float> matrix, rightHandSides, a, b;
  std::vector<std::int32_t> pivots;
  std::atomic<std::int32_t> progress{0};
  const std::atomic<std::int32_t> run{1};
  DiscardingSink sink;
};

void Check(benchmark::State& state, std::int32_t info) {
  if (info != 0) state.SkipWithError("the solve failed");
}

void BM_SolveSystem(benchmark::State& state) {
  Problem problem(static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) {
    problem.Reset(state);
    Check(state, SolveSystem(problem.n, kRightHandSides, problem.a.data(), problem.pivots.data(),
                             problem.b.data(), problem.progress, problem.run, problem.sink));
  }
}

void BM_Sgesv(benchmark::State& state) {
  Problem problem(static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) {
    problem.Reset(state);
    std::int32_t info = 0;
    sgesv_(&problem.n, &kRightHandSides, problem.a.data(), &problem.n, problem.pivots.data(),
           problem.b.data(), &problem.n, &info);
    Check(state, info);
  }
}

void BM_FactorLU(benchmark::State& state) {
  Problem problem(static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) {
    problem.Reset(state);
    Check(state, FactorLU(problem.n, problem.n, problem.a.data(), problem.n, problem.pivots.data(),
                          problem.progress, problem.run, problem.sink));
  }
}

void BM_Sgetrf(benchmark::State& state) {
  Problem problem(static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) {
    problem.Reset(state);
    std::int32_t info = 0;
    sgetrf_(&problem.n, &problem.n, problem.a.data(), &problem.n, problem.pivots.data(), &info);
    Check(state, info);
  }
}

void Sizes(benchmark::internal::Benchmark* bench) {
  bench->Arg(2000)->Arg(6000)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9);
  bench->ReportAggregatesOnly(true);
}

BENCHMARK(BM_SolveSystem)->Apply(Sizes);
BENCHMARK(BM_Sgesv)->Apply(Sizes);
BENCHMARK(BM_FactorLU)->Apply(Sizes);
BENCHMARK(BM_Sgetrf)->Apply(Sizes);

}  // namespace
}  // namespace quor::numeric

BENCHMARK_MAIN();
