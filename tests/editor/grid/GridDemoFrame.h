// A frame hosting a 100 by 3 editable grid, to try the control by hand;
// its status bar names the last notification the grid sent.
#pragma once

#include <wx/frame.h>

namespace quor::grid {

class GridHost;

class GridDemoFrame : public wxFrame {
 public:
  GridDemoFrame();
  GridHost& Grid() const { return *m_grid; }

 private:
  void Fill();
  void OnGridNotify(wxCommandEvent& event);

  GridHost* m_grid;  // owned by wx as a child

  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor::grid
