// What a bar of the main frame (the Layers window, the project tree, the info
// bar) does with the document's update hints relayed by the main frame.
#pragma once

#include "editor/document/UpdateHint.h"

namespace quor {

class BarHintReceiver {
 public:
  virtual ~BarHintReceiver() = default;

  virtual void OnHint(const Hint& hint) = 0;
};

}  // namespace quor
