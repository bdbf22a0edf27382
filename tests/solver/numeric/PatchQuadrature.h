// Independent reference for the patch kernel: the potential and field
// integrals of a planar polygon by adaptive Gauss-Legendre quadrature.
#pragma once

#include <span>

#include "solver/numeric/Vec3.h"

namespace quor::numeric::test {

struct QuadratureResult {
  double field = 0.0;
  double potential = 0.0;
};

// The polygon is split into triangles that share the foot of the point on the
// patch plane, so that the near singularity sits at a corner where the
// collapsed-square map removes it. The field integral is singular for a point
// on the patch itself; call it only for points off the patch.
QuadratureResult IntegratePatch(std::span<const Vec3> vertices, const Vec3& point, const Vec3& direction);

}  // namespace quor::numeric::test
