// A command that changes the model while a tool holds the mouse ends the
// tool's gesture first: the drag is put back, the command is one undo step of
// its own, and the state before the drag stays within reach of Undo.
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/uiaction.h>

#include <memory>
#include <string>
#include <tuple>
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
  // Ctrl+I asks for the index, the only one that opens a dialog.
  script.Then([](wxDialog& dialog) {
    Type(dialog, conductor_index_dialog::kIndexEdit, "2");
    PressOk(dialog);
  });
  const std::tuple<const char*, int, int> keys[] = {
      {"Right", WXK_RIGHT, 0},        {"Ctrl+V", 'v', wxMOD_CONTROL}, {"Ctrl+T", 't', wxMOD_CONTROL},
      {"Ctrl+I", 'i', wxMOD_CONTROL}, {"Delete", WXK_DELETE, 0},      {"Ctrl+Z", 'z', wxMOD_CONTROL}};
  for (const auto& [name, key, modifiers] : keys) {
    SCOPED_TRACE(name);
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
    Key(key, modifiers);
    PumpEvents(std::chrono::milliseconds(100));
    ASSERT_TRUE(MoveTo({node.x + 50, node.y + 40}));
    ASSERT_TRUE(Release());

    EXPECT_EQ(messages.shown, std::vector<std::string>{});
    // Undo itself: Redo then gives the state before the drag.
    Command(key == 'z' ? cmd::kEditRedo : cmd::kEditUndo);
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
