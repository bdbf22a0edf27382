// The three result files, written from a given Maxwell matrix.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "solver/tessmor/CapacitanceMatrix.h"
#include "solver/tessmor/CktFile.h"
#include "solver/tessmor/DatFile.h"
#include "solver/tessmor/FrequencySweep.h"
#include "solver/tessmor/SquareMatrix.h"
#include "solver/tessmor/TouchstoneYFile.h"

namespace quor::solver {

namespace {

constexpr int kGiga = 1000000000;

// B[i][j] = -(i + 10·j + 1) off the diagonal, 100·(i + 1) on it: every
// entry tells where it came from. In farads once multiplied by 1e-5.
SquareMatrix Maxwell(std::int32_t conductors) {
  SquareMatrix b(conductors);
  for (std::int32_t i = 0; i < conductors; ++i) {
    for (std::int32_t j = 0; j < conductors; ++j) b(i, j) = i == j ? 100.0 * (i + 1) : -(i + 10 * j + 1.0);
  }
  return b;
}

// text right-aligned in width characters.
std::string Right(const std::string& text, std::size_t width) {
  return std::string(width - text.size(), ' ') + text;
}

// One Y entry: the real part 0, two blanks, the imaginary part.
std::string Entry(const std::string& imaginary) {
  return "    0  " + Right(imaginary, 18);
}

// The points are evenly spaced.
std::string Touchstone(const SquareMatrix& b, const std::vector<double>& frequencies,
                       std::int32_t unit = kGiga, double lengthUnitMetres = 1e-5) {
  std::ostringstream out;
  const FrequencySweep sweep(frequencies.front(), frequencies.back(),
                             static_cast<std::int32_t>(frequencies.size()) - 1);
  WriteTouchstoneYFile(out, b, sweep, unit, lengthUnitMetres);
  return out.str();
}

std::string Ckt(const SquareMatrix& b) {
  std::ostringstream out;
  WriteCktFile(out, b, 1e-5);
  return out.str();
}

TEST(CapacitanceMatrix, SumsRowsOnTheDiagonalAndNegatesTheRest) {
  const SquareMatrix b = Maxwell(3);
  const SquareMatrix c = CapacitanceMatrix(b);
  EXPECT_DOUBLE_EQ(c(0, 0), 100.0 - 11.0 - 21.0);
  EXPECT_DOUBLE_EQ(c(1, 0), 2.0);
  EXPECT_DOUBLE_EQ(c(0, 2), 21.0);
  const SquareMatrix reduced = ReducedCapacitanceMatrix(b);
  ASSERT_EQ(reduced.Size(), 2);
  EXPECT_DOUBLE_EQ(reduced(0, 0), 200.0 - 22.0) << "conductor 0 is left out";
  EXPECT_DOUBLE_EQ(reduced(1, 0), 13.0);
  EXPECT_EQ(ReducedCapacitanceMatrix(Maxwell(1)).Size(), 0);
}

TEST(DatFile, ListsTimesUnknownsAndBothMatricesInFarads) {
  const SquareMatrix b = Maxwell(2);
  std::ostringstream out;
  WriteDatFile(out, "Thu Jan  1 00:00:00 1970\n", {.fill = 3, .solve = 2, .total = 5}, 1234, b,
               CapacitanceMatrix(b), 1e-5);
  EXPECT_EQ(out.str(),
            "Thu Jan  1 00:00:00 1970\n\n"
            "Calculations [s]:\n"
            "Matrix filling   3\n"
            "Matrix inversion 2\n"
            "Total time       5\n\n"
            "Total number of unknowns 1234\n\n"
            "B matrix [F]\n\n" +
                Right("0.001", 16) + Right("-0.00011", 16) + "\n" + Right("-2e-05", 16) + Right("0.002", 16) +
                "\n\n"
                "C matrix [F]\n\n" +
                Right("0.00089", 16) + Right("0.00011", 16) + "\n" + Right("2e-05", 16) +
                Right("0.00198", 16) + "\n\n");
}

TEST(TouchstoneYFile, NamesTheFileAfterThePortCount) {
  EXPECT_EQ(TouchstoneYFileName("/p/board", 1), "/p/board.y0p");
  EXPECT_EQ(TouchstoneYFileName("/p/board", 3), "/p/board.y2p");
  EXPECT_EQ(TouchstoneYFileName("/p/board", 10), "/p/board.y9p");
  EXPECT_EQ(TouchstoneYFileName("/p/board", 11), "/p/board.y10");
  EXPECT_EQ(TouchstoneYFileName("/p/board", 21), "/p/board.y20");
}

TEST(TouchstoneYFile, WritesOneLinePerPointUpToTwoPorts) {
  // omega · B · 1e-5 at 1 GHz with B[1][1] = 200: 2π · 1e9 · 2e-3.
  EXPECT_EQ(Touchstone(Maxwell(1), {1.0, 2.5}), "# GHZ Y RI R 1\n1.00000e+00\n2.50000e+00\n");
  EXPECT_EQ(Touchstone(Maxwell(2), {1.0}), "# GHZ Y RI R 1\n1.00000e+00" + Entry("1.256637e+07") + "\n");
  // Two ports: 11, 21, 12, 22.
  EXPECT_EQ(Touchstone(Maxwell(3), {1.0}, 1000000), "# MHZ Y RI R 1\n1.00000e+00" + Entry("1.256637e+04") +
                                                        Entry("-8.168141e+02") + Entry("-1.382301e+03") +
                                                        Entry("1.884956e+04") + "\n");
  EXPECT_EQ(Touchstone(Maxwell(2), {0.5}, 1000, 1.0),
            "# KHZ Y RI R 1\n5.00000e-01" + Entry("6.283185e+05") + "\n");
  EXPECT_EQ(Touchstone(Maxwell(2), {2.0}, 1, 1.0), "2.00000e+00" + Entry("2.513274e+03") + "\n")
      << "an unknown unit has no option line and still scales omega";
}

// From three ports on, each row of the matrix has its own line, broken
// after every fourth entry, continuation lines indented by 12 blanks.
TEST(TouchstoneYFile, WritesRowsOfFourEntriesFromThreePorts) {
  SquareMatrix b(11);
  for (std::int32_t i = 0; i < 11; ++i) b(i, i) = 1.0 / (2e-5 * 3.141592653589793e9);  // entry 1.0
  const std::string text = Touchstone(b, {1.0});
  std::istringstream lines(text);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  // The option line, then 10 rows of 3 lines each (4 + 4 + 2 entries).
  ASSERT_EQ(all.size(), 1u + 10u * 3u);
  const std::string zero = Entry("0.000000e+00");
  const std::string one = Entry("1.000000e+00");
  EXPECT_EQ(all[1], "1.00000e+00" + one + zero + zero + zero);
  EXPECT_EQ(all[2], std::string(12, ' ') + zero + zero + zero + zero);
  EXPECT_EQ(all[3], std::string(12, ' ') + zero + zero);
  EXPECT_EQ(all[4], std::string(12, ' ') + zero + one + zero + zero) << "the second row";
  EXPECT_EQ(all[30], std::string(12, ' ') + zero + one);

  // Three ports: rows of three, no breaks.
  const std::string three = Touchstone(Maxwell(4), {1.0});
  EXPECT_EQ(std::count(three.begin(), three.end(), '\n'), 4);
  EXPECT_NE(three.find("\n            " + Entry("-8.168141e+05") + Entry("1.884956e+07")), std::string::npos)
      << three;
}

// A row whose entries fill its last line exactly ends there: with 4 ports one
// line per row, with 8 two, and never a line of blanks alone.
TEST(TouchstoneYFile, RowsOfWholeLinesEndWithoutAnEmptyContinuation) {
  for (const std::int32_t ports : {4, 8}) {
    SCOPED_TRACE(ports);
    const std::string text = Touchstone(Maxwell(ports + 1), {1.0, 2.0});
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const std::size_t linesPerPoint = static_cast<std::size_t>(ports * (ports / 4));
    ASSERT_EQ(lines.size(), 1u + 2u * linesPerPoint) << text;
    EXPECT_EQ(lines[1].substr(0, 11), "1.00000e+00");
    EXPECT_EQ(lines[1 + linesPerPoint].substr(0, 11), "2.00000e+00");
    for (std::size_t i = 1; i < lines.size(); ++i) {
      EXPECT_NE(lines[i].find_first_not_of(' '), std::string::npos) << "line " << i;
      const bool frequencyLine = (i - 1) % linesPerPoint == 0;
      const std::size_t entries = (lines[i].size() - (frequencyLine ? 11 : 12)) / 25;
      EXPECT_EQ(entries, 4u) << "line " << i << ": " << lines[i];
    }
  }
}

std::vector<double> Points(const FrequencySweep& sweep) {
  std::vector<double> points;
  for (std::int64_t i = 0; i < sweep.Count(); ++i) points.push_back(sweep.Point(i));
  return points;
}

TEST(FrequencySweep, GivesOnePointWithoutStepsOrWithoutSpan) {
  EXPECT_EQ(Points({1.0, 5.0, 0}), std::vector<double>{1.0});
  EXPECT_EQ(Points({2.0, 2.0, 10}), std::vector<double>{2.0});
  EXPECT_EQ(Points({1.0, 2.0, 4}), (std::vector<double>{1.0, 1.25, 1.5, 1.75, 2.0}));
  EXPECT_EQ(Points({3.0, 1.0, 2}), (std::vector<double>{3.0, 2.0, 1.0}));
  const FrequencySweep widest(1.0, 10.0, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(widest.Count(), std::int64_t{1} << 31);
  EXPECT_EQ(widest.Point(widest.Count() - 1), 10.0);
}

// Each point is computed as it is written: the longest sweep starts at once
// and stops when it is told to.
TEST(TouchstoneYFile, WritesAnySweepPointByPointUntilTold) {
  const FrequencySweep widest(1.0, 10.0, std::numeric_limits<std::int32_t>::max());
  std::ostringstream out;
  std::vector<std::int64_t> told;
  const auto stopAt1000 = [&](std::int64_t written) {
    told.push_back(written);
    return written < 1000;
  };
  EXPECT_EQ(WriteTouchstoneYFile(out, Maxwell(2), widest, kGiga, 1e-5, stopAt1000), 1000);
  EXPECT_EQ(told.size(), 1000u);
  EXPECT_EQ(told.back(), 1000);
  EXPECT_EQ(out.str().size(), 15u + 1000u * (11u + 25u + 1u)) << "the option line and 1000 point lines";
}

TEST(CktFile, ListsEachConductorToGroundAndEachPairInPicofarads) {
  EXPECT_EQ(Ckt(Maxwell(1)), "") << "conductor 0 alone has no capacitor";
  // C'[1][1] = 200 - 22, C'[2][2] = 300 - 13; the pair: (13 + 22) / 2; × 1e-5 × 1e12.
  EXPECT_EQ(Ckt(Maxwell(3)),
            "CAP 1 0 c= 1.780000e+09\n"
            "CAP 1 2 c= 1.750000e+08\n"
            "CAP 2 0 c= 2.870000e+09\n");
}

}  // namespace

}  // namespace quor::solver
