#include "editor/ui/ProjectDocManager.h"

#include <wx/filehistory.h>

#include "editor/ui/CommandIds.h"

namespace quor {

wxFileHistory* ProjectDocManager::OnCreateFileHistory() {
  return new wxFileHistory(cmd::kRecentFileCount, cmd::kFileMruFile1);
}

}  // namespace quor
