// Where a document's plain OK message boxes go. The editor shows them with
// wxMessageBox; tests record them and never block in a modal loop.
#pragma once

#include <string>

namespace quor {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace quor
