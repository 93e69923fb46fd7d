#include "model/Gold.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// Grouping from the right, the sign kept in front, and texts already grouped left alone.
TEST(Gold, FormatGold) {
  EXPECT_EQ(FormatGold("1000"), "1.000");
  EXPECT_EQ(FormatGold("999"), "999");
  EXPECT_EQ(FormatGold("1234567"), "1.234.567");
  EXPECT_EQ(FormatGold("-100000"), "-100.000");
  EXPECT_EQ(FormatGold("-999"), "-999");  // no point between the sign and the digits
  EXPECT_EQ(FormatGold(""), "");
  EXPECT_EQ(FormatGold("1.5"), "1.5");  // already holds a point
  EXPECT_EQ(FormatGold("12.345678"), "12.345678");
  EXPECT_EQ(FormatGoldNumber(-2147483648LL), "-2.147.483.648");
  EXPECT_EQ(FormatGoldNumber(6442450000LL), "6.442.450.000");
}

// Points removed anywhere, sign, stop at the first non-digit, no digits give 0, and
// values beyond 32 bits held at the ends instead of overflowing.
TEST(Gold, ParseGold) {
  EXPECT_EQ(ParseGold("1.234.567"), 1234567);
  EXPECT_EQ(ParseGold("-100.000"), -100000);
  EXPECT_EQ(ParseGold("+12"), 12);
  EXPECT_EQ(ParseGold("  42"), 42);
  EXPECT_EQ(ParseGold("12 Goldst."), 12);
  EXPECT_EQ(ParseGold("1.2x3"), 12);
  EXPECT_EQ(ParseGold(""), 0);
  EXPECT_EQ(ParseGold("-"), 0);
  EXPECT_EQ(ParseGold("..."), 0);
  EXPECT_EQ(ParseGold("2.147.483.647"), 2147483647);
  EXPECT_EQ(ParseGold("-2.147.483.648"), -2147483647 - 1);
  EXPECT_EQ(ParseGold("2147483648"), 2147483647);
  EXPECT_EQ(ParseGold("99999999999999999999999999999999999999999999999999999999999"), 2147483647);
  EXPECT_EQ(ParseGold("-99999999999999999999"), -2147483647 - 1);
  for (int v : {0, 1, 999, 1000, 999999, -50000, 2000000000}) EXPECT_EQ(ParseGold(FormatGoldNumber(v)), v);
}

}  // namespace
}  // namespace krv
