// Undo and redo of whole-model states through the document.
#include <gtest/gtest.h>

#include "DocumentBuilders.h"
#include "editor/document/SettingsRecord.h"
#include "editor/model/CStructure.h"
#include "platform/error/TextError.h"

namespace quor::test {
namespace {

int PolygonsOnGround(const ProjectDocument& document) {
  return document.GetModel().FindLayerByZ(0.0).GetShapeCount();
}

void AddSquares(ProjectDocument& document, int count) {
  for (int i = 0; i < count; ++i) document.AddObjectCopyAt(0.0, Square(10.0 * i, 0, 5, 0));
}

TEST(UndoRedoTest, TwentyOneChangesKeepTwentyUndoSteps) {
  FakeServices services;
  auto document = NewProject(services);
  AddSquares(*document, 21);
  EXPECT_EQ(document->UndoCount(), 20u);
  while (document->CanUndo()) document->Undo();
  // The first change can no longer be undone.
  EXPECT_EQ(PolygonsOnGround(*document), 1);
  EXPECT_EQ(document->RedoCount(), 20u);
  EXPECT_TRUE(services.messages.shown.empty());
}

TEST(UndoRedoTest, UndoThenRedoWalksTheStatesAndANewChangeClearsRedo) {
  FakeServices services;
  auto document = NewProject(services);
  document->Undo();  // nothing to undo or redo yet: nothing happens
  document->Redo();
  EXPECT_TRUE(services.hints.empty());
  AddSquares(*document, 3);
  document->Undo();
  document->Undo();
  document->Undo();
  EXPECT_EQ(PolygonsOnGround(*document), 0);
  EXPECT_FALSE(document->CanUndo());
  document->Redo();
  EXPECT_EQ(PolygonsOnGround(*document), 1);
  document->Redo();
  EXPECT_EQ(PolygonsOnGround(*document), 2);
  EXPECT_EQ(document->UndoCount(), 2u);
  EXPECT_EQ(document->RedoCount(), 1u);

  AddSquares(*document, 1);
  EXPECT_FALSE(document->CanRedo());
  EXPECT_EQ(document->UndoCount(), 3u);
}

TEST(UndoRedoTest, UndoSendsReloadMarksModifiedAndKeepsTheSettings) {
  FakeServices services;
  auto document = NewProject(services);
  AddSquares(*document, 1);
  SettingsRecord record;
  record.Units = 0;
  document->ApplySettings(record);
  document->modified = false;
  services.hints.clear();

  document->Undo();
  EXPECT_TRUE(document->modified);
  EXPECT_EQ(document->GetSettings().Units, 0);
  EXPECT_EQ(services.hints.back().hint, UpdateHint::HintReload);
}

TEST(UndoRedoTest, LayerColourVisibilityAndLockTakeNoStepButUndoRestoresThem) {
  FakeServices services;
  auto document = NewProject(services);
  const COLORREF original = document->GetLayerColor(0.0);
  AddSquares(*document, 1);
  document->modified = false;

  document->SetLayerColor(0.0, Rgb(1, 2, 3));
  document->SetLayerVisible(0.0, false);
  document->SetLayerLocked(0.0, true);
  EXPECT_TRUE(document->modified);
  EXPECT_EQ(document->UndoCount(), 1u);

  document->Undo();
  const CLayer& ground = document->GetModel().FindLayerByZ(0.0);
  EXPECT_EQ(ground.colour, original);
  EXPECT_TRUE(ground.visible);
  EXPECT_FALSE(ground.locked);
  EXPECT_EQ(ground.GetShapeCount(), 0);
}

TEST(UndoRedoTest, AnUnreadableSnapshotLeavesTheModelAndTheListsAsTheyWere) {
  FakeServices services;
  auto document = NewProject(services);
  // A via whose layer belongs to another structure stores a height that
  // matches no layer here, so the snapshot holding it cannot be read back.
  CStructure elsewhere;
  CLayer& foreign = elsewhere.AddLayer(CDielectric(1.0, 7.0), std::nullopt, true, false);
  document->AddObjectCopy(CVia(1.0, 5.0, 5.0, &foreign, &foreign, true));
  AddSquares(*document, 1);
  AddSquares(*document, 1);
  const CStructure* before = &document->GetModel();
  services.hints.clear();

  EXPECT_THROW(document->Undo(), TextError);
  EXPECT_EQ(&document->GetModel(), before);
  EXPECT_EQ(PolygonsOnGround(*document), 2);
  EXPECT_EQ(document->UndoCount(), 3u);
  EXPECT_EQ(document->RedoCount(), 0u);
  EXPECT_TRUE(services.hints.empty());
}

}  // namespace
}  // namespace quor::test
