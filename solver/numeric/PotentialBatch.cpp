#include "solver/numeric/PotentialBatch.h"

#include <cassert>
#include <cmath>

#include "solver/numeric/CpuFeatures.h"
#include "solver/numeric/NearPotentialVector.h"
#include "solver/numeric/PatchPotentialField.h"

namespace quor::numeric {

const std::vector<VectorPath>& VectorPaths() {
  static const std::vector<VectorPath> paths = [] {
    std::vector<VectorPath> available;
    if (ProcessorHasAvx2()) available.push_back(VectorPath::kAvx2);
    if (ProcessorHasAvx512()) available.push_back(VectorPath::kAvx512);
    return available;
  }();
  return paths;
}

void NearPotentials(VectorPath path, const PatchKernelData& patch, const double* x, const double* y,
                    const double* z, std::size_t count, double scale, double* out) {
  const auto near = path == VectorPath::kAvx512 ? NearPotentialsAvx512 : NearPotentialsAvx2;
  near(patch.edges.data(), patch.edges.size(), patch.normal, x, y, z, count, scale, out);
}

void NearPotentialsScalar(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                          std::size_t count, double scale, double* out) {
  for (std::size_t i = 0; i < count; ++i) out[i] = NearPotential(patch, {x[i], y[i], z[i]}, scale);
}

void NearPotentials(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                    std::size_t count, double scale, double* out) {
  const std::vector<VectorPath>& paths = VectorPaths();
  if (paths.empty()) {
    NearPotentialsScalar(patch, x, y, z, count, scale, out);
  } else {
    NearPotentials(paths.back(), patch, x, y, z, count, scale, out);
  }
}

void NearFields(VectorPath path, const PatchKernelData& patch, const double* x, const double* y,
                const double* z, const double* const* directions, std::size_t count, double scale,
                double* potentials, double* fields) {
  const auto near = path == VectorPath::kAvx512 ? NearFieldsAvx512 : NearFieldsAvx2;
  near(patch.edges.data(), patch.edges.size(), patch.normal, x, y, z, directions, count, scale, potentials,
       fields);
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

void NearFields(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                const double* const* directions, std::size_t count, double scale, double* potentials,
                double* fields) {
  const std::vector<VectorPath>& paths = VectorPaths();
  if (paths.empty()) {
    NearFieldsScalar(patch, x, y, z, directions, count, scale, potentials, fields);
  } else {
    NearFields(paths.back(), patch, x, y, z, directions, count, scale, potentials, fields);
  }
}

void PotentialBatch::Gather(const PatchKernelData& patch, const PointColumns& points,
                            const PointColumns* directions, std::span<double> potentials,
                            std::span<double> fields) {
  assert(potentials.size() == points.Size() && "one potential per point");
  m_near.clear();
  m_nearPoints.Clear();
  m_nearDirections.Clear();
  // The same far-field rule and point-charge form as PatchPotentialField's, in the same arithmetic.
  for (std::size_t i = 0; i < points.Size(); ++i) {
    const Vec3 fromCentre = points.At(i) - patch.centre;
    const double distanceSquared = Dot(fromCentre, fromCentre);
    if (distanceSquared <= patch.farFieldDistanceSquared) {
      m_near.push_back(static_cast<std::uint32_t>(i));
      m_nearPoints.Add(points.At(i));
      if (directions != nullptr) m_nearDirections.Add(directions->At(i));
      continue;
    }
    const double distance = std::sqrt(distanceSquared);
    potentials[i] = patch.area / distance;
    if (directions != nullptr) {
      fields[i] = patch.area * Dot(fromCentre, directions->At(i)) / (distanceSquared * distance);
    }
  }
  m_nearPotentials.resize(m_near.size());
  m_nearFields.resize(directions != nullptr ? m_near.size() : 0);
}

void PotentialBatch::Evaluate(const PatchKernelData& patch, const PointColumns& points, double scale,
                              std::span<double> potentials) {
  Gather(patch, points, nullptr, potentials, {});
  NearPotentials(patch, m_nearPoints.x.data(), m_nearPoints.y.data(), m_nearPoints.z.data(), m_near.size(),
                 scale, m_nearPotentials.data());
  for (std::size_t j = 0; j < m_near.size(); ++j) potentials[m_near[j]] = m_nearPotentials[j];
}

void PotentialBatch::Evaluate(const PatchKernelData& patch, const PointColumns& points,
                              const PointColumns& directions, double scale, std::span<double> potentials,
                              std::span<double> fields) {
  assert(directions.Size() == points.Size() && fields.size() == points.Size() && "one direction per point");
  Gather(patch, points, &directions, potentials, fields);
  const double* nearDirections[3] = {m_nearDirections.x.data(), m_nearDirections.y.data(),
                                     m_nearDirections.z.data()};
  NearFields(patch, m_nearPoints.x.data(), m_nearPoints.y.data(), m_nearPoints.z.data(), nearDirections,
             m_near.size(), scale, m_nearPotentials.data(), m_nearFields.data());
  for (std::size_t j = 0; j < m_near.size(); ++j) {
    potentials[m_near[j]] = m_nearPotentials[j];
    fields[m_near[j]] = m_nearFields[j];
  }
}

}  // namespace quor::numeric
