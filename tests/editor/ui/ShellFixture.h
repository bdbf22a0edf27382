// The editor shell inside the test program: a document manager with the
// project template, the main frame on a profile file of its own, and the
// hints that reach the bars.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wx/docview.h>

#include "editor/document/DocumentServices.h"
#include "editor/ui/BarHintReceiver.h"
#include "editor/ui/dialogs/WxDocumentDialogs.h"
#include "platform/profile/FileProfile.h"
#include "support/RecordingMessageBoxes.h"

class wxDocument;
class wxMenuBar;

namespace quor {
class CCrtanjeDoc;
class CCrtanjeView;
class CMainFrame;
}  // namespace quor

namespace quor::test {

// A bar that writes each hint, with its own name, into a log shared by the bars.
class RecordingBar : public BarHintReceiver {
 public:
  struct Entry {
    std::string bar;
    UpdateHint hint;
    Hint sent;
  };

  RecordingBar(std::string name, std::vector<Entry>& log) : m_name(std::move(name)), m_log(log) {}
  void OnHint(const Hint& hint) override {
    m_log.push_back({m_name, hint.Code(), hint});
    if (m_next != nullptr) m_next->OnHint(hint);
  }
  // The hints go on to the bar whose slot this one takes, so that a real bar
  // forgets a project's objects before the project goes.
  void PassOnTo(BarHintReceiver* next) { m_next = next; }

 private:
  std::string m_name;
  std::vector<Entry>& m_log;
  BarHintReceiver* m_next = nullptr;
};

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A main frame as the editor makes it, on the fixture's profile.
  void CreateMainFrame();
  // Destroys the main frame (which writes its profile values) and waits until it is gone.
  void DestroyMainFrame();
  CCrtanjeDoc* Open(const char* sampleName);
  // Pumps until the tab of this document is the active one and shows its menu bar.
  bool WaitUntilActive(wxDocument* document);
  // Pumps until the view has taken its canvas's laid-out size and the canvas
  // has been painted at it, or the waits' limits have passed.
  static void WaitUntilLaidOut(const CCrtanjeView& view);
  // The menu bar the user sees: the active tab's, else the frame's.
  wxMenuBar* VisibleMenuBar() const;
  // Sends an update-UI event for the command through the frame, as the menus do.
  bool IsCommandEnabled(int id) const;
  // A menu command, routed as from the menu bar.
  void Command(int id);
  // Pumps until the status bar's message pane shows the text; a failure says what it shows.
  testing::AssertionResult StatusShows(const std::string& text) const;
  // A copy of the sample project in the fixture's directory.
  std::filesystem::path CopySample(const char* sampleName) const;

  std::filesystem::path directory;
  std::unique_ptr<FileProfile> profile;
  // Every question is refused: nothing is replaced or computed on a question.
  RecordingMessageBoxes messages{false};
  WxDocumentDialogs dialogs{messages};
  std::unique_ptr<DocumentServices> services;
  std::unique_ptr<wxDocManager> manager;
  CMainFrame* frame = nullptr;
};

}  // namespace quor::test
