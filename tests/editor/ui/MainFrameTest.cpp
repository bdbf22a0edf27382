// The main frame as the user meets it: its menus with and without a project,
// the commands it enables, the hints it relays, the shared clipboard and the
// values it keeps in the profile.
#include <gtest/gtest.h>
#include <wx/menu.h>

#include <filesystem>

#include "ShellFixture.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/WindowPlacement.h"
#include "editor/ui/bars/CInfoBar.h"
#include "editor/ui/bars/CProjectBar.h"
#include "platform/profile/FileProfile.h"
#include "support/ScreenProbe.h"
#include "support/ScreenSettle.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

class MainFrameTest : public ShellFixture {};

std::size_t PolygonCount(const CStructure& model) {
  std::size_t count = 0;
  for (const auto& layer : model.GetLayers()) count += layer->GetShapes().size();
  return count;
}

TEST_F(MainFrameTest, StartsWithNoProjectAndTheNoProjectMenu) {
  CreateMainFrame();
  EXPECT_TRUE(manager->GetDocumentsVector().empty());
  wxMenuBar* bar = VisibleMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), 4u);
  EXPECT_EQ(bar->GetMenuLabelText(2), "Project");
  EXPECT_EQ(bar->FindMenu("Edit"), wxNOT_FOUND);
  EXPECT_EQ(frame->GetTitle(), "QUOR");
  EXPECT_TRUE(IsCommandEnabled(cmd::kFileNew));
  EXPECT_TRUE(IsCommandEnabled(cmd::kFileOpen));
  EXPECT_FALSE(IsCommandEnabled(cmd::kFileSave));
  EXPECT_TRUE(IsCommandEnabled(cmd::kFileImport));
  EXPECT_FALSE(IsCommandEnabled(cmd::kEditPaste));
  EXPECT_TRUE(IsCommandEnabled(cmd::kViewLayers));
}

TEST_F(MainFrameTest, OpeningASampleShowsItsWindowAndTheProjectMenu) {
  CreateMainFrame();
  CCrtanjeDoc* document = Open("microstrip.qlx");
  ASSERT_NE(document, nullptr);
  ASSERT_TRUE(WaitUntilActive(document));
  wxMenuBar* bar = VisibleMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), 10u);
  EXPECT_EQ(bar->GetMenuLabelText(1), "Edit");
  EXPECT_EQ(bar->GetLabel(cmd::kListYParameters), "&Y  Parameters");
  EXPECT_EQ(frame->GetTitle(), "QUOR - microstrip.qlx");
  EXPECT_TRUE(IsCommandEnabled(cmd::kFileClose));

  frame->SetStatusText(std::string("1000 x 500"));
  EXPECT_TRUE(PumpUntilScreenSettles(frame->GetScreenRect()));
  const std::filesystem::path shots = std::filesystem::path(QUOR_BIN_DIR).parent_path() / "screenshots";
  std::filesystem::create_directories(shots);
  EXPECT_TRUE(SaveScreenArea(frame->GetScreenRect(), (shots / "editor.png").string()));
}

TEST_F(MainFrameTest, TheRecentFilesMenuKeepsTheLastFourNewestFirst) {
  CreateMainFrame();
  for (const char* name : {"a.qlx", "b.qlx", "c.qlx", "d.qlx", "e.qlx", "f.qlx"}) {
    manager->AddFileToHistory((directory / name).string());
  }
  wxMenuItem* recent = nullptr;
  for (wxMenuItem* item : VisibleMenuBar()->GetMenu(0)->GetMenuItems()) {
    if (item->IsSubMenu()) recent = item;
  }
  ASSERT_NE(recent, nullptr);
  std::vector<std::string> shown;
  for (const wxMenuItem* item : recent->GetSubMenu()->GetMenuItems())
    shown.push_back(item->GetItemLabelText().utf8_string());
  EXPECT_EQ(shown, (std::vector<std::string>{"1 f.qlx", "2 e.qlx", "3 d.qlx", "4 c.qlx"}));
}

TEST_F(MainFrameTest, BarsHearHintsInTheirOrderAndTheLayersWindowOnlyWhileShown) {
  std::vector<RecordingBar::Entry> log;
  RecordingBar layers("layers", log);
  RecordingBar tree("tree", log);
  RecordingBar info("info", log);
  CreateMainFrame();
  ASSERT_TRUE(frame->IsShowLayers());
  frame->SetHintReceiver(CMainFrame::HintSlot::InfoBar, &info);
  frame->SetHintReceiver(CMainFrame::HintSlot::ProjectTree, &tree);
  frame->SetHintReceiver(CMainFrame::HintSlot::LayersWindow, &layers);
  frame->BroadcastHint(Hint::ActiveLayer(2.5));
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].bar, "layers");
  EXPECT_EQ(log[1].bar, "tree");
  EXPECT_EQ(log[2].bar, "info");
  EXPECT_EQ(log[2].hint, UpdateHint::HintActiveLayer);
  EXPECT_EQ(log[2].sent.Z(), 2.5);
  for (CMainFrame::HintSlot slot : {CMainFrame::HintSlot::LayersWindow, CMainFrame::HintSlot::ProjectTree,
                                    CMainFrame::HintSlot::InfoBar}) {
    frame->SetHintReceiver(slot, nullptr);
  }
  DestroyMainFrame();

  profile->WriteProfileInt("Settings", "ShowLayers", 0);
  log.clear();
  CreateMainFrame();
  EXPECT_FALSE(frame->IsShowLayers());
  frame->SetHintReceiver(CMainFrame::HintSlot::LayersWindow, &layers);
  frame->SetHintReceiver(CMainFrame::HintSlot::InfoBar, &info);
  frame->BroadcastHint(UpdateHint::HintLayerColor);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].bar, "info");
  frame->SetHintReceiver(CMainFrame::HintSlot::LayersWindow, nullptr);
  frame->SetHintReceiver(CMainFrame::HintSlot::InfoBar, nullptr);
}

TEST_F(MainFrameTest, TheViewCommandsShowAndHideTheBars) {
  CreateMainFrame();
  const auto command = [this](int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    frame->GetEventHandler()->ProcessEvent(event);
  };
  ASSERT_NE(frame->GetLayersWindow(), nullptr);
  command(cmd::kViewLayers);
  EXPECT_FALSE(frame->IsShowLayers());
  EXPECT_EQ(frame->GetLayersWindow(), nullptr);
  command(cmd::kViewLayers);
  EXPECT_NE(frame->GetLayersWindow(), nullptr);

  ASSERT_TRUE(frame->IsShowProjectBar());
  command(cmd::kViewProjectBar);
  EXPECT_FALSE(frame->IsShowProjectBar());
  EXPECT_FALSE(frame->GetProjectBar()->IsShown());
  command(cmd::kViewProjectBar);
  EXPECT_TRUE(frame->GetProjectBar()->IsShown());
  command(cmd::kProjectBarClose);
  EXPECT_FALSE(frame->IsShowProjectBar());

  command(cmd::kViewInfoBar);
  EXPECT_FALSE(frame->GetInfoBar()->IsShown());
  DestroyMainFrame();
  EXPECT_EQ(profile->GetProfileInt("Settings", "ShowProjectBar", 1), 0);
  EXPECT_EQ(profile->GetProfileInt("Settings", "ShowLayers", 0), 1);
}

TEST_F(MainFrameTest, ClipboardOutlivesItsProjectAndPastesIntoAnother) {
  CreateMainFrame();
  CCrtanjeDoc* source = Open("microstrip.qlx");
  CCrtanjeDoc* target = Open("coupled_lines.qlx");
  ASSERT_NE(source, nullptr);
  ASSERT_NE(target, nullptr);
  ASSERT_TRUE(WaitUntilActive(target));
  EXPECT_FALSE(IsCommandEnabled(cmd::kEditPaste));

  const CConductorPolygon* copied = nullptr;
  for (const auto& layer : source->GetModel().GetLayers()) {
    if (!layer->GetShapes().empty()) copied = layer->GetShapes().front().get();
  }
  ASSERT_NE(copied, nullptr);
  std::vector<ClipboardObject> objects;
  objects.push_back(ClipboardObject::Copy(*copied));
  frame->SetClipboard(std::move(objects));
  EXPECT_EQ(frame->GetClipboardCount(), 1);

  source->Modify(false);
  ASSERT_TRUE(manager->CloseDocument(source, true));
  PumpEvents();
  EXPECT_TRUE(IsCommandEnabled(cmd::kEditPaste));
  EXPECT_TRUE(IsCommandEnabled(cmd::kEditPasteOriginal));

  // Each paste takes fresh clones, so the clipboard can be pasted again.
  const std::size_t before = PolygonCount(target->GetModel());
  const double z = target->GetModel().GetLayers().back()->GetZ();
  for (int paste = 0; paste < 2; ++paste) {
    std::vector<ClipboardObject> clones;
    for (const ClipboardObject& object : frame->GetClipboard()) clones.push_back(object.Clone());
    target->PasteObjects(std::move(clones), z);
  }
  EXPECT_EQ(PolygonCount(target->GetModel()), before + 2);
  EXPECT_EQ(frame->GetClipboardCount(), 1);

  frame->SetClipboard({});
  EXPECT_EQ(frame->GetClipboardCount(), 0);
  EXPECT_FALSE(IsCommandEnabled(cmd::kEditPaste));
}

TEST_F(MainFrameTest, BarVisibilityAndPlacementRoundTripThroughTheProfile) {
  profile->WriteProfileInt("Settings", "ShowProjectBar", 0);
  CreateMainFrame();
  EXPECT_FALSE(frame->IsShowProjectBar());
  EXPECT_TRUE(frame->IsShowLayers());
  // The frame notes its placement on its size and move events; GTK sends the
  // move within SetSize, a size event once the window has been configured.
  bool resized = false;
  const auto seeSize = [&](wxEvent& event) {
    resized = resized || frame->GetSize() == wxSize(700, 500);
    event.Skip();
  };
  frame->Bind(wxEVT_SIZE, seeSize);
  frame->Bind(wxEVT_MOVE, seeSize);
  frame->SetSize(30, 40, 700, 500);
  ASSERT_TRUE(PumpUntil([&] { return resized; }));
  DestroyMainFrame();

  const FileProfile reread(directory / "quor.conf");
  EXPECT_EQ(reread.GetProfileInt("Settings", "ShowProjectBar", -1), 0);
  EXPECT_EQ(reread.GetProfileInt("Settings", "ShowLayers", -1), 1);
  const auto bytes = reread.GetProfileBinary("Settings", "Position");
  ASSERT_TRUE(bytes.has_value());
  const auto placement = WindowPlacement::Unpack(*bytes);
  ASSERT_TRUE(placement.has_value());
  EXPECT_EQ(placement->showCmd, SW_SHOWNORMAL);
  EXPECT_EQ(placement->right - placement->left, 700);
  EXPECT_EQ(placement->bottom - placement->top, 500);

  profile = std::make_unique<FileProfile>(directory / "quor.conf");
  CreateMainFrame();
  EXPECT_EQ(frame->GetSize(), wxSize(700, 500));
  EXPECT_EQ(frame->GetPosition(), wxPoint(placement->left, placement->top));
}

TEST_F(MainFrameTest, AStoredPlacementBeyondIntIsFittedToTheScreen) {
  // A normal rectangle whose left edge is -2147483638: its width overflowed int.
  std::filesystem::copy_file(
      std::filesystem::path(QUOR_SOURCE_DIR) / "tests/data/hostile/profile_position_overflow.conf",
      directory / "quor.conf", std::filesystem::copy_options::overwrite_existing);
  profile = std::make_unique<FileProfile>(directory / "quor.conf");
  CreateMainFrame();
  const wxRect screen = wxGetClientDisplayRect();
  EXPECT_TRUE(screen.Contains(frame->GetRect())) << frame->GetRect().x << " " << frame->GetRect().width;
  EXPECT_EQ(frame->GetPosition().y, 20);
  EXPECT_EQ(frame->GetSize().y, 600);
}

TEST_F(MainFrameTest, ToolbarTogglesHideAndShowTheirBars) {
  CreateMainFrame();
  wxUpdateUIEvent shown(cmd::kViewComputeBar);
  frame->ProcessWindowEvent(shown);
  EXPECT_TRUE(shown.GetChecked());
  wxCommandEvent toggle(wxEVT_MENU, cmd::kViewComputeBar);
  frame->ProcessWindowEvent(toggle);
  wxUpdateUIEvent hidden(cmd::kViewComputeBar);
  frame->ProcessWindowEvent(hidden);
  EXPECT_FALSE(hidden.GetChecked());
}

}  // namespace
}  // namespace quor::test
