// The editor's message boxes: wxMessageBox.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "editor/document/MessageBoxes.h"

class wxWindow;

namespace quor {

class WxMessageBoxes : public MessageBoxes {
 public:
  // Boxes over no window in particular, captioned with the program's name.
  WxMessageBoxes() = default;
  // Boxes over `parent`, which must outlive this object, with this caption.
  WxMessageBoxes(wxWindow* parent, std::string caption) : m_parent(parent), m_caption(std::move(caption)) {}

  void ShowMessage(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  bool AskOkCancel(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;

 private:
  int Show(const std::string& text, long style) const;

  wxWindow* m_parent = nullptr;
  std::optional<std::string> m_caption;
};

}  // namespace quor
