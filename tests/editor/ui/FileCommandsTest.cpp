// The File commands as the menus give them to the main frame: whatever a
// failed Open, a cancelled New, Save As or Close do, the title, the bars and
// the recent files tell the truth about the projects that are open.
#include <gtest/gtest.h>
#include <wx/filedlg.h>
#include <wx/filehistory.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <fstream>

#include "ShellFixture.h"
#include "dialogs/ModalScript.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/CDlgLayers.h"
#include "editor/ui/bars/CDlgProjectTree.h"
#include "editor/ui/bars/CInfoBar.h"
#include "editor/ui/bars/CProjectBar.h"
#include "editor/ui/bars/LayerComboBox.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

namespace fs = std::filesystem;

// A wx assertion fails the test instead of waiting in a dialog.
class AssertionsFail {
 public:
  AssertionsFail()
      : m_previous(wxSetAssertHandler(
            [](const wxString& file, int line, const wxString&, const wxString&, const wxString& message) {
              ADD_FAILURE_AT(file.utf8_str(), line) << message.utf8_str();
            })) {}
  ~AssertionsFail() { wxSetAssertHandler(m_previous); }
  AssertionsFail(const AssertionsFail&) = delete;
  AssertionsFail& operator=(const AssertionsFail&) = delete;

 private:
  wxAssertHandler_t m_previous;
};

class FileCommandsTest : public ShellFixture {
 protected:
  // The file dialog's answer, as the user would choose it.
  static ModalScript::Step Choose(const fs::path& path) {
    return [path](wxDialog& dialog) {
      auto& files = dynamic_cast<wxFileDialog&>(dialog);
      files.SetPath(path.string());
      PumpUntil([&] { return files.GetPath() == path.string(); });
      dialog.EndModal(wxID_OK);
    };
  }
  // Pumps until the tabs of the main frame are `count`.
  bool WaitForTabs(std::size_t count) {
    return PumpUntil([&] { return frame->GetClientWindow()->GetChildren().size() == count; });
  }
  std::string ShownLayer() const {
    return std::string(frame->GetInfoBar()->GetLayerList().GetValue().utf8_str());
  }

  ModalScript script;
  AssertionsFail assertions;
};

TEST_F(FileCommandsTest, AFailedOpenOrACancelledNewLeavesTheOpenProjectOnEveryBar) {
  CreateMainFrame();
  ASSERT_TRUE(WaitUntilActive(Open("microstrip.qlx")));
  const fs::path garbage = directory / "garbage.qlx";
  std::ofstream(garbage) << "not a project";
  script.Then(Choose(garbage));
  script.Then([](wxDialog& footprint) { footprint.EndModal(wxID_CANCEL); });
  for (const int command : {cmd::kFileOpen, cmd::kFileNew}) {
    Command(command);
    ASSERT_TRUE(WaitForTabs(1)) << command;
    PumpEvents(std::chrono::milliseconds(50));
    EXPECT_EQ(frame->GetTitle(), "QUOR - microstrip.qlx") << command;
    EXPECT_GT(frame->GetProjectBar()->GetTree().GetTree().GetCount(), 0u) << command;
    EXPECT_GT(frame->GetLayersWindow()->GetList().GetItemCount(), 0) << command;
    EXPECT_NE(ShownLayer(), "") << command;
    EXPECT_TRUE(IsCommandEnabled(cmd::kToolSelect) && IsCommandEnabled(cmd::kViewZoomIn)) << command;
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].rfind("Invalid file format", 0), 0u);
}

TEST_F(FileCommandsTest, SaveAsRetitlesCloseEmptiesTheInfoBarAndRecentFilesAreAbsolute) {
  profile->WriteProfileInt("Settings", "FootprintPromptOnStartup", 0);
  CreateMainFrame();
  Command(cmd::kFileNew);
  ASSERT_EQ(manager->GetDocumentsVector().size(), 1u);
  ASSERT_TRUE(WaitUntilActive(manager->GetDocumentsVector()[0]));
  const fs::path saved = directory / "saved.qlx";
  script.Then(Choose(saved));
  Command(cmd::kFileSaveAs);
  ASSERT_TRUE(fs::exists(saved));
  EXPECT_EQ(frame->GetTitle(), "QUOR - saved.qlx");

  // Opened by a path relative to the working directory, as from the command line.
  const fs::path sample = fs::path(QUOR_SOURCE_DIR) / "examples" / "microstrip.qlx";
  ASSERT_NE(manager->CreateDocument(fs::relative(sample).string(), wxDOC_SILENT), nullptr);
  const wxFileHistory& history = *manager->GetFileHistory();
  EXPECT_EQ(history.GetHistoryFile(0), sample.lexically_normal().string());
  EXPECT_EQ(history.GetHistoryFile(1), saved.string());

  frame->GetInfoBar()->SetCoordinates(12.5, -3.0);
  for (std::size_t open = 2; open > 0; --open) {
    Command(cmd::kFileClose);
    ASSERT_TRUE(WaitForTabs(open - 1));
  }
  EXPECT_EQ(frame->GetTitle(), "QUOR");
  EXPECT_EQ(ShownLayer(), "");
  for (const int field : {1004, 1005})  // x and y
    EXPECT_EQ(dynamic_cast<wxTextCtrl&>(*frame->GetInfoBar()->FindWindow(field)).GetValue(), "0.00");
}

}  // namespace
}  // namespace quor::test
