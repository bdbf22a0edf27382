// What the document's dialog-driven operations need of the view that started
// them: its active layer, its selection and an immediate repaint.
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
};

}  // namespace quor
