#include "solver/PolygonMerge.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "solver/SegmentGeometry.h"
#include "tessmor/Polygon.h"

namespace quor::solver {

namespace {

using PointList = std::vector<std::size_t>;  // positions in the pool

// The points of both outlines, so that a point the two share is one entry.
struct PointPool {
  std::vector<Point3> points;
  bool shared = false;  // an outline met a point already in the pool, or a vertex inside an edge

  std::size_t Add(const Point3& p) {
    points.push_back(p);
    return points.size() - 1;
  }

  std::size_t FindOrAdd(const Point3& p, double k) {
    for (std::size_t i = 0; i < points.size(); ++i) {
      if ((points[i] - p).Length() > k) continue;
      shared = true;
      return i;
    }
    return Add(p);
  }
};

bool Near(const Point3& p, const Point3& q, double k) {
  return (p - q).Length() <= k;
}

// The vertices of other that lie inside the edge p-q (where the edges of
// other meet it farther than k from p and q but within k of their own ends),
// nearest to p first; nothing when the outlines cross inside the edge.
std::optional<std::vector<Point3>> PointsInsideEdge(const Point3& p, const Point3& q,
                                                    std::span<const Point3> other, double k) {
  std::vector<Point3> inside;
  for (std::size_t j = 0; j < other.size(); ++j) {
    const Point3& r = other[j];
    const Point3& s = other[(j + 1) % other.size()];
    const std::optional<Point3> x = IntersectSegments(q - p, s - r, p, r);
    if (!x || Near(*x, p, k) || Near(*x, q, k)) continue;
    if (!Near(*x, r, k) && !Near(*x, s, k)) return std::nullopt;
    inside.push_back(*x);
  }
  std::sort(inside.begin(), inside.end(),
            [&](const Point3& u, const Point3& v) { return (u - p).Length() < (v - p).Length(); });
  return inside;
}

// Lists own's vertices, each followed by the points of other inside its edge
// from it. The first outline's points are all new; the second's take the
// pool entry of a point they coincide with.
std::optional<PointList> ListOutline(std::span<const Point3> own, std::span<const Point3> other, double k,
                                     bool second, PointPool& pool) {
  PointList list;
  for (std::size_t i = 0; i < own.size(); ++i) {
    list.push_back(second ? pool.FindOrAdd(own[i], k) : pool.Add(own[i]));
    const auto inside = PointsInsideEdge(own[i], own[(i + 1) % own.size()], other, k);
    if (!inside) return std::nullopt;
    if (!inside->empty()) pool.shared = true;
    for (const Point3& x : *inside) list.push_back(second ? pool.FindOrAdd(x, k) : pool.Add(x));
  }
  return list;
}

// The entry after (step 1) or before (step -1) position i.
std::size_t Cyclic(const PointList& list, std::size_t i, int step) {
  const std::size_t n = list.size();
  return list[step > 0 ? (i + 1) % n : (i + n - 1) % n];
}

struct Junction {
  std::size_t inA = 0;
  std::size_t inB = 0;
};

// The first common entry (in a's order) where b, going on, leaves a's path
// (step = 1, the union's start), or where b arrives from off a's path
// (step = -1, its end).
std::optional<Junction> FindJunction(const PointList& a, const PointList& b, int step) {
  for (std::size_t o = 0; o < a.size(); ++o) {
    for (std::size_t u = 0; u < b.size(); ++u) {
      if (a[o] == b[u] && Cyclic(b, u, step) != Cyclic(a, o, -step)) return Junction{o, u};
    }
  }
  return std::nullopt;
}

// from, from + 1, ..., to (cyclic, inclusive).
void AppendStretch(const PointList& list, std::size_t from, std::size_t to, PointList& merged) {
  for (std::size_t i = from;; i = (i + 1) % list.size()) {
    merged.push_back(list[i]);
    if (i == to) return;
  }
}

bool Collinear(const Point3& previous, const Point3& p, const Point3& next) {
  return std::fabs(Point3Dot((p - previous).Unit(), (next - p).Unit())) >= 1.0;
}

std::vector<Point3> WithoutCollinear(const std::vector<Point3>& outline) {
  std::vector<Point3> kept;
  const std::size_t n = outline.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (!Collinear(outline[(i + n - 1) % n], outline[i], outline[(i + 1) % n])) kept.push_back(outline[i]);
  }
  return kept;
}

}  // namespace

MergeResult MergeOutlines(Polygon& a, Polygon& b, double k) {
  if (a.UnitNormal().z < 0.0) a.Reversed();
  if (b.UnitNormal().z < 0.0) b.Reversed();

  PointPool pool;
  const auto listA = ListOutline(a.Vertices(), b.Vertices(), k, false, pool);
  if (!listA) return MergeResult::OutlinesCross;
  const auto listB = ListOutline(b.Vertices(), a.Vertices(), k, true, pool);
  if (!listB) return MergeResult::OutlinesCross;
  if (!pool.shared) return MergeResult::NoCommonEdge;

  const auto start = FindJunction(*listA, *listB, 1);
  const auto end = FindJunction(*listA, *listB, -1);
  if (!start || !end) return MergeResult::NoCommonEdge;

  // a from the end junction round to the start junction, then b from the start
  // junction to just before the end one. The start junction is one point of
  // both outlines and is listed once.
  PointList merged;
  AppendStretch(*listA, end->inA, start->inA, merged);
  const std::size_t beforeEnd = (end->inB + listB->size() - 1) % listB->size();
  PointList stretchB;
  AppendStretch(*listB, start->inB, beforeEnd, stretchB);
  merged.insert(merged.end(), stretchB.begin() + 1, stretchB.end());

  std::vector<Point3> outline;
  outline.reserve(merged.size());
  for (const std::size_t i : merged) outline.push_back(pool.points[i]);
  a.Set(WithoutCollinear(outline));
  return MergeResult::Merged;
}

}  // namespace quor::solver
