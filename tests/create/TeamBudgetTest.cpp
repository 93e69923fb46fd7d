#include "create/TeamBudget.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Team.h"
#include "create/CreationFields.h"
#include "support/OwnRaceTemplates.h"

namespace krv {
namespace {

using test::DefineTemplate;
using Counts = std::array<int32_t, 6>;

const std::string kSeparator(74, '-');
const std::string kNoName =
    "Das Team braucht noch einen Namen!\n\n(Dieser kann natürlich nachträglich noch\ngeändert werden).";

using Fields = test::CreationFields;
using test::Budget;

CKRSpieler Star(const std::string& name, int32_t value, int32_t code) {
  return {.m_strName = name, .m_nWert = value, .m_nPositionCode = code};
}

TEST(TeamBudget, MenschenWorkedExample) {
  // The 1,000,000 budget of a Menschen team spent to the last gold piece. A wrong first
  // roster row, price, staff price or summary format would show here.
  TeamBudget b = Budget({});
  EXPECT_EQ(b.m_ErsteZeile, 19);
  EXPECT_EQ(b.m_Max, (Counts{12, 4, 2, 4, 0, 0}));
  EXPECT_EQ(b.m_Restgold, 1000000 - 10000);  // fan factor 1 is always bought
  EXPECT_EQ(CreationCaption(8), "Neues Team erstellen (Menschen)");
  for (int row = 1; row <= 6; ++row) EXPECT_EQ(PositionRowEnabled(b, row), row <= 4) << row;
  EXPECT_EQ(PositionRowLabel(b, 2), "Fänger");

  b = Budget({.counts = {11, 0, 2, 2, 0, 0}, .marken = 1, .fans = 3, .cheer = 5});
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
  EXPECT_EQ(CheckTeamCreation(b), kNoName);
  b.m_TeamName = "Altdorfer Adler";
  EXPECT_EQ(CheckTeamCreation(b), std::nullopt);
}

TEST(TeamBudget, ClampingToTheFieldRanges) {
  // The recomputation sets fields back to what their controls allow; a missing clamp
  // would let 9 re-rolls or 13 Feldspieler through, a missing row check would charge a
  // row the race has not (Menschen row 5 would be the Oger's roster row); digits only:
  // nothing goes below 0.
  TeamBudget b = Budget({.counts = {13, 5, 3, 4, 3, 1}, .marken = 9, .fans = 11, .co = 11, .cheer = 12});
  EXPECT_EQ((std::array{b.m_Trainingsmarken, b.m_CoTrainer, b.m_Cheerleader, b.m_FanFaktor}),
            (std::array{7, 10, 10, 10}));
  EXPECT_EQ(b.m_Anzahl, (Counts{12, 4, 2, 4, 0, 0}));
  EXPECT_EQ(Budget({.counts = {-3, 0, 0, 0, 0, 0}}).m_Anzahl[0], 0);

  // A fan factor of 0 is not clamped; "&Erstellen" refuses it with the range message
  // before any other check, and the summary shows it as it is.
  b = Budget({.counts = {12, 0, 2, 4, 0, 0}, .fans = 0, .name = "Null Fans"});
  EXPECT_EQ(b.m_FanFaktor, 0);
  EXPECT_EQ(BudgetSummaryLines(b)[1], "Fanfaktor : 0, Preis : 0");
  EXPECT_EQ(CheckTeamCreation(b), "Bitte geben Sie für den Fan-Faktor eine Zahl zwischen 1 und 10 ein.");

  // A name longer than the 80 characters the field takes is refused, counted as stored.
  EXPECT_EQ(BudgetRangeProblem(Budget({.name = std::string(79, 'x') + "ä"})), std::nullopt);  // ä is one byte
  EXPECT_EQ(BudgetRangeProblem(Budget({.name = std::string(81, 'x')})),
            "Der Name des Teams darf höchstens 80 Zeichen lang sein.");
}

TEST(TeamBudget, ErstellenChecksInOrder) {
  // Each refusal of "&Erstellen" with its exact text, and that an earlier check wins over
  // a later one (a swapped order would show the wrong message); star players count towards
  // the 11 and the 16; 17 players mark the count line, 16 do not.
  const std::string tooFew = "Sie müssen mit mininmal 11 Spielern anfangen!";
  const std::string tooMany = "Nett!\nAber es sind nur 16 Spielern erlaubt!";
  const std::string goldLeft = "Sie müssen mit 0 Goldstücken abschließen!";
  const CKRSpieler griff = Star("Griff Oberwald", 140000, 214);
  const CKRSpieler troll = Star("Troll (Brocken)", 100000, 305);
  // fields, sign of the gold left (0 spent exactly, 1 some left, -1 overspent), count line, refusal
  const std::tuple<Fields, int, std::string, std::optional<std::string>> rows[] = {
      {{.counts = {10, 0, 0, 0, 0, 0}, .name = "Zehn", .capital = 510000}, 0, "       10 Spieler", tooFew},
      // too few wins over gold left and no name
      {{.counts = {10, 0, 0, 0, 0, 0}, .cheer = 1, .capital = 510000}, -1, "       10 Spieler", tooFew},
      {{.counts = {12, 4, 1, 0, 0, 0}, .cheer = 4}, 0, "       17!!!! Spieler", tooMany},
      {{.counts = {12, 4, 0, 0, 0, 0}, .cheer = 4}, 1, "       16 Spieler", goldLeft},
      // gold left wins over no name; overspent is as wrong as underspent
      {{.counts = {11, 0, 2, 2, 0, 0}}, 1, "       15 Spieler", goldLeft},
      {{.counts = {11, 0, 2, 2, 0, 0}, .marken = 7}, -1, "       15 Spieler", goldLeft},
      {{.counts = {10, 0, 0, 0, 0, 0}, .stars = {griff}, .name = "Mit Star", .capital = 650000},
       0,
       "       11 Spieler",
       {}},
      {{.counts = {12, 0, 0, 0, 0, 0}, .stars = {troll, troll, troll, troll}}, -1, "       16 Spieler", goldLeft},
      {{.counts = {12, 1, 0, 0, 0, 0}, .stars = {troll, troll, troll, troll}}, -1, "       17!!!! Spieler", tooMany},
  };
  for (const auto& [fields, goldSign, countLine, refusal] : rows) {
    const TeamBudget b = Budget(fields);
    SCOPED_TRACE(countLine);
    EXPECT_EQ((b.m_Restgold > 0) - (b.m_Restgold < 0), goldSign);
    EXPECT_EQ(BudgetSummaryLines(b)[7], countLine);
    EXPECT_EQ(CheckTeamCreation(b), refusal);
  }
}

TEST(TeamBudget, StarSlots) {
  // A filled slot shows its name, costs its value and adds the "Starplayer" line;
  // emptying it gives the price back. A slot left in the sum after removal would keep
  // charging the gold.
  TeamBudget b = Budget({.race = 4});
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
  // wizard slot's names differ per race (and the summary misspells the Alchemist); both
  // are charged where allowed. A missing race check would let an Untote team buy a Sani.
  EXPECT_FALSE(ApothecaryAndWizardEnabled(12));
  TeamBudget b = Budget({.race = 12, .marken = 1, .sani = true, .wizard = true});
  EXPECT_FALSE(b.m_Sani || b.m_Zauberer);
  EXPECT_EQ(b.m_MarkenPreis, 70000);
  EXPECT_EQ(b.m_Restgold, 1000000 - 70000 - 10000);
  EXPECT_EQ(PositionCost(b, 5), 100000);  // Mumien

  EXPECT_TRUE(ApothecaryAndWizardEnabled(11));
  EXPECT_STREQ(WizardCheckBoxLabel(6), "Meisterkoch:");
  EXPECT_STREQ(WizardCheckBoxLabel(8), "&Zauberer: ");
  auto staffLines = [](int32_t race, bool bought) {
    const auto lines = BudgetSummaryLines(Budget({.race = race, .sani = bought, .wizard = bought}));
    return lines[4] + "|" + lines[5];
  };
  EXPECT_EQ(staffLines(1, true), "Sani : Ja, Preis : 50000|Alchemnist : Ja, Preis : 150000");
  EXPECT_EQ(staffLines(14, false), "Sani : Nein|Alchemnist : Nein");
  EXPECT_EQ(staffLines(6, true), "Sani : Ja, Preis : 50000|Meisterkoch : Ja, Preis : 150000");
  EXPECT_EQ(Budget({.race = 0, .sani = true, .wizard = true}).m_Restgold, 1000000 - 10000 - 50000 - 150000);
}

TEST(TeamBudget, OwnRace) {
  // Race 15 takes its prices from the team's templates and its re-roll price from the
  // mutation flag; rows 5 and 6 work only when defined and are listed under the coach's
  // names, rows 1 to 4 under the roster names. Taking roster prices (80000 for every
  // Feldspieler) would be wrong here; without a team there is nothing to buy from.
  CKRTeam team;
  DefineTemplate(team, 0, "Sumpfläufer", 60000);
  DefineTemplate(team, 1, "Fänger", 90000);
  DefineTemplate(team, 2, "Werfer", 70000);
  DefineTemplate(team, 3, "Superheld", 110000);
  TeamBudget b = Budget({.race = 15, .counts = {2, 0, 0, 1, 3, 4}, .team = &team});  // rows 5, 6 undefined: held at 0
  EXPECT_EQ(b.m_ErsteZeile, 47);
  EXPECT_EQ(b.m_Max, (Counts{12, 2, 2, 2, 4, 4}));
  EXPECT_FALSE(PositionRowEnabled(b, 5));
  EXPECT_EQ(b.m_Anzahl, (Counts{2, 0, 0, 1, 0, 0}));
  EXPECT_EQ(b.m_Restgold, 1000000 - 10000 - 2 * 60000 - 110000);
  const auto lines = BudgetSummaryLines(b);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[8] + "|" + lines[9], "Feldspieler : 2, Preis : 120000|Superspieler : 1, Preis : 110000");

  DefineTemplate(team, 4, "Schuppenwerfer", 80000);
  team.m_bMutation = true;
  b = Budget({.race = 15, .counts = {2, 0, 0, 1, 3, 4}, .marken = 1, .team = &team});
  EXPECT_EQ(b.m_MarkenPreis, 70000);
  EXPECT_EQ(b.m_Anzahl, (Counts{2, 0, 0, 1, 3, 0}));
  EXPECT_EQ(BudgetSummaryLines(b).back(), "Schuppenwerfer : 3, Preis : 240000");
  EXPECT_EQ(b.m_Restgold, 1000000 - 70000 - 10000 - 2 * 60000 - 110000 - 3 * 80000);
  EXPECT_EQ(Budget({.race = 15, .counts = {2, 0, 0, 0, 0, 0}}).m_Anzahl[0], 0);
}

TEST(TeamBudget, InvalidRace) {
  // A race number outside 0 to 15 opens with the warning and no rows; the caption must
  // not read outside the name table.
  TeamBudget b{.m_Rasse = 16};
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
