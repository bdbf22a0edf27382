// A page of the Settings sheet: told when it becomes the shown page and when
// the user wants to leave it (another page or OK), and able to ask its
// sibling pages which units are chosen.
#pragma once

#include <wx/panel.h>

#include <optional>
#include <utility>

#include "editor/ui/dialogs/CheckFailure.h"
#include "editor/ui/dialogs/UnitsPageValues.h"

namespace quor {

class MessageBoxes;

class SettingsPage : public wxPanel {
 public:
  SettingsPage(wxWindow* parent, MessageBoxes& messages);

  void SetUnitQuery(UnitQuery query) { m_query = std::move(query); }

  virtual void OnSetActive() {}
  // Reads and checks the page's values; false keeps the user on the page.
  virtual bool OnKillActive() = 0;
  // This page's answer to a sibling's query; 0 when it has none.
  virtual int OnQuerySiblings(int /*code*/) { return 0; }

 protected:
  int QuerySiblings(int code) const { return m_query ? m_query(code) : 0; }
  // Reports a failure; true when there was none.
  bool Passed(const std::optional<CheckFailure>& failure);
  MessageBoxes& Messages() const { return m_messages; }

 private:
  MessageBoxes& m_messages;
  UnitQuery m_query;
};

}  // namespace quor
