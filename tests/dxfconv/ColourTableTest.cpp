#include "dxfconv/ColourTable.h"

#include <gtest/gtest.h>

#include <string>

#include "dxfconv/ConverterTestFiles.h"

namespace quor::dxfconv {
namespace {

// 255 records: code k + 1000 for k (0 for 200), every third record split over
// two lines, commas and extra values; entry k is the nearest to (k, k, k).
std::string ColourFile(int records) {
  std::string text;
  for (int k = 1; k <= records; ++k) {
    const std::string code = std::to_string(k == 200 ? 0 : k + 1000);
    const std::string c = std::to_string(k);
    if (k % 3 == 0)
      text += code + ", " + c + "\n" + c + "," + c + "\n";
    else
      text += code + " " + c + " " + c + " " + c + " 99\n";
  }
  return text;
}

TEST(ColourTable, BuiltInPaletteGivesTheNearestColourNumber) {
  const ColourTable table;
  EXPECT_EQ(table.ColourCode(0, 0, 0, 7), 4) << "entries 4 and 32 tie; the earlier wins";
  EXPECT_EQ(table.ColourCode(255, 255, 255, 7), 255);
  EXPECT_EQ(table.ColourCode(255, 0, 0, 7), 224);
  EXPECT_EQ(table.ColourCode(0, 255, 0, 7), 28);
  EXPECT_EQ(table.ColourCode(0, 0, 255, 7), 3);
  EXPECT_EQ(table.ColourCode(128, 128, 128, 7), 146);
  EXPECT_EQ(table.ColourCode(-5, 0, 0, 7), 4) << "a component below 0 counts as 0";
  EXPECT_EQ(table.ColourCode(100000, 100000, 100000, 7), 1) << "nothing is nearer than 100: entry 1 stays";
}

TEST(ColourTable, ColourFileReplacesThePaletteOnlyWhenAllRecordsRead) {
  test::TempDir dir;
  const auto path = dir.Path() / "colorcodes.cnv";
  ColourTable table;

  test::WriteFile(path, ColourFile(255));
  table.Load(path);
  EXPECT_EQ(table.At(3).code, 1003);
  EXPECT_EQ(table.At(3).blue, 3);
  EXPECT_EQ(table.At(255).red, 255);
  // Codes 0 and 1100 are no colour numbers: the layer's ordinal stands instead.
  EXPECT_EQ(table.ColourCode(200, 200, 200, 9), 9);
  EXPECT_EQ(table.ColourCode(100, 100, 100, 9), 9);

  test::WriteFile(path, ColourFile(254));
  table.Load(path);
  EXPECT_EQ(table.At(3).code, 3);
  EXPECT_EQ(table.At(146).green, 128);

  test::WriteFile(path, "1 0 0 x\n" + ColourFile(255));
  table.Load(path);
  EXPECT_EQ(table.At(1).code, 1);

  table.Load(dir.Path() / "missing.cnv");
  EXPECT_EQ(table.At(255).blue, 192);
}

}  // namespace
}  // namespace quor::dxfconv
