// What the potential kernel needs of one source patch, computed once per patch
// so that the N² kernel calls of a matrix fill only read it.
#pragma once

#include <span>
#include <vector>

#include "solver/numeric/Vec3.h"

namespace quor::numeric {

// Edges much shorter than the mesh step are slivers left by clipping; their
// terms are rounding noise and are left out.
inline constexpr double kShortEdgeRatio = 0.05;

// A point whose distance to an end vertex of an edge exceeds its distance to
// it along the edge's line by less than this (relative to the mesh step)
// counts as on that line: the logarithm's argument is lost to rounding there.
inline constexpr double kOnEdgeLineRatio = 1e-7;

struct PatchKernelData {
  // One directed edge of the outline, from vertex `start` to the next vertex.
  struct Edge {
    Vec3 start;
    Vec3 tangent;  // unit vector along the edge; zero for a zero-length edge
    Vec3 across;   // tangent × normal: in the patch plane, across the edge
    double length = 0.0;
  };

  // The vertices in outline order (closed implicitly); the patch is planar.
  explicit PatchKernelData(std::span<const Vec3> vertices);

  std::vector<Edge> edges;
  Vec3 centre;  // vertex mean: where the patch sits as a point charge
  Vec3 normal;  // unit normal of the outline's orientation; zero for a degenerate outline
  double area = 0.0;
  double farFieldDistanceSquared = 0.0;  // beyond this squared distance from the centre: point charge
};

}  // namespace quor::numeric
