#include "create/TeamBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "create/StarOffer.h"
#include "create/CreationFields.h"
#include "model/Team.h"
#include "support/OwnRaceTemplates.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

using test::DefineTemplate;

// A team as the document has it before the creation dialog: identities from 100.
struct NewTeam {
  CKRTeam team;
  explicit NewTeam(int32_t race) { PrepareNewTeam(team, race); }
  TeamBudget Build(test::CreationFields fields) {
    fields.race = team.m_nRasse;
    fields.name = "Neues Team";
    fields.team = &team;
    TeamBudget budget = test::Budget(fields);
    BuildNewTeam(team, budget);
    return budget;
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const auto& p : team.m_Spieler) lines.push_back(test::PlayerLine(*p));
    return lines;
  }
};

// Two players of template 0 and one of template 3: named from the templates with their own
// counts, shirt numbers 1 to 3 over all rows, identities 100 to 102, everything else from the
// templates. Numbering per row or taking roster values would show here.
TEST(TeamBuilder, OwnRaceExample) {
  NewTeam t(15);
  DefineTemplate(t.team, 0, "Sumpfläufer", 70000, 7, 3, 3, 7, "Ausw");
  DefineTemplate(t.team, 1, "Fänger", 100000);
  DefineTemplate(t.team, 2, "Werfer", 100000, 6, 3, 3, 8, "Pass");
  DefineTemplate(t.team, 3, "Superheld", 120000, 6, 4, 3, 9, "Blk,KnBr");
  t.Build({.counts = {2, 0, 0, 1, 0, 0}});
  EXPECT_EQ(t.Lines(), (std::vector<std::string>{"1 Sumpfläufer1 (Sumpfläufer) 7/3/3/7 70000 [Ausw] #100 47",
                                                 "2 Sumpfläufer2 (Sumpfläufer) 7/3/3/7 70000 [Ausw] #101 47",
                                                 "3 Superheld1 (Superheld) 6/4/3/9 120000 [Blk,KnBr] #102 50"}));
  EXPECT_EQ(t.team.m_Spieler[2]->m_nStatus, kStatusAktiv);
  EXPECT_EQ(t.team.m_strErstellt.size(), 19u);  // stamped (the format: Team.SetTeamModified)
  EXPECT_EQ(t.team.m_nNaechsteID, 103);
  EXPECT_EQ(t.team.m_nMarkenPreis, 50000);
}

// The whole hand-over of a Menschen team: staff names, players from the roster rows
// (abbreviation text, not the skills text), the star player after them, both ledger entries
// of the starting capital, re-roll prices, staff flags and names. After the team window's
// first recalculation the treasury is 0 and the team value 100.
TEST(TeamBuilder, MenschenTeamWithStaffAndStar) {
  NewTeam t(8);
  TeamBudget b = t.Build(
      {.counts = {9, 1, 2, 0, 0, 0},
       .stars = {{}, {}, StarRecordForCreation(8, "Griff Oberwald", 1000000)},  // as the selection hands him over
       .marken = 1,
       .fans = 2,
       .co = 2,
       .cheer = 2,
       .sani = true});
  ASSERT_EQ(b.m_Restgold, 0);
  ASSERT_EQ(CheckTeamCreation(b), std::nullopt);
  const CKRTeam& team = t.team;
  EXPECT_EQ(team.m_strName, "Neues Team");
  ASSERT_EQ(team.m_CoTrainer.size(), 2u);
  EXPECT_EQ(team.m_CoTrainer[1]->m_strName, "Cotrainer2");
  ASSERT_EQ(team.m_Cheerleader.size(), 2u);
  EXPECT_EQ(team.m_Cheerleader[1]->m_strName, "Cheerleader2");
  const auto lines = t.Lines();
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[9], "10 Fänger1 (Fänger) 8/2/3/7 70000 [Fangs,Ausw] #109 20");
  EXPECT_EQ(lines[12], "13 Griff Oberwald (Starplayer) 8/4/4/8 180000 [Ausw,Blk,Sp.sich,Spring,Sprinten] #112 214");
  ASSERT_EQ(team.m_Einnahmen.size(), 1u);
  EXPECT_EQ(team.m_Einnahmen[0]->m_strText, "Startkapital");
  ASSERT_EQ(team.m_Ausgaben.size(), 1u);
  EXPECT_EQ(team.m_Ausgaben[0]->m_strText, "Team-Aufstellung");
  EXPECT_EQ(team.m_Ausgaben[0]->m_nArt, 21);
  EXPECT_EQ((std::array{team.m_nFanFaktor, team.m_nMarken, team.m_nMarkenPreis2}), (std::array{2, 1, 100000}));
  EXPECT_EQ(team.m_strSani + "|" + team.m_strZauberer, "Der Sani|");

  t.team.Recalculate();
  t.team.CalcTeamwert();
  EXPECT_EQ(team.m_strGold, "0");
  EXPECT_EQ(team.m_nTeamwert, 100);
  EXPECT_EQ(team.m_nAnzahlStars, 1);
}

// The ledgers carry the starting capital the budget was made with, not a fixed million; the
// wizard slot is stored as "Der Zauberer" whatever the race calls it.
TEST(TeamBuilder, StartingCapitalAndWizard) {
  NewTeam t(14);
  t.Build({.counts = {12, 0, 0, 0, 0, 0}, .wizard = true, .capital = 1200000});
  EXPECT_EQ(t.team.m_Einnahmen[0]->m_nBetrag, 1200000);
  EXPECT_EQ(t.team.m_Ausgaben[0]->m_nBetrag, 1200000);
  EXPECT_EQ(t.team.m_bZauberer, 1);
  EXPECT_EQ(t.team.m_strZauberer, "Der Zauberer");
  EXPECT_EQ(t.Lines()[0], "1 Langbärte1 (Langbärte) 4/3/2/9 70000 [Blk,Tackle,Robu] #100 43");
  EXPECT_EQ(t.team.m_nMarkenPreis2, 80000);
}

}  // namespace
}  // namespace krv
