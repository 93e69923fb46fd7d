// Repairing race and position codes ("Volk ändern").

#include <gtest/gtest.h>

#include "model/Team.h"
#include "roster/RaceRepair.h"
#include "rules/Races.h"
#include "support/FakeTeamHost.h"

namespace krv {
namespace {

// Catches: the race list out of race-number order or without the own race, the type list
// skipping rows or losing its format.
TEST(RaceRepair, Choices) {
  const std::vector<std::string> races = RaceChoices();
  ASSERT_EQ(races.size(), 16u);
  EXPECT_EQ(races[3], "Echsenmenschen");
  EXPECT_EQ(races[15], "Eigene Rasse");

  const std::vector<std::string> types = PositionTypeChoices();
  ASSERT_EQ(types.size(), g_Kader.size());
  EXPECT_EQ(types[11], "[Elfen]   Fänger");
  EXPECT_EQ(types[47], "[Eigenes Team]   Feldspieler");
  EXPECT_EQ(types[54], "[Echsenmenschen]   Saurus");
}

// Catches: inactive players listed, codes outside the table or of star players read wrongly,
// a row outside the table written as a code. (Assigning to two selected players through
// the dialog: VolkAendernDlgTest.)
TEST(RaceRepair, RowsAndAssigningPositionCodes) {
  CKRTeam team;
  team.AddSpieler(1, "Grischnak", "Ork-Blitzer", 6, 3, 3, 9, 80000, "", 100, 28);
  team.AddSpieler(2, "Gorbag", "Linienork", 5, 3, 3, 9, 50000, "", 101, 25);
  team.AddSpieler(3, "Snaga", "Linienork", 5, 3, 3, 9, 50000, "", 102, 999);
  team.AddSpieler(4, "Morgul", "Star", 5, 3, 3, 9, 50000, "", 103, 222);
  team.m_Spieler[1]->m_nStatus = kStatusVerkauft;

  const std::vector<RaceRepairRow> rows = RaceRepairRows(team);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].positionByCode, "Blitzer");
  EXPECT_EQ(rows[1].positionByCode, "???");
  EXPECT_EQ(rows[2].positionByCode, "Eigener Starplayer");

  EXPECT_TRUE(AssignPositionType({rows[0].player}, 11));  // [Elfen] Fänger: code 10
  EXPECT_FALSE(AssignPositionType({rows[0].player}, -1));
  EXPECT_FALSE(AssignPositionType({rows[0].player}, static_cast<int>(g_Kader.size())));
  EXPECT_EQ(team.m_Spieler[0]->m_nPositionCode, 10);
}

// Catches: the race taken over without marking the team modified, a race number outside the
// table written into the team.
TEST(RaceRepair, ApplyingTheRace) {
  CKRTeam team;
  test::FakeTeamHost host;
  team.m_pHost = &host;
  team.m_nRasse = 10;
  EXPECT_TRUE(ApplyRaceChoice(team, 12, "egal"));
  EXPECT_EQ(team.m_nRasse, 12);
  EXPECT_EQ(team.m_strRassenName, "egal");
  EXPECT_EQ(host.Count("modified"), 1u);
  EXPECT_EQ(host.Count("recalculated"), 1u);
  EXPECT_FALSE(ApplyRaceChoice(team, 16, "x"));
  EXPECT_FALSE(ApplyRaceChoice(team, -1, "x"));
  EXPECT_EQ(team.m_nRasse, 12);
  EXPECT_EQ(host.Count("modified"), 1u);
}

}  // namespace
}  // namespace krv
