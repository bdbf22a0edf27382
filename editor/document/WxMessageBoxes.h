// The editor's message boxes: wxMessageBox.
#pragma once

#include <string>

#include "editor/document/MessageBoxes.h"

class wxWindow;

namespace quor {

class WxMessageBoxes : public MessageBoxes {
 public:
  // Boxes captioned with the program's name, over `parent` (which must
  // outlive this object) or over no window in particular.
  explicit WxMessageBoxes(wxWindow* parent = nullptr) : m_parent(parent) {}

  void ShowMessage(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  bool AskOkCancel(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;

 private:
  int Show(const std::string& text, long style) const;

  wxWindow* m_parent = nullptr;
};

}  // namespace quor
