// The drawn pictures are text: a row of the wrong length or a character
// outside the palette would show as a broken button or cursor.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "editor/ui/CommandIds.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/PixelArt.h"
#include "editor/ui/ToolbarArt.h"

namespace quor {
namespace {

TEST(PixelArt, RefusesRaggedRowsAndUnknownColours) {
  const std::vector<std::string_view> good = {"k.w", "wkB"};
  EXPECT_TRUE(IsValidPixelArt(good, 3, 2));
  EXPECT_FALSE(IsValidPixelArt(good, 3, 3));
  const std::vector<std::string_view> ragged = {"k.w", "wk"};
  EXPECT_FALSE(IsValidPixelArt(ragged, 3, 2));
  const std::vector<std::string_view> unknown = {"k.w", "wkZ"};
  EXPECT_FALSE(IsValidPixelArt(unknown, 3, 2));
  EXPECT_FALSE(PixelArtColour('.').has_value());
}

TEST(ToolbarArt, EveryButtonHasAPictureOfSixteenByFifteen) {
  const int buttons[] = {
      cmd::kFileNew,          cmd::kFileOpen,     cmd::kFileSave,       cmd::kEditCut,     cmd::kEditCopy,
      cmd::kEditPaste,        cmd::kViewZoomIn,   cmd::kViewZoomOut,    cmd::kViewZoomAll, cmd::kToolSelect,
      cmd::kToolPolylineNode, cmd::kToolPolyline, cmd::kToolRectangle,  cmd::kToolVia,     cmd::kViewPan,
      cmd::kViewZoom,         cmd::kComputeCheck, cmd::kComputeSegment, cmd::kView3DView,  cmd::kComputeRun,
      cmd::kComputeAutoRun,   cmd::kListResults};
  for (const int id : buttons) {
    EXPECT_TRUE(IsValidPixelArt(FindToolbarArt(id), kToolbarImageWidth, kToolbarImageHeight)) << id;
  }
  EXPECT_TRUE(FindToolbarArt(cmd::kAppAbout).empty());
}

TEST(CursorArt, EveryToolCursorIsSixteenSquareWithItsHotSpotOnIt) {
  const int cursors[] = {cursor::kZoomIn,    cursor::kClosedHand,    cursor::kOpenHand,
                         cursor::kPolyline,  cursor::kPolylineClose, cursor::kZoomOut,
                         cursor::kRectangle, cursor::kVia,           cursor::kPolylineNode};
  for (const int id : cursors) {
    const CursorArt* art = FindCursorArt(id);
    ASSERT_NE(art, nullptr) << id;
    EXPECT_TRUE(IsValidPixelArt(art->rows, kCursorSize, kCursorSize)) << id;
    ASSERT_GE(art->hotX, 0);
    ASSERT_LT(art->hotX, kCursorSize);
    ASSERT_GE(art->hotY, 0);
    ASSERT_LT(art->hotY, kCursorSize);
  }
  EXPECT_EQ(FindCursorArt(999), nullptr);
}

}  // namespace
}  // namespace quor
