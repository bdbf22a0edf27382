// File > Import on wx: a drawing through the Import DXF dialog, driven as a
// user would fill it, becomes a project that the document manager opens.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/docview.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "DocumentTestDoubles.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/CCrtanjeDocTemplate.h"
#include "editor/grid/GridCellRef.h"
#include "editor/grid/GridHost.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridWndProc.h"
#include "editor/model/CStructure.h"
#include "editor/ui/dxfimport/CDlgImportDxf.h"
#include "editor/ui/dxfimport/DxfTestDrawing.h"
#include "editor/ui/dxfimport/FileImport.h"
#include "editor/ui/dxfimport/ModalDialogDriver.h"
#include "platform/win/WindowSystem.h"
#include "support/WxTestPump.h"

namespace quor::test {

class ImportTestView : public wxView {
 public:
  void OnDraw(wxDC*) override {}

 private:
  wxDECLARE_DYNAMIC_CLASS(ImportTestView);
};

wxIMPLEMENT_DYNAMIC_CLASS(ImportTestView, wxView);

namespace {

namespace fs = std::filesystem;

void SetCell(CDlgImportDxf& dialog, int row, int column, const char* text) {
  grid::GridCellRef ref;
  grid::SetGridCellRef(ref, row, column);
  dialog.Grid().Send(grid::GRM_SETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref),
                     reinterpret_cast<win::LPARAM>(text));
}

std::string GetCell(CDlgImportDxf& dialog, int row, int column) {
  grid::GridCellRef ref;
  grid::SetGridCellRef(ref, row, column);
  std::string text;
  dialog.Grid().Send(grid::GRM_GETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref),
                     reinterpret_cast<win::LPARAM>(&text));
  return text;
}

void Press(wxWindow& window, wxEventType type, int id) {
  wxCommandEvent event(type, id);
  event.SetEventObject(&window);
  window.GetEventHandler()->ProcessEvent(event);
}

class FileImportWxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { grid::RegisterGridClass(win::ThreadWindowSystem()); }

  void SetUp() override {
    manager = std::make_unique<wxDocManager>();
    new CCrtanjeDocTemplate(manager.get(), wxCLASSINFO(ImportTestView), services.services);
    directory = fs::path(testing::TempDir()) / "quor-file-import";
    fs::remove_all(directory);
    fs::create_directories(directory);
  }
  void TearDown() override {
    for (wxDocument* document : manager->GetDocumentsVector()) document->Modify(false);
    manager.reset();
    PumpEvents();
    fs::remove_all(directory);
  }

  std::string Write(const char* name) {
    DxfTestDrawing dxf;
    dxf.TableLayer("gnd", 3)
        .Polyline("frame", {{0, 0}, {100, 0}, {100, 50}, {0, 50}})
        .Polyline("top", {{10, 10}, {20, 10}, {20, 20}, {10, 20}})
        .Polyline("gnd", {{0, 0}, {100, 0}, {100, 50}, {0, 50}})
        .Polyline("top", {{30, 10}, {40, 10}, {40, 20}});
    const fs::path path = directory / name;
    std::ofstream(path, std::ios::binary) << dxf.Text();
    return path.string();
  }

  FakeServices services;
  RecordingMessageBoxes messages;
  std::unique_ptr<wxDocManager> manager;
  fs::path directory;
};

TEST_F(FileImportWxTest, TheDialogsRowsBecomeTheNewProjectsLayers) {
  const std::string path = Write("board.dxf");
  std::vector<std::string> namesShown;
  WhenDialogShows<CDlgImportDxf>([&](CDlgImportDxf& dialog) {
    namesShown = {GetCell(dialog, 1, 1), GetCell(dialog, 2, 1)};
    // OK with empty cells keeps the dialog open and says why.
    Press(dialog, wxEVT_BUTTON, wxID_OK);
    auto* units = dynamic_cast<wxChoice*>(dialog.FindWindow(CDlgImportDxf::kUnitCombo));
    units->SetSelection(3);
    Press(*units, wxEVT_CHOICE, CDlgImportDxf::kUnitCombo);
    EXPECT_EQ(GetCell(dialog, 0, 3), "Z [mil]");
    SetCell(dialog, 1, 2, "4.5");
    SetCell(dialog, 1, 3, "10");
    SetCell(dialog, 2, 2, "1");
    SetCell(dialog, 2, 3, "0");
    Press(dialog, wxEVT_BUTTON, wxID_OK);
  });
  ImportDxfFile(path, nullptr, *manager, messages);

  EXPECT_EQ(namesShown, (std::vector<std::string>{"top", "gnd"}));
  EXPECT_EQ(messages.shown, std::vector<std::string>{"Please fill all fields"});
  ASSERT_EQ(manager->GetDocumentsVector().size(), 1u);
  auto* document = dynamic_cast<CCrtanjeDoc*>(manager->GetDocumentsVector().front());
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(fs::path(document->GetFilename().utf8_string()), directory / "board.qlx");
  const CStructure& model = document->GetModel();
  ASSERT_EQ(model.GetLayerCount(), 2);
  EXPECT_EQ(model.GetLayerByIndex(0).GetName(), "gnd");
  EXPECT_EQ(model.GetLayerByIndex(0).GetShapeCount(), 1);
  EXPECT_EQ(model.GetLayerByIndex(1).GetName(), "top");
  EXPECT_DOUBLE_EQ(model.GetLayerByIndex(1).GetZ(), 10 * 2.54);
  EXPECT_EQ(model.GetLayerByIndex(1).GetShapeCount(), 2);
  double length = 0, width = 0;
  model.GetFootprint(length, width);
  EXPECT_DOUBLE_EQ(length, 100 * 2.54);
}

TEST_F(FileImportWxTest, CancelOpensNothingAndAnUpperCaseExtensionIsRefused) {
  const std::string path = Write("board.dxf");
  WhenDialogShows<CDlgImportDxf>([](CDlgImportDxf& dialog) { Press(dialog, wxEVT_BUTTON, wxID_CANCEL); });
  ImportDxfFile(path, nullptr, *manager, messages);
  EXPECT_TRUE(manager->GetDocumentsVector().empty());
  EXPECT_FALSE(fs::exists(directory / "board.qlx"));
  EXPECT_TRUE(messages.shown.empty());

  ImportDxfFile(Write("board.DXF"), nullptr, *manager, messages);
  EXPECT_EQ(messages.shown, std::vector<std::string>{"Invalid DXF file"});
}

}  // namespace
}  // namespace quor::test
