#include "editor/ui/tools/CPolylineTool.h"

#include <cmath>

#include "editor/document/ProjectDocument.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/tools/ModelShapes.h"
#include "editor/ui/tools/ToolPoints.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/tools/XorFigures.h"
#include "editor/ui/view/MouseFlags.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

// How near the first node the pointer must come to close the polygon.
constexpr double kClosePixels = 4.0;
constexpr unsigned kCloseKey = 'C';

const Point3& FirstNode(const CConductorPolygon& polygon) {
  return *polygon.GetNodes().begin();
}

Point3 LastNode(const CConductorPolygon& polygon) {
  Point3 last;
  for (const Point3& node : polygon.GetNodes()) last = node;
  return last;
}

int NodeCount(const CConductorPolygon& polygon) {
  return static_cast<int>(polygon.GetNodes().GetCount());
}

}  // namespace

CPolylineTool::CPolylineTool() : cursor(cursor::kPolyline), closeCursor(cursor::kPolylineClose) {}

void CPolylineTool::Reset() {
  polygon = nullptr;
  state = State::Idle;
  nearFirst = false;
}

bool CPolylineTool::IsPolygonAlive(const ViewCore& core) const {
  const ProjectDocument* document = core.GetDocument();
  return polygon != nullptr && document != nullptr &&
         LayerHoldsShape(document->GetModel(), polygonZ, polygon);
}

bool CPolylineTool::IsNearFirstNode(ToolView& view, const Point3& point) const {
  if (polygon == nullptr || NodeCount(*polygon) <= 2 || polygon->IsClosed()) return false;
  const double t = view.Core().PixelsToUnits(kClosePixels);
  const Point3& first = FirstNode(*polygon);
  return std::fabs(point.x - first.x) <= t && std::fabs(point.y - first.y) <= t;
}

Point3 CPolylineTool::PlacedPoint(ToolView& view, DevicePoint pixel) const {
  if (nearFirst && polygon != nullptr) return FirstNode(*polygon);
  const double z = state == State::Drawing ? polygonZ : view.Core().GetActiveZ();
  return Point3(SnappedPoint(view, pixel), z);
}

void CPolylineTool::OnLButtonDown(ToolView& view, unsigned, DevicePoint pixel) {
  ViewCore& core = view.Core();
  ProjectDocument* document = core.GetDocument();
  if (document == nullptr) return;
  const Point3 v = PlacedPoint(view, pixel);
  if (state == State::Idle) {
    const double z = core.GetActiveZ();
    // The state changes only once the polygon is there: the document's hint
    // cancels the current tool on the way.
    CConductorPolygon& added = document->AddObjectCopyAt(z, CConductorPolygon());
    polygon = &added;
    polygonZ = z;
    state = State::Drawing;
  } else if (NodeCount(*polygon) > 0) {
    DrawXorSegment(view, XY(LastNode(*polygon)), XY(v));
  }
  DrawXorMarker(view, kXorRed, XY(v));
  lastPoint = v;
}

void CPolylineTool::OnMouseMove(ToolView& view, unsigned flags, DevicePoint pixel) {
  if (state != State::Drawing) return;
  const Point3 world(WorldPoint(view, pixel), polygonZ);
  Point3 v;
  if (!IsNearFirstNode(view, world)) {
    if (nearFirst) {
      nearFirst = false;
      OnSetCursor(view);
    }
    v = PlacedPoint(view, pixel);
  } else {
    if (!nearFirst) {
      nearFirst = true;
      OnSetCursor(view);
    }
    v = FirstNode(*polygon);
  }
  if ((flags & MK_LBUTTON) != 0) {
    if (NodeCount(*polygon) > 0) {
      const Point2 last = XY(LastNode(*polygon));
      DrawXorSegment(view, last, XY(lastPoint));
      DrawXorSegment(view, last, XY(v));
    }
    DrawXorMarker(view, kXorRed, XY(lastPoint));
    DrawXorMarker(view, kXorRed, XY(v));
  }
  lastPoint = v;
}

void CPolylineTool::OnLButtonUp(ToolView& view, unsigned, DevicePoint pixel) {
  if (state != State::Drawing) return;
  const Point3 v = PlacedPoint(view, pixel);
  if (NodeCount(*polygon) >= 3 && v == FirstNode(*polygon)) {
    Close(view);
    return;
  }
  polygon->AddNode(v);
  // A node is no undo step of its own: undo takes the whole polygon away.
  ViewCore& core = view.Core();
  core.GetDocument()->MarkModified();
  core.Repaint();
}

void CPolylineTool::OnKeyDown(ToolView& view, unsigned key, unsigned, unsigned) {
  if (key != kCloseKey || state != State::Drawing || NodeCount(*polygon) <= 2) return;
  Close(view);
}

void CPolylineTool::Close(ToolView& view) {
  ViewCore& core = view.Core();
  polygon->SetClosed(true);
  core.GetDocument()->MarkModified();
  if (!core.IsSelected(polygon)) core.AddToSelection(*polygon);
  Reset();
  core.Repaint();
}

void CPolylineTool::Cancel(ToolView& view) {
  Abandon(view, true);
}

void CPolylineTool::CancelForUndo(ToolView& view) {
  Abandon(view, false);
}

void CPolylineTool::Abandon(ToolView& view, bool undoable) {
  if (state != State::Drawing) return;
  ViewCore& core = view.Core();
  CConductorPolygon* drawn = IsPolygonAlive(core) ? polygon : nullptr;
  const double z = polygonZ;
  // Reset first: the removal's hint cancels the current tool again.
  Reset();
  if (drawn != nullptr && NodeCount(*drawn) < 2) {
    using Snapshot = ProjectDocument::Snapshot;
    core.GetDocument()->RemoveObjectAt(z, *drawn, undoable ? Snapshot::Take : Snapshot::None);
  }
  core.Repaint();
}

void CPolylineTool::OnKillFocus(ToolView& view) {
  Cancel(view);
  ViewCore& core = view.Core();
  core.ClearSelection();
  core.Repaint();
}

void CPolylineTool::OnSetCursor(ToolView& view) {
  SetFlaggedCursor(view, nearFirst, cursor, closeCursor);
}

void CPolylineTool::Activate() {
  Reset();
}

void CPolylineTool::DrawOverlay(ToolView& view, DrawContext& dc) {
  if (state != State::Drawing || !IsPolygonAlive(view.Core())) return;
  polygon->DrawNodes(view.Core(), dc, nullptr);
}

}  // namespace quor
