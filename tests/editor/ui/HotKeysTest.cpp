// Key names put into menu texts and prompts.
#include "editor/ui/HotKeys.h"

#include <gtest/gtest.h>

namespace quor::test {
namespace {

TEST(HotKeys, MenuTextsCarryTheKeyAfterATabAndNoTabWithoutOne) {
  EXPECT_EQ(WithKey("&New", key::kNew), "&New\tCtrl+N");
  EXPECT_EQ(WithKey("Zoom &In", key::kZoomIn), "Zoom &In\tKP_Add");
  EXPECT_EQ(WithKey("&Import...", {}), "&Import...");
}

TEST(HotKeys, PromptsNameTheKeyAtEveryMarkAsItIsSpoken) {
  EXPECT_EQ(NameKey("Zoom In, Shortcut: {key}\nZoom In ({key})", key::kZoomIn),
            "Zoom In, Shortcut: Numpad +\nZoom In (Numpad +)");
  EXPECT_EQ(NameKey("{key}{key}", key::kPan), "F7F7");
  EXPECT_EQ(NameKey("Snap to Grid", {}), "Snap to Grid");
  // A brace that does not open a whole mark stays as it is.
  EXPECT_EQ(NameKey("{ke} {key", key::kPan), "{ke} {key");
}

}  // namespace
}  // namespace quor::test
