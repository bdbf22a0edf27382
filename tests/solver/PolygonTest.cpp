#include "tessmor/Polygon.h"

#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "TestPolygons.h"
#include "solver/TextNumbers.h"

namespace {

void ExpectPoint(const Point3& actual, double x, double y, double z) {
  EXPECT_NEAR(actual.x, x, 1e-12);
  EXPECT_NEAR(actual.y, y, 1e-12);
  EXPECT_NEAR(actual.z, z, 1e-12);
}

TEST(Point3Test, UnitOfZeroStaysZeroAndOthersHaveLengthOne) {
  ExpectPoint(Point3{}.Unit(), 0, 0, 0);
  ExpectPoint(Point3{3, 4, 0}.Unit(), 0.6, 0.8, 0);
  ExpectPoint(Point3{1e-320, 0, 0}.Unit(), 0, 0, 0);
  ExpectPoint(Point3Cross({1, 0, 0}, {0, 1, 0}), 0, 0, 1);
}

TEST(PolygonTest, SquareNormalAndAreaFollowItsOrientation) {
  Polygon square = Square(0, 0, 1);
  ExpectPoint(square.UnitNormal(), 0, 0, 1);
  EXPECT_NEAR(square.Area(), 1.0, 1e-12);

  square.Reversed();
  ExpectPoint(square.Vertices()[1], 0, 1, 0);
  ExpectPoint(square.UnitNormal(), 0, 0, -1);
  EXPECT_NEAR(square.Area(), 1.0, 1e-12);
}

TEST(PolygonTest, ReentrantOutlineGetsTheNormalOfItsOrientation) {
  // An L whose first corner is the re-entrant one, counter-clockwise seen from +z.
  const Polygon l = MakePolygon({{1, 1, 0}, {1, 2, 0}, {0, 2, 0}, {0, 0, 0}, {2, 0, 0}, {2, 1, 0}});
  ExpectPoint(l.UnitNormal(), 0, 0, 1);
  EXPECT_NEAR(l.Area(), 3.0, 1e-12);

  Polygon clockwise = l;
  clockwise.Reversed();
  ExpectPoint(clockwise.UnitNormal(), 0, 0, -1);
  EXPECT_NEAR(clockwise.Area(), 3.0, 1e-12);

  // A notched outline in a vertical plane that starts at two re-entrant
  // corners and has a straight (degenerate) one.
  const Polygon comb = MakePolygon(
      {{0, 4, 1}, {0, 3, 1}, {0, 3, 3}, {0, 0, 3}, {0, 0, 1}, {0, 0, 0}, {0, 5, 0}, {0, 5, 3}, {0, 4, 3}});
  ExpectPoint(comb.UnitNormal(), 1, 0, 0);
  EXPECT_NEAR(comb.Area(), 13.0, 1e-12);
}

TEST(PolygonTest, DegenerateOutlinesHaveNoNormalAndNoArea) {
  const Polygon collinear = MakePolygon({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
  ExpectPoint(collinear.UnitNormal(), 0, 0, 0);
  EXPECT_EQ(collinear.Area(), 0.0);
  EXPECT_EQ(MakePolygon({{0, 0, 0}, {1, 0, 0}}).Area(), 0.0);
  EXPECT_EQ(Polygon().Area(), 0.0);
}

TEST(PolygonTest, InPlaceOperationsReturnCopiesAndKeepFlagsInPlace) {
  Polygon p;
  const std::vector<Point3> vertices{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  const std::vector<std::int32_t> flags{1, 0, 0, 2};
  p.Set(vertices, flags);

  const Polygon rotated = p.RotatedStart(2);
  ExpectPoint(p.Vertices()[0], 1, 1, 0);
  ExpectPoint(p.Vertices()[3], 1, 0, 0);
  EXPECT_EQ(std::vector<std::int32_t>(p.Flags().begin(), p.Flags().end()), flags);
  ExpectPoint(rotated.Vertices()[0], 1, 1, 0);

  const Polygon moved = p.Translated({1, 1, 1});
  ExpectPoint(p.Vertices()[0], 0, 0, -1);
  ExpectPoint(moved.Vertices()[0], 0, 0, -1);

  // The copy is deep: changing it leaves the original alone.
  Polygon copy = p;
  copy.Vertices()[0] = {9, 9, 9};
  copy.Flags()[0] = 7;
  ExpectPoint(p.Vertices()[0], 0, 0, -1);
  EXPECT_EQ(p.Flags()[0], 1);

  copy = copy;
  EXPECT_EQ(copy.Count(), 4);
  p.Set(vertices);
  EXPECT_EQ(p.Flags()[0], 0);
  p.Clear();
  EXPECT_EQ(p.Count(), 0);
}

TEST(PolygonTest, WriteGivesTheCountAndOneFixedWidthLinePerVertex) {
  std::ostringstream out;
  MakePolygon({{0, 0, 0}, {1234567, -0.5, 1e-7}, {2.5, 100, 3}}).Write(out);
  EXPECT_EQ(out.str(),
            "3\n"
            "               0               0               0\n"
            "     1.23457e+06            -0.5           1e-07\n"
            "             2.5             100               3\n");
}

// A locale that writes and reads numbers with a decimal comma and groups
// thousands, as some desktop locales do.
struct CommaNumbers : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(PolygonTest, TextFormRoundTripsWhateverTheLocale) {
  const Polygon original = MakePolygon({{0.125, -3, 1e10}, {12345.6, 7, 8}, {-0.001, 1e-300, 2}});
  std::string plain;
  {
    std::ostringstream out;
    original.Write(out);
    plain = out.str();
  }
  const std::locale comma(std::locale::classic(), new CommaNumbers);
  const std::locale previous = std::locale::global(comma);
  std::ostringstream out;
  out.imbue(comma);
  original.Write(out);
  std::istringstream in(out.str() + "\r\n");
  in.imbue(comma);
  Polygon copy;
  copy.Read(in);
  std::locale::global(previous);

  EXPECT_EQ(out.str(), plain);
  EXPECT_NE(plain.find("0.125"), std::string::npos);
  ASSERT_FALSE(in.fail());
  ASSERT_EQ(copy.Count(), 3);
  ExpectPoint(copy.Vertices()[0], 0.125, -3, 1e10);
  EXPECT_NEAR(copy.Vertices()[1].x, 12345.6, 1e-9);
  EXPECT_EQ(copy.Flags()[2], 0);
}

TEST(PolygonTest, ReadRefusesMalformedInputAndLeavesThePolygonEmpty) {
  for (const char* text : {"-1\n", "2\n1 2 3\n4 5\n", "1\n1 2 x\n", "1\n1 nan 3\n", "1.5\n1 2 3\n",
                           "99999999999\n", "2\n1,5 2 3\n4 5 6\n"}) {
    std::istringstream in(text);
    Polygon p = Square(0, 0, 1);
    p.Read(in);
    EXPECT_TRUE(in.fail()) << text;
    EXPECT_EQ(p.Count(), 0) << text;
  }
  // A huge count that the file does not back fails at its end, without
  // reserving memory for the count.
  std::istringstream in("2000000000\n1 2 3\n");
  Polygon p;
  p.Read(in);
  EXPECT_TRUE(in.fail());
  EXPECT_EQ(p.Count(), 0);
}

TEST(PolygonTest, FormatGeneralMatchesTheStreamDefaultForm) {
  for (const double value : {0.0, -0.0, 1.0, 0.1, 123456.0, 1234567.0, 1e-5, 0.0001, 3.14159265, -2.5e-300}) {
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << value;
    EXPECT_EQ(FormatGeneral(value), stream.str());
  }
  EXPECT_EQ(FormatGeneral(1.5, 6), "   1.5");
  EXPECT_EQ(FormatGeneral(1.5, 1), "1.5");
}

}  // namespace
