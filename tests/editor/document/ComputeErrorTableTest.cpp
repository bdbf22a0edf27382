#include "editor/document/errors/ComputeErrorTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "tessmor/ComputeError.h"

namespace quor {
namespace {

// Users and their scripts match these texts, slips and double blanks included.
TEST(ComputeErrorTable, EveryCodeHasItsExactText) {
  const std::pair<int, const char*> expected[] = {
      {0, "No Error"},
      {1, "Cannot open input data file"},
      {2, "QLX file is illegal"},
      {3, "QLX file version is incompatible"},
      {4, "Length unit is illegal"},
      {5, "Footprint width must be positive"},
      {6, "Footprint length must be positive"},
      {7, "Number of layers is greater than 10"},
      {8, "Number of polygons in %s  is greater than 20 or less than 0"},
      {9, "Substrate relative permittivity in %s is less or equal 0"},
      {10, "Height of %s is less or equal 0"},
      {11, "Polygon %d in %s has index greater than 20 or less than 0"},
      {12, "Polygon %d in %s has more than 50 or less than 3 nodes"},
      {13, "Polygon %d in %s is not completely in the footprint"},
      {14, "Polygon %d in %s has zero-length segment"},
      {15, "Polygon %d in %s intersects itself"},
      {16, "Polygon %d in %s intersects with polygon %d in %s"},
      {17, "Cannot allocate memory"},
      {18, "Resolution must be positive"},
      {19, "Refinement must be positive"},
      {20, "Outer polygon %d and inner polygon %d in %s have different conductor indices"},
      {21, "Ground is missing"},
      {22, "Number of plates is greater than 300"},
      {23, "Number of unknowns is greater than 6000,reduce resolution"},
      {24, "Number of unknowns is greater than 6000,reduce resolution"},
      {25, "Two vias intersect"},
      {26, "Via %d shorts conductors on different potentials"},
      {27, "Via %d must belong to a conductor"},
      {28, "Via %d interesects polyline"},
      {29, "Start frequency must be positive"},
      {30, "End frequency must be positive"},
      {31, "Number of frequencies cannot be negative"},
      {32, "Frequency unit is illegal"},
      {33, "Number of via segments is less than 3"},
      {34, "Number of vias is less than 0 or greater than 10"},
      {35, "Top or bottom layer for via %d does not exist"},
      {36, "Radius of via %d is negative"},
      {38, "Solving system of equations failed"},
      {39, "Reentrant polyline has inproper orientation"},
      {40, "Cannot write output file"},
      {41, "Conductor %d has no unknowns: increase resolution or check its polygons"},
  };
  for (const auto& [code, text] : expected) EXPECT_STREQ(GetComputeErrorText(code), text) << "code " << code;
}

TEST(ComputeErrorTable, CodesWithoutATextAnswerUnknownError) {
  for (const int code : {37, 42, 99, 100, 101, -1, INT_MIN, INT_MAX}) {
    EXPECT_STREQ(GetComputeErrorText(code), "Unknown error") << "code " << code;
  }
}

// The table is read with the codes the library stores, so their numbers must agree.
TEST(ComputeErrorTable, MatchesTheLibraryCodes) {
  EXPECT_STREQ(GetComputeErrorText(static_cast<int>(ComputeError::None)), "No Error");
  EXPECT_STREQ(GetComputeErrorText(static_cast<int>(ComputeError::SolveFailed)),
               "Solving system of equations failed");
  EXPECT_STREQ(GetComputeErrorText(static_cast<int>(ComputeError::Internal)), "Unknown error");
  EXPECT_EQ(kOutputFileNotWritten, static_cast<int>(ComputeError::OutputFileNotWritten));
  EXPECT_EQ(kConductorWithoutPatch, static_cast<int>(ComputeError::ConductorWithoutPatch));
  EXPECT_EQ(ConductorErrorText(12),
            "Conductor 12 has no unknowns: increase resolution or check its polygons");
}

// The stage leaves the extension in an 8-byte field that a foreign library
// may fill to the end without a terminating zero.
TEST(ComputeErrorTable, OutputFileTextNamesTheFileByBasePathAndExtension) {
  EXPECT_EQ(OutputFileErrorText("/p/v1.2/board", {'d', 'a', 't'}),
            "Cannot write output file: /p/v1.2/board.dat");
  EXPECT_EQ(OutputFileErrorText("/p/board", {'y', '1', '0'}), "Cannot write output file: /p/board.y10");
  EXPECT_EQ(OutputFileErrorText("/p/board", {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}),
            "Cannot write output file: /p/board.abcdefgh");
  EXPECT_EQ(OutputFileErrorText("/p/board", {}), "Cannot write output file") << "no file named";
}

}  // namespace
}  // namespace quor
