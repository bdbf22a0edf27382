#include "solver/segment/SegmentCellClip.h"

#include <optional>
#include <utility>

#include "solver/PointLocation.h"
#include "solver/SegmentGeometry.h"

namespace quor::solver {

namespace {

// The outline edge the cell edge from -> to crosses first (outlines and their
// edges in order): the crossing point and the outline edge's end vertex.
struct Crossing {
  Point3 point;
  Point3 edgeEnd;
};

std::optional<Crossing> FirstCrossing(const Point3& from, const Point3& to,
                                      std::span<const Polygon> outline) {
  for (const Polygon& polygon : outline) {
    const auto vertices = polygon.Vertices();
    for (std::size_t i = 0; i < vertices.size(); ++i) {
      const Point3& start = vertices[i];
      const Point3& end = vertices[(i + 1) % vertices.size()];
      if (const auto point = IntersectSegments(to - from, end - start, from, start))
        return Crossing{*point, end};
    }
  }
  return std::nullopt;
}

class ClipBuilder {
 public:
  explicit ClipBuilder(double tol) : m_tol(tol) {}

  void Append(const Point3& p) {
    if (!m_clip.points.empty() && (p - m_clip.points.back()).Length() <= m_tol) return;
    m_clip.points.push_back(p);
  }

  // An outline corner inside the cell follows its crossing point, or comes
  // before it when the cell walk goes on into the plate.
  void InsertCorner(const Point3& corner, const Point3& crossing, bool beforeCrossing) {
    if ((corner - crossing).Length() <= m_tol) return;
    m_clip.insertedCorner = static_cast<std::int32_t>(m_clip.points.size());
    m_clip.points.push_back(corner);
    if (!beforeCrossing) return;
    auto& points = m_clip.points;
    const auto w = static_cast<std::size_t>(m_clip.insertedCorner);
    std::swap(points[w], points[w - 1]);
    --m_clip.insertedCorner;
  }

  SegmentCellClip Finish() {
    auto& points = m_clip.points;
    if (points.size() > 1 && (points.back() - points.front()).Length() <= m_tol) {
      points.pop_back();
      // An outline corner that closed the walk is the first point itself.
      if (m_clip.insertedCorner == static_cast<std::int32_t>(points.size())) m_clip.insertedCorner = 0;
    }
    return std::move(m_clip);
  }

 private:
  double m_tol;
  SegmentCellClip m_clip;
};

}  // namespace

SegmentCellClip ClipCell(const std::array<Point3, 4>& corners, const std::array<bool, 4>& inside,
                         std::span<const Polygon> outline, double tol) {
  ClipBuilder clip(tol);
  for (std::size_t z = 0; z < corners.size(); ++z) {
    const std::size_t next = (z + 1) % corners.size();
    if (inside[z]) clip.Append(corners[z]);
    if (inside[z] == inside[next]) continue;
    const auto crossing = FirstCrossing(corners[z], corners[next], outline);
    if (!crossing) continue;
    clip.Append(crossing->point);
    const Polygon cell(corners);
    if (PointInPolygon(crossing->edgeEnd, cell, tol) >= 0.5) {
      clip.InsertCorner(crossing->edgeEnd, crossing->point, inside[next]);
    }
  }
  return clip.Finish();
}

}  // namespace quor::solver
