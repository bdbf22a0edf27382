// What the editing tools need of the view they work in: its core (mapping,
// zoom, snapping, selection, hit tests, the document) and the few things only
// the window can do: exclusive-or drawing on its picture, the mouse cursor,
// the status bar's message, and the Properties command. The wx view
// implements it; tests use a fake over a real core.
#pragma once

#include <functional>
#include <string>

#include "platform/draw/DrawContext.h"

namespace quor {

class ViewCore;

class ToolView {
 public:
  virtual ~ToolView() = default;

  virtual ViewCore& Core() = 0;
  // Draws the figure on the window's picture with the exclusive-or raster
  // operation and shows the changed pixels at once; the same figure drawn
  // again gives every pixel back.
  virtual void DrawXor(const std::function<void(DrawContext&)>& figure) = 0;
  // A drawn cursor's resource number or a system cursor's (CursorArt.h).
  virtual void SetCursor(int cursorId) = 0;
  // The main frame's message text (the first status bar pane).
  virtual void SetMessageText(const std::string& text) = 0;
  // The view's Properties command on the selection.
  virtual void OnProperties() = 0;
};

}  // namespace quor
