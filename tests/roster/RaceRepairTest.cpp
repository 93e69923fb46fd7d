// Repairing race and position codes ("Volk ändern").

#include <gtest/gtest.h>

#include "model/Team.h"
#include "roster/RaceRepair.h"
#include "rules/Races.h"
#include "support/FakeTeamHost.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

// Players with these position codes, numbered from 1; the second one sold.
void AddPlayers(CKRTeam& team, std::initializer_list<int32_t> codes) {
  for (int32_t code : codes)
    test::AddPlayer(team, team.GetFreeNummer(), "Ork", "Linienork", 5, 3, 3, 9, 50000, "", team.m_nNaechsteID++, code);
  team.m_Spieler[1]->m_nStatus = kStatusVerkauft;
}

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
// a row outside the table written as a code, the team changed before the dialog closed.
// (Assigning to two selected players through the dialog: RaceChangeDialogTest.)
TEST(RaceRepair, RowsAndAssigningPositionCodes) {
  CKRTeam team;
  AddPlayers(team, {28, 25, 999, 222});

  RaceRepair repair = StartRaceRepair(team);
  std::vector<RaceRepairRow> rows = RaceRepairRows(team, repair);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].positionByCode, "Blitzer");
  EXPECT_EQ(rows[1].positionByCode, "???");
  EXPECT_EQ(rows[2].positionByCode, "Eigener Starplayer");
  EXPECT_FALSE(repair.changed);

  EXPECT_FALSE(AssignPositionType(repair, {0}, -1));
  EXPECT_FALSE(AssignPositionType(repair, {0}, static_cast<int>(g_Kader.size())));
  EXPECT_FALSE(repair.changed);
  EXPECT_TRUE(AssignPositionType(repair, {0, 1}, 11));  // [Elfen] Fänger: code 10
  EXPECT_TRUE(repair.changed);
  rows = RaceRepairRows(team, repair);
  EXPECT_EQ(rows[0].positionByCode, "Fänger");
  EXPECT_EQ(rows[1].positionByCode, "Fänger");
  EXPECT_EQ(team.m_Spieler[0]->m_nPositionCode, 28);  // not yet taken over
}

// Catches: codes given to the wrong players (the sold one between them), the race taken over
// without marking the team modified, a race outside the table written, an unchanged dialog
// marking the team modified.
TEST(RaceRepair, ApplyingTheRepair) {
  CKRTeam team;
  test::FakeTeamHost host;
  team.m_pHost = &host;
  team.m_nRasse = 10;
  AddPlayers(team, {28, 25, 25});

  RaceRepair repair = StartRaceRepair(team);
  EXPECT_FALSE(ApplyRaceRepair(team, repair).applied);
  EXPECT_EQ(host.Count("modified"), 0u);

  AssignPositionType(repair, {1}, 11);
  repair.race = 15;
  repair.ownRaceName = "Gnome";
  EXPECT_TRUE(ApplyRaceRepair(team, repair).applied);
  EXPECT_EQ(team.m_Spieler[0]->m_nPositionCode, 28);
  EXPECT_EQ(team.m_Spieler[1]->m_nPositionCode, 25);
  EXPECT_EQ(team.m_Spieler[2]->m_nPositionCode, 10);
  EXPECT_EQ(team.m_nRasse, 15);
  EXPECT_EQ(team.m_strRassenName, "Gnome");
  EXPECT_EQ(host.Count("modified"), 1u);
  EXPECT_EQ(host.Count("recalculated"), 1u);

  repair.race = 16;
  EXPECT_TRUE(ApplyRaceRepair(team, repair).applied);
  EXPECT_EQ(team.m_nRasse, 15);
}

}  // namespace
}  // namespace krv
