#include "create/TeamBudget.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Team.h"
#include "support/OwnRaceTemplates.h"

namespace krv {
namespace {

using test::DefineTemplate;

const std::string kSeparator(74, '-');

TeamBudget Opened(int32_t race, const CKRTeam* team = nullptr, int32_t startkapital = 1000000) {
  TeamBudget budget;
  budget.m_Rasse = race;
  budget.m_TheTeam = team;
  budget.m_Startkapital = startkapital;
  OpenTeamBudget(budget);
  return budget;
}

// A Menschen budget with these players per row, recomputed.
TeamBudget Menschen(std::array<int32_t, 6> counts, const std::string& name = "", int32_t startkapital = 1000000) {
  TeamBudget budget = Opened(8, nullptr, startkapital);
  budget.m_Anzahl = counts;
  budget.m_TeamName = name;
  RecomputeTeamBudget(budget);
  return budget;
}

CKRSpieler Star(const std::string& name, int32_t value, int32_t code) {
  CKRSpieler s;
  s.m_strName = name;
  s.m_nWert = value;
  s.m_nPositionCode = code;
  return s;
}

TEST(TeamBudget, MenschenWorkedExample) {
  // The 1,000,000 budget of a Menschen team spent to the last gold piece. A wrong first
  // roster row, price, staff price or summary format would show here.
  TeamBudget b = Opened(8);
  EXPECT_EQ(b.m_ErsteZeile, 19);
  EXPECT_EQ(b.m_Max, (std::array<int32_t, 6>{12, 4, 2, 4, 0, 0}));
  EXPECT_EQ(b.m_Restgold, 1000000 - 10000);  // fan factor 1 is always bought
  EXPECT_EQ(CreationCaption(8), "Neues Team erstellen (Menschen)");
  EXPECT_TRUE(PositionRowEnabled(b, 4));
  EXPECT_FALSE(PositionRowEnabled(b, 5));
  EXPECT_EQ(PositionRowLabel(b, 2), "Fänger");

  b.m_Anzahl = {11, 0, 2, 2, 0, 0};
  b.m_Trainingsmarken = 1;
  b.m_FanFaktor = 3;
  b.m_Cheerleader = 5;
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_MarkenPreis, 50000);
  EXPECT_EQ(b.m_Spielerzahl, 15);
  EXPECT_EQ(b.m_Restgold, 0);
  EXPECT_EQ(PositionCost(b, 4), 90000);
  EXPECT_EQ(PositionCost(b, 5), 0);
  const std::vector<std::string> expected = {
      "Trainingsmarken : 1, Preis: 50000",
      "Fanfaktor : 3, Preis : 30000",
      "Cotrainer : 0, Preis : 0",
      "Cheerleaderinnen : 5, Preis : 50000",
      "Sani : Nein",
      "Zauberer : Nein",
      kSeparator,
      "       15 Spieler",
      "Feldspieler : 11, Preis : 550000",
      "Werfer : 2, Preis : 140000",
      "Blitzer : 2, Preis : 180000",
  };
  EXPECT_EQ(BudgetSummaryLines(b), expected);
  // Everything but the name is in order.
  EXPECT_EQ(CheckTeamCreation(b),
            "Das Team braucht noch einen Namen!\n\n(Dieser kann natürlich nachträglich noch\ngeändert werden).");
  b.m_TeamName = "Altdorfer Adler";
  EXPECT_EQ(CheckTeamCreation(b), std::nullopt);
}

TEST(TeamBudget, ClampingToTheFieldRanges) {
  // The recomputation sets fields back to what their controls allow; a missing clamp
  // would let 9 re-rolls or 13 Feldspieler through, a missing row check would charge a
  // row the race has not (Menschen row 5 would be the Oger's roster row).
  TeamBudget b = Opened(8);
  b.m_Trainingsmarken = 9;
  b.m_CoTrainer = 11;
  b.m_Cheerleader = 12;
  b.m_FanFaktor = 11;
  b.m_Anzahl = {13, 5, 3, 4, 3, 1};
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_Trainingsmarken, 7);
  EXPECT_EQ(b.m_CoTrainer, 10);
  EXPECT_EQ(b.m_Cheerleader, 10);
  EXPECT_EQ(b.m_FanFaktor, 10);
  EXPECT_EQ(b.m_Anzahl, (std::array<int32_t, 6>{12, 4, 2, 4, 0, 0}));

  // Digits only: nothing goes below 0.
  b.m_Anzahl = {-3, 0, 0, 0, 0, 0};
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_Anzahl[0], 0);

  // A fan factor of 0 is not clamped; "&Erstellen" refuses it with the range message
  // before any other check, and the summary shows it as it is.
  b = Menschen({12, 0, 2, 4, 0, 0}, "Null Fans");
  b.m_FanFaktor = 0;
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_FanFaktor, 0);
  EXPECT_EQ(BudgetSummaryLines(b)[1], "Fanfaktor : 0, Preis : 0");
  EXPECT_EQ(CheckTeamCreation(b), "Bitte geben Sie für den Fan-Faktor eine Zahl zwischen 1 und 10 ein.");

  // A name longer than the 80 characters the field takes is refused, counted as stored.
  b = Opened(8);
  b.m_TeamName = std::string(79, 'x') + "ä";  // ä is one character in the file
  EXPECT_EQ(BudgetRangeProblem(b), std::nullopt);
  b.m_TeamName = std::string(81, 'x');
  EXPECT_EQ(BudgetRangeProblem(b), "Der Name des Teams darf höchstens 80 Zeichen lang sein.");
}

TEST(TeamBudget, ErstellenChecksInOrder) {
  // Each refusal of "&Erstellen" with its exact text, and that an earlier check wins over
  // a later one; a swapped order would show the wrong message.
  const std::string tooFew = "Sie müssen mit mininmal 11 Spielern anfangen!";
  const std::string tooMany = "Nett!\nAber es sind nur 16 Spielern erlaubt!";
  const std::string goldLeft = "Sie müssen mit 0 Goldstücken abschließen!";
  const std::string noName =
      "Das Team braucht noch einen Namen!\n\n(Dieser kann natürlich nachträglich noch\ngeändert werden).";

  // 10 players and exactly 0 gold left.
  TeamBudget b = Menschen({10, 0, 0, 0, 0, 0}, "Zehn", 510000);
  ASSERT_EQ(b.m_Restgold, 0);
  EXPECT_EQ(CheckTeamCreation(b), tooFew);
  // Too few wins over gold left and no name.
  b.m_Cheerleader = 1;
  b.m_TeamName.clear();
  RecomputeTeamBudget(b);
  EXPECT_EQ(CheckTeamCreation(b), tooFew);

  // 17 players and 0 gold left: the 16-player message, and the count line is marked.
  b = Menschen({12, 4, 1, 0, 0, 0});
  b.m_Cheerleader = 4;
  RecomputeTeamBudget(b);
  ASSERT_EQ(b.m_Restgold, 0);
  EXPECT_EQ(b.m_Spielerzahl, 17);
  EXPECT_EQ(BudgetSummaryLines(b)[7], "       17!!!! Spieler");
  EXPECT_EQ(CheckTeamCreation(b), tooMany);
  // 16 is not marked.
  b.m_Anzahl[2] = 0;
  RecomputeTeamBudget(b);
  EXPECT_EQ(BudgetSummaryLines(b)[7], "       16 Spieler");

  // 15 players and gold left (also without a name): the gold message.
  b = Menschen({11, 0, 2, 2, 0, 0});
  EXPECT_EQ(CheckTeamCreation(b), goldLeft);
  // Overspent is as wrong as underspent.
  b.m_Trainingsmarken = 7;
  RecomputeTeamBudget(b);
  EXPECT_LT(b.m_Restgold, 0);
  EXPECT_EQ(CheckTeamCreation(b), goldLeft);

  // Star players count towards the 11 and the 16.
  b = Menschen({10, 0, 0, 0, 0, 0}, "Mit Star", 650000);
  SetStarSlot(b, 2, Star("Griff Oberwald", 140000, 214));
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_Spielerzahl, 11);
  EXPECT_EQ(b.m_Restgold, 0);
  EXPECT_EQ(CheckTeamCreation(b), std::nullopt);
  b = Menschen({12, 0, 0, 0, 0, 0});
  for (int slot = 0; slot < 4; ++slot) SetStarSlot(b, slot, Star("Troll (Brocken)", 100000, 305));
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_Spielerzahl, 16);
  b.m_Anzahl[1] = 1;
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_Spielerzahl, 17);
  EXPECT_EQ(CheckTeamCreation(b), tooMany);
}

TEST(TeamBudget, StarSlots) {
  // A filled slot shows its name, costs its value and adds the "Starplayer" line;
  // emptying it gives the price back. A slot left in the sum after removal would keep
  // charging the gold.
  TeamBudget b = Opened(4);
  const int32_t before = b.m_Restgold;
  SetStarSlot(b, 1, Star("Morg 'n' Thorg", 190000, 216));
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_Starname[1], "Morg 'n' Thorg");
  EXPECT_EQ(FilledStarSlots(b), 1);
  EXPECT_EQ(b.m_Restgold, before - 190000);
  EXPECT_EQ(b.m_Spielerzahl, 1);
  EXPECT_EQ(BudgetSummaryLines(b).back(), "Starplayer : 1");
  SetStarSlot(b, 1, std::nullopt);
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_Starname[1], "");
  EXPECT_EQ(b.m_Restgold, before);
  EXPECT_EQ(BudgetSummaryLines(b).back(), "       0 Spieler");
  // Slots outside 0 to 3 are ignored rather than written past the end.
  SetStarSlot(b, 4, Star("Niemand", 1, 222));
  SetStarSlot(b, -1, Star("Niemand", 1, 222));
  EXPECT_EQ(FilledStarSlots(b), 0);
}

TEST(TeamBudget, UntoteAndWizardSlotNames) {
  // Race 12 may hire neither an apothecary nor a wizard and pays 70000 per re-roll; the
  // wizard slot's names differ per race (and the summary misspells the Alchemist). A
  // missing race check would let an Untote team buy a Sani.
  EXPECT_FALSE(ApothecaryAndWizardEnabled(12));
  TeamBudget b = Opened(12);
  b.m_Sani = true;
  b.m_Zauberer = true;
  b.m_Trainingsmarken = 1;
  RecomputeTeamBudget(b);
  EXPECT_FALSE(b.m_Sani);
  EXPECT_FALSE(b.m_Zauberer);
  EXPECT_EQ(b.m_MarkenPreis, 70000);
  EXPECT_EQ(b.m_Restgold, 1000000 - 70000 - 10000);
  EXPECT_EQ(PositionCost(b, 5), 100000);  // Mumien

  EXPECT_TRUE(ApothecaryAndWizardEnabled(11));
  EXPECT_STREQ(WizardCheckBoxLabel(6), "Meisterkoch:");
  EXPECT_STREQ(WizardCheckBoxLabel(8), "&Zauberer: ");

  auto wizardLine = [](int32_t race, bool bought) {
    TeamBudget t = Opened(race);
    t.m_Zauberer = bought;
    t.m_Sani = bought;
    RecomputeTeamBudget(t);
    const auto lines = BudgetSummaryLines(t);
    return lines[4] + "|" + lines[5];
  };
  EXPECT_EQ(wizardLine(1, true), "Sani : Ja, Preis : 50000|Alchemnist : Ja, Preis : 150000");
  EXPECT_EQ(wizardLine(14, false), "Sani : Nein|Alchemnist : Nein");
  EXPECT_EQ(wizardLine(6, true), "Sani : Ja, Preis : 50000|Meisterkoch : Ja, Preis : 150000");

  // Apothecary and wizard are charged.
  TeamBudget t = Opened(0);
  t.m_Sani = true;
  t.m_Zauberer = true;
  RecomputeTeamBudget(t);
  EXPECT_EQ(t.m_Restgold, 1000000 - 10000 - 50000 - 150000);
}

TEST(TeamBudget, OwnRace) {
  // Race 15 takes its prices from the team's templates and its re-roll price from the
  // mutation flag; rows 5 and 6 work only when defined and are listed under the coach's
  // names. Taking roster prices (80000 for every Feldspieler) would be wrong here.
  CKRTeam team;
  DefineTemplate(team, 0, "Sumpfläufer", 60000);
  DefineTemplate(team, 1, "Fänger", 90000);
  DefineTemplate(team, 2, "Werfer", 70000);
  DefineTemplate(team, 3, "Superheld", 110000);
  TeamBudget b = Opened(15, &team);
  EXPECT_EQ(b.m_ErsteZeile, 47);
  EXPECT_EQ(b.m_Max, (std::array<int32_t, 6>{12, 2, 2, 2, 4, 4}));
  EXPECT_TRUE(PositionRowEnabled(b, 4));
  EXPECT_FALSE(PositionRowEnabled(b, 5));
  EXPECT_EQ(b.m_MarkenPreis, 50000);

  b.m_Anzahl = {2, 0, 0, 1, 3, 4};  // rows 5 and 6 undefined: held at 0
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_Anzahl, (std::array<int32_t, 6>{2, 0, 0, 1, 0, 0}));
  EXPECT_EQ(b.m_Restgold, 1000000 - 10000 - 2 * 60000 - 110000);
  // Rows 1 to 4 carry the roster names, as the row labels do.
  auto lines = BudgetSummaryLines(b);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[8], "Feldspieler : 2, Preis : 120000");
  EXPECT_EQ(lines[9], "Superspieler : 1, Preis : 110000");

  DefineTemplate(team, 4, "Schuppenwerfer", 80000);
  team.m_bMutation = true;
  b.m_Anzahl = {2, 0, 0, 1, 3, 4};
  b.m_Trainingsmarken = 1;
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_MarkenPreis, 70000);
  EXPECT_EQ(b.m_Anzahl, (std::array<int32_t, 6>{2, 0, 0, 1, 3, 0}));
  EXPECT_EQ(PositionCost(b, 5), 80000);
  lines = BudgetSummaryLines(b);
  EXPECT_EQ(lines.back(), "Schuppenwerfer : 3, Preis : 240000");
  EXPECT_EQ(b.m_Restgold, 1000000 - 70000 - 10000 - 2 * 60000 - 110000 - 3 * 80000);

  // Without a team an own race has nothing to buy from.
  TeamBudget orphan = Opened(15);
  orphan.m_Anzahl = {2, 0, 0, 0, 0, 0};
  RecomputeTeamBudget(orphan);
  EXPECT_EQ(orphan.m_Anzahl[0], 0);
}

TEST(TeamBudget, InvalidRace) {
  // A race number outside 0 to 15 opens with the warning and no rows; the caption must
  // not read outside the name table.
  TeamBudget b;
  b.m_Rasse = 16;
  EXPECT_FALSE(OpenTeamBudget(b));
  EXPECT_EQ(CreationCaption(-1),
            "Neues Team erstellen (????"
            ")");
  EXPECT_FALSE(PositionRowEnabled(b, 1));
  b.m_Anzahl = {5, 5, 5, 5, 5, 5};
  RecomputeTeamBudget(b);
  EXPECT_EQ(b.m_Spielerzahl, 0);
  EXPECT_EQ(b.m_MarkenPreis, 0);
}

}  // namespace
}  // namespace krv
