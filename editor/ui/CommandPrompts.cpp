#include "editor/ui/CommandPrompts.h"

#include <string_view>

#include "editor/ui/CommandIds.h"
#include "editor/ui/HotKeys.h"

namespace quor {

namespace {

struct PromptEntry {
  int id;
  std::string_view text;  // the prompt, then "\n" and the tooltip where there is one
  HotKey key{};           // named where the text says "{key}"
};

constexpr PromptEntry kPrompts[] = {
    {cmd::kEditSelectAll, "Select All, Shortcut: {key}", key::kSelectAll},
    {cmd::kViewSnapToGrid, "Snap to Grid"},
    {cmd::kViewShowGrid, "Show Grid"},
    {cmd::kViewZoom, "Zoom, Shortcut: {key}. Use SHIFT to zoom out\nZoom ({key})", key::kZoom},
    {cmd::kViewPan, "Hand, Shortcut: {key}\nHand ({key})", key::kPan},
    {cmd::kToolSelect, "Select Object, Shortcut: {key}\nSelect Object ({key})", key::kSelect},
    {cmd::kToolRectangle, "Rectange, Shortcut: {key}\nRectangle ({key})", key::kRectangle},
    {cmd::kToolPolyline, "Polyline, Shortcut: {key}\nPolyline ({key})", key::kPolyline},
    {cmd::kViewRenderNormal, "Render Normal"},
    {cmd::kViewRenderWireFrame, "Render WireFrame"},
    {cmd::kProjectMetallization, "Metallization"},
    {cmd::kComputeCheck, "Check, Shortcut: {key}\nCheck ({key})", key::kCheck},
    {cmd::kComputeSegment, "Segment, Shortcut: {key}\nSegment ({key})", key::kSegment},
    {cmd::kComputeRun, "Run, Shortcut: {key}\nRun ({key})", key::kRun},
    {cmd::kProjectNewVia, "New Via"},
    {cmd::kToolVia, "Via, Shortcut: {key}\nVia ({key})", key::kVia},
    {cmd::kProjectNewPolygon, "New Polygon"},
    {cmd::kViewZoomIn, "Zoom In, Shortcut: {key}\nZoom In ({key})", key::kZoomIn},
    {cmd::kViewZoomOut, "Zoom Out, Shortcut: {key}\nZoom Out ({key})", key::kZoomOut},
    {cmd::kEditDelete, "Delete, Shortcut: {key}", key::kDelete},
    {cmd::kViewProperties, "Properties"},
    {cmd::kView3DView, "3D View, Shortcut: {key}\n3D View ({key})", key::k3DView},
    {cmd::kViewZoomAll, "Zoom All, Shortcut: {key}\nZoom All ({key})", key::kZoomAll},
    {cmd::kProjectFootprint, "Footprint"},
    {cmd::kEditPasteOriginal, "Paste to original X,Y, Shortcut: {key}", key::kPasteOriginal},
    {cmd::kProjectNewLayer, "New Layer, Shortcut: {key}", key::kNewLayer},
    {cmd::kArrangeBringToFront, "Bring to Front, Shortcut: {key}", key::kBringToFront},
    {cmd::kArrangeSendToBack, "Send to Back, Shortcut: {key}", key::kSendToBack},
    {cmd::kArrangeSubtract, "Subtract"},
    {cmd::kToolPolylineNode, "Polyline Node, Shortcut: {key}\nPolyline Node ({key})", key::kPolylineNode},
    {cmd::kComputeAutoRun, "AutoRun, Shortcut: {key}\nAutoRun ({key})", key::kAutoRun},
    {cmd::kListResults, "List Results, Shortcut: {key}\nList Results ({key})", key::kListResults},
    {cmd::kEditCopy, "Copy, Shortcut: {key}\nCopy ({key})", key::kCopy},
    {cmd::kEditCut, "Cut, Shortcut: {key}\nCut ({key})", key::kCut},
    {cmd::kEditPaste, "Paste, Shortcut: {key}\nPaste ({key})", key::kPaste},
    {cmd::kEditUndo, "Undo, Shortcut: {key}\nUndo", key::kUndo},
    {cmd::kEditRedo, "Redo, Shortcut: {key}\nRedo", key::kRedo},
};

}  // namespace

CommandPrompt GetCommandPrompt(int id) {
  for (const PromptEntry& entry : kPrompts) {
    if (entry.id != id) continue;
    const std::string text = NameKey(entry.text, entry.key);
    const std::size_t newline = text.find('\n');
    if (newline == std::string::npos) return {text, {}};
    return {text.substr(0, newline), text.substr(newline + 1)};
  }
  return {};
}

}  // namespace quor
