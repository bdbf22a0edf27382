// A command that changes the model while a tool holds the mouse ends the
// tool's gesture first: the drag is put back, the command is one undo step of
// its own, and the state before the drag stays within reach of Undo.
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/uiaction.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ToolsGuiFixture.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/ModelSnapshot.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CLayer.h"
#include "editor/model/Point3.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/dialogs/ConductorIndexValue.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

using GestureCommandsTest = ToolsGuiFixture;

TEST_F(GestureCommandsTest, ACommandDuringANodeDragPutsTheDragBackFirst) {
  struct Case {
    const char* name;
    std::function<void()> command;
    // Undo itself: Redo then gives the state before the drag.
    bool undoes;
  };
  const Case cases[] = {
      {"Right", [&] { Key(WXK_RIGHT); }, false},
      {"Ctrl+V", [&] { Key('v', wxMOD_CONTROL); }, false},
      {"Ctrl+T", [&] { Key('t', wxMOD_CONTROL); }, false},
      {"Ctrl+I",
       [&] {
         script.Then([](wxDialog& dialog) {
           Type(dialog, conductor_index_dialog::kIndexEdit, "2");
           PressOk(dialog);
         });
         Key('i', wxMOD_CONTROL);
       },
       false},
      {"Delete", [&] { Key(WXK_DELETE); }, false},
      {"Ctrl+Z", [&] { Key('z', wxMOD_CONTROL); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Each case on a project of its own: a square, copied, selected.
    view = NewProject();
    ASSERT_NE(view, nullptr);
    counter = std::make_unique<InputCounter>(*view->GetCanvas());
    const CConductorPolygon& square = DrawRectangle(Free(0, 0), Free(2, 2));
    Command(cmd::kEditCopy);
    Command(cmd::kToolPolylineNode);
    const std::vector<std::uint8_t> beforeDrag = StoreModelSnapshot(Model());
    const Point3 first = FirstNode(square);
    const DevicePoint node = Pixel(first.x, first.y);
    messages.shown.clear();

    ASSERT_TRUE(MoveTo(node));
    ASSERT_TRUE(Press());
    ASSERT_TRUE(MoveTo({node.x + 40, node.y + 30}));
    EXPECT_NE(FirstNode(square), first) << "the node follows the drag";
    c.command();
    PumpEvents(std::chrono::milliseconds(100));
    ASSERT_TRUE(MoveTo({node.x + 50, node.y + 40}));
    ASSERT_TRUE(Release());

    EXPECT_EQ(messages.shown, std::vector<std::string>{});
    Command(c.undoes ? cmd::kEditRedo : cmd::kEditUndo);
    EXPECT_EQ(StoreModelSnapshot(Model()), beforeDrag);
  }
  EXPECT_EQ(script.titles.size(), 1u);
}

// A polygon being drawn node by node is a gesture too: a paste ends it as a
// tool change does, and each is its own undo step.
TEST_F(GestureCommandsTest, APasteWhileAPolylineIsDrawnEndsTheDrawingFirst) {
  DrawRectangle(Free(0, 0), Free(2, 2));
  Command(cmd::kEditCopy);
  Command(cmd::kToolPolyline);
  const int shapes = ActiveLayer().GetShapeCount();
  Click(Free(4, 0));
  ASSERT_EQ(ActiveLayer().GetShapeCount(), shapes + 1);
  const std::size_t steps = Document().UndoCount();
  messages.shown.clear();
  ASSERT_TRUE(Key('v', wxMOD_CONTROL));
  EXPECT_TRUE(PumpUntil([&] { return Document().UndoCount() == steps + 2; }));
  EXPECT_EQ(messages.shown, std::vector<std::string>{});
  EXPECT_EQ(ActiveLayer().GetShapeCount(), shapes + 1) << "the one-node polygon went, the copy came";
}

}  // namespace
}  // namespace quor::test
