// The project bar docked at the left of the main frame; it holds the project
// tree and is as wide as its one separator, 170 pixels.
#pragma once

#include <wx/panel.h>

namespace quor {

class CDlgProjectTree;
class MainFrameLink;

class CProjectBar : public wxPanel {
 public:
  static constexpr int kWidth = 170;

  CProjectBar(wxWindow* parent, MainFrameLink& frame, int closeCommand);

  CDlgProjectTree& GetTree() const { return *m_tree; }

 private:
  void OnSize(wxSizeEvent& event);

  CDlgProjectTree* m_tree = nullptr;
  bool m_created = false;
};

}  // namespace quor
