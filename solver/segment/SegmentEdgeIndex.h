// A bounding-box tree over the edges of all plates, so that the search for
// the edges nearest to a cell centre visits only the few that can be nearest
// instead of every edge of the structure. The answers are exactly those of
// the search over every edge.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/segment/SegmentRayLanes.h"
#include "tessmor/Point3.h"

namespace quor::solver {

struct SegmentEdge;

class SegmentEdgeIndex {
 public:
  // Indexes the geometry of `edges`; their bridge flags may change later.
  explicit SegmentEdgeIndex(std::span<const SegmentEdge> edges);

  // Lowers the minima of each lane, centre (x[i], y[i], z[i]), to the
  // RayLineDistances over the edges that are no bridge: u and v over all of
  // them, normal over those whose conductor index differs from `conductor`.
  // `edges` are the indexed edges in the same order, with their present
  // bridge flags.
  void LowerToNearest(const std::array<double, kRayLanes>& x, const std::array<double, kRayLanes>& y,
                      const std::array<double, kRayLanes>& z, const std::array<Point3, 3>& axes,
                      std::span<const SegmentEdge> edges, std::int32_t conductor, RayMinima& minima) const;

 private:
  struct Node {
    Point3 low;
    Point3 high;
    std::uint64_t conductors = 0;  // one bit per conductor index among the node's edges
    std::int32_t first = 0;        // leaf: first entry of m_order; inner: the left child
    std::int32_t second = 0;       // inner: the right child
    std::int32_t count = 0;        // leaf: number of edges; inner: 0
  };

  std::int32_t Build(std::span<const SegmentEdge> edges, std::int32_t first, std::int32_t count);
  bool CannotLower(const Node& node, const std::array<double, kRayLanes>& x,
                   const std::array<double, kRayLanes>& y, const std::array<double, kRayLanes>& z,
                   std::int32_t conductor, const RayMinima& minima) const;

  std::vector<RaySegment> m_segments;  // by edge number
  std::vector<std::int32_t> m_order;   // edge numbers, each leaf's contiguous
  std::vector<Node> m_nodes;           // the root first
  double m_slack = 0.0;                // rounding allowance of the box distances
};

}  // namespace quor::solver
