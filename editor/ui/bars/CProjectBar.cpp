#include "editor/ui/bars/CProjectBar.h"

#include "editor/ui/bars/CDlgProjectTree.h"

namespace quor {

CProjectBar::CProjectBar(wxWindow* parent, MainFrameLink& frame, int closeCommand)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(kWidth, -1)) {
  SetName("Project Bar");
  m_tree = new CDlgProjectTree(this, frame, closeCommand);
  SetMinSize(wxSize(kWidth, -1));
  Bind(wxEVT_SIZE, &CProjectBar::OnSize, this);
  m_created = true;
}

void CProjectBar::OnSize(wxSizeEvent& event) {
  // The tree panel takes the whole bar once both exist.
  if (m_created) m_tree->SetSize(GetClientSize());
  event.Skip();
}

}  // namespace quor
