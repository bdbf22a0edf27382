// The editor's message boxes: wxMessageBox with an OK button.
#pragma once

#include "editor/document/MessageBoxes.h"

namespace quor {

class WxMessageBoxes : public MessageBoxes {
 public:
  void ShowMessage(const std::string& text) override;
};

}  // namespace quor
