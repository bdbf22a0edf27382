#include "solver/checker/CheckLayerGeometry.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "solver/PointLocation.h"
#include "solver/SegmentGeometry.h"
#include "solver/checker/CheckFailure.h"
#include "tessmor/ComputeJob.h"

namespace quor::solver {

namespace {

// The check tolerance F, relative to the longest edge of the structure.
constexpr double kRelativeTolerance = 1e-6;
// Edges of one outline closer than F are one; up to this many F apart they
// are not counted as a feature distance either.
constexpr double kNearEdges = 100.0;
// Consecutive edges whose directions have a cosine below this fold back on
// each other (a slit, such as the bridge of a keyhole outline).
constexpr double kFoldBack = -0.999;
// Edges whose directions have a cosine above this run the same way.
constexpr double kSameWay = 0.99;
// The distance the check starts from: larger than any structure.
constexpr double kNoDistance = 1e38;
// What a project with a single conductor in a homogeneous space scales its
// distance by, so that the lone plate is cut finely enough.
constexpr double kFeatureFraction = 0.9;
constexpr double kLonePolygonFraction = 0.2;

struct Box {
  Point3 low;
  Point3 high;
};

// An outline taking part in the check.
struct Item {
  const Polygon* polygon = nullptr;
  std::int32_t conductorIndex = 0;
  std::int32_t id = 0;
  std::int32_t layer = 0;
  bool footprint = false;
  bool wall = false;
  Box box;
};

Box BoxOf(const Polygon& polygon) {
  Box box{polygon.Vertices()[0], polygon.Vertices()[0]};
  for (const Point3& v : polygon.Vertices()) {
    box.low = {std::min(box.low.x, v.x), std::min(box.low.y, v.y), std::min(box.low.z, v.z)};
    box.high = {std::max(box.high.x, v.x), std::max(box.high.y, v.y), std::max(box.high.z, v.z)};
  }
  return box;
}

double Gap(double lowA, double highA, double lowB, double highB) {
  return std::max({0.0, lowB - highA, lowA - highB});
}

// No two points of the boxes are closer than this.
double BoxDistance(const Box& a, const Box& b) {
  const Point3 gap{Gap(a.low.x, a.high.x, b.low.x, b.high.x), Gap(a.low.y, a.high.y, b.low.y, b.high.y),
                   Gap(a.low.z, a.high.z, b.low.z, b.high.z)};
  return gap.Length();
}

bool OverlapInPlan(const Box& a, const Box& b) {
  return a.low.x <= b.high.x && b.low.x <= a.high.x && a.low.y <= b.high.y && b.low.y <= a.high.y;
}

std::vector<Item> ItemsOf(const CheckerProject& project) {
  std::vector<Item> items;
  for (std::size_t j = 0; j < project.layers.size(); ++j) {
    const auto& slots = project.layers[j].slots;
    for (std::size_t s = 0; s < slots.size(); ++s) {
      items.push_back({&slots[s].polygon, slots[s].conductorIndex, slots[s].shapeId,
                       static_cast<std::int32_t>(j), s == 0, false, BoxOf(slots[s].polygon)});
    }
  }
  for (const CheckerProject::Wall& wall : project.viaWalls) {
    items.push_back(
        {&wall.polygon, wall.conductorIndex, wall.viaId, wall.layerIndex, false, true, BoxOf(wall.polygon)});
  }
  return items;
}

Point3 Vertex(const Polygon& polygon, std::size_t i) {
  const auto vertices = polygon.Vertices();
  return vertices[i % vertices.size()];
}

// Two edges that cross at a point other than near one of their ends.
bool CrossAwayFromEnds(const Point3& a0, const Point3& a1, const Point3& b0, const Point3& b1, double f) {
  const std::optional<Point3> meet = IntersectSegments(a1 - a0, b1 - b0, a0, b0);
  if (!meet) return false;
  return std::min({(*meet - a0).Length(), (*meet - a1).Length(), (*meet - b0).Length(),
                   (*meet - b1).Length()}) > f;
}

double Cosine(const Point3& a0, const Point3& a1, const Point3& b0, const Point3& b1) {
  return Point3Dot((a1 - a0).Unit(), (b1 - b0).Unit());
}

class GeometryCheck {
 public:
  GeometryCheck(const CheckerProject& project, ComputeJob& job)
      : m_project(project), m_job(job), m_items(ItemsOf(project)) {}

  double Run() {
    double longest = 0.0;
    for (const Item& item : m_items) {
      if (Stopped()) return Result();
      const std::size_t n = item.polygon->Vertices().size();
      for (std::size_t k = 0; k < n; ++k) {
        longest = std::max(longest, (Vertex(*item.polygon, k + 1) - Vertex(*item.polygon, k)).Length());
      }
    }
    m_f = kRelativeTolerance * longest;
    for (const Item& item : m_items) {
      if (Stopped()) return Result();
      CheckOutline(item);
    }
    const bool withFootprint = m_project.IsInhomogeneous();
    for (std::size_t i = 0; i < m_items.size(); ++i) {
      if (Stopped()) return Result();
      if (m_items[i].footprint && !withFootprint) continue;
      for (std::size_t j = i + 1; j < m_items.size(); ++j) {
        if (m_items[j].footprint && !withFootprint) continue;
        CheckPair(m_items[i], m_items[j]);
      }
    }
    return Result();
  }

 private:
  bool Stopped() const { return m_job.RunFlag.load() == 0; }
  double Result() const { return std::max(m_d, m_f); }
  void TakePart(double distance) { m_d = std::min(m_d, distance); }

  void CheckOutline(const Item& item);
  void CheckPair(const Item& a, const Item& b);

  const CheckerProject& m_project;
  ComputeJob& m_job;
  std::vector<Item> m_items;
  double m_f = 0.0;
  double m_d = kNoDistance;
};

// Zero-length edges, and edges of one outline that meet other than at a
// shared corner.
void GeometryCheck::CheckOutline(const Item& item) {
  const Polygon& polygon = *item.polygon;
  const std::size_t n = polygon.Vertices().size();
  const CheckDetails where{.polygonId = item.id, .layerIndex = item.layer};
  for (std::size_t k = 0; k < n; ++k) {
    const Point3 a0 = Vertex(polygon, k);
    const Point3 a1 = Vertex(polygon, k + 1);
    const double length = (a1 - a0).Length();
    if (length <= m_f) FailCheck(m_job, ComputeError::ZeroLengthSegment, where);
    TakePart(length);
    if (Cosine(a0, a1, a1, Vertex(polygon, k + 2)) < kFoldBack) continue;
    // Later edges that do not share a corner with this one; the closing edge
    // touches the first.
    const std::size_t end = k == 0 ? n - 1 : n;
    for (std::size_t m = k + 2; m < end; ++m) {
      const Point3 b0 = Vertex(polygon, m);
      const Point3 b1 = Vertex(polygon, m + 1);
      const double distance = SegmentDistance(a0, a1, b0, b1);
      if (distance > kNearEdges * m_f) {
        TakePart(distance);
      } else if (distance < m_f &&
                 (Cosine(a0, a1, b0, b1) > kSameWay || CrossAwayFromEnds(a0, a1, b0, b1, m_f))) {
        FailCheck(m_job, ComputeError::SelfIntersection, where);
      }
    }
  }
}

// Two outlines: on one layer they must neither overlap nor touch, except two
// outlines of one conductor meeting at a corner; any pair gives a distance.
void GeometryCheck::CheckPair(const Item& a, const Item& b) {
  const bool sameLayer = !a.wall && !b.wall && a.layer == b.layer;
  const CheckDetails where{.polygonId = a.id, .polygonId2 = b.id, .layerIndex = a.layer};
  const double t = m_project.tolerance;
  if (sameLayer && OverlapInPlan(a.box, b.box) &&
      (ClassifyContainment(*a.polygon, *b.polygon, t) == Containment::Partly ||
       ClassifyContainment(*b.polygon, *a.polygon, t) == Containment::Partly)) {
    FailCheck(m_job, ComputeError::PolygonsIntersect, where);
  }
  // Every edge distance is at least the boxes' distance; d only falls, and
  // never below F, so such a pair can neither lower d nor touch.
  if (BoxDistance(a.box, b.box) >= m_d) return;
  const std::size_t na = a.polygon->Vertices().size();
  const std::size_t nb = b.polygon->Vertices().size();
  for (std::size_t i = 0; i < na; ++i) {
    const Point3 a0 = Vertex(*a.polygon, i);
    const Point3 a1 = Vertex(*a.polygon, i + 1);
    for (std::size_t k = 0; k < nb; ++k) {
      const Point3 b0 = Vertex(*b.polygon, k);
      const Point3 b1 = Vertex(*b.polygon, k + 1);
      const double distance = SegmentDistance(a0, a1, b0, b1);
      if (distance > m_f) {
        TakePart(distance);
        continue;
      }
      if (!sameLayer || distance == m_f) continue;
      const bool touches =
          a.conductorIndex != b.conductorIndex
              ? !a.footprint && !b.footprint
              : (Cosine(a0, a1, b0, b1) > kSameWay && (a1 - a0).Length() > m_f && (b1 - b0).Length() > m_f) ||
                    CrossAwayFromEnds(a0, a1, b0, b1, m_f);
      if (touches) FailCheck(m_job, ComputeError::PolygonsIntersect, where);
    }
  }
}

}  // namespace

double CheckLayerGeometry(const CheckerProject& project, ComputeJob& job) {
  return GeometryCheck(project, job).Run();
}

void DeriveMinFeatureDistance(const CheckerProject& project, ComputeJob& job) {
  double distance = kFeatureFraction * CheckLayerGeometry(project, job);
  if (project.polygonCount == 1 && !project.IsInhomogeneous()) distance *= kLonePolygonFraction;
  job.MinFeatureDistance = distance;
}

}  // namespace quor::solver
