// The controls of the info bar as its logic sees them: the two coordinate
// fields and the owner-drawn layer list.
#pragma once

#include <string>

#include "editor/model/LayerComboControl.h"

namespace quor {

class InfoBarControls : public LayerComboControl {
 public:
  virtual void SetCoordinateTexts(const std::string& x, const std::string& y) = 0;
  // Removes every entry of the layer list.
  virtual void ResetContent() = 0;
  // Repaints the layer list at once (its colours changed).
  virtual void RedrawList() = 0;
};

}  // namespace quor
