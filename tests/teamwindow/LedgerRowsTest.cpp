#include "teamwindow/LedgerRows.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// Catches: amounts without thousands points, a sign or zero mangled by the grouping, totals
// (already in thousands) grouped as well.
TEST(LedgerRows, AmountsAndTotals) {
  EXPECT_EQ(LedgerAmountText(1000000), "1.000.000");
  EXPECT_EQ(LedgerAmountText(500), "500");
  EXPECT_EQ(LedgerAmountText(0), "0");
  EXPECT_EQ(LedgerAmountText(-25000), "-25.000");
  EXPECT_EQ(LedgerTotalText(1234), "1234");
  EXPECT_EQ(LedgerTotalText(-3), "-3");
}

}  // namespace
}  // namespace krv
