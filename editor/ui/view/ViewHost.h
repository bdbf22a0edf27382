// What the editing view's core needs of the window around it and of the
// editor beyond: the window's metrics, its scroll bars and repaints, message
// boxes, the current tool, the main frame's hint relay and clipboard, and the
// dialogs of the view's commands. The wx view implements it; tests use a
// recording fake.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/document/ClipboardObject.h"

#include "editor/document/UpdateHint.h"
#include "platform/draw/DrawContext.h"

namespace quor {

class CConductorPolygon;

// The scroll bars as the core keeps them, in pixels. A bar is shown while the
// total exceeds the client size in its direction (the window sets the thumb
// to the client size, so the toolkit shows it then and only then).
struct ScrollBars {
  DevicePoint position;
  DeviceSize total;
  DeviceSize page;
  DeviceSize line;
};

class ViewHost {
 public:
  virtual ~ViewHost() = default;

  // Horizontal resolution of the display in pixels per inch.
  virtual int GetLogPixelsX() const = 0;
  // Height of the text "x" in the window's font.
  virtual int GetTextHeight() const = 0;
  // Width of a vertical scroll bar and height of a horizontal one.
  virtual DeviceSize GetScrollBarSizes() const = 0;

  virtual void SetScrollBars(const ScrollBars& bars) = 0;
  // Invalidates the whole client area and paints it at once.
  virtual void Repaint() = 0;
  virtual void ShowMessage(const std::string& text) = 0;

  // The current editing tool.
  virtual void CancelTool() = 0;
  // The same, just before an undo: a figure the tool has begun in the model
  // is left to the undo, which takes it away whole.
  virtual void CancelToolForUndo() = 0;
  virtual void DrawToolOverlay(DrawContext& dc) = 0;
  // A key went down over the view; the tool sees it before the view does.
  virtual void ToolKeyDown(unsigned key, int repeat, unsigned flags) = 0;
  // Makes the Select tool current.
  virtual void SetSelectTool() = 0;
  // The command id of the current tool, at its original value (32830 Select,
  // 32832 Polyline, 32831 Rectangle, ...).
  virtual int GetToolCommandId() const = 0;

  // The main frame's internal clipboard, shared by every open project.
  virtual const std::vector<ClipboardObject>& GetClipboard() const = 0;
  virtual void SetClipboard(std::vector<ClipboardObject> objects) = 0;

  // The Polygon dialog on a polygon of the model at height z, modal; it
  // applies its own changes. True when it ends with OK.
  virtual bool RunPolygonDialog(CConductorPolygon& polygon, double z, bool newPolygon) = 0;
  // The Conductor Index dialog, its field starting with the text; the index
  // it accepted, or nothing when cancelled.
  virtual std::optional<int> AskConductorIndex(const std::string& text) = 0;

  // To the main frame's bars only (the active layer).
  virtual void BroadcastHint(const Hint& hint) = 0;
};

}  // namespace quor
