#include "solver/numeric/PotentialBatch.h"

#include <cassert>
#include <limits>

#include "solver/numeric/CpuFeatures.h"
#include "solver/numeric/NearPotentialVector.h"
#include "solver/numeric/PatchPotentialField.h"

namespace quor::numeric {

namespace {

PatchLanesInput LanesInput(const PatchKernelData& patch, double farFieldDistanceSquared) {
  return {.edges = patch.edges.data(),
          .edgeCount = patch.edges.size(),
          .normal = patch.normal,
          .centre = patch.centre,
          .area = patch.area,
          .farFieldDistanceSquared = farFieldDistanceSquared};
}

// The closed form for every point, as the Near* entries promise.
PatchLanesInput NearOnly(const PatchKernelData& patch) {
  return LanesInput(patch, std::numeric_limits<double>::infinity());
}

LanesEntries Entries(VectorPath path) {
  return path == VectorPath::kAvx512 ? Avx512Entries() : Avx2Entries();
}

}  // namespace

const std::vector<VectorPath>& VectorPaths() {
  static const std::vector<VectorPath> paths = [] {
    std::vector<VectorPath> available;
    if (ProcessorHasAvx2()) available.push_back(VectorPath::kAvx2);
    if (ProcessorHasAvx512()) available.push_back(VectorPath::kAvx512);
    return available;
  }();
  return paths;
}

void EvaluatePotentials(const PatchKernelData& patch, const PointColumns& points, double scale,
                        std::span<double> potentials) {
  assert(potentials.size() == points.Size() && "one potential per point");
  const std::vector<VectorPath>& paths = VectorPaths();
  if (paths.empty()) {
    for (std::size_t i = 0; i < points.Size(); ++i)
      potentials[i] = PatchPotential(patch, points.At(i), scale);
    return;
  }
  Entries(paths.back())
      .potentials(LanesInput(patch, patch.farFieldDistanceSquared), points.x.data(), points.y.data(),
                  points.z.data(), nullptr, points.Size(), scale, potentials.data(), nullptr);
}

void EvaluateFields(const PatchKernelData& patch, const PointColumns& points, const PointColumns& directions,
                    double scale, std::span<double> potentials, std::span<double> fields) {
  assert(directions.Size() == points.Size() && potentials.size() == points.Size() &&
         fields.size() == points.Size() && "one direction, potential and field per point");
  const std::vector<VectorPath>& paths = VectorPaths();
  if (paths.empty()) {
    for (std::size_t i = 0; i < points.Size(); ++i) {
      const PotentialAndField value = PatchPotentialField(patch, points.At(i), scale, directions.At(i));
      potentials[i] = value.potential;
      fields[i] = value.field;
    }
    return;
  }
  const double* axes[3] = {directions.x.data(), directions.y.data(), directions.z.data()};
  Entries(paths.back())
      .fields(LanesInput(patch, patch.farFieldDistanceSquared), points.x.data(), points.y.data(),
              points.z.data(), axes, points.Size(), scale, potentials.data(), fields.data());
}

void NearPotentials(VectorPath path, const PatchKernelData& patch, const double* x, const double* y,
                    const double* z, std::size_t count, double scale, double* out) {
  Entries(path).potentials(NearOnly(patch), x, y, z, nullptr, count, scale, out, nullptr);
}

void NearPotentialsScalar(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                          std::size_t count, double scale, double* out) {
  for (std::size_t i = 0; i < count; ++i) out[i] = NearPotential(patch, {x[i], y[i], z[i]}, scale);
}

void NearFields(VectorPath path, const PatchKernelData& patch, const double* x, const double* y,
                const double* z, const double* const* directions, std::size_t count, double scale,
                double* potentials, double* fields) {
  Entries(path).fields(NearOnly(patch), x, y, z, directions, count, scale, potentials, fields);
}

void NearFieldsScalar(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                      const double* const* directions, std::size_t count, double scale, double* potentials,
                      double* fields) {
  for (std::size_t i = 0; i < count; ++i) {
    const Vec3 direction{directions[0][i], directions[1][i], directions[2][i]};
    const PotentialAndField value = NearPotentialField(patch, {x[i], y[i], z[i]}, scale, direction);
    potentials[i] = value.potential;
    fields[i] = value.field;
  }
}

}  // namespace quor::numeric
