// grid_demo: the grid control in a frame of its own.
#include <wx/app.h>

#include "GridDemoFrame.h"
#include "editor/grid/GridWndProc.h"
#include "platform/win/WindowSystem.h"

namespace {

class GridDemoApp : public wxApp {
 public:
  bool OnInit() override {
    quor::grid::RegisterGridClass(quor::win::ThreadWindowSystem());
    (new quor::grid::GridDemoFrame)->Show();
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP(GridDemoApp);
