// The figures of the team statistics dialog.

#include <gtest/gtest.h>

#include <array>

#include "model/Team.h"
#include "teamwindow/TeamStatistics.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

// Catches: only exact texts taken as draws, the second number read from the wrong place (only
// the number after the first ":" counts; no digits on either side are 0 and 0), a result
// without ":" read past its end or taken as a draw, huge numbers overflowing.
TEST(TeamStatistics, DrawRule) {
  for (const char* draw :
       {"2:2", " 1 : 1", "0:0 (Abbruch)", ":", "x:y", "3:3:1", "99999999999999999999:99999999999999999999"})
    EXPECT_TRUE(IsDrawResult(draw)) << draw;
  for (const char* other : {"2:1", "1:10", "-1:1", "", "2-2"}) EXPECT_FALSE(IsDrawResult(other)) << other;
}

// Catches: a draw counted as won because its record says won, sold or retired players counted
// as dead or active, star players counted among the inactive, big guys counted as stars, the
// creation stamp lost or the modification stamp not renewed.
TEST(TeamStatistics, CountsMatchesAndPlayers) {
  CKRTeam team;
  team.m_strErstellt = "(02.09.06) 19:04:51";
  team.AddGame(
      {.m_strGegner = "A", .m_strErgebnis = "2:2", .m_bLiga = 1, .m_bGewonnen = 1});  // a draw though marked won
  team.AddGame({.m_strGegner = "B", .m_strErgebnis = "3:1", .m_bLiga = 1, .m_bGewonnen = 1});
  team.AddGame({.m_strGegner = "C", .m_strErgebnis = "0:2"});
  team.AddGame({.m_strGegner = "D", .m_strErgebnis = "1:1"});
  team.AddGame({.m_strGegner = "E", .m_strErgebnis = "4:0", .m_bGewonnen = 1});
  test::AddPlayer(team, 1, "Aktiv", "Linienork", 5, 3, 3, 9, 50000, "", 1, 25);
  test::AddPlayer(team, 2, "Star", "Star", 5, 3, 3, 9, 50000, "", 2, 205);
  test::AddPlayer(team, 3, "Brocken", "Troll", 5, 3, 3, 9, 50000, "", 3, 301);
  test::AddPlayer(team, 4, "Tot", "Linienork", 5, 3, 3, 9, 50000, "", 4, 25);
  test::AddPlayer(team, 5, "Toter Star", "Star", 5, 3, 3, 9, 50000, "", 5, 210);
  test::AddPlayer(team, 6, "Verkauft", "Linienork", 5, 3, 3, 9, 50000, "", 6, 222);
  team.m_Spieler[3]->m_nStatus = kStatusVerstorben;
  team.m_Spieler[4]->m_nStatus = kStatusVerstorben;
  team.m_Spieler[5]->m_nStatus = kStatusVerkauft;

  const TeamStatistics stats = CountTeamStatistics(team);
  EXPECT_EQ(stats.erstellt, "(02.09.06) 19:04:51");
  // Matches, draws, won, lost; active players, stars, dead.
  EXPECT_EQ((std::array{stats.spiele, stats.unentschieden, stats.gewonnen, stats.verloren}), (std::array{5, 2, 2, 1}));
  EXPECT_EQ((std::array{stats.spieler, stats.stars, stats.tote}), (std::array{3, 1, 2}));
  EXPECT_EQ(team.m_strGeaendert, stats.geaendert);  // stamped now; more in TeamStatisticsDialogTest
}

}  // namespace
}  // namespace krv
