// What a document needs of the main frame: relaying its update hints to the
// bars and showing the footprint size in the status bar.
#pragma once

#include <string>

#include "editor/document/UpdateHint.h"

namespace quor {

class MainFrameLink {
 public:
  virtual ~MainFrameLink() = default;

  virtual void BroadcastHint(const Hint& hint) = 0;
  virtual void SetStatusText(const std::string& text) = 0;
};

}  // namespace quor
