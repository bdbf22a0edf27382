// The frame's accelerator table, parsed from the key names: every key must
// parse, or its command silently loses the key.
#include "editor/ui/Accelerators.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "editor/ui/CommandIds.h"

namespace quor::test {
namespace {

TEST(Accelerators, EveryKeypadSecondAndToolKeyReachesItsCommand) {
  std::vector<std::tuple<int, int, int>> entries;
  for (const wxAcceleratorEntry& entry : AcceleratorEntries()) {
    entries.emplace_back(entry.GetFlags(), entry.GetKeyCode(), entry.GetCommand());
  }
  const std::vector<std::tuple<int, int, int>> expected = {
      {wxACCEL_CTRL, WXK_INSERT, cmd::kEditCopy},
      {wxACCEL_SHIFT, WXK_INSERT, cmd::kEditPaste},
      {wxACCEL_SHIFT, WXK_DELETE, cmd::kEditCut},
      {wxACCEL_ALT, WXK_BACK, cmd::kEditUndo},
      {wxACCEL_CTRL, 'I', cmd::kObjectIndex},
      {wxACCEL_NORMAL, WXK_F2, cmd::kToolSelect},
      {wxACCEL_NORMAL, WXK_F3, cmd::kToolPolylineNode},
      {wxACCEL_CTRL, WXK_F7, cmd::kListResults},
      {wxACCEL_NORMAL, WXK_NUMPAD_ADD, cmd::kViewZoomIn},
      {wxACCEL_NORMAL, WXK_NUMPAD_SUBTRACT, cmd::kViewZoomOut},
  };
  EXPECT_EQ(entries, expected);
  EXPECT_TRUE(CreateAcceleratorTable().IsOk());
}

}  // namespace
}  // namespace quor::test
