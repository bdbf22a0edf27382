#include "editor/ui/CommandPrompts.h"

#include <string_view>

#include "editor/ui/CommandIds.h"

namespace quor {

namespace {

struct PromptEntry {
  int id;
  std::string_view text;  // the prompt, then "\n" and the tooltip where there is one
};

constexpr PromptEntry kPrompts[] = {
    {cmd::kEditSelectAll, "Select All, Shortcut: Ctrl+A"},
    {cmd::kViewSnapToGrid, "Snap to Grid"},
    {cmd::kViewShowGrid, "Show Grid"},
    {cmd::kViewZoom, "Zoom, Shortcut: F8. Use SHIFT to zoom out\nZoom (F8)"},
    {cmd::kViewPan, "Hand, Shortcut: F7\nHand (F7)"},
    {cmd::kToolSelect, "Select Object, Shortcut: F2\nSelect Object (F2)"},
    {cmd::kToolRectangle, "Rectange, Shortcut: F5\nRectangle (F5)"},
    {cmd::kToolPolyline, "Polyline, Shortcut: F4\nPolyline (F4)"},
    {cmd::kViewRenderNormal, "Render Normal"},
    {cmd::kViewRenderWireFrame, "Render WireFrame"},
    {cmd::kProjectMetallization, "Metallization"},
    {cmd::kComputeCheck, "Check, Shortcut: Ctrl+F2\nCheck (Ctrl+F2)"},
    {cmd::kComputeSegment, "Segment, Shortcut: Ctrl+F3\nSegment (Ctrl+F3)"},
    {cmd::kComputeRun, "Run, Shortcut: Ctrl+F5\nRun (Ctrl+F5)"},
    {cmd::kProjectNewVia, "New Via"},
    {cmd::kToolVia, "Via, Shortcut: F6\nVia (F6)"},
    {cmd::kProjectNewPolygon, "New Polygon"},
    {cmd::kViewZoomIn, "Zoom In, Shortcut: Numpad +\nZoom In (Numpad +)"},
    {cmd::kViewZoomOut, "Zoom Out, Shortcut: Numpad -\nZoom Out (Numpad -)"},
    {cmd::kEditDelete, "Delete, Shortcut: Del"},
    {cmd::kViewProperties, "Properties"},
    {cmd::kView3DView, "3D View, Shortcut: Ctrl+F4\n3D View (Ctrl+F4)"},
    {cmd::kViewZoomAll, "Zoom All, Shortcut: Ctrl+F8\nZoom All (Ctrl+F8)"},
    {cmd::kProjectFootprint, "Footprint"},
    {cmd::kEditPasteOriginal, "Paste to original X,Y, Shortcut: Ctrl+T"},
    {cmd::kProjectNewLayer, "New Layer, Shortcut: Ctrl+L"},
    {cmd::kArrangeBringToFront, "Bring to Front, Shortcut: Ctrl+F"},
    {cmd::kArrangeSendToBack, "Send to Back, Shortcut: Ctrl+B"},
    {cmd::kArrangeSubtract, "Subtract"},
    {cmd::kToolPolylineNode, "Polyline Node, Shortcut: F3\nPolyline Node (F3)"},
    {cmd::kComputeAutoRun, "AutoRun, Shortcut: Ctrl+F6\nAutoRun (Ctrl+F6)"},
    {cmd::kListResults, "List Results, Shortcut: Ctrl+F7\nList Results (Ctrl+F7)"},
    {cmd::kEditCopy, "Copy, Shortcut: Ctrl+C\nCopy (Ctrl+C)"},
    {cmd::kEditCut, "Cut, Shortcut: Ctrl+X\nCut (Ctrl+X)"},
    {cmd::kEditPaste, "Paste, Shortcut: Ctrl+V\nPaste (Ctrl+V)"},
    {cmd::kEditUndo, "Undo, Shortcut: Ctrl+Z\nUndo"},
    {cmd::kEditRedo, "Redo, Shortcut: Ctrl+Y\nRedo"},
};

}  // namespace

CommandPrompt GetCommandPrompt(int id) {
  for (const PromptEntry& entry : kPrompts) {
    if (entry.id != id) continue;
    const std::size_t newline = entry.text.find('\n');
    if (newline == std::string_view::npos) return {std::string(entry.text), {}};
    return {std::string(entry.text.substr(0, newline)), std::string(entry.text.substr(newline + 1))};
  }
  return {};
}

}  // namespace quor
