// The object menus that the view and the project tree share: their items in
// order, and the keys that match the main menu's.
#include <gtest/gtest.h>
#include <wx/accel.h>
#include <wx/menu.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/ObjectMenus.h"

namespace quor::test {
namespace {

std::vector<int> Ids(const wxMenu& menu) {
  std::vector<int> ids;
  for (const wxMenuItem* item : menu.GetMenuItems()) ids.push_back(item->IsSeparator() ? 0 : item->GetId());
  return ids;
}

// "Ctrl+F" and the like: the key an item's label gives it, empty for none.
std::string KeyOf(const wxMenu& menu, int id) {
  const wxMenuItem* item = menu.FindItem(id);
  if (item == nullptr) return "?";
  const std::unique_ptr<wxAcceleratorEntry> key(item->GetAccel());
  return key ? key->ToString().utf8_string() : std::string();
}

TEST(ObjectMenusTest, PolygonAndViaMenusListTheirItemsWithTheMainMenusKeys) {
  wxMenu polygon;
  AppendPolygonMenu(polygon);
  EXPECT_EQ(Ids(polygon),
            (std::vector<int>{cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste, cmd::kEditPasteOriginal,
                              cmd::kEditDelete, 0, cmd::kArrangeBringToFront, cmd::kArrangeSendToBack, 0,
                              cmd::kObjectIndex, cmd::kPolygonProperties}));
  EXPECT_EQ(KeyOf(polygon, cmd::kArrangeBringToFront), "Ctrl+F");
  EXPECT_EQ(KeyOf(polygon, cmd::kArrangeSendToBack), "Ctrl+B");
  EXPECT_EQ(KeyOf(polygon, cmd::kObjectIndex), "Ctrl+I");
  EXPECT_EQ(KeyOf(polygon, cmd::kPolygonProperties), "Alt+Enter");
  EXPECT_EQ(KeyOf(polygon, cmd::kEditDelete), "");

  wxMenu via;
  AppendViaMenu(via);
  EXPECT_EQ(Ids(via), (std::vector<int>{cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste,
                                        cmd::kEditPasteOriginal, cmd::kEditDelete, 0, cmd::kViaProperties}));
  EXPECT_EQ(KeyOf(via, cmd::kViaProperties), "Alt+Enter");

  wxMenu clipboard;
  AppendClipboardItems(clipboard);
  EXPECT_EQ(Ids(clipboard),
            (std::vector<int>{cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste, cmd::kEditPasteOriginal}));
}

}  // namespace
}  // namespace quor::test
