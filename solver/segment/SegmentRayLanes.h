// RayLineDistances from one segment to several cell centres at once, folded
// into running minima: the same arithmetic in the same order as the scalar
// version, so the minima are the same to the last bit.
#pragma once

#include <array>
#include <cstddef>

#include "solver/segment/SegmentPatchShapes.h"

namespace quor::solver {

inline constexpr std::size_t kRayLanes = 4;

// The running minima of kRayLanes centres, lane by lane.
struct RayMinima {
  std::array<double, kRayLanes> u{};
  std::array<double, kRayLanes> v{};
  std::array<double, kRayLanes> normal{};
};

// Lowers u, v and (when `normalToo`) normal of every lane to the segment's
// distances from the centre (x[i], y[i], z[i]) along the three axes.
void LowerRayMinima(const RaySegment& segment, const std::array<double, kRayLanes>& x,
                    const std::array<double, kRayLanes>& y, const std::array<double, kRayLanes>& z,
                    const std::array<Point3, 3>& axes, bool normalToo, RayMinima& minima);

// The same with AVX2; only for processors that have it.
void LowerRayMinimaAvx2(const RaySegment& segment, const double* x, const double* y, const double* z,
                        const Point3* axes, bool normalToo, double* u, double* v, double* normal);

}  // namespace quor::solver
