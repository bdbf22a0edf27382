// The six-digit form of grid numbers and the lenient reading of typed text.
#include <gtest/gtest.h>

#include "editor/ui/polygondialog/GridNumberText.h"

namespace quor {
namespace {

TEST(GridNumberText, FormatsSixDigitsKeepingThePoint) {
  EXPECT_EQ(FormatGridNumber(10), "10.");
  EXPECT_EQ(FormatGridNumber(1.5), "1.5");
  EXPECT_EQ(FormatGridNumber(0.05), "5.e-002");
  EXPECT_EQ(FormatGridNumber(1234567), "1.23457e+006");
  EXPECT_EQ(FormatGridNumber(12345.67), "12345.7");
  EXPECT_EQ(FormatGridNumber(-0.25), "-0.25");
  EXPECT_EQ(FormatGridNumber(0.1), "0.1");
  EXPECT_EQ(FormatGridNumber(0), "0.");
  // Rounding that carries into a seventh digit leaves fixed notation.
  EXPECT_EQ(FormatGridNumber(999999.7), "1.e+006");
}

TEST(GridNumberText, ReadsTheLeadingNumberOrZero) {
  EXPECT_DOUBLE_EQ(ReadGridNumber("  -1.5e2x"), -150);
  EXPECT_DOUBLE_EQ(ReadGridNumber("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(ReadGridNumber("5."), 5);
  EXPECT_DOUBLE_EQ(ReadGridNumber("1e"), 1);
  EXPECT_DOUBLE_EQ(ReadGridNumber("5.e-002"), 0.05);
  for (const char* text : {"", "abc", "inf", "nan", "e5", "-", "."})
    EXPECT_EQ(ReadGridNumber(text), 0.0) << text;
  EXPECT_EQ(ReadGridNumber("0x10"), 0.0);
}

}  // namespace
}  // namespace quor
