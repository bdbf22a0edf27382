// The single-instance lock and the kept window rectangle.
#include <gtest/gtest.h>

#include "viewer/ListingFixture.h"
#include "viewer/ViewerLock.h"
#include "viewer/WindowPlacement.h"

namespace quor::viewer {
namespace {

class ViewerFilesTest : public ::testing::Test {
 protected:
  const test::TempDir m_scratch{"quor-viewer-files-"};
  const std::filesystem::path m_dir = m_scratch.Path();
};

TEST_F(ViewerFilesTest, SecondLockIsRefusedUntilTheFirstIsReleased) {
  const std::string path = (m_dir / "QUORView.lck").string();
  auto first = ViewerLock::Acquire(path);
  ASSERT_TRUE(first);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_FALSE(ViewerLock::Acquire(path));
  first.reset();
  EXPECT_FALSE(std::filesystem::exists(path)) << "the lock file goes with its holder";
  EXPECT_TRUE(ViewerLock::Acquire(path));
  EXPECT_FALSE(ViewerLock::Acquire((m_dir / "no" / "dir.lck").string()));
}

TEST_F(ViewerFilesTest, WindowRectRoundTripsAndKeepsDefaultsForWhatIsMissing) {
  const std::string ini = (m_dir / "QUORView.ini").string();
  ASSERT_TRUE(WriteWindowRect(ini, 10, 20, 640, 480));
  EXPECT_EQ(quor::test::ReadFile(ini), "10\n20\n640\n480\n");
  const WindowRect rect = ReadWindowRect(ini);
  EXPECT_EQ(rect.x, 10.0);
  EXPECT_EQ(rect.height, 480.0);

  test::WriteFile(ini, "15.5 25\nnan\n400\n");
  const WindowRect partial = ReadWindowRect(ini);
  EXPECT_EQ(partial.x, 15.5);
  EXPECT_EQ(partial.y, 25.0);
  EXPECT_EQ(partial.width, kUseDefault);  // unreadable, and so is all after it
  EXPECT_EQ(partial.height, 0.0);
  EXPECT_EQ(ReadWindowRect((m_dir / "none.ini").string()).x, kUseDefault);
}

TEST(WindowPlacementTest, EdgesAndTooSmallSizesAreLeftToTheSystem) {
  const auto place = [](double x, double y, double w, double h) {
    return PlaceWindow({x, y, w, h}, 1280, 1024);
  };
  EXPECT_FALSE(place(1, 1, 301, 121).defaultPosition);
  EXPECT_FALSE(place(1, 1, 301, 121).defaultSize);
  EXPECT_TRUE(place(0, 10, 400, 300).defaultPosition);
  EXPECT_TRUE(place(10, 0, 400, 300).defaultPosition);
  EXPECT_TRUE(place(10, 10, 300, 300).defaultSize);
  EXPECT_TRUE(place(10, 10, 400, 120).defaultSize);
  EXPECT_TRUE(place(10, 10, 1280, 300).defaultSize);
  // Off the right or bottom edge: the position goes, the size may stay.
  const WindowPlacement right = place(900, 10, 400, 300);
  EXPECT_TRUE(right.defaultPosition);
  EXPECT_FALSE(right.defaultSize);
  EXPECT_TRUE(place(10, 724, 400, 300).defaultPosition);
  EXPECT_FALSE(place(10, 723, 400, 300).defaultPosition);
  // Nothing read: everything is the system's choice.
  const WindowPlacement none = PlaceWindow(WindowRect{}, 1280, 1024);
  EXPECT_TRUE(none.defaultPosition && none.defaultSize);
  // A position without a size, far beyond the screen, is not taken.
  EXPECT_TRUE(PlaceWindow({2.1e9, 10, kUseDefault, 0}, 1280, 1024).defaultPosition);
  EXPECT_FALSE(PlaceWindow({100, 10, kUseDefault, 0}, 1280, 1024).defaultPosition);
}

}  // namespace
}  // namespace quor::viewer
