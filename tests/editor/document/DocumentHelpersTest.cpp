// The small shared helpers: rounding, the colour swatch, result file names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/document/DrawColorSwatch.h"
#include "editor/document/ResultFiles.h"
#include "editor/document/RoundToInt.h"
#include "platform/draw/RecordingDrawContext.h"
#include "solver/tessmor/TouchstoneYFile.h"
#include "support/TempDir.h"

namespace quor::test {
namespace {

TEST(DocumentHelpersTest, RoundToIntRoundsHalvesUp) {
  EXPECT_EQ(RoundToInt(-0.5), 0);
  EXPECT_EQ(RoundToInt(2.5), 3);
  EXPECT_EQ(RoundToInt(-1.6), -2);
  EXPECT_EQ(RoundToInt(1e300), std::numeric_limits<int>::max());
}

TEST(DocumentHelpersTest, TheSwatchIsACentredFramedSquareOnTheBackground) {
  RecordingDrawContext dc;
  const Pen pen = dc.CurrentPen();
  const Brush brush = dc.CurrentBrush();
  DrawColorSwatch(dc, DeviceRect{0, 0, 16, 20}, Rgb(10, 20, 30), Rgb(255, 255, 255));
  ASSERT_EQ(dc.Calls().size(), 2u);
  EXPECT_EQ(dc.Calls()[0].kind, RecordingDrawContext::Kind::FillRect);
  EXPECT_EQ(dc.Calls()[0].brush.colour, Rgb(255, 255, 255));
  const auto& square = dc.Calls()[1];
  EXPECT_EQ(square.kind, RecordingDrawContext::Kind::Rectangle);
  // (16 - 9) / 2 = 3 and (20 - 9) / 2 = 5 off each side: 10 by 10.
  EXPECT_EQ(square.points, (std::vector<DevicePoint>{{3, 5}, {13, 15}}));
  EXPECT_EQ(square.brush.colour, Rgb(10, 20, 30));
  EXPECT_EQ(square.pen, (Pen{PenStyle::Solid, 1, Rgb(0, 0, 0)}));
  EXPECT_EQ(dc.CurrentPen(), pen);
  EXPECT_EQ(dc.CurrentBrush(), brush);
}

TEST(DocumentHelpersTest, TheBasePathCutsOnlyTheFileNamesExtension) {
  EXPECT_EQ(BasePathOf("/home/u/board.qlx"), "/home/u/board");
  EXPECT_EQ(BasePathOf("/home/u/v1.2/board"), "/home/u/v1.2/board");
  EXPECT_FALSE(HasExtension("/home/u/v1.2/board"));
  EXPECT_EQ(TouchstoneExtension(3), "y3p");
  EXPECT_EQ(TouchstoneExtension(12), "y12");
  EXPECT_EQ(TouchstoneExtension(-1), "y0p");
}

// The editor opens the Y-parameter file under the name the solver wrote.
TEST(DocumentHelpersTest, TheTouchstoneExtensionIsTheSolversForEveryConductorCount) {
  for (int conductors = 1; conductors <= 21; ++conductors) {
    EXPECT_EQ("/p/board." + TouchstoneExtension(conductors - 1),
              solver::TouchstoneYFileName("/p/board", conductors))
        << conductors << " conductors";
  }
}

TEST(DocumentHelpersTest, DeletingResultsRemovesEveryTouchstoneNameUpToTwentyPorts) {
  const TempDir directory("quor-results-");
  const std::string base = (directory.Path() / "board").string();
  for (const char* extension : {".lst", ".dat", ".ckt", ".y1p", ".y20", ".qlx"}) {
    std::ofstream(base + extension) << "x";
  }
  DeleteResultFilesAt(base);
  for (const char* extension : {".lst", ".dat", ".ckt", ".y1p", ".y20"})
    EXPECT_FALSE(FileExists(base + extension));
  EXPECT_TRUE(FileExists(base + ".qlx"));
}

}  // namespace
}  // namespace quor::test
