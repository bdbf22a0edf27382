#include "solver/segment/SegmentEdgeIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "solver/segment/SegmentLimits.h"

namespace quor::solver {

namespace {

constexpr std::int32_t kLeafEdges = 4;
// Conductor indices from 63 on (and negative ones) share the last bit.
constexpr std::int32_t kSharedBit = 63;

std::uint64_t ConductorBit(std::int32_t conductor) {
  return std::uint64_t{1} << (conductor >= 0 && conductor < kSharedBit ? conductor : kSharedBit);
}

// Whether the node's edges may include one of another conductor than `conductor`.
bool HasOtherConductor(std::uint64_t conductors, std::int32_t conductor) {
  const std::uint64_t own = ConductorBit(conductor);
  if ((conductors & ~own) != 0) return true;
  return own == ConductorBit(kSharedBit) && (conductors & own) != 0;
}

double Axis(const Point3& p, int axis) {
  return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}

// No point of the box is nearer to p than this.
double BoxDistance(const Point3& low, const Point3& high, const Point3& p) {
  const double dx = std::max({low.x - p.x, 0.0, p.x - high.x});
  const double dy = std::max({low.y - p.y, 0.0, p.y - high.y});
  const double dz = std::max({low.z - p.z, 0.0, p.z - high.z});
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace

SegmentEdgeIndex::SegmentEdgeIndex(std::span<const SegmentEdge> edges) {
  m_order.resize(edges.size());
  for (std::size_t i = 0; i < edges.size(); ++i) m_order[i] = static_cast<std::int32_t>(i);
  m_segments.reserve(edges.size());
  for (const SegmentEdge& edge : edges) m_segments.push_back(MakeRaySegment(edge.start, edge.end));
  double extent = 0.0;
  for (const SegmentEdge& edge : edges) {
    for (const Point3& p : {edge.start, edge.end}) {
      extent = std::max({extent, std::abs(p.x), std::abs(p.y), std::abs(p.z)});
    }
  }
  // A computed distance to an edge falls short of the distance to its box by
  // no more than a few roundings of the coordinates.
  m_slack = 1e-12 * extent;
  if (!edges.empty()) {
    m_nodes.reserve(2 * edges.size() / kLeafEdges + 1);
    Build(edges, 0, static_cast<std::int32_t>(edges.size()));
  }
}

std::int32_t SegmentEdgeIndex::Build(std::span<const SegmentEdge> edges, std::int32_t first,
                                     std::int32_t count) {
  const auto index = static_cast<std::int32_t>(m_nodes.size());
  m_nodes.emplace_back();
  Node node;
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  node.low = {kInfinity, kInfinity, kInfinity};
  node.high = {-kInfinity, -kInfinity, -kInfinity};
  const auto order =
      std::span(m_order).subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
  for (const std::int32_t e : order) {
    const SegmentEdge& edge = edges[static_cast<std::size_t>(e)];
    for (const Point3& p : {edge.start, edge.end}) {
      node.low = {std::min(node.low.x, p.x), std::min(node.low.y, p.y), std::min(node.low.z, p.z)};
      node.high = {std::max(node.high.x, p.x), std::max(node.high.y, p.y), std::max(node.high.z, p.z)};
    }
    node.conductors |= ConductorBit(edge.conductorIndex);
  }
  node.first = first;
  node.count = count;
  if (count > kLeafEdges) {
    // Halve along the box's longest side by the edges' midpoints.
    const Point3 size = node.high - node.low;
    const int axis = size.x >= size.y && size.x >= size.z ? 0 : size.y >= size.z ? 1 : 2;
    const auto middle = [&](std::int32_t e) {
      const SegmentEdge& edge = edges[static_cast<std::size_t>(e)];
      return Axis(edge.start, axis) + Axis(edge.end, axis);
    };
    const std::int32_t half = count / 2;
    std::nth_element(order.begin(), order.begin() + half, order.end(),
                     [&](std::int32_t a, std::int32_t b) { return middle(a) < middle(b); });
    node.count = 0;
    node.first = Build(edges, first, half);
    node.second = Build(edges, first + half, count - half);
  }
  m_nodes[static_cast<std::size_t>(index)] = node;
  return index;
}

bool SegmentEdgeIndex::CannotLower(const Node& node, const std::array<double, kRayLanes>& x,
                                   const std::array<double, kRayLanes>& y,
                                   const std::array<double, kRayLanes>& z, std::int32_t conductor,
                                   const RayMinima& minima) const {
  const bool otherConductor = HasOtherConductor(node.conductors, conductor);
  for (std::size_t i = 0; i < kRayLanes; ++i) {
    // Every directional distance is at least the distance to the edge, and
    // that at least the distance to its box.
    const double reach = BoxDistance(node.low, node.high, {x[i], y[i], z[i]}) * (1.0 - 1e-12) - m_slack;
    // Written so that a box of non-finite coordinates is never passed over.
    if (!(reach >= minima.u[i] && reach >= minima.v[i])) return false;
    if (otherConductor && !(reach >= minima.normal[i])) return false;
  }
  return true;
}

void SegmentEdgeIndex::LowerToNearest(const std::array<double, kRayLanes>& x,
                                      const std::array<double, kRayLanes>& y,
                                      const std::array<double, kRayLanes>& z,
                                      const std::array<Point3, 3>& axes, std::span<const SegmentEdge> edges,
                                      std::int32_t conductor, RayMinima& minima) const {
  if (m_nodes.empty()) return;
  const Point3 first{x[0], y[0], z[0]};
  // Depth first, the nearer child first, so that the minima fall early and
  // prune most of the tree. Halving leaves the tree at most 64 levels deep,
  // and each level leaves one node pending.
  std::array<std::int32_t, 2 * 64> pending{};
  std::size_t count = 0;
  pending[count++] = 0;
  while (count > 0) {
    const Node& node = m_nodes[static_cast<std::size_t>(pending[--count])];
    if (CannotLower(node, x, y, z, conductor, minima)) continue;
    if (node.count == 0) {
      const Node& left = m_nodes[static_cast<std::size_t>(node.first)];
      const Node& right = m_nodes[static_cast<std::size_t>(node.second)];
      const bool leftNearer =
          BoxDistance(left.low, left.high, first) <= BoxDistance(right.low, right.high, first);
      pending[count++] = leftNearer ? node.second : node.first;
      pending[count++] = leftNearer ? node.first : node.second;
      continue;
    }
    for (std::int32_t i = node.first; i < node.first + node.count; ++i) {
      const auto e = static_cast<std::size_t>(m_order[static_cast<std::size_t>(i)]);
      if (edges[e].bridge) continue;
      LowerRayMinima(m_segments[e], x, y, z, axes, edges[e].conductorIndex != conductor, minima);
    }
  }
}

}  // namespace quor::solver
