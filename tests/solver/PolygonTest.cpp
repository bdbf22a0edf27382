#include "tessmor/Polygon.h"

#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "TestPolygons.h"

namespace {

void ExpectPoint(const Point3& actual, double x, double y, double z) {
  EXPECT_NEAR(actual.x, x, 1e-12);
  EXPECT_NEAR(actual.y, y, 1e-12);
  EXPECT_NEAR(actual.z, z, 1e-12);
}

TEST(PolygonTest, ConvexAndDegenerateNormalsAndAreas) {
  ExpectPoint(Point3{}.Unit(), 0, 0, 0);
  ExpectPoint(Point3{3, 4, 0}.Unit(), 0.6, 0.8, 0);
  ExpectPoint(Point3{1e-320, 0, 0}.Unit(), 0, 0, 0);

  Polygon square = Square(0, 0, 1);
  ExpectPoint(square.UnitNormal(), 0, 0, 1);
  EXPECT_NEAR(square.Area(), 1.0, 1e-12);
  square.Reversed();
  ExpectPoint(square.Vertices()[1], 0, 1, 0);
  ExpectPoint(square.UnitNormal(), 0, 0, -1);
  EXPECT_NEAR(square.Area(), 1.0, 1e-12);

  const Polygon collinear = MakePolygon({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
  ExpectPoint(collinear.UnitNormal(), 0, 0, 0);
  EXPECT_EQ(collinear.Area(), 0.0);
  EXPECT_EQ(MakePolygon({{0, 0, 0}, {1, 0, 0}}).Area(), 0.0);
}

TEST(PolygonTest, ReentrantOutlineGetsTheNormalOfItsOrientation) {
  // An L whose first corner is the re-entrant one, counter-clockwise seen from +z.
  Polygon l = MakePolygon({{1, 1, 0}, {1, 2, 0}, {0, 2, 0}, {0, 0, 0}, {2, 0, 0}, {2, 1, 0}});
  ExpectPoint(l.UnitNormal(), 0, 0, 1);
  EXPECT_NEAR(l.Area(), 3.0, 1e-12);
  l.Reversed();
  ExpectPoint(l.UnitNormal(), 0, 0, -1);
  EXPECT_NEAR(l.Area(), 3.0, 1e-12);

  // A notched outline in a vertical plane that starts at two re-entrant
  // corners and has a straight (degenerate) one.
  const Polygon comb = MakePolygon(
      {{0, 4, 1}, {0, 3, 1}, {0, 3, 3}, {0, 0, 3}, {0, 0, 1}, {0, 0, 0}, {0, 5, 0}, {0, 5, 3}, {0, 4, 3}});
  ExpectPoint(comb.UnitNormal(), 1, 0, 0);
  EXPECT_NEAR(comb.Area(), 13.0, 1e-12);
}

TEST(PolygonTest, RotatedStartMovesVerticesButNotFlagsAndCopiesAreDeep) {
  Polygon p;
  const std::vector<std::int32_t> flags{1, 0, 0, 2};
  p.Set(Square(0, 0, 1).Vertices(), flags);
  const Polygon rotated = p.RotatedStart(2);
  ExpectPoint(p.Vertices()[0], 1, 1, 0);
  ExpectPoint(rotated.Vertices()[3], 1, 0, 0);
  EXPECT_EQ(std::vector<std::int32_t>(p.Flags().begin(), p.Flags().end()), flags);

  Polygon copy = p.Translated({1, 1, 1});
  ExpectPoint(p.Vertices()[0], 0, 0, -1);
  copy.Vertices()[0] = {9, 9, 9};
  copy.Flags()[0] = 7;
  ExpectPoint(p.Vertices()[0], 0, 0, -1);
  EXPECT_EQ(p.Flags()[0], 1);
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

// Writes and reads numbers with a decimal comma and groups thousands, as
// some desktop locales do.
struct CommaNumbers : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(PolygonTest, TextFormRoundTripsWhateverTheLocale) {
  const Polygon original = MakePolygon({{0.125, -3, 1e10}, {12345.6, 7, 8}, {-0.001, 1e-300, 2}});
  std::ostringstream plain;
  original.Write(plain);

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

  EXPECT_EQ(out.str(), plain.str());
  ASSERT_FALSE(in.fail());
  ASSERT_EQ(copy.Count(), 3);
  ExpectPoint(copy.Vertices()[0], 0.125, -3, 1e10);
  EXPECT_NEAR(copy.Vertices()[1].x, 12345.6, 1e-9);
}

TEST(PolygonTest, ReadRefusesMalformedInputAndLeavesThePolygonEmpty) {
  // The last count is not backed by the file: it fails at the end without
  // reserving memory for two billion vertices.
  for (const char* text : {"-1\n", "2\n1 2 3\n4 5\n", "1\n1 2 x\n", "1\n1 nan 3\n", "1.5\n1 2 3\n",
                           "99999999999\n", "2\n1,5 2 3\n4 5 6\n", "2000000000\n1 2 3\n"}) {
    std::istringstream in(text);
    Polygon p = Square(0, 0, 1);
    p.Read(in);
    EXPECT_TRUE(in.fail()) << text;
    EXPECT_EQ(p.Count(), 0) << text;
  }
}

}  // namespace
