#include "properties/LedgerRows.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

TEST(LedgerRows, AmountsWithThousandsPoints) {
  EXPECT_EQ(LedgerAmountText(150000), "150.000");
  EXPECT_EQ(LedgerAmountText(1000000), "1.000.000");
  EXPECT_EQ(LedgerAmountText(500), "500");
  EXPECT_EQ(LedgerAmountText(0), "0");
  EXPECT_EQ(LedgerAmountText(-25000), "-25.000");
}

TEST(LedgerRows, Totals) {
  EXPECT_EQ(LedgerTotalText(1234), "1234");
  EXPECT_EQ(LedgerTotalText(0), "0");
  EXPECT_EQ(LedgerTotalText(-3), "-3");
}

TEST(LedgerRows, Columns) {
  EXPECT_STREQ(kExpenseColumns[kLedgerText].heading, "Ausgaben");
  EXPECT_STREQ(kIncomeColumns[kLedgerText].heading, "Einnahmen");
  for (const auto* columns : {&kExpenseColumns, &kIncomeColumns}) {
    EXPECT_EQ((*columns)[kLedgerText].width, 400);
    EXPECT_FALSE((*columns)[kLedgerText].rightAligned);
    EXPECT_STREQ((*columns)[kLedgerWert].heading, "Wert");
    EXPECT_EQ((*columns)[kLedgerWert].width, 80);
    EXPECT_TRUE((*columns)[kLedgerWert].rightAligned);
  }
  EXPECT_STREQ(kExpenseListName, "AusgabenListe");
  EXPECT_STREQ(kIncomeListName, "EinnahmenListe");
}

}  // namespace
}  // namespace krv
