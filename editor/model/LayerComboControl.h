// What the model needs of an owner-drawn layer combo box to fill it: entries
// that carry their layer, and a selection.
#pragma once

#include <string>

namespace quor {

class CLayer;

class LayerComboControl {
 public:
  virtual ~LayerComboControl() = default;

  // Appends an entry and returns its index.
  virtual int AddEntry(const std::string& text, CLayer* layer) = 0;
  virtual void SetSelection(int index) = 0;
};

}  // namespace quor
