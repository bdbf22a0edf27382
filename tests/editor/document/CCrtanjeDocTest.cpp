// The document on wx's document/view: documents made by the document manager
// through the project template, as the editor makes them.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "DocumentBuilders.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/CCrtanjeDocTemplate.h"
#include "editor/document/ResultFiles.h"
#include "editor/document/SettingsProfile.h"
#include "editor/document/UpdateHintObject.h"
#include "editor/model/CStructure.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace quor::test {

// Views record the hints they get into the log of the running test.
class RecordingDocView : public wxView {
 public:
  static HintLog* s_log;

  void OnDraw(wxDC*) override {}
  void OnUpdate(wxView*, wxObject* hint) override {
    // A plain update (after opening a file) carries no hint.
    if (const auto* update = dynamic_cast<UpdateHintObject*>(hint)) {
      s_log->Record(HintRecord::To::Views, update->hint);
    }
  }

 private:
  wxDECLARE_DYNAMIC_CLASS(RecordingDocView);
};

HintLog* RecordingDocView::s_log = nullptr;
wxIMPLEMENT_DYNAMIC_CLASS(RecordingDocView, wxView);

namespace {

class CCrtanjeDocTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordingDocView::s_log = &services.log;
    services.profile.WriteProfileInt(kSettingsSection, "FootprintPromptOnStartup", 0);
    manager = std::make_unique<wxDocManager>();
    new CCrtanjeDocTemplate(manager.get(), wxCLASSINFO(RecordingDocView), services.services);
  }

  void TearDown() override {
    // Closing a modified project would ask whether to save it.
    for (wxDocument* document : manager->GetDocumentsVector()) document->Modify(false);
    manager.reset();
  }

  CCrtanjeDoc* New() { return dynamic_cast<CCrtanjeDoc*>(manager->CreateDocument("", wxDOC_NEW)); }
  CCrtanjeDoc* Open(const std::filesystem::path& path) {
    return dynamic_cast<CCrtanjeDoc*>(manager->CreateDocument(path.string(), wxDOC_SILENT));
  }
  std::string Path(const char* name) const { return (directory.Path() / name).string(); }
  static void Touch(const std::string& path) { std::ofstream(path) << "result"; }

  FakeServices services;
  std::unique_ptr<wxDocManager> manager;
  TempDir directory{"quor-doc-test-"};
};

TEST_F(CCrtanjeDocTest, TheEleventhProjectIsRefusedUntilOneCloses) {
  for (int i = 0; i < 10; ++i) ASSERT_NE(New(), nullptr);
  EXPECT_EQ(New(), nullptr);
  EXPECT_EQ(services.messages.shown,
            std::vector<std::string>{"Maximal number of concurrently open projects 10"});
  EXPECT_EQ(manager->GetDocumentsVector().size(), 10u);
  EXPECT_EQ(ProjectDocument::OpenProjectCount(), 10);

  wxDocument* first = manager->GetDocumentsVector().front();
  first->OnSaveDocument(Path("first.qlx"));
  EXPECT_EQ(Open(Path("first.qlx")), first);  // already open: no new project
  ASSERT_TRUE(manager->CloseDocument(first));
  EXPECT_NE(Open(Path("first.qlx")), nullptr);
  EXPECT_EQ(Open(Path("other.qlx")), nullptr);
  ASSERT_EQ(services.messages.shown.size(), 2u);
  EXPECT_EQ(services.messages.shown.back(), services.messages.shown.front());
}

TEST_F(CCrtanjeDocTest, ANewProjectSavesAsA189ByteFileWithTheDefaultHeader) {
  CCrtanjeDoc* document = New();
  ASSERT_NE(document, nullptr);
  ASSERT_TRUE(document->OnSaveDocument(Path("new.qlx")));
  const std::string bytes = ReadFile(Path("new.qlx"));
  ASSERT_EQ(bytes.size(), 189u);
  EXPECT_EQ(std::string(bytes.data(), 8), std::string("QUOR\x01\x00\x06\x00", 8));
  const auto f64At = [&](std::size_t offset) {
    double value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
  };
  const auto i32At = [&](std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
  };
  EXPECT_EQ(i32At(36), 1000000000);
  EXPECT_EQ(i32At(56), 3);
  EXPECT_EQ(f64At(60), 254.0);
  EXPECT_EQ(f64At(72), 2540.0);
  EXPECT_EQ(i32At(92), 1);  // one layer: the ground, Er 1 at z = 0
  EXPECT_EQ(f64At(96), 1.0);
  EXPECT_EQ(f64At(104), 0.0);
  EXPECT_EQ(std::string(bytes.data() + 118), "Layer 0");
}

TEST_F(CCrtanjeDocTest, ResultFlagsFollowTheFilesOnOpenAndOnSave) {
  CCrtanjeDoc* saved = New();
  ASSERT_TRUE(saved->OnSaveDocument(Path("board.qlx")));
  ASSERT_TRUE(manager->CloseDocument(saved));
  Touch(Path("board.lst"));
  Touch(Path("board.dat"));

  CCrtanjeDoc* document = Open(Path("board.qlx"));
  ASSERT_NE(document, nullptr);
  EXPECT_TRUE(document->CanRun());
  EXPECT_TRUE(document->CanShowResults());
  EXPECT_EQ(document->GetJob().ConductorCount, 1);

  ASSERT_TRUE(document->OnSaveDocument(Path("board.qlx")));  // unchanged: results stay
  EXPECT_TRUE(document->IsSegmented());
  EXPECT_TRUE(FileExists(Path("board.dat")));

  // Save As of the unchanged project: what another project left under the
  // new name goes, and the old project keeps its results.
  Touch(Path("copy.lst"));
  Touch(Path("copy.dat"));
  ASSERT_TRUE(document->OnSaveDocument(Path("copy.qlx")));
  EXPECT_FALSE(document->IsSegmented());
  EXPECT_FALSE(document->IsComputed());
  EXPECT_FALSE(FileExists(Path("copy.lst")));
  EXPECT_FALSE(FileExists(Path("copy.dat")));
  EXPECT_TRUE(FileExists(Path("board.lst")));
  EXPECT_TRUE(FileExists(Path("board.dat")));
  ASSERT_TRUE(manager->CloseDocument(document));
  document = Open(Path("board.qlx"));
  ASSERT_NE(document, nullptr);
  EXPECT_TRUE(document->IsSegmented());

  document->AddObjectCopyAt(0.0, Square(0, 0, 10, 0.0));
  EXPECT_FALSE(document->CanRun());
  ASSERT_TRUE(document->OnSaveDocument(Path("board.qlx")));
  EXPECT_FALSE(document->IsSegmented());
  EXPECT_FALSE(document->IsComputed());
  EXPECT_FALSE(FileExists(Path("board.lst")));
  EXPECT_FALSE(FileExists(Path("board.dat")));

  ASSERT_TRUE(manager->CloseDocument(document));
  EXPECT_EQ(services.frame.statusText, "");
}

TEST_F(CCrtanjeDocTest, AFileThatIsNoProjectOpensNothingAndSaysWhy) {
  std::ofstream(Path("junk.qlx")) << "not a project";
  EXPECT_EQ(Open(Path("junk.qlx")), nullptr);
  ASSERT_EQ(services.messages.shown.size(), 1u);
  EXPECT_EQ(services.messages.shown.front().rfind("Invalid file format", 0), 0u);
  EXPECT_TRUE(manager->GetDocumentsVector().empty());
  EXPECT_EQ(ProjectDocument::OpenProjectCount(), 0);
}

TEST_F(CCrtanjeDocTest, HintsReachTheViewsBeforeTheMainFrame) {
  CCrtanjeDoc* document = New();
  services.hints.clear();
  document->AddObjectCopyAt(0.0, Square(0, 0, 10, 0.0));
  document->Undo();
  const std::vector<std::pair<HintRecord::To, UpdateHint>> expected{
      {HintRecord::To::Views, UpdateHint::HintAddObjectAt},
      {HintRecord::To::Frame, UpdateHint::HintAddObjectAt},
      {HintRecord::To::Views, UpdateHint::HintReload},
      {HintRecord::To::Frame, UpdateHint::HintReload}};
  EXPECT_EQ(Deliveries(services.hints), expected);
  EXPECT_TRUE(document->IsModified());
}

}  // namespace
}  // namespace quor::test
