#include "editor/ui/UnbuiltCommands.h"

#include "editor/ui/CommandIds.h"

namespace quor {

namespace {

// clang-format off
constexpr int kUnbuilt[] = {
    // Project windows are tabs here: there is nothing to cascade, tile or arrange.
    cmd::kWindowCascade, cmd::kWindowTile, cmd::kWindowArrange,
};

// What a project's view or document handles and enables; without a project
// nobody answers for them, and they are disabled. (Paste is the main frame's.)
constexpr int kProjectOnly[] = {
    cmd::kEditUndo, cmd::kEditRedo, cmd::kEditCut, cmd::kEditCopy, cmd::kEditDelete, cmd::kEditSelectAll,
    cmd::kViewZoomIn, cmd::kViewZoomOut, cmd::kViewZoomAll, cmd::kViewShowGrid, cmd::kViewSnapToGrid,
    cmd::kViewRenderNormal, cmd::kViewRenderWireFrame, cmd::kViewProperties, cmd::kView3DView,
    cmd::kArrangeBringToFront, cmd::kArrangeSendToBack, cmd::kArrangeSubtract,
    cmd::kProjectNewLayer, cmd::kProjectNewPolygon, cmd::kProjectNewVia, cmd::kProjectFootprint,
    cmd::kComputeCheck, cmd::kComputeSegment, cmd::kComputeRun, cmd::kComputeAutoRun,
    cmd::kListResults, cmd::kListCParameters, cmd::kListCkt, cmd::kListYParameters,
    cmd::kObjectIndex, cmd::kPolygonProperties, cmd::kViaProperties,
    cmd::kViewPan, cmd::kViewZoom,
    cmd::kToolSelect, cmd::kToolPolylineNode, cmd::kToolPolyline, cmd::kToolRectangle, cmd::kToolVia,
};
// clang-format on

}  // namespace

std::span<const int> UnbuiltCommandIds() {
  return kUnbuilt;
}

std::span<const int> ProjectCommandIds() {
  return kProjectOnly;
}

}  // namespace quor
