// The view operations that the commands and the editing tools share: hit
// tests against the model and the selection, selecting by rectangle, and the
// resize of the selected polygon.
#include <cmath>

#include "editor/document/ProjectDocument.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CStructure.h"
#include "editor/model/Point3.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

// Pixel tolerances of the hit tests.
constexpr double kObjectTolerance = 3.0;
constexpr double kNodeTolerance = 6.0;
constexpr double kEdgeTolerance = 4.0;
// Corner handles sit this far outside the box; see CShape::DrawHandles.
constexpr double kHandleDistance = 10.0;

// Every selected polygon, in the order of selection.
template <typename Visit>
bool ForEachSelectedPolygon(const std::vector<CShape*>& objects, Visit&& visit) {
  for (CShape* object : objects) {
    auto* polygon = dynamic_cast<CConductorPolygon*>(object);
    // A polygon without nodes has no height yet (New Polygon's dialog is open).
    if (polygon == nullptr || polygon->GetNodes().GetCount() == 0) continue;
    if (visit(*polygon)) return true;
  }
  return false;
}

}  // namespace

CShape* ViewCore::HitTest(const Point3& point) const {
  if (m_document == nullptr) return nullptr;
  return m_document->GetModel().HitTest(point, PixelsToUnits(kObjectTolerance));
}

CShape* ViewCore::HitTestSelectionHandle(const Point3& point, int& handle) const {
  return m_selection.HitTestHandle(point, handle, PixelsToUnits(kNodeTolerance),
                                   PixelsToUnits(kHandleDistance));
}

bool ViewCore::IsSelected(const CShape* object) const {
  return m_selection.Contains(object);
}

void ViewCore::SelectInRect(const DoubleRect& rect) {
  m_selection.SelectInRect(rect);
}

Point3* ViewCore::HitTestSelectedNode(const Point2& point) const {
  const double tolerance = PixelsToUnits(kNodeTolerance);
  Point3* found = nullptr;
  ForEachSelectedPolygon(m_selection.GetObjects(), [&](CConductorPolygon& polygon) {
    // Nodes are matched in all three coordinates: the point takes the polygon's height.
    found = polygon.FindNode(Point3{point.x, point.y, polygon.GetZ()}, tolerance);
    return found != nullptr;
  });
  return found;
}

int ViewCore::SelectNodesInRect(const DoubleRect& rect, std::vector<Point3*>& list) const {
  int count = 0;
  ForEachSelectedPolygon(m_selection.GetObjects(), [&](CConductorPolygon& polygon) {
    count += polygon.SelectNodesInRect(rect, list);
    return false;
  });
  return count;
}

bool ViewCore::HitTestSelectedEdge(const Point2& point, Point3*& first, Point3*& second) const {
  const double tolerance = PixelsToUnits(kEdgeTolerance);
  return ForEachSelectedPolygon(m_selection.GetObjects(), [&](CConductorPolygon& polygon) {
    return polygon.HitTestEdge(Point3{point.x, point.y, polygon.GetZ()}, first, second, tolerance);
  });
}

void ViewCore::ResizeSelection(const Point3& fixedCorner, const Point3& newCorner, const Point3& oldCorner) {
  if (m_document == nullptr || m_selection.IsEmpty()) return;
  // A copy: the scale's hint may empty the selection while it runs.
  const std::vector<CShape*> objects = m_selection.GetObjects();
  m_document->ScaleObject(objects, fixedCorner, oldCorner, newCorner);
}

}  // namespace quor
