#include "model/TeamChange.h"

#include <gtest/gtest.h>

#include "model/Team.h"
#include "season/MatchEntry.h"
#include "roster/PlayerChange.h"
#include "roster/TeamHeader.h"
#include "support/FakeTeamHost.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

constexpr TeamList kAllLists[] = {TeamList::kStaff,  TeamList::kPlayers, TeamList::kExpenses,
                                  TeamList::kIncome, TeamList::kMatches, TeamList::kEvents};

// What a change says it touched: everything by default, nothing but the team's fields, or
// one record in its own list only. Catches a record taken for a record of another list (the
// window would redraw a row of the wrong page) or a default that touches less than all.
TEST(TeamChange, WhatEachKindTouches) {
  for (const TeamList list : kAllLists) {
    EXPECT_TRUE(TeamChange::Everything().MayHaveChangedAll(list));
    EXPECT_EQ(TeamChange::Everything().ChangedRecord(list), nullptr);
    EXPECT_FALSE(TeamChange::TeamFields().MayHaveChangedAll(list));
    EXPECT_EQ(TeamChange::TeamFields().ChangedRecord(list), nullptr);
  }
  CKRSpieler player;
  const TeamChange change = TeamChange::Record(player);
  for (const TeamList list : kAllLists) {
    EXPECT_FALSE(change.MayHaveChangedAll(list));
    EXPECT_EQ(change.ChangedRecord(list), list == TeamList::kPlayers ? &player : nullptr);
  }
  CKRCheerleader cheerleader;
  EXPECT_EQ(TeamChange::Record(cheerleader).ChangedRecord(TeamList::kStaff), &cheerleader);
}

// The modified routine hands the window what the operation said: renaming the team and
// recording a match touch no list (the match and its income are appended), a changed player
// or match names itself, and an operation that says nothing touches everything. Catches a
// change reported narrower than it was (the window would keep showing old rows).
TEST(TeamChange, OperationsReportWhatTheyTouched) {
  auto team = test::MakeSampleTeam();
  test::FakeTeamHost host;
  team->m_pHost = &host;

  RenameTeam(*team, "Neuer Name");
  MatchEntry entry;
  entry.gegner = "Orkland";
  entry.eigeneTore = 1;
  RecordMatch(*team, entry);
  CKRSpieler& player = *team->m_Spieler[1];
  PlayerChange change = PlayerChangeFrom(player);
  change.m_nTD += 1;
  ApplyPlayerChange(*team, player, change, true, "01.06.07");
  ChangeMatch(*team, 0, entry);
  team->ChangeEinnahme(0, "Startkapital", 900000);
  DeleteMatch(*team, 1);  // the recorded match

  ASSERT_EQ(host.changes.size(), 6u);
  for (const TeamList list : kAllLists) {
    EXPECT_FALSE(host.changes[0].MayHaveChangedAll(list));
    EXPECT_FALSE(host.changes[1].MayHaveChangedAll(list));
    EXPECT_TRUE(host.changes[5].MayHaveChangedAll(list));
  }
  EXPECT_EQ(host.changes[2].ChangedRecord(TeamList::kPlayers), &player);
  EXPECT_EQ(host.changes[3].ChangedRecord(TeamList::kMatches), team->m_Games[0].get());
  EXPECT_EQ(host.changes[4].ChangedRecord(TeamList::kIncome), team->m_Einnahmen[0].get());
}

}  // namespace
}  // namespace krv
