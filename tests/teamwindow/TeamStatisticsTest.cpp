// The figures of the team statistics dialog.

#include <gtest/gtest.h>

#include <array>
#include <tuple>

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
  // Results and won flags: the first is a draw though marked won.
  for (const auto& [result, won] : {std::pair{"2:2", 1}, {"3:1", 1}, {"0:2", 0}, {"1:1", 0}, {"4:0", 1}})
    team.AddGame({.m_strErgebnis = result, .m_bGewonnen = won});
  // Name, position code and status.
  const std::tuple<const char*, int32_t, int32_t> players[] = {{"Aktiv", 25, kStatusAktiv},
                                                               {"Star", 205, kStatusAktiv},
                                                               {"Brocken", 301, kStatusAktiv},
                                                               {"Tot", 25, kStatusVerstorben},
                                                               {"Toter Star", 210, kStatusVerstorben},
                                                               {"Verkauft", 222, kStatusVerkauft}};
  for (const auto& [name, code, status] : players)
    test::AddPlayer(team, 1, name, "Linienork", 5, 3, 3, 9, 50000, "", 1, code).m_nStatus = status;

  const TeamStatistics stats = CountTeamStatistics(team);
  EXPECT_EQ(stats.erstellt, "(02.09.06) 19:04:51");
  // Matches, draws, won, lost; active players, stars, dead.
  EXPECT_EQ((std::array{stats.spiele, stats.unentschieden, stats.gewonnen, stats.verloren}), (std::array{5, 2, 2, 1}));
  EXPECT_EQ((std::array{stats.spieler, stats.stars, stats.tote}), (std::array{3, 1, 2}));
  EXPECT_EQ(team.m_strGeaendert, stats.geaendert);  // stamped now; more in TeamStatisticsDialogTest
}

}  // namespace
}  // namespace krv
