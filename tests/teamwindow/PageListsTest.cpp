// The rows of a page's list over a record list, the texts of their cells, and the commands'
// enabling rules.

#include <gtest/gtest.h>

#include "teamwindow/LedgerRows.h"
#include "teamwindow/MatchRows.h"
#include "teamwindow/PageCommands.h"
#include "teamwindow/PlayerRows.h"
#include "teamwindow/RecordRows.h"

namespace krv {
namespace {

// Catches: empty entries from a file counted as rows (row i must be the i-th record that is
// there, as the team's own index operations count), rows read before a rebuild, and a row
// asked for after the list shrank behind the rows' back giving a dangling record.
TEST(RecordRows, EmptyEntriesSkippedAndShrunkListGivesNoRecord) {
  CKRTeam team;
  team.m_Ereignisse.push_back(nullptr);
  team.AddEreignis({"eins", 1});
  team.m_Ereignisse.push_back(nullptr);
  team.AddEreignis({"zwei", 1});
  RecordRows<CKREreignisse> rows;
  EXPECT_EQ(rows.At(team.m_Ereignisse, 0), nullptr);
  rows.Rebuild(team.m_Ereignisse);
  ASSERT_EQ(rows.Count(), 2u);
  EXPECT_EQ(rows.ListSize(), 4u);
  EXPECT_EQ(rows.At(team.m_Ereignisse, 0), team.GetEreignis(0));
  EXPECT_EQ(rows.At(team.m_Ereignisse, 1)->m_strText, "zwei");
  EXPECT_EQ(rows.At(team.m_Ereignisse, 2), nullptr);

  team.m_Ereignisse.pop_back();
  EXPECT_NE(rows.At(team.m_Ereignisse, 0), nullptr);
  EXPECT_EQ(rows.At(team.m_Ereignisse, 1), nullptr);
  team.m_Ereignisse.clear();
  EXPECT_EQ(rows.At(team.m_Ereignisse, 0), nullptr);
}

// "&Löschen" and "&Ändern" need a selected row; nothing is enabled without its action.
TEST(PageCommands, Enabling) {
  for (PageCommand c : {PageCommand::New, PageCommand::Zombie, PageCommand::Logo, PageCommand::SortByNumber,
                        PageCommand::Delete, PageCommand::Change}) {
    const bool needs = c == PageCommand::Delete || c == PageCommand::Change;
    EXPECT_EQ(NeedsSelection(c), needs);
    EXPECT_EQ(CommandEnabled(c, true, false), !needs);
    EXPECT_TRUE(CommandEnabled(c, true, true));
    EXPECT_FALSE(CommandEnabled(c, false, true));
  }
}

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
  const std::pair<int32_t, const char*> words[] = {
      {kFanNone, "Nein"}, {kFanRises, "Ja"}, {kFanFalls, "Sinkt"}, {7, "Nein"}, {-1, "Nein"}};
  for (const auto& [fan, word] : words) EXPECT_EQ(FanChangeWord(fan), word) << fan;
}

// Numbers wider than the format keep all their digits; a column outside the list is empty.
// (The ordinary texts and status words: ListPagesTest.RowTexts and .FormerPlayersGrey...)
TEST(PlayerRows, WideNumbersAreNotCut) {
  CKRSpieler p;
  p.m_nNummer = 123;
  p.m_nSSP = 1234;
  p.m_nWert = -5000;
  const std::pair<int, const char*> cells[] = {
      {kPlayerNr, "123"}, {kPlayerSSP, "1234"}, {kPlayerWert, "-5.000"}, {kPlayerColumnCount, ""}, {-1, ""}};
  for (const auto& [column, text] : cells) EXPECT_EQ(PlayerCellText(p, column), text) << column;
}

// "Nach Nr. sortieren": ascending, equal numbers in list order; the zombie button only for
// race 12.
TEST(PlayerRows, OrderByNumberAndZombieButton) {
  EXPECT_EQ(OrderByNumber({5, 1, 12, 1, 3}), (std::vector<size_t>{1, 3, 4, 0, 2}));
  EXPECT_TRUE(OrderByNumber({}).empty());
  for (int32_t race = -1; race <= 15; ++race) EXPECT_EQ(ZombieButtonVisible(race), race == 12) << race;
}

// Catches: amounts without thousands points, a sign or zero mangled by the grouping, totals
// (already in thousands) grouped as well.
TEST(LedgerRows, AmountsAndTotals) {
  const std::pair<int32_t, const char*> amounts[] = {
      {1000000, "1.000.000"}, {500, "500"}, {0, "0"}, {-25000, "-25.000"}};
  for (const auto& [amount, text] : amounts) EXPECT_EQ(LedgerAmountText(amount), text);
  EXPECT_EQ(LedgerTotalText(1234), "1234");
  EXPECT_EQ(LedgerTotalText(-3), "-3");
}

}  // namespace
}  // namespace krv
