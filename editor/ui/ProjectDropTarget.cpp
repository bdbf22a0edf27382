#include "editor/ui/ProjectDropTarget.h"

#include <wx/docview.h>

namespace quor {

bool ProjectDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) {
  for (const wxString& file : files) m_manager.CreateDocument(file, wxDOC_SILENT);
  return true;
}

}  // namespace quor
