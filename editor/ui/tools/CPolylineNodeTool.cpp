#include "editor/ui/tools/CPolylineNodeTool.h"

#include <algorithm>

#include "editor/document/ProjectDocument.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/DrawHandle.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/tools/ModelShapes.h"
#include "editor/ui/tools/SelectGestures.h"
#include "editor/ui/tools/ToolPoints.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/tools/XorFigures.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

constexpr int kNodeMarkerPixels = 4;
constexpr int kNodeMarkerPen = 2;

bool HoldsNode(const CConductorPolygon& polygon, const Point3* node) {
  const auto& nodes = polygon.GetNodes();
  return std::any_of(nodes.begin(), nodes.end(), [node](const Point3& held) { return &held == node; });
}

// The selected polygon whose node list holds this node.
const CConductorPolygon* OwnerOf(const CSelection& selection, const Point3* node) {
  for (const CShape* object : selection.GetObjects()) {
    const auto* polygon = dynamic_cast<const CConductorPolygon*>(object);
    if (polygon != nullptr && HoldsNode(*polygon, node)) return polygon;
  }
  return nullptr;
}

DoubleRect BoundsOf(const std::vector<Point3>& points) {
  DoubleRect box{points.front().y, points.front().y, points.front().x, points.front().x};
  for (const Point3& p : points) {
    box.top = std::max(box.top, p.y);
    box.bottom = std::min(box.bottom, p.y);
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
  }
  return box;
}

}  // namespace

CPolylineNodeTool::CPolylineNodeTool() : cursor(cursor::kPolylineNode) {}

void CPolylineNodeTool::Pick(ToolView& view, Point3* node) {
  pickedNodes.push_back({node, OwnerOf(view.Core().GetSelection(), node)});
  savedPositions.push_back(*node);
}

void CPolylineNodeTool::ClearPicks() {
  pickedNodes.clear();
  savedPositions.clear();
}

bool CPolylineNodeTool::IsPicked(const Point3* node) const {
  return std::any_of(pickedNodes.begin(), pickedNodes.end(),
                     [node](const PickedNode& picked) { return picked.node == node; });
}

bool CPolylineNodeTool::PicksAlive(ToolView& view) const {
  const ProjectDocument* document = view.Core().GetDocument();
  if (document == nullptr) return false;
  // A polygon rebuilt from the Polygon dialog's rows holds new nodes.
  return std::all_of(pickedNodes.begin(), pickedNodes.end(), [&](const PickedNode& picked) {
    return picked.polygon != nullptr && ModelHoldsShape(document->GetModel(), picked.polygon) &&
           HoldsNode(*picked.polygon, picked.node);
  });
}

void CPolylineNodeTool::SavePositions() {
  for (std::size_t i = 0; i < pickedNodes.size(); ++i) savedPositions[i] = *pickedNodes[i].node;
}

void CPolylineNodeTool::OnLButtonDblClk(ToolView& view, unsigned flags, DevicePoint point) {
  ViewCore& core = view.Core();
  CShape* hit = core.HitTest(PointOnActiveLayer(view, WorldPoint(view, point)));
  state = State::Idle;
  if (hit == nullptr) {
    ClearPicks();
    core.ClearSelection();
    core.Repaint();
    return;
  }
  if (!AddsToSelection(flags)) {
    // Picks of polygons no longer selected could otherwise still be dragged.
    ClearPicks();
    core.ClearSelection();
  }
  if (!core.IsSelected(hit)) core.AddToSelection(*hit);
  core.Repaint();
}

void CPolylineNodeTool::OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point) {
  ViewCore& core = view.Core();
  ProjectDocument* document = core.GetDocument();
  if (document == nullptr) return;
  pressPixel = point;
  const Point2 p = WorldPoint(view, point);
  const bool replace = !AddsToSelection(flags);
  if (!PicksAlive(view)) ClearPicks();
  SavePositions();
  Point3* first = nullptr;
  Point3* second = nullptr;
  if (Point3* node = core.HitTestSelectedNode(p)) {
    if (!IsPicked(node)) {
      if (replace) ClearPicks();
      Pick(view, node);
      core.Repaint();
    }
    document->BeginDialogChange();
    state = State::Moving;
  } else if (core.HitTestSelectedEdge(p, first, second)) {
    if (replace) ClearPicks();
    Pick(view, first);
    Pick(view, second);
    state = State::Moving;
    core.Repaint();
    document->BeginDialogChange();
  } else if (CShape* hit = core.HitTest(PointOnActiveLayer(view, p))) {
    if (!core.IsSelected(hit)) {
      ClearPicks();
      core.ClearSelection();
      core.AddToSelection(*hit);
      core.Repaint();
    }
    state = State::Idle;
  } else {
    if (replace) {
      ClearPicks();
      core.Repaint();
    }
    state = State::Selecting;
  }
  moved = false;
  lastPoint = anchor = p;
  OnSetCursor(view);
}

void CPolylineNodeTool::MoveNodes(ToolView& view, const Point2& p) {
  ViewCore& core = view.Core();
  const Point2 delta{p.x - anchor.x, p.y - anchor.y};
  const Point3 correction = core.SnapDelta(delta.x, delta.y, BoundsOf(savedPositions));
  const Point3 offset{delta.x + correction.x, delta.y + correction.y, 0.0};
  for (std::size_t i = 0; i < pickedNodes.size(); ++i) *pickedNodes[i].node = savedPositions[i] + offset;
  core.GetSelection().RecalcBounds();
  core.Repaint();
}

void CPolylineNodeTool::OnMouseMove(ToolView& view, unsigned, DevicePoint point) {
  const Point2 p = WorldPoint(view, point);
  switch (state) {
    case State::Idle:
      ShowObjectUnder(view, p);
      break;
    case State::Selecting:
      if (p == lastPoint) break;
      MoveXorRect(view, kXorRed, anchor, lastPoint, p);
      break;
    case State::Moving:
      if (!moved && IsInDeadZone(pressPixel, point)) return;
      if (!pickedNodes.empty()) MoveNodes(view, p);
      break;
  }
  moved = true;
  lastPoint = p;
}

void CPolylineNodeTool::OnLButtonUp(ToolView& view, unsigned, DevicePoint point) {
  ViewCore& core = view.Core();
  const Point2 p = WorldPoint(view, point);
  const State ended = state;
  state = State::Idle;
  if (!moved) return;
  if (ended == State::Selecting) {
    DrawXorRect(view, kXorRed, anchor, p);
    std::vector<Point3*> found;
    core.SelectNodesInRect(RectBetween(anchor, p), found);
    for (Point3* node : found) Pick(view, node);
    core.Repaint();
    return;
  }
  if (ended != State::Moving) return;
  SavePositions();
  if (ProjectDocument* document = core.GetDocument())
    document->FinishDialogChange(UpdateHint::HintNodesEdited);
}

void CPolylineNodeTool::OnSetCursor(ToolView& view) {
  view.SetCursor(cursor);
}

void CPolylineNodeTool::Activate() {
  state = State::Idle;
}

void CPolylineNodeTool::Cancel(ToolView& view) {
  ViewCore& core = view.Core();
  if (state == State::Moving && PicksAlive(view)) {
    for (std::size_t i = 0; i < pickedNodes.size(); ++i) *pickedNodes[i].node = savedPositions[i];
    core.GetSelection().RecalcBounds();
  }
  state = State::Idle;
  ClearPicks();
  core.Repaint();
}

void CPolylineNodeTool::Deactivate(ToolView& view) {
  ViewCore& core = view.Core();
  core.SetNodeDisplay(0);
  core.Repaint();
}

void CPolylineNodeTool::DrawOverlay(ToolView& view, DrawContext& dc) {
  if (!PicksAlive(view)) return;
  for (const PickedNode& picked : pickedNodes) {
    DrawHandle(*picked.node, view.Core(), dc, kXorRed, 0xFFFFFF, kNodeMarkerPen, kNodeMarkerPixels);
  }
}

}  // namespace quor
