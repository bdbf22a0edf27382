#include "editor/model/CPolyline.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>

#include "editor/model/DocumentSettings.h"
#include "editor/model/DrawHandle.h"
#include "editor/model/ModelTextLine.h"
#include "editor/model/NumberFormat.h"
#include "editor/model/StorableValues.h"
#include "editor/model/ViewMapping.h"
#include "editor/model/WorldClip.h"
#include "platform/archive/Archive.h"
#include "platform/archive/ArchiveException.h"

namespace quor {

namespace {

constexpr int kNodeHalfSizePixels = 4;
constexpr COLORREF kCurrentNodePen = 0x0000FF;  // red

// One node on disk: three doubles.
constexpr std::size_t kNodeRecordSize = 24;

// The angle that the edge a-b subtends at the point, as the angle-sum test
// adds it up; edges with an end at the point (within tol) add nothing.
double SubtendedAngle(const Point3& a, const Point3& b, double tol) {
  const double lengthA = Length(a);
  const double lengthB = Length(b);
  if (lengthA < tol || lengthB < tol) return 0.0;
  Point3 cross;
  Cross(cross, a, b);
  double s = std::clamp(cross.z / (lengthA * lengthB), -1.0, 1.0);
  if (std::abs(s) < 1e-10) s = 0.0;
  double theta = std::asin(s);
  if (Dot(a, b) < 0 && theta != 0.0) theta = theta > 0 ? std::numbers::pi - theta : -std::numbers::pi - theta;
  return theta;
}

// The new coordinate of a node scaled about the anchor; an axis whose old
// extent is zero cannot be scaled and is left as it is.
double ScaleCoordinate(double value, double anchor, double newCorner, double oldCorner) {
  const double oldExtent = oldCorner - anchor;
  if (oldExtent == 0.0) return value;
  return anchor + (value - anchor) * (newCorner - anchor) / oldExtent;
}

}  // namespace

CPolyline& CPolyline::operator=(const CPolyline& other) {
  if (this == &other) return *this;
  closed = other.closed;
  nodes = other.nodes;
  height = other.height;
  Assign(other);
  return *this;
}

CPolyline::~CPolyline() = default;

void CPolyline::DrawNodes(const ViewMapping& view, DrawContext& dc, const Point3* currentNode) const {
  for (const Point3& node : nodes) {
    const bool current = &node == currentNode;
    DrawHandle(node, view, dc, current ? kCurrentNodePen : Rgb(0, 0, 0), Rgb(255, 255, 255), current ? 2 : 0,
               kNodeHalfSizePixels);
  }
}

void CPolyline::Draw(const ViewMapping& view, DrawContext& dc, COLORREF, COLORREF colour, bool fill) const {
  if (nodes.GetCount() < 2) return;
  const ScopedPen pen(dc, Pen{PenStyle::Solid, 0, fill && IsClosed() ? Rgb(0, 0, 0) : colour});
  const ScopedBrush brush(dc, fill ? Brush{BrushStyle::Solid, colour} : Brush{BrushStyle::Hollow, 0});
  std::vector<Point2> world;
  world.reserve(static_cast<std::size_t>(nodes.GetCount()));
  for (const Point3& node : nodes) world.push_back({node.x, node.y});
  const DoubleRect clip = view.ClipRect();
  const bool inside =
      std::all_of(world.begin(), world.end(), [&clip](const Point2& p) { return Contains(clip, p); });
  const auto toScreen = [&view](std::span<const Point2> outline) {
    std::vector<DevicePoint> points;
    points.reserve(outline.size());
    for (const Point2& p : outline) points.push_back(view.WorldToScreen(p));
    return points;
  };
  if (IsClosed()) {
    const std::vector<Point2> shown = inside ? world : ClipPolygon(world, clip);
    if (!shown.empty()) dc.Polygon(toScreen(shown));
    return;
  }
  if (inside) {
    dc.Polyline(toScreen(world));
    return;
  }
  for (const std::vector<Point2>& piece : ClipPath(world, clip)) dc.Polyline(toScreen(piece));
}

void CPolyline::WriteText(std::ostream& out, const DocumentSettings& document) const {
  WriteTextLine(out, "");
  WriteTextLine(out, std::to_string(nodes.GetCount()));
  WriteTextLine(out, IsClosed() ? "1" : "0");
  for (const Point3& node : nodes) {
    WriteTextLine(out, FormatDouble(document.ToDisplayUnits(node.x), 6) + " " +
                           FormatDouble(document.ToDisplayUnits(node.y), 6) + " " +
                           FormatDouble(document.ToDisplayUnits(node.z), 6));
  }
}

bool CPolyline::HitTest(const Point3& point, double tolerance) const {
  if (!IsClosed()) return FindEdge(point, tolerance) >= 0;
  // A closed path is hit inside its outline; the box test takes no tolerance.
  if (point.y < bbox.bottom || point.y > bbox.top || point.x < bbox.left || point.x > bbox.right)
    return false;
  return ContainsPoint(point);
}

double CPolyline::GetZ() const {
  if (nodes.IsEmpty() && height) return *height;
  return nodes.GetHead().z;
}

void CPolyline::Offset(const Point3& delta) {
  CShape::Offset(delta);
  for (Point3& node : nodes) node = node + delta;
}

std::unique_ptr<CShape> CPolyline::Clone() const {
  return std::make_unique<CPolyline>(*this);
}

void CPolyline::Reset() {
  nodes.RemoveAll();
  closed = 0;
  ResetBounds();
}

void CPolyline::Serialize(Archive& ar) {
  CShape::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteU8(closed);
    ar.WriteI32(nodes.GetCount());
    for (Point3& node : nodes) SerializePoint(ar, node);
    return;
  }
  const std::uint8_t storedClosed = ar.ReadU8();
  const std::int32_t count = ar.ReadCount(kNodeRecordSize);
  for (std::int32_t i = 0; i < count; ++i) {
    Point3 node;
    SerializePoint(ar, node);
    // Bounds, hit tests and the drawing all compute with the nodes.
    if (!IsStorablePoint(node)) throw ArchiveException(ArchiveException::Cause::BadIndex);
    AddNode(node);
  }
  if (storedClosed != 0) SetClosed(true);
}

void CPolyline::AddNode(const Point3& point) {
  if (nodes.IsEmpty()) {
    bbox = DoubleRect{point.y, point.y, point.x, point.x};
  } else {
    if (point.x > bbox.right) {
      bbox.right = point.x;
    } else if (point.x < bbox.left) {
      bbox.left = point.x;
    }
    if (point.y > bbox.top) {
      bbox.top = point.y;
    } else if (point.y < bbox.bottom) {
      bbox.bottom = point.y;
    }
  }
  nodes.AddTail(point);
}

void CPolyline::RemoveNode(int index) {
  if (index < 0 || index >= nodes.GetCount()) return;
  nodes.RemoveAt(index);
  RecalcBounds();
  if (nodes.GetCount() < 3) closed = 0;
}

void CPolyline::SetClosed(bool flag) {
  if (flag && nodes.GetCount() < 3) return;
  closed = flag ? 1 : 0;
}

bool CPolyline::GetNextNode(Point3& out) {
  const Point3* node = nodes.GetNext();
  if (node == nullptr) return false;
  out = *node;
  return true;
}

void CPolyline::SetZ(double z) {
  height = z;
  for (Point3& node : nodes) node.z = z;
}

void CPolyline::RecalcBounds() {
  if (nodes.IsEmpty()) {
    ResetBounds();
    return;
  }
  const Point3 first = nodes.GetHead();
  bbox = DoubleRect{first.y, first.y, first.x, first.x};
  for (const Point3& node : nodes) {
    bbox.top = std::max(bbox.top, node.y);
    bbox.bottom = std::min(bbox.bottom, node.y);
    bbox.left = std::min(bbox.left, node.x);
    bbox.right = std::max(bbox.right, node.x);
  }
}

int CPolyline::SelectNodesInRect(const DoubleRect& rect, std::vector<Point3*>& list) {
  int appended = 0;
  for (Point3& node : nodes) {
    if (rect.left < node.x && node.x < rect.right && rect.bottom < node.y && node.y < rect.top) {
      list.push_back(&node);
      ++appended;
    }
  }
  return appended;
}

Point3* CPolyline::FindNode(const Point3& point, double tolerance) {
  for (Point3& node : nodes) {
    if (Distance(node, point) <= tolerance) return &node;
  }
  return nullptr;
}

int CPolyline::FindEdge(const Point3& point, double tolerance) const {
  const int count = nodes.GetCount();
  const int segments = IsClosed() ? count : count - 1;
  // Walks the pairs in list order; the closing segment (last, first) comes last.
  auto a = nodes.begin();
  for (int i = 0; i < segments; ++i) {
    auto b = std::next(a);
    const Point3& end = b == nodes.end() ? *nodes.begin() : *b;
    if (IsPointNearSegment(*a, end, point, tolerance)) return i;
    a = b;
  }
  return -1;
}

bool CPolyline::HitTestEdge(const Point3& point, Point3*& first, Point3*& second, double tolerance) {
  const int edge = FindEdge(point, tolerance);
  if (edge < 0) return false;
  first = nodes.GetAt(edge);
  second = nodes.GetAt((edge + 1) % nodes.GetCount());
  return true;
}

void CPolyline::Scale(const Point3& anchor, const Point3& newCorner, const Point3& oldCorner) {
  const double z0 = GetZ();
  for (Point3& node : nodes) {
    node.x = ScaleCoordinate(node.x, anchor.x, newCorner.x, oldCorner.x);
    node.y = ScaleCoordinate(node.y, anchor.y, newCorner.y, oldCorner.y);
    node.z = z0;
  }
  RecalcBounds();
}

bool CPolyline::ContainsPoint(const Point3& point) const {
  const int count = nodes.GetCount();
  if (count < 3) return false;
  const double tol = 1e-5 * std::min(bbox.right - bbox.left, bbox.top - bbox.bottom);
  const std::vector<Point3> vertices(nodes.begin(), nodes.end());
  if (std::abs(point.z - vertices.front().z) >= 0.01) return false;

  double sum = 0.0;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const Point3& next = vertices[(i + 1) % vertices.size()];
    sum += SubtendedAngle(vertices[i] - point, next - point, tol);
  }
  constexpr double pi = std::numbers::pi;
  const double turns = std::abs(sum / (2 * pi));
  if (turns > 0.99) return true;
  // A point on an edge or at a vertex sees part of a turn.
  return turns < 0.99 && std::abs(sum / pi) > 1e-4;
}

bool IsPointNearSegment(const Point3& a, const Point3& b, const Point3& point, double tolerance) {
  if (point.y > std::max(a.y, b.y) + tolerance || point.y < std::min(a.y, b.y) - tolerance ||
      point.x < std::min(a.x, b.x) - tolerance || point.x > std::max(a.x, b.x) + tolerance) {
    return false;
  }
  const Point3 direction = a - b;
  // Coinciding ends have no line: the box test alone decides.
  if (Dot(direction, direction) == 0.0) return true;
  return DistanceFromLine(direction, point - b) <= tolerance;
}

}  // namespace quor
