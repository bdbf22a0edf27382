// Project files dropped on the main frame open as if chosen with File Open.
#pragma once

#include <wx/dnd.h>

class wxDocManager;

namespace quor {

class ProjectDropTarget : public wxFileDropTarget {
 public:
  explicit ProjectDropTarget(wxDocManager& manager) : m_manager(manager) {}

  bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

 private:
  wxDocManager& m_manager;
};

}  // namespace quor
