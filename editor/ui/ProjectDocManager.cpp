#include "editor/ui/ProjectDocManager.h"

#include <wx/filehistory.h>
#include <wx/filename.h>

#include "editor/ui/CommandIds.h"

namespace quor {

wxFileHistory* ProjectDocManager::OnCreateFileHistory() {
  return new wxFileHistory(cmd::kRecentFileCount, cmd::kFileMruFile1);
}

void ProjectDocManager::AddFileToHistory(const wxString& file) {
  wxFileName absolute(file);
  absolute.MakeAbsolute();
  wxDocManager::AddFileToHistory(absolute.GetFullPath());
}

}  // namespace quor
