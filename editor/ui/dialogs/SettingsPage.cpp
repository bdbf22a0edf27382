#include "editor/ui/dialogs/SettingsPage.h"

#include "editor/ui/dialogs/EditExchange.h"

namespace quor {

SettingsPage::SettingsPage(wxWindow* parent, MessageBoxes& messages)
    : wxPanel(parent, wxID_ANY), m_messages(messages) {}

bool SettingsPage::Passed(const std::optional<CheckFailure>& failure) {
  if (!failure) return true;
  ReportFailure(*this, m_messages, *failure);
  return false;
}

}  // namespace quor
