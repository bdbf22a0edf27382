#include "editor/ui/UnbuiltCommands.h"

#include "editor/ui/CommandIds.h"

namespace quor {

namespace {

// clang-format off
constexpr int kUnbuilt[] = {
    // The editing view's commands, tools and context menus. (Undo and the
    // compute and result commands are enabled by the document's own rules.)
    cmd::kEditCut, cmd::kEditCopy, cmd::kEditDelete, cmd::kEditSelectAll,
    cmd::kViewZoomIn, cmd::kViewZoomOut, cmd::kViewZoomAll,
    cmd::kViewShowGrid, cmd::kViewSnapToGrid, cmd::kViewRenderNormal, cmd::kViewRenderWireFrame,
    cmd::kViewProperties, cmd::kArrangeBringToFront, cmd::kArrangeSendToBack,
    cmd::kProjectNewLayer, cmd::kProjectNewPolygon, cmd::kProjectNewVia, cmd::kProjectFootprint,
    cmd::kObjectIndex,
    cmd::kPolygonProperties, cmd::kViaProperties,
    // Project windows are tabs here: there is nothing to cascade, tile or arrange.
    cmd::kWindowCascade, cmd::kWindowTile, cmd::kWindowArrange,
};
// clang-format on

}  // namespace

std::span<const int> UnbuiltCommandIds() {
  return kUnbuilt;
}

}  // namespace quor
