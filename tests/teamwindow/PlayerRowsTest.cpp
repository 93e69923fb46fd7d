#include "teamwindow/PlayerRows.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// Numbers wider than the format keep all their digits; a column outside the list is empty.
// (The ordinary texts and status words: ListPagesTest.RowTexts and .FormerPlayersGrey...)
TEST(PlayerRows, WideNumbersAreNotCut) {
  CKRSpieler p;
  p.m_nNummer = 123;
  p.m_nSSP = 1234;
  p.m_nWert = -5000;
  EXPECT_EQ(PlayerCellText(p, kPlayerNr), "123");
  EXPECT_EQ(PlayerCellText(p, kPlayerSSP), "1234");
  EXPECT_EQ(PlayerCellText(p, kPlayerWert), "-5.000");
  EXPECT_EQ(PlayerCellText(p, kPlayerColumnCount), "");
  EXPECT_EQ(PlayerCellText(p, -1), "");
}

// "Nach Nr. sortieren": ascending, equal numbers in list order; the zombie button only for
// race 12.
TEST(PlayerRows, OrderByNumberAndZombieButton) {
  EXPECT_EQ(OrderByNumber({5, 1, 12, 1, 3}), (std::vector<size_t>{1, 3, 4, 0, 2}));
  EXPECT_TRUE(OrderByNumber({}).empty());
  for (int32_t race = -1; race <= 15; ++race) EXPECT_EQ(ZombieButtonVisible(race), race == 12) << race;
}

}  // namespace
}  // namespace krv
