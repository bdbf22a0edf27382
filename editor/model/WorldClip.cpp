#include "editor/model/WorldClip.h"

#include <algorithm>
#include <functional>

#include "platform/draw/SegmentClip.h"

namespace quor {

namespace {

// One side of the rectangle: which points are inside it and where an edge crosses it.
struct Side {
  std::function<bool(const Point2&)> inside;
  std::function<Point2(const Point2&, const Point2&)> crossing;
};

Point2 AtX(const Point2& a, const Point2& b, double x) {
  return {x, a.y + (b.y - a.y) * ((x - a.x) / (b.x - a.x))};
}

Point2 AtY(const Point2& a, const Point2& b, double y) {
  return {a.x + (b.x - a.x) * ((y - a.y) / (b.y - a.y)), y};
}

std::vector<Point2> ClipToSide(const std::vector<Point2>& outline, const Side& side) {
  std::vector<Point2> kept;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const Point2& from = outline[i];
    const Point2& to = outline[(i + 1) % outline.size()];
    const bool fromInside = side.inside(from);
    const bool toInside = side.inside(to);
    if (fromInside) kept.push_back(from);
    if (fromInside != toInside) kept.push_back(side.crossing(from, to));
  }
  return kept;
}

}  // namespace

bool Contains(const DoubleRect& rect, const Point2& point) {
  return point.x >= rect.left && point.x <= rect.right && point.y >= rect.bottom && point.y <= rect.top;
}

std::vector<Point2> ClipPolygon(std::span<const Point2> outline, const DoubleRect& rect) {
  // Sutherland-Hodgman, one side of the rectangle after the other.
  const Side sides[] = {
      {[&](const Point2& p) { return p.x >= rect.left; },
       [&](const Point2& a, const Point2& b) { return AtX(a, b, rect.left); }},
      {[&](const Point2& p) { return p.x <= rect.right; },
       [&](const Point2& a, const Point2& b) { return AtX(a, b, rect.right); }},
      {[&](const Point2& p) { return p.y >= rect.bottom; },
       [&](const Point2& a, const Point2& b) { return AtY(a, b, rect.bottom); }},
      {[&](const Point2& p) { return p.y <= rect.top; },
       [&](const Point2& a, const Point2& b) { return AtY(a, b, rect.top); }},
  };
  std::vector<Point2> clipped(outline.begin(), outline.end());
  for (const Side& side : sides) {
    if (clipped.empty()) break;
    clipped = ClipToSide(clipped, side);
  }
  return clipped;
}

std::vector<std::vector<Point2>> ClipPath(std::span<const Point2> path, const DoubleRect& rect) {
  std::vector<std::vector<Point2>> pieces;
  bool continues = false;  // the last piece ends where the next segment starts
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    Point2 a = path[i];
    Point2 b = path[i + 1];
    if (!ClipSegment({rect.left, rect.bottom, rect.right, rect.top}, a.x, a.y, b.x, b.y)) {
      continues = false;
      continue;
    }
    if (!continues || !(a == pieces.back().back())) pieces.push_back({a});
    pieces.back().push_back(b);
    continues = b == path[i + 1];
  }
  return pieces;
}

}  // namespace quor
