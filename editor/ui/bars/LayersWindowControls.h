// The Layers window as its logic sees it: the report list with its rows,
// cells and selection, the window's enabled state and the colour dialog.
#pragma once

#include <optional>

#include "editor/model/LayerListControl.h"
#include "platform/draw/DrawContext.h"

namespace quor {

class LayersWindowControls : public LayerListControl {
 public:
  static constexpr int kNoRow = -1;

  virtual void DeleteAllRows() = 0;
  virtual int FindRow(const CLayer* layer) const = 0;
  virtual CLayer* RowLayer(int row) const = 0;
  virtual int FirstSelectedRow() const = 0;
  virtual void RedrawRow(int row) = 0;
  virtual void EnableWindow(bool enable) = 0;
  // The colour dialog opened on `colour`; empty when cancelled.
  virtual std::optional<COLORREF> PickColour(COLORREF colour) = 0;
};

}  // namespace quor
