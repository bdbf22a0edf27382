#include "solver/numeric/PotentialBatch.h"

#include <cassert>
#include <cmath>

#include "solver/numeric/CpuFeatures.h"
#include "solver/numeric/NearPotentialVector.h"
#include "solver/numeric/PatchPotentialField.h"

namespace quor::numeric {

bool VectorPotentialsAvailable() {
  return ProcessorHasAvx2();
}

void NearPotentialsScalar(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                          std::size_t count, double scale, double* out) {
  for (std::size_t i = 0; i < count; ++i) out[i] = NearPotential(patch, {x[i], y[i], z[i]}, scale);
}

void NearPotentials(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                    std::size_t count, double scale, double* out) {
  if (VectorPotentialsAvailable()) {
    NearPotentialsAvx2(patch.edges.data(), patch.edges.size(), patch.normal, x, y, z, count, scale, out);
  } else {
    NearPotentialsScalar(patch, x, y, z, count, scale, out);
  }
}

void PotentialBatch::Evaluate(const PatchKernelData& patch, const PointColumns& points, double scale,
                              std::span<double> potentials) {
  assert(potentials.size() == points.Size() && "one potential per point");
  m_near.clear();
  m_nearPoints.Clear();
  // The same far-field rule as PatchPotential's, in the same arithmetic.
  for (std::size_t i = 0; i < points.Size(); ++i) {
    const Vec3 fromCentre = points.At(i) - patch.centre;
    const double distanceSquared = Dot(fromCentre, fromCentre);
    if (distanceSquared <= patch.farFieldDistanceSquared) {
      m_near.push_back(static_cast<std::uint32_t>(i));
      m_nearPoints.Add(points.At(i));
    } else {
      potentials[i] = patch.area / std::sqrt(distanceSquared);
    }
  }
  m_nearValues.resize(m_near.size());
  NearPotentials(patch, m_nearPoints.x.data(), m_nearPoints.y.data(), m_nearPoints.z.data(), m_near.size(),
                 scale, m_nearValues.data());
  for (std::size_t j = 0; j < m_near.size(); ++j) potentials[m_near[j]] = m_nearValues[j];
}

}  // namespace quor::numeric
