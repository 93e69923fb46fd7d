#include "model/Gold.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// Grouping from the right with the sign kept in front, beyond 32 bits too; and amounts held
// at the 32-bit ends instead of wrapping. Catches "-.100" and a treasury read as negative.
TEST(Gold, FormatAndClamp) {
  EXPECT_EQ(FormatGoldNumber(0), "0");
  EXPECT_EQ(FormatGoldNumber(999), "999");
  EXPECT_EQ(FormatGoldNumber(1000), "1.000");
  EXPECT_EQ(FormatGoldNumber(1234567), "1.234.567");
  EXPECT_EQ(FormatGoldNumber(-100000), "-100.000");
  EXPECT_EQ(FormatGoldNumber(-999), "-999");
  EXPECT_EQ(FormatGoldNumber(-2147483648LL), "-2.147.483.648");
  EXPECT_EQ(FormatGoldNumber(6442450000LL), "6.442.450.000");
  EXPECT_EQ(ClampedGold(6442450000LL), 2147483647);
  EXPECT_EQ(ClampedGold(-6442450000LL), -2147483647 - 1);
  EXPECT_EQ(ClampedGold(-50000), -50000);
}

}  // namespace
}  // namespace krv
