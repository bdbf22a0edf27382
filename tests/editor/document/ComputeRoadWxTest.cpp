// The compute road of the editor's document on wx: the real progress dialog
// with its worker and timer, and the result files in text windows that end
// with their project.
#include <gtest/gtest.h>
#include <wx/timer.h>

#include "ComputeTestDoubles.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/CCrtanjeDocTemplate.h"
#include "editor/document/CDlgProgress.h"
#include "editor/document/DocumentCommands.h"
#include "editor/document/ResultFiles.h"
#include "editor/document/SettingsRecord.h"
#include "editor/document/TextWindow.h"
#include "editor/document/WxComputeWindows.h"
#include "support/WxTestPump.h"

namespace quor::test {

// The document's compute commands report to the project's view.
class ComputeTestView : public wxView, public RecordingEditingView {
 public:
  void OnDraw(wxDC*) override {}

 private:
  wxDECLARE_DYNAMIC_CLASS(ComputeTestView);
};

wxIMPLEMENT_DYNAMIC_CLASS(ComputeTestView, wxView);

namespace {

template <typename Window>
std::vector<Window*> TopLevel() {
  std::vector<Window*> found;
  for (wxWindow* window : wxTopLevelWindows) {
    auto* match = dynamic_cast<Window*>(window);
    if (match != nullptr && !match->IsBeingDeleted()) found.push_back(match);
  }
  return found;
}

class ComputeRoadWxTest : public ::testing::Test {
 protected:
  ComputeRoadWxTest() {
    fixture.services.services.compute = &compute;
    new CCrtanjeDocTemplate(&manager, wxCLASSINFO(ComputeTestView), fixture.services.services);
  }
  ~ComputeRoadWxTest() override {
    for (wxDocument* document : manager.GetDocumentsVector()) document->Modify(false);
    manager.CloseDocuments();
    PumpEvents();
  }

  static void Command(CCrtanjeDoc* document, int id) {
    wxCommandEvent command(wxEVT_MENU, id);
    document->ProcessEvent(command);
  }

  CCrtanjeDoc* OpenSample(const std::string& name) {
    const std::string path = fixture.Scratch(name);
    std::filesystem::copy_file(std::string(QUOR_SOURCE_DIR "/examples/") + name, path);
    return dynamic_cast<CCrtanjeDoc*>(manager.CreateDocument(path, wxDOC_SILENT));
  }

  ComputeFixture fixture;
  WxComputeWindows windows;
  ComputeServices compute{fixture.library, windows, QUOR_BIN_DIR "/", fixture.compute.viewerLock};
  wxDocManager manager;
  std::vector<std::string>& shown = fixture.services.messages.shown;
};

// AutoRun saves a changed project without asking and reports no success.
TEST_F(ComputeRoadWxTest, AutoRunShowsTheCapacitancesInAWindowThatClosesWithTheProject) {
  CCrtanjeDoc* document = OpenSample("coupled_lines.qlx");
  ASSERT_NE(document, nullptr);
  Command(document, kIdCheck);
  document->Modify(true);
  Command(document, kIdAutoRun);
  EXPECT_EQ(shown, std::vector<std::string>{"OK"});
  EXPECT_FALSE(document->IsModified());
  const std::string base = fixture.Scratch("coupled_lines");
  for (const char* extension : {".lst", ".dat", ".y2p", ".ckt"}) EXPECT_TRUE(FileExists(base + extension));
  EXPECT_FALSE(FileExists(base + ".sg1"));

  const std::vector<TextWindow*> shownFiles = TopLevel<TextWindow>();
  ASSERT_EQ(shownFiles.size(), 1u);
  EXPECT_EQ(shownFiles[0]->GetTitle(), base + ".dat");
  Command(document, kIdCParameters);
  EXPECT_EQ(shown.back(), "Results window already open");
  ASSERT_TRUE(manager.CloseDocument(document));
  PumpEvents();
  EXPECT_TRUE(TopLevel<TextWindow>().empty());
}

// Cancel lets the fill stop at its next round and waits for the worker: the
// stage's last store (DoneFlag) has been made when Run returns, and nothing
// is left that could pass for a result.
TEST_F(ComputeRoadWxTest, CancelDuringRunReturnsOnlyOnceTheWorkerHasStopped) {
  CCrtanjeDoc* document = OpenSample("coupled_lines.qlx");
  ASSERT_NE(document, nullptr);
  // Fine enough for a fill that lasts.
  SettingsRecord settings;
  CopyProjectSettings(document->GetSettings(), settings);
  settings.Resolution = 6.0;
  document->ApplySettings(settings);
  ASSERT_TRUE(document->Segment(fixture.view, true)) << shown.front();
  const int unknowns = document->GetJob().NumberOfUnknowns;

  ComputeJob& job = document->GetJob();
  wxString title;
  wxTimer cancel;
  cancel.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    const std::vector<CDlgProgress*> dialogs = TopLevel<CDlgProgress>();
    if (dialogs.empty() || job.Progress == 0) return;
    cancel.Stop();
    title = dialogs[0]->GetTitle();
    wxCommandEvent press(wxEVT_BUTTON, wxID_CANCEL);
    dialogs[0]->GetEventHandler()->ProcessEvent(press);
  });
  cancel.Start(20);
  EXPECT_FALSE(document->Run(fixture.view, true));
  EXPECT_EQ(job.DoneFlag, 1);
  EXPECT_EQ(title, "Fill Matrix") << unknowns << " unknowns";
  EXPECT_FALSE(document->IsComputed());
  for (const char* extension : {".dat", ".y2p", ".ckt", ".sg1"}) {
    EXPECT_FALSE(FileExists(fixture.Scratch("coupled_lines") + extension)) << extension;
  }
  EXPECT_EQ(shown, std::vector<std::string>{});
}

}  // namespace
}  // namespace quor::test
