// What the document's dialog-driven operations need of the view that started
// them: its active layer, its selection and an immediate repaint; and what
// every change needs of the views: that a gesture in progress ends first.
#pragma once

namespace quor {

class CShape;

class EditingView {
 public:
  virtual ~EditingView() = default;

  virtual void SetActiveLayer(double z) = 0;
  virtual void ClearSelection() = 0;
  virtual void AddToSelection(CShape& shape) = 0;
  virtual void Repaint() = 0;
  // Puts back a gesture that a tool holds the mouse for, unless the change
  // about to come is that tool's own. Views without tools hold none.
  virtual void CancelHeldGesture() {}
};

}  // namespace quor
