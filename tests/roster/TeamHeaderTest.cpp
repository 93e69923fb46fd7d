// The team window's header texts and the no-fans check.

#include <gtest/gtest.h>

#include "model/Team.h"
#include "roster/TeamHeader.h"
#include "support/FakeTeamHost.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

// Catches: a wrong race text (mixed case, the own race showing the table's empty entry, a
// damaged race number reading outside the table), gold without thousands points, the
// re-roll figures in the wrong order, the fan factor without the matches' adjustment.
TEST(TeamHeader, TextsOfStandardOwnAndDamagedRaces) {
  auto team = test::MakeSampleTeam(10);
  team->Recalculate();
  TeamHeaderTexts header = MakeTeamHeader(*team);
  EXPECT_EQ(header.teamValue, std::to_string(team->m_nTeamwert));
  team->m_nGold = -1060000;
  team->m_nMarken = 2;
  team->m_nMarken2 = 1;
  team->m_nMarkenAbzug = 3;
  header = MakeTeamHeader(*team);
  EXPECT_EQ(header.gold, "-1.060.000");
  EXPECT_EQ(header.rerolls, "2/1/3");
  EXPECT_EQ(header.fanFactor, "4");  // 3 plus one match with rising fans

  team->m_nRasse = 15;
  team->m_strRassenName = "Nachtgoblins";
  header = MakeTeamHeader(*team);
  EXPECT_EQ(header.race, "Nachtgoblins");
  EXPECT_TRUE(header.raceEditable);

  for (int32_t damaged : {-7, 16, 1000}) {
    team->m_nRasse = damaged;
    EXPECT_EQ(MakeTeamHeader(*team).race, "???");
    EXPECT_FALSE(MakeTeamHeader(*team).raceEditable);
  }
}

// Catches: the notice due again while the fans stay at or below zero, not due again after
// they came back and went again, or the matches' adjustment left out. (The matches run the
// check: Matches.FanCheckWithTheMatches; the window shows it: TeamViewTest.FanNoticeOncePerDrop.)
TEST(TeamHeader, FanNoticeOncePerDrop) {
  CKRTeam team;
  team.m_nFanFaktor = 0;
  const ChangeOutcome outcome = RunFanCheck(team);
  EXPECT_TRUE(outcome.fansGone);
  EXPECT_FALSE(outcome.applied);  // a notice only: nothing else changes
  EXPECT_TRUE(team.m_bKeineFans);
  team.m_nFanFaktor = -2;
  EXPECT_FALSE(RunFanCheck(team).fansGone);  // still none: nothing more

  team.m_nFanFaktor = 1;
  EXPECT_FALSE(RunFanCheck(team).fansGone);
  EXPECT_FALSE(team.m_bKeineFans);
  team.m_nFanFaktor = 2;
  team.m_nFanFactorAdjustment = -2;  // the adjustment counts: 0 in force
  EXPECT_TRUE(RunFanCheck(team).fansGone);
}

// Catches: the race name of a standard race changed by typing (only the own race names
// itself), or an unchanged text marking the team modified.
TEST(TeamHeader, RenameTeamAndOwnRace) {
  CKRTeam team;
  test::FakeTeamHost host;
  team.m_pHost = &host;
  team.m_nRasse = 10;
  team.m_strName = "Orks";
  EXPECT_FALSE(RenameTeam(team, "Orks").applied);
  EXPECT_TRUE(RenameTeam(team, "Orkse").applied);
  EXPECT_EQ(team.m_strName, "Orkse");
  EXPECT_FALSE(RenameOwnRace(team, "SUMPFLER").applied);
  EXPECT_TRUE(team.m_strRassenName.empty());
  team.m_nRasse = kEigeneRasse;
  EXPECT_TRUE(RenameOwnRace(team, "SUMPFLER").applied);
  EXPECT_EQ(team.m_strRassenName, "SUMPFLER");
  EXPECT_EQ(host.Count("modified"), 2u);
}

}  // namespace
}  // namespace krv
