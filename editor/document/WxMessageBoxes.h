// The editor's message boxes: wxMessageBox.
#pragma once

#include "editor/document/MessageBoxes.h"

namespace quor {

class WxMessageBoxes : public MessageBoxes {
 public:
  void ShowMessage(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  bool AskOkCancel(const std::string& text) override;
};

}  // namespace quor
