#include "teamwindow/MatchRows.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// Catches: the league mark missing or on the wrong games, big numbers cut, a column outside
// the list answered with a neighbour's text. (The other cells: ListPagesTest.RowTexts.)
TEST(MatchRows, NumbersWithLeagueMark) {
  EXPECT_EQ(MatchNumberText(1, 0), "1");
  EXPECT_EQ(MatchNumberText(12, 1), "12L");
  EXPECT_EQ(MatchNumberText(10000, 0), "10000");
  CKRGames g;
  g.m_bLiga = 1;
  g.m_nNummer = 4;
  EXPECT_EQ(MatchCellText(g, kMatchNr), "4L");
  EXPECT_EQ(MatchCellText(g, kMatchColumnCount), "");
}

// Filling the page numbers the matches 1 to n again, over the gaps deletions left.
TEST(MatchRows, NumberedWhenFilled) {
  CKRTeam team;
  for (int32_t number : {1, 3, 7})
    team.AddGame({.m_strGegner = "Orks", .m_strErgebnis = "1:0", .m_bGewonnen = 1, .m_nNummer = number});
  NumberMatches(team);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(team.m_Games[static_cast<size_t>(i)]->m_nNummer, i + 1);
}

// Values other than rise and fall (a damaged file) count as no change, as in the fan factor.
TEST(MatchRows, FanWords) {
  EXPECT_EQ(FanChangeWord(kFanNone), "Nein");
  EXPECT_EQ(FanChangeWord(kFanRises), "Ja");
  EXPECT_EQ(FanChangeWord(kFanFalls), "Sinkt");
  EXPECT_EQ(FanChangeWord(7), "Nein");
  EXPECT_EQ(FanChangeWord(-1), "Nein");
}

}  // namespace
}  // namespace krv
