// Kernel evaluations per second: one row of a matrix fill over a flat mesh of
// square patches (mostly far-field pairs, as in a real fill), and the near
// field alone.
#include <benchmark/benchmark.h>

#include <vector>

#include "solver/numeric/PatchPotentialField.h"

namespace quor::numeric {
namespace {

constexpr double kScale = 0.5;

// A side × side grid of unit squares with a few tilted ones among them, so
// that normals and heights vary.
std::vector<PatchKernelData> Mesh(int side) {
  std::vector<PatchKernelData> patches;
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) {
      const double x = i;
      const double y = j;
      const double lift = (i + j) % 7 == 0 ? 0.4 : 0.0;
      const std::vector<Vec3> square = {{x, y, 0}, {x + 1, y, 0}, {x + 1, y + 1, lift}, {x, y + 1, lift}};
      patches.emplace_back(square);
    }
  }
  return patches;
}

void BM_FillRows(benchmark::State& state) {
  const std::vector<PatchKernelData> patches = Mesh(static_cast<int>(state.range(0)));
  const Vec3 normal = {0, 0, 1};
  std::size_t row = 0;
  for (auto _ : state) {
    const Vec3& point = patches[row].centre;
    double sum = 0.0;
    for (const PatchKernelData& source : patches) {
      const PotentialAndField value = PatchPotentialField(source, point, kScale, normal);
      sum += value.potential + value.field;
    }
    benchmark::DoNotOptimize(sum);
    row = (row + 97) % patches.size();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(patches.size()));
}
BENCHMARK(BM_FillRows)->Arg(40)->Arg(77);

void BM_NearField(benchmark::State& state) {
  const std::vector<Vec3> quad = {{0, 0, 0}, {1, 0, 0.1}, {1.2, 0.9, 0.1}, {-0.1, 1, 0}};
  const PatchKernelData source(quad);
  std::vector<Vec3> points;
  for (int i = 0; i < 64; ++i) points.push_back({0.1 * (i % 8) - 0.2, 0.15 * (i / 8) - 0.1, 0.05 * (i % 5)});
  const Vec3 direction = {0.6, 0, 0.8};
  for (auto _ : state) {
    double sum = 0.0;
    for (const Vec3& point : points) {
      const PotentialAndField value = PatchPotentialField(source, point, kScale, direction);
      sum += value.potential + value.field;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(points.size()));
}
BENCHMARK(BM_NearField);

}  // namespace
}  // namespace quor::numeric

BENCHMARK_MAIN();
