// What the editing view's core needs of the window around it and of the
// editor beyond: the window's metrics, its scroll bars and repaints, message
// boxes, the current tool, and the main frame's hint relay. The wx canvas
// implements it; tests use a recording fake.
#pragma once

#include <string>

#include "editor/document/UpdateHint.h"
#include "platform/draw/DrawContext.h"

namespace quor {

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
  virtual void DrawToolOverlay(DrawContext& dc) = 0;

  // To the main frame's bars only (the active layer).
  virtual void BroadcastHint(UpdateHint hint, const void* payload) = 0;
};

}  // namespace quor
