#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "model/Team.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

void AddPlayer(CKRTeam& team, int32_t value, int32_t ssp, int32_t status = kStatusAktiv) {
  test::AddPlayer(team, 1, "S", "P", 6, 3, 3, 8, value, "", 100, 0);
  team.m_Spieler.back()->m_nSSP = ssp;
  team.m_Spieler.back()->m_nStatus = status;
}

// The worked example: 11 players at 50000 with 12 SSP, 2 cheerleaders, fan factor 3,
// 3 re-rolls at 50000, an apothecary: 800000 in all, team value 80 + 2.
TEST(Bookkeeping, WorkedExample) {
  CKRTeam team;
  for (int i = 0; i < 11; ++i) AddPlayer(team, 50000, i == 0 ? 12 : 0);
  team.AddCheerleader({"Cheerleader1"});
  team.AddCheerleader({"Cheerleader2"});
  team.m_nFanFaktor = 3;
  team.m_nMarken = 3;
  team.m_nMarkenPreis = 50000;
  team.m_bSani = 1;
  team.CalcTeamwert();
  EXPECT_EQ(team.m_nGesamtwert, 800000);
  EXPECT_EQ(team.m_nTeamwert, 82);
}

// Empty team, inactive players and the star point rounding.
TEST(Bookkeeping, TeamValueEdges) {
  CKRTeam empty;
  empty.CalcTeamwert();
  EXPECT_EQ(empty.m_nGesamtwert, 0);
  EXPECT_EQ(empty.m_nTeamwert, 0);

  CKRTeam team;
  AddPlayer(team, 70000, 19);
  AddPlayer(team, 500000, 50, kStatusVerkauft);  // sold: neither value nor points
  AddPlayer(team, 500000, 50, kStatusVerstorben);
  team.m_Spieler.push_back(nullptr);
  team.CalcTeamwert();
  EXPECT_EQ(team.m_nGesamtwert, 70000);
  EXPECT_EQ(team.m_nTeamwert, 7 + 3);  // 19 SSP give 3 points
  team.m_Spieler[0]->m_nSSP = 4;
  team.CalcTeamwert();
  EXPECT_EQ(team.m_nTeamwert, 7);  // 4 SSP give none

  // Quotients are cut toward zero on their own: 99999 -> 9, not 10.
  team.m_Spieler[0]->m_nWert = 99999;
  team.CalcTeamwert();
  EXPECT_EQ(team.m_nTeamwert, 9);
}

// Deductions take off one re-roll price, the double one first, however many there are.
TEST(Bookkeeping, RerollDeductions) {
  for (const auto& [marken, marken2, value] : {std::array{2, 1, 100000}, {2, 0, 50000}, {0, 0, 0}}) {
    CKRTeam team;
    team.m_nMarken = marken;
    team.m_nMarkenPreis = 50000;
    team.m_nMarken2 = marken2;
    team.m_nMarkenPreis2 = 100000;
    team.m_nMarkenAbzug = 3;
    team.CalcTeamwert();
    EXPECT_EQ(team.m_nGesamtwert, value) << marken << " " << marken2;
  }
}

// Ledger sums are cut to thousands each on their own, toward zero also when negative (-1500
// is -1 thousand, not -2; 500 + 400 count nothing); empty entries of a damaged list are
// skipped, and a second recalculation adds nothing.
TEST(Bookkeeping, TreasuryFromLedgers) {
  // income, expenses, income and expenses in thousands, treasury
  const std::tuple<std::vector<int32_t>, std::vector<int32_t>, int32_t, int32_t, int64_t> rows[] = {
      {{1000000, 999}, {999}, 1000, 0, 1000000},
      {{999}, {1999}, 0, 1, -1000},
      {{-1500}, {}, -1, 0, -1000},
      {{500, 400}, {}, 0, 0, 0},
      {{500, 400, 200}, {}, 1, 0, 1000},
  };
  for (const auto& [income, expenses, incomeK, expensesK, gold] : rows) {
    CKRTeam team;
    for (int32_t amount : income) team.AddEinnahme({"E", amount});
    for (int32_t amount : expenses) team.AddAusgabe({"A", amount, kAusgabeVerlust});
    team.m_Einnahmen.push_back(nullptr);
    team.Recalculate();
    team.Recalculate();
    EXPECT_EQ(team.m_nEinnahmenK, incomeK) << gold;
    EXPECT_EQ(team.m_nAusgabenK, expensesK) << gold;
    EXPECT_EQ(team.m_nGold, gold);
  }
}

// Sums beyond 32 bits must neither overflow (UBSan) nor wrap to a wrong sign.
TEST(Bookkeeping, NoOverflow) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  CKRTeam team;
  for (int i = 0; i < 3; ++i) {
    team.AddEinnahme({"viel", kMax});
    AddPlayer(team, kMax, kMax);
  }
  team.m_nMarken = team.m_nMarken2 = kMax;
  team.m_nMarkenPreis = team.m_nMarkenPreis2 = kMax;
  team.m_nFanFaktor = kMax;
  for (int i = 0; i < 3; ++i)
    team.AddGame({.m_strGegner = "X", .m_strErgebnis = "1:0", .m_bGewonnen = 1, .m_nFanFaktor = kFanRises});
  team.Recalculate();
  EXPECT_EQ(team.m_nEinnahmenK, 6442450);  // 3 * 2147483647 / 1000
  EXPECT_EQ(team.m_nGold, 6442450000LL);
  EXPECT_EQ(team.m_nGesamtwert, kMax);  // held at the top, not wrapped
  EXPECT_GT(team.m_nTeamwert, 0);
}

// Recalculate derives everything a window shows from the records (empty entries of a damaged
// list skipped), including the skill texts without leading and trailing blanks, so that showing
// a list never has to change the team; the matches keep their numbers (a deletion leaves a gap
// until the page is filled again, MatchRows.NumberedWhenFilled).
TEST(Bookkeeping, RecalculateDerivedFigures) {
  CKRTeam team;
  team.m_nFanFaktor = 2;
  AddPlayer(team, 50000, 6);
  AddPlayer(team, 50000, 5, kStatusVerkauft);  // counts for the SSP total of all players
  test::AddPlayer(team, 2, "Star", "Starplayer", 6, 3, 3, 8, 100000, " \tBlk, Tackle \r\n", 101, 205);
  team.m_Spieler.push_back(nullptr);
  test::AddPlayer(team, 3, "Leer", "Linie", 6, 3, 3, 8, 50000, "   ", 102, 0);
  int32_t number = 1;
  for (int change : {kFanRises, kFanRises, kFanFalls, kFanNone}) {
    team.AddGame(
        {.m_strGegner = "X", .m_strErgebnis = "1:0", .m_bGewonnen = 1, .m_nFanFaktor = change, .m_nNummer = number});
    number += 2;
    if (change == kFanRises) team.m_Games.push_back(nullptr);
  }
  team.Recalculate();
  EXPECT_EQ(team.m_Spieler[2]->m_strFertigkeiten, "Blk, Tackle");
  EXPECT_EQ(team.m_Spieler[4]->m_strFertigkeiten, "");
  std::vector<int32_t> numbers;
  for (const auto& game : team.m_Games)
    if (game) numbers.push_back(game->m_nNummer);
  EXPECT_EQ(numbers, (std::vector<int32_t>{1, 3, 5, 7}));
  // fan adjustment, fans in force, SSP of all players, players, stars, total value, team value
  EXPECT_EQ((std::array{team.m_nFanFactorAdjustment, team.FanFactorInForce(), team.m_nSSPGesamt, team.m_nAnzahlSpieler,
                        team.m_nAnzahlStars, team.m_nGesamtwert, team.m_nTeamwert}),
            (std::array{1, 3, 11, 2, 1, 200000 + 30000, 23 + 1}));
}

}  // namespace
}  // namespace krv
