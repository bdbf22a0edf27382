// main() for GoogleTest programs that need a running wx application.
// wx log output goes to stderr: the default GUI target would open modal
// message boxes from idle processing and hang the run.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdlib>

namespace {

class TestApp : public wxApp {
 public:
  bool OnInit() override {
    wxInitAllImageHandlers();
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  alarm(540);  // a hung GUI test must not hold the whole run
  setenv("GDK_BACKEND", "x11", 0);
  wxApp::SetInstance(new TestApp);
  delete wxLog::SetActiveTarget(new wxLogStderr);
  if (!wxEntryStart(argc, argv)) return 2;
  if (!wxTheApp->CallOnInit()) return 3;
  int rc = 0;
  {
    wxGUIEventLoop loop;
    wxEventLoopActivator activate(&loop);
    rc = RUN_ALL_TESTS();
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return rc;
}
