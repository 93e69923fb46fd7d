#include "model/Team.h"

#include <gtest/gtest.h>

#include <regex>

#include "model/TeamChange.h"
#include "season/MatchEntry.h"
#include "roster/PlayerChange.h"
#include "roster/TeamHeader.h"
#include "support/SampleTeams.h"
#include "support/FakeTeamHost.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

using test::FakeTeamHost;

// A constructed team must have exactly the starting values the rest of the program relies on.
TEST(Team, ConstructedValues) {
  CKRTeam team;
  EXPECT_EQ(team.m_nLetzteAusgabeArt, -1);  // would preselect a purchase kind in a new dialog
  EXPECT_EQ(team.m_nNaechsteID, 100);       // every new team's first player is identity 100
  // Templates 0 to 6 carry preset names and the standard characteristics.
  EXPECT_EQ(team.m_Positionen[5].m_strSecondName, "Blitzer");
  EXPECT_EQ(team.m_Positionen[6].m_strName, "?");
  EXPECT_EQ(team.m_Positionen[6].m_nRW, 8);
  // Template 7 is never initialised by name and must not carry stray values into a file.
  EXPECT_TRUE(team.m_Positionen[7].m_strName.empty());
  EXPECT_EQ(team.m_Positionen[7].m_nBW, 0);
  EXPECT_EQ(team.m_Positionen[7].m_nCost, 0);
}

// Free numbers: a sold player's number is free again; numbers of inactive players don't block.
TEST(Team, GetFreeNummer) {
  CKRTeam team;
  EXPECT_EQ(team.GetFreeNummer(), 1);
  for (int n : {1, 2, 3, 4}) test::AddPlayer(team, n, "S", "P", 6, 3, 3, 8, 0, "", 100 + n, 0);
  team.m_Spieler[2]->m_nStatus = kStatusVerkauft;
  EXPECT_EQ(team.GetFreeNummer(), 3);

  CKRTeam full;
  for (int n = 1; n <= 99; ++n) test::AddPlayer(full, n, "S", "P", 6, 3, 3, 8, 0, "", n, 0);
  EXPECT_EQ(full.GetFreeNummer(), -1);
  full.m_Spieler.insert(full.m_Spieler.begin(), nullptr);  // a null entry from a file is skipped
  full.m_Spieler[50]->m_nStatus = kStatusVerstorben;
  EXPECT_EQ(full.GetFreeNummer(), 50);
}

// Counting by code range and status; boundaries 199/200 and 299/300 decide the kind.
TEST(Team, CountSpielerArten) {
  CKRTeam team;
  for (int code : {0, 199, 200, 222, 299, 300, 301}) test::AddPlayer(team, 1, "S", "P", 6, 3, 3, 8, 0, "", 1, code);
  test::AddPlayer(team, 1, "Tot", "P", 6, 3, 3, 8, 0, "", 1, 5);
  team.m_Spieler.back()->m_nStatus = kStatusVerstorben;
  team.m_Spieler.push_back(nullptr);
  team.m_nAnzahlSpieler = 99;  // stale values must be reset
  team.CountSpielerArten();
  EXPECT_EQ((std::array{team.m_nAnzahlSpieler, team.m_nAnzahlStars, team.m_nAnzahlBrocken}), (std::array{2, 3, 2}));
}

// Removing staff by name: cheerleaders one at a time, assistant coaches all of that name.
TEST(Team, StaffByName) {
  CKRTeam team;
  for (const char* name : {"Anna", "Anna"}) team.AddCheerleader({name});
  for (const char* name : {"Bert", "bert", "Bert"}) team.AddCoTrainer({name});
  EXPECT_EQ(team.FindCheerleader("anna"), nullptr);  // exact, case-sensitive
  ASSERT_NE(team.FindCheerleader("Anna"), nullptr);
  team.RemoveCheerleader("Anna");
  EXPECT_EQ(team.m_Cheerleader.size(), 1u);
  team.RemoveCoTrainer("Bert");
  ASSERT_EQ(team.m_CoTrainer.size(), 1u);
  EXPECT_EQ(team.m_CoTrainer[0]->m_strName, "bert");
}

// Changes by index: indices skip null entries, and an index beyond the list changes
// nothing and reports 0 (the expense change used to report success regardless).
TEST(Team, ChangeByIndex) {
  CKRTeam team;
  team.AddAusgabe({"Team-Aufstellung", 1000000, kAusgabeTeamAufstellung});
  team.m_Ausgaben.insert(team.m_Ausgaben.begin(), nullptr);
  team.AddAusgabe({"Trainningsmarke", 60000, kAusgabeMarke});
  EXPECT_EQ(team.ChangeAusgabe(1, "Marke", 50000), 1);
  EXPECT_EQ(team.m_Ausgaben[2]->m_strText, "Marke");
  EXPECT_EQ(team.m_Ausgaben[2]->m_nArt, kAusgabeMarke);  // the kind stays
  EXPECT_EQ(team.ChangeAusgabe(2, "weg", 1), 0);
  EXPECT_EQ(team.m_nGold, -1050000);  // the change ran the modified routine

  team.AddEinnahme({"Startkapital", 1000000});
  EXPECT_EQ(team.ChangeEinnahme(0, "Start", 5), 1);
  EXPECT_EQ(team.ChangeEinnahme(1, "x", 5), 0);
  team.AddEreignis({"Fest", kEreignisSonstiges});
  EXPECT_EQ(team.GetEreignis(1), nullptr);
  EXPECT_EQ(team.ChangeEreignis(0, "Feier", kEreignisSonstiges), 1);
  EXPECT_EQ(team.GetEreignis(0)->m_strText, "Feier");
  EXPECT_EQ(team.ChangeEreignis(3, "x", 0), 0);
}

// The modified routine stamps the time in the program's format and tells the window.
TEST(Team, SetTeamModified) {
  FakeTeamHost host;
  CKRTeam team;
  team.m_pHost = &host;
  team.SetTeamModified();
  EXPECT_TRUE(std::regex_match(team.m_strGeaendert, std::regex(R"(\(\d\d\.\d\d\.\d\d\) \d\d:\d\d:\d\d)")))
      << team.m_strGeaendert;
  EXPECT_EQ(host.calls, (std::vector<std::string>{"modified", "recalculated"}));
}

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
  MatchEntry entry{.gegner = "Orkland", .eigeneTore = 1};
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
