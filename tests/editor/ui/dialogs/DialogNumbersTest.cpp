// Numbers between the dialogs' values and their edits: what the exchange
// accepts as a number, and what the leading-number reading takes.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {
namespace {

TEST(DialogNumbersTest, TheExchangeTakesOnlyAWholeFiniteNumber) {
  EXPECT_EQ(ParseExchangeDouble(" 1.5e3 "), 1500.0);
  EXPECT_EQ(ParseExchangeDouble("+2"), 2.0);
  EXPECT_EQ(ParseExchangeDouble("-0.25"), -0.25);
  for (const char* text : {"", "  ", "1.5x", "1,5", "abc", "+-1", "inf", "nan", "1e999"}) {
    EXPECT_FALSE(ParseExchangeDouble(text)) << text;
  }
  EXPECT_EQ(ParseExchangeInt(" 16 "), 16);
  EXPECT_EQ(ParseExchangeInt("-3"), -3);
  for (const char* text : {"", "3.5", "4x", "99999999999"}) EXPECT_FALSE(ParseExchangeInt(text)) << text;
}

TEST(DialogNumbersTest, DoublesAreWrittenWithFifteenDigitsInTheCLocale) {
  EXPECT_EQ(FormatExchangeDouble(0.1), "0.1");
  EXPECT_EQ(FormatExchangeDouble(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(FormatExchangeDouble(1500.0), "1500");
}

TEST(DialogNumbersTest, OnlyChangedEditsAreReadAndAFailureNamesItsControl) {
  double value = 1.0 / 3.0;
  EXPECT_FALSE(ExchangeDouble({"0.333333333333333", false}, 7, value));
  EXPECT_EQ(value, 1.0 / 3.0);
  const auto failure = ExchangeDouble({"x", true}, 7, value);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->controlId, 7);
  EXPECT_EQ(failure->text, "Please enter a number.");
  int count = 4;
  EXPECT_EQ(ExchangeInt({"4.5", true}, 9, count)->text, "Please enter an integer.");
  EXPECT_EQ(count, 4);
}

TEST(DialogNumbersTest, TheLeadingNumberIsReadAsTheCLibraryReadsIt) {
  EXPECT_EQ(ReadEditNumber("  12.5mm"), 12.5);
  EXPECT_EQ(ReadEditNumber("abc"), std::nullopt);
  EXPECT_EQ(ReadEditNumber("1e"), 1.0);
  // Only the first 59 characters count.
  EXPECT_EQ(ReadEditNumber(std::string(58, '0') + "12"), 1.0);

  EditedText edit{"2", true};
  double value = 7.0;
  EXPECT_TRUE(ReadChangedNumber(edit, 2.54, value));
  EXPECT_DOUBLE_EQ(value, 5.08);
  EXPECT_FALSE(edit.modified);

  EXPECT_EQ(ReadLeadingInteger(" -1"), -1);
  EXPECT_EQ(ReadLeadingInteger("7 conductors"), 7);
  EXPECT_EQ(ReadLeadingInteger("abc"), 0);
  EXPECT_EQ(ReadLeadingInteger("99999999999999999999"), std::nullopt);
  EXPECT_EQ(ReadLeadingInteger("-99999999999"), std::nullopt);
}

}  // namespace
}  // namespace quor
