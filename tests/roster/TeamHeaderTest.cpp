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
  EXPECT_EQ(header.teamValue, team->m_strTeamwert);
  team->m_strGold = "-1060000";
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

// Catches: the notice shown again while the fans stay at or below zero, the matches'
// adjustment left out, or sound and message going elsewhere than through the team's host.
// (Once per drop in the window: KrashballViewTest.FanNoticeOncePerDrop.)
TEST(TeamHeader, FanNoticeOncePerDrop) {
  CKRTeam team;
  test::FakeTeamHost host;
  team.m_pHost = &host;
  team.m_nFanFaktor = 0;
  EXPECT_TRUE(RunFanCheck(team));
  EXPECT_TRUE(team.m_bKeineFans);
  ASSERT_EQ(host.calls.size(), 2u);
  EXPECT_EQ(host.calls[0], "sound: Sounds/KeineFans.wav");
  EXPECT_EQ(host.calls[1],
            "message: Sie haben keine Fans mehr!\nUnd sind damit Ihres Amtes enthoben\nund Ihre Mannschaft "
            "aufgelöst!\nSo 'n Pech!");
  team.m_nFanFaktor = -2;
  EXPECT_FALSE(RunFanCheck(team));  // still none: nothing more
  EXPECT_EQ(host.calls.size(), 2u);

  team.m_nFanFaktor = 1;
  EXPECT_FALSE(RunFanCheck(team));
  EXPECT_FALSE(team.m_bKeineFans);
  team.m_nFanFaktor = 2;
  team.m_nFanFactorAdjustment = -2;  // the adjustment counts: 0 in force
  EXPECT_TRUE(RunFanCheck(team));
  EXPECT_EQ(host.Count("message: "), 2u);

  // Without a host the check still keeps its flag and says the notice was due.
  CKRTeam alone;
  EXPECT_TRUE(FanNoticeDue(alone));
  EXPECT_FALSE(FanNoticeDue(alone));
}

}  // namespace
}  // namespace krv
