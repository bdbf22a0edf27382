#include "solver/segment/SegmentRayLanes.h"

#include <algorithm>

#include "solver/numeric/CpuFeatures.h"

namespace quor::solver {

void LowerRayMinima(const RaySegment& segment, const std::array<double, kRayLanes>& x,
                    const std::array<double, kRayLanes>& y, const std::array<double, kRayLanes>& z,
                    const std::array<Point3, 3>& axes, bool normalToo, RayMinima& minima) {
  if (quor::numeric::ProcessorHasAvx2()) {
    LowerRayMinimaAvx2(segment, x.data(), y.data(), z.data(), axes.data(), normalToo, minima.u.data(),
                       minima.v.data(), minima.normal.data());
    return;
  }
  for (std::size_t i = 0; i < kRayLanes; ++i) {
    const std::array<double, 3> r = RayLineDistances({x[i], y[i], z[i]}, segment, axes);
    minima.u[i] = std::min(minima.u[i], r[0]);
    minima.v[i] = std::min(minima.v[i], r[1]);
    if (normalToo) minima.normal[i] = std::min(minima.normal[i], r[2]);
  }
}

}  // namespace quor::solver
