#include "dxfconv/FreeFormatReader.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

namespace quor::dxfconv {
namespace {

TEST(FreeFormatReader, ReadsStartOnANewLineAndDropWhatIsLeft) {
  std::istringstream in("1 2 3\r\n\r\n4,\r\n5\r\n-6 +7\r\nname with blanks \r\n");
  FreeFormatReader reader(in);
  EXPECT_EQ(reader.ReadInteger(), 1) << "2 and 3 are dropped";
  std::array<int, 2> two{};
  ASSERT_TRUE(reader.ReadIntegers(two));
  EXPECT_EQ(two, (std::array{4, 5}));
  std::array<float, 2> reals{};
  ASSERT_TRUE(reader.ReadReals(reals));
  EXPECT_EQ(reals, (std::array{-6.0f, 7.0f}));
  EXPECT_EQ(reader.ReadLine(), "name with blanks ");
  EXPECT_EQ(reader.ReadInteger(), std::nullopt);
  EXPECT_EQ(reader.ReadLine(), std::nullopt);
}

TEST(FreeFormatReader, RefusesWhatIsNotANumberOfItsKind) {
  for (const char* bad : {"1.5", "1e3", "x", "1-", "--1", "+", "99999999999"}) {
    EXPECT_EQ(ParseInteger(bad), std::nullopt) << bad;
  }
  for (const char* bad : {"nan", "inf", "-inf", "1e39", "1.0.0", "1,5", ""}) {
    EXPECT_EQ(ParseReal(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(ParseReal("+.5"), 0.5f);
  EXPECT_EQ(ParseReal("1.5e-3"), 1.5e-3f);
  EXPECT_EQ(ParseReal("0.333333"), 0.333333f);
}

}  // namespace
}  // namespace quor::dxfconv
