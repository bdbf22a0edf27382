// The document manager of the editor: its recent-file list holds four entries
// under the menu ids of the original resources.
#pragma once

#include <wx/docview.h>

namespace quor {

class ProjectDocManager : public wxDocManager {
 public:
  // The base initialises only after construction, so that its file history
  // comes from the override below.
  ProjectDocManager() : wxDocManager(0, false) { Initialize(); }

  wxFileHistory* OnCreateFileHistory() override;
};

}  // namespace quor
