#include "create/TeamBuilder.h"

#include <gtest/gtest.h>

#include <string>

#include "create/StarOffer.h"
#include "create/TeamBudget.h"
#include "model/Team.h"
#include "support/OwnRaceTemplates.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

using test::DefineTemplate;

// A team as the document has it before the creation dialog: identities from 100.
std::unique_ptr<CKRTeam> FreshTeam(int32_t race) {
  auto team = std::make_unique<CKRTeam>();
  PrepareNewTeam(*team, race);
  return team;
}

TeamBudget BudgetFor(const CKRTeam& team) {
  TeamBudget b;
  b.m_Rasse = team.m_nRasse;
  b.m_TheTeam = &team;
  OpenTeamBudget(b);
  return b;
}

TEST(TeamBuilder, PrepareNewTeam) {
  // The race is set and the creation time stamped as "(dd.mm.yy) hh:mm:ss".
  CKRTeam team;
  PrepareNewTeam(team, 3);
  EXPECT_EQ(team.m_nRasse, 3);
  ASSERT_EQ(team.m_strErstellt.size(), 19u);
  EXPECT_EQ(team.m_strErstellt[0], '(');
  EXPECT_EQ(team.m_strErstellt[9], ')');
}

TEST(TeamBuilder, OwnRaceExample) {
  // Two players of template 0 and one of template 3: named from the templates with their
  // own counts, shirt numbers 1 to 3 over all rows, identities 100 to 102, everything
  // else from the templates. Numbering per row or taking roster values would show here.
  auto team = FreshTeam(15);
  DefineTemplate(*team, 0, "Sumpfläufer", 70000, 7, 3, 3, 7, "Ausw");
  DefineTemplate(*team, 1, "Fänger", 100000);
  DefineTemplate(*team, 2, "Werfer", 100000, 6, 3, 3, 8, "Pass");
  DefineTemplate(*team, 3, "Superheld", 120000, 6, 4, 3, 9, "Blk,KnBr");
  TeamBudget b = BudgetFor(*team);
  b.m_Anzahl = {2, 0, 0, 1, 0, 0};
  b.m_TeamName = "Eigenbrötler";
  RecomputeTeamBudget(b);
  BuildNewTeam(*team, b);

  ASSERT_EQ(team->m_Spieler.size(), 3u);
  const std::string names[] = {"Sumpfläufer1", "Sumpfläufer2", "Superheld1"};
  for (int i = 0; i < 3; ++i) {
    const CKRSpieler& s = *team->m_Spieler[i];
    EXPECT_EQ(s.m_strName, names[i]);
    EXPECT_EQ(s.m_nNummer, i + 1);
    EXPECT_EQ(s.m_nID, 100 + i);
    EXPECT_EQ(s.m_nStatus, kStatusAktiv);
  }
  const CKRSpieler& runner = *team->m_Spieler[0];
  EXPECT_EQ(runner.m_strPosition, "Sumpfläufer");
  EXPECT_EQ(runner.m_nRW, 7);
  EXPECT_EQ(runner.m_nWert, 70000);
  const CKRSpieler& hero = *team->m_Spieler[2];
  EXPECT_EQ(hero.m_nST, 4);
  EXPECT_EQ(hero.m_strFertigkeiten, "Blk,KnBr");
  EXPECT_EQ(hero.m_nPositionCode, 50);
  EXPECT_EQ(team->m_nNaechsteID, 103);
  EXPECT_EQ(team->m_nMarkenPreis, 50000);
}

TEST(TeamBuilder, MenschenTeamWithStaffAndStar) {
  // The whole hand-over of a Menschen team: staff names, players from the roster rows
  // (abbreviation text, not the skills text), the star player after them, both ledger
  // entries of the starting capital, re-roll prices, staff flags and names. After the
  // team window's first recalculation the treasury is 0 and the team value 100.
  auto team = FreshTeam(8);
  TeamBudget b = BudgetFor(*team);
  b.m_TeamName = "Altdorfer Adler";
  b.m_Anzahl = {9, 1, 2, 0, 0, 0};
  b.m_Trainingsmarken = 1;
  b.m_FanFaktor = 2;
  b.m_CoTrainer = 2;
  b.m_Cheerleader = 2;
  b.m_Sani = true;
  SetStarSlot(b, 2, StarRecordForCreation(8, "Griff Oberwald", 1000000));  // as the selection hands him over
  RecomputeTeamBudget(b);
  ASSERT_EQ(b.m_Restgold, 0);
  ASSERT_EQ(CheckTeamCreation(b), std::nullopt);
  BuildNewTeam(*team, b);

  EXPECT_EQ(team->m_strName, "Altdorfer Adler");
  EXPECT_EQ(team->m_strGold, "0");
  EXPECT_EQ(team->m_strTeamwert, "100");
  ASSERT_EQ(team->m_CoTrainer.size(), 2u);
  EXPECT_EQ(team->m_CoTrainer[1]->m_strName, "Cotrainer2");
  ASSERT_EQ(team->m_Cheerleader.size(), 2u);
  EXPECT_EQ(team->m_Cheerleader[1]->m_strName, "Cheerleader2");

  ASSERT_EQ(team->m_Spieler.size(), 13u);
  EXPECT_EQ(team->m_Spieler[9]->m_strName, "Fänger1");
  EXPECT_EQ(team->m_Spieler[9]->m_strFertigkeiten, "Fangs,Ausw");
  EXPECT_EQ(team->m_Spieler[11]->m_nNummer, 12);
  EXPECT_EQ(test::PlayerLine(*team->m_Spieler[12]),
            "13 Griff Oberwald (Starplayer) 8/4/4/8 180000 [Ausw,Blk,Sp.sich,Spring,Sprinten] #112 214");

  ASSERT_EQ(team->m_Einnahmen.size(), 1u);
  EXPECT_EQ(team->m_Einnahmen[0]->m_strText, "Startkapital");
  ASSERT_EQ(team->m_Ausgaben.size(), 1u);
  EXPECT_EQ(team->m_Ausgaben[0]->m_strText, "Team-Aufstellung");
  EXPECT_EQ(team->m_Ausgaben[0]->m_nArt, 21);

  EXPECT_EQ(team->m_nFanFaktor, 2);
  EXPECT_EQ(team->m_nMarken, 1);
  EXPECT_EQ(team->m_nMarkenPreis2, 100000);
  EXPECT_EQ(team->m_strSani, "Der Sani");
  EXPECT_EQ(team->m_strZauberer, "");

  team->Recalculate();
  team->CalcTeamwert();
  EXPECT_EQ(team->m_strGold, "0");
  EXPECT_EQ(team->m_nTeamwert, 100);
  EXPECT_EQ(team->m_nAnzahlStars, 1);
}

TEST(TeamBuilder, StartingCapitalAndWizard) {
  // The ledgers carry the starting capital the budget was made with, not a fixed
  // million; the wizard slot is stored as "Der Zauberer" whatever the race calls it.
  auto team = FreshTeam(14);
  TeamBudget b;
  b.m_Rasse = 14;
  b.m_TheTeam = team.get();
  b.m_Startkapital = 1200000;
  OpenTeamBudget(b);
  b.m_Anzahl = {12, 0, 0, 0, 0, 0};
  b.m_Zauberer = true;
  b.m_TeamName = "Grimbarts";
  RecomputeTeamBudget(b);
  BuildNewTeam(*team, b);
  EXPECT_EQ(team->m_Einnahmen[0]->m_nBetrag, 1200000);
  EXPECT_EQ(team->m_Ausgaben[0]->m_nBetrag, 1200000);
  EXPECT_EQ(team->m_bZauberer, 1);
  EXPECT_EQ(team->m_strZauberer, "Der Zauberer");
  EXPECT_EQ(team->m_Spieler[0]->m_strName, "Langbärte1");
  EXPECT_EQ(team->m_Spieler[0]->m_strFertigkeiten, "Blk,Tackle,Robu");
  EXPECT_EQ(team->m_nMarkenPreis2, 80000);
}

}  // namespace
}  // namespace krv
