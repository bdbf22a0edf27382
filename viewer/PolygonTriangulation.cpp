#include "viewer/PolygonTriangulation.h"

#include <vector>

#include "viewer/SegmentGeometry.h"

namespace quor::viewer {

namespace {

// Scaled scene units: the whole model spans about 10.
constexpr double kMinGap = 0.001;          // shortest edge, closest approach of edges
constexpr double kMinNewellLength = 1e-6;  // below it the plate has no area
constexpr double kMaxOffPlane = 0.001;     // largest edge component along the normal

using Nodes = std::vector<Point3>;

std::size_t Next(const Nodes& p, std::size_t i, std::size_t step = 1) {
  return (i + step) % p.size();
}

// Removes, one at a time, the first node lying within kMinGap of its
// predecessor, until there is none or only a triangle is left.
void RemoveShortEdges(Nodes& p) {
  bool removed = true;
  while (removed && p.size() > 3) {
    removed = false;
    for (std::size_t k = 1; k <= p.size(); ++k) {
      const std::size_t i = k % p.size();
      if (point_distance(p[k - 1], p[i]) < kMinGap) {
        p.erase(p.begin() + static_cast<std::ptrdiff_t>(i));
        removed = true;
        break;
      }
    }
  }
}

bool EdgesShareNode(const Nodes& p, std::size_t i, std::size_t j) {
  return i == j || Next(p, i) == j || Next(p, j) == i;
}

bool HasTouchingEdges(const Nodes& p) {
  for (std::size_t i = 0; i < p.size(); ++i) {
    for (std::size_t j = i + 1; j < p.size(); ++j) {
      if (EdgesShareNode(p, i, j)) continue;
      if (segment_segment_distance(p[i], p[Next(p, i)], p[j], p[Next(p, j)]) < kMinGap) return true;
    }
  }
  return false;
}

bool IsPlanar(const Nodes& p, const Point3& normal) {
  const Point3 unit = (1.0 / normal.Length()) * normal;
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (std::abs(Point3Dot(unit, p[Next(p, i)] - p[i])) > kMaxOffPlane) return false;
  }
  return true;
}

bool IsRefused(const Nodes& p, const Point3& normal) {
  return HasTouchingEdges(p) || normal.Length() < kMinNewellLength || !IsPlanar(p, normal);
}

bool IsStrictlyInside(const Point3& q, const Point3& a, const Point3& b, const Point3& c,
                      const Point3& normal) {
  return Point3Dot(Point3Cross(b - a, q - a), normal) > 0.0 &&
         Point3Dot(Point3Cross(c - b, q - b), normal) > 0.0 &&
         Point3Dot(Point3Cross(a - c, q - c), normal) > 0.0;
}

bool IsCorner(const Nodes& p, std::size_t k, std::size_t m) {
  return m == k || m == Next(p, k) || m == Next(p, k, 2);
}

// The corner k, k+1, k+2 is an ear when it is convex, holds no other node
// and its diagonal k - k+2 keeps clear of every edge away from the corner.
bool IsEar(const Nodes& p, std::size_t k, const Point3& normal) {
  const Point3& a = p[k];
  const Point3& b = p[Next(p, k)];
  const Point3& c = p[Next(p, k, 2)];
  if (Point3Dot(Point3Cross(b - a, c - b), normal) < 0.0) return false;
  for (std::size_t m = 0; m < p.size(); ++m) {
    if (IsCorner(p, k, m)) continue;
    if (IsStrictlyInside(p[m], a, b, c, normal)) return false;
    if (IsCorner(p, k, Next(p, m))) continue;
    if (segment_segment_distance(a, c, p[m], p[Next(p, m)]) < kMinGap) return false;
  }
  return true;
}

// Cuts ears until a triangle is left; false when a pass finds no ear.
bool ClipEars(Nodes& p, const Point3& normal, TriangleSink& sink) {
  while (p.size() > 3) {
    std::size_t k = 0;
    while (k < p.size() && !IsEar(p, k, normal)) ++k;
    if (k == p.size()) return false;
    sink.Triangle(p[k], p[Next(p, k)], p[Next(p, k, 2)]);
    p.erase(p.begin() + static_cast<std::ptrdiff_t>(Next(p, k)));
  }
  return true;
}

}  // namespace

void draw_filled_polygon(std::span<const Point3> nodes, TriangleSink& sink) {
  Nodes p(nodes.begin(), nodes.end());
  if (p.size() < 3) return;
  if (p.size() > 3) {
    RemoveShortEdges(p);
    if (p.size() > 3) {
      const Point3 normal = NewellVector(p);
      if (IsRefused(p, normal) || !ClipEars(p, normal, sink)) return;
    }
  }
  sink.Triangle(p[0], p[1], p[2]);
}

}  // namespace quor::viewer
