// The six-digit form of grid numbers and the lenient reading of typed text.
#include <gtest/gtest.h>

#include <string>

#include "editor/model/LeadingNumber.h"
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

TEST(GridNumberText, ReadsTheLeadingNumberOrNothing) {
  EXPECT_DOUBLE_EQ(*ReadLeadingNumber("  -1.5e2x"), -150);
  EXPECT_DOUBLE_EQ(*ReadLeadingNumber("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(*ReadLeadingNumber("5."), 5);
  EXPECT_DOUBLE_EQ(*ReadLeadingNumber("1e"), 1);
  EXPECT_DOUBLE_EQ(*ReadLeadingNumber("5.e-002"), 0.05);
  for (const char* text : {"", "abc", "inf", "nan", "e5", "-", ".", "+-1", "1e309", "-0.01e311"})
    EXPECT_EQ(ReadLeadingNumber(text), std::nullopt) << text;
  EXPECT_EQ(ReadLeadingNumber("0x10"), 0.0);
  // Too small for a double is 0, however it is written.
  for (const char* text : {"1e-400", "-0.0001e-320", "0.00000e99999999999"})
    EXPECT_EQ(ReadLeadingNumber(text), 0.0) << text;
  EXPECT_EQ(ReadLeadingNumber(std::string(400, '9') + "e-50"), std::nullopt);
}

}  // namespace
}  // namespace quor
