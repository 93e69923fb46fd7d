#include "create/PlayerBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Team.h"
#include "rules/SortText.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

constexpr int32_t kCapital = 1000000;

// `count` general skills, taken from the start of the catalogue.
std::vector<std::string> GeneralSkills(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.emplace_back(g_Fertigkeiten[static_cast<size_t>(i)].m_pszName);
  return names;
}

PlayerBuilder Star(int32_t bw, int32_t st, int32_t ge, int32_t rw, std::vector<std::string> skills = {}) {
  PlayerBuilder b;
  b.m_strName = "Gork";
  b.m_nBW = bw;
  b.m_nST = st;
  b.m_nGE = ge;
  b.m_nRW = rw;
  b.m_SelectedSkills = std::move(skills);
  RecomputePlayerBuilder(b);
  return b;
}

// The point scheme and its price steps; a slip in a table entry, the strength bonus or the
// value formula would move one of these examples.
TEST(PlayerBuilder, PointExamples) {
  // The builder's initial player: 5 points, 50000.
  PlayerBuilder initial;
  RecomputePlayerBuilder(initial);
  EXPECT_EQ(initial.m_nPoints, 5);
  EXPECT_EQ(initial.m_nValue, 50000);

  // BW 8 (3), ST 4 (6), GE 4 (2), RW 9 (1) and two general skills: 19 points, 145000.
  const PlayerBuilder nineteen = Star(8, 4, 4, 9, GeneralSkills(2));
  EXPECT_EQ(nineteen.m_nPoints, 19);
  EXPECT_EQ(nineteen.m_nValue, 145000);
  EXPECT_EQ(nineteen.m_nCounts[kCategoryAllgemein], 2);

  // 11 and 12 points cost the same.
  for (const PlayerBuilder& b : {Star(6, 3, 3, 8, GeneralSkills(6)), Star(6, 4, 3, 8, GeneralSkills(1))})
    EXPECT_EQ(b.m_nValue, 110000) << b.m_nPoints;

  // 28 points cost exactly 190000 and are bought; 29 points (195000) are refused.
  PlayerBuilder twentyEight = Star(8, 6, 4, 10, GeneralSkills(3));
  EXPECT_EQ(twentyEight.m_nPoints, 28);
  EXPECT_EQ(twentyEight.m_nValue, 190000);
  EXPECT_FALSE(twentyEight.m_bTooExpensive);
  EXPECT_FALSE(PlayerBuilderKaufen(twentyEight, kCapital).Refused());

  PlayerBuilder twentyNine = Star(8, 6, 4, 10, GeneralSkills(4));
  EXPECT_EQ(twentyNine.m_nPoints, 29);
  EXPECT_EQ(twentyNine.m_nValue, 195000);
  EXPECT_TRUE(twentyNine.m_bTooExpensive);
  EXPECT_EQ(PlayerBuilderKaufen(twentyNine, kCapital).refusal,
            (Notice{NoticeKind::Bank, "Dieser Spieler ist zu teuer!\nEs sind max. 190.000 Golstücke erlaubt!"}));

  // The ends of the characteristic tables; outside them nothing is read beyond them.
  EXPECT_EQ(MovementPoints(2), -4);
  EXPECT_EQ(ArmourPoints(6), -3);
  EXPECT_EQ(StrengthPoints(7), 18);  // the second bonus above 6
  EXPECT_EQ(AgilityPoints(1), -4);
  EXPECT_EQ(MovementPoints(9), 0);
  EXPECT_EQ(ArmourPoints(-1), 0);

  // Skill weights: 2 for agility, passing and strength skills, 3 for body traits; racial
  // traits and cards count nothing, disadvantages are counted apart.
  EXPECT_EQ(Star(6, 3, 3, 8, {"Fangsicher", "Abspiel", "Standfest"}).m_nPoints, 11);
  EXPECT_EQ(Star(6, 3, 3, 8, {"Klaue"}).m_nPoints, 8);
  const PlayerBuilder uncounted = Star(6, 3, 3, 8, {"Hypnotischer Blick", "Magischer Helm", "Blöd", "Nimmersatt"});
  EXPECT_EQ(uncounted.m_nPoints, 5);
  EXPECT_EQ(uncounted.m_nCounts, (BuilderCategoryCounts{0, 0, 0, 0, 0}));
  EXPECT_EQ(uncounted.m_nDisadvantages, 2);
}

// "Stacheln" and RW 10 exclude each other: the recomputation lowers RW to 9 (and prices
// that), beeps and warns. A missing check would let a player through with both.
TEST(PlayerBuilder, SpikesRule) {
  PlayerBuilder b;
  b.m_strName = "Igel";
  b.m_nRW = 10;
  b.m_SelectedSkills = {"Stacheln"};
  EXPECT_TRUE(RecomputePlayerBuilder(b));  // beep
  EXPECT_EQ(b.m_nRW, 9);
  EXPECT_TRUE(b.m_bSpikesConflict);
  EXPECT_EQ(b.m_nPoints, 5 + 3 + 1);  // body trait, RW 9
  EXPECT_EQ(b.m_strWarnings, "Stacheln und RW 10 ist nicht möglich! RW 10 ist das Maximum.");

  // The next recomputation finds RW 9 and no conflict any more.
  EXPECT_FALSE(RecomputePlayerBuilder(b));
  EXPECT_FALSE(b.m_bSpikesConflict);
  EXPECT_EQ(b.m_strWarnings, "");

  // Spikes with a lower RW, or RW 10 without spikes, are fine.
  EXPECT_FALSE(Star(6, 3, 3, 8, {"Stacheln"}).m_bSpikesConflict);
  EXPECT_FALSE(Star(6, 3, 3, 10).m_bSpikesConflict);

  // The spikes warning follows the other warnings without a separator of its own.
  PlayerBuilder strong;
  strong.m_nST = 6;
  strong.m_nRW = 10;
  strong.m_SelectedSkills = {"Stacheln", "Saublöd", "Nimmersatt"};
  RecomputePlayerBuilder(strong);
  EXPECT_EQ(strong.m_strWarnings,
            "Dieser Spieler benötigt eine große Base. Stacheln und RW 10 ist nicht möglich! RW 10 ist das Maximum.");
}

// Strength 6 needs a big base and disadvantages: one without a body trait, two with one.
// A wrong required number or a missing count of "Nachteil (Rassenmerkmal)" would show here.
TEST(PlayerBuilder, BigBaseWarning) {
  EXPECT_EQ(Star(6, 6, 3, 8).m_strWarnings, "Dieser Spieler benötigt eine große Base. Und noch 1 Nachteil(e)!");
  EXPECT_EQ(Star(6, 6, 3, 8, {"Klaue"}).m_strWarnings,
            "Dieser Spieler benötigt eine große Base. Und noch 2 Nachteil(e)!");
  EXPECT_EQ(Star(6, 6, 3, 8, {"Klaue", "Blöd"}).m_strWarnings,
            "Dieser Spieler benötigt eine große Base. Und noch 1 Nachteil(e)!");
  EXPECT_EQ(Star(6, 6, 3, 8, {"Tobende Bestie"}).m_strWarnings, "Dieser Spieler benötigt eine große Base. ");
  EXPECT_EQ(Star(6, 5, 3, 8).m_strWarnings, "");

  // The warning does not stop the purchase.
  PlayerBuilder b = Star(6, 6, 3, 8);
  EXPECT_FALSE(PlayerBuilderKaufen(b, kCapital).Refused());

  // Together with the value above 190000 the texts are joined by one extra blank.
  EXPECT_EQ(Star(8, 6, 4, 10, GeneralSkills(4)).m_strWarnings,
            "Dieser Spieler benötigt eine große Base. Und noch 1 Nachteil(e)! Dieser Spieler ist zu teuer! ");
}

// Each kind has its point limit whatever the value: a Feldspieler of 9 points costs only
// 90000 and is still too expensive. Wrong limits or a wrong kind mapping would show here.
TEST(PlayerBuilder, KindLimits) {
  PlayerBuilder nine;
  nine.m_nKind = kKindFeldspieler;
  nine.m_strName = "Feldspieler";
  nine.m_SelectedSkills = GeneralSkills(4);
  RecomputePlayerBuilder(nine);
  EXPECT_EQ(nine.m_nPoints, 9);
  EXPECT_EQ(nine.m_nValue, 90000);
  EXPECT_TRUE(nine.m_bTooExpensive);
  EXPECT_EQ(nine.m_strWarnings, "Dieser Spieler ist zu teuer! ");
  EXPECT_EQ(PlayerBuilderKaufen(nine, kCapital).refusal, (Notice{NoticeKind::Bank, "Dieser Spieler ist zu teuer!"}));

  // 8 points pass.
  nine.m_SelectedSkills = GeneralSkills(3);
  EXPECT_FALSE(PlayerBuilderKaufen(nine, kCapital).Refused());

  // The own-race Feldspieler with BW 7 and ST 4: 13 points, 115000, refused.
  PlayerBuilder feld;
  feld.m_nKind = kKindFeldspieler;
  feld.m_strName = "Feldspieler";
  feld.m_nBW = 7;
  feld.m_nST = 4;
  const ChangeOutcome r = PlayerBuilderKaufen(feld, kCapital);
  EXPECT_EQ(feld.m_nPoints, 13);
  EXPECT_EQ(feld.m_nValue, 115000);
  EXPECT_EQ(r.refusal.text, "Dieser Spieler ist zu teuer!");

  // The kinds without a limit; an unknown kind must not read past the table.
  EXPECT_EQ(KindPointLimit(kKindStarspieler), std::nullopt);
  EXPECT_EQ(KindPointLimit(99), std::nullopt);

  // An unknown kind has no name; the own race's main positions keep their fixed names.
  EXPECT_STREQ(BuilderKindName(7), "");
  EXPECT_FALSE(IsBuilderNameEditable(kKindWerfer));
  EXPECT_TRUE(IsBuilderNameEditable(kKindGen1));
}

// The skill list: 56 rows without "Wurzeln schlagen", sorted, grey where the kind does not
// normally allow the category. A wrong allowance table would grey the wrong rows.
TEST(PlayerBuilder, SkillListAndGreyCategories) {
  const std::vector<BuilderSkillRow> rows = BuilderSkillRows(kKindStarspieler, false);
  ASSERT_EQ(rows.size(), 56u);
  for (size_t i = 0; i + 1 < rows.size(); ++i)
    EXPECT_LE(CompareSortText(rows[i].m_pSkill->m_pszName, rows[i + 1].m_pSkill->m_pszName), 0);
  for (const BuilderSkillRow& row : rows) {
    EXPECT_STRNE(row.m_pSkill->m_pszName, "Wurzeln schlagen");
    EXPECT_FALSE(row.m_bGrey) << row.m_pSkill->m_pszName;  // the Starspieler sees nothing grey
  }

  auto allowed = [](int32_t kind, bool mutation) {
    std::vector<std::string> categories;
    for (const char* c : {"Allgemein", "Geschicklichkeit", "Körpermerkmal", "Pass", "Stärke", "Rassenmerkmal", "Karte",
                          "Nachteil", "Nachteil (Rassenmerkmal)"})
      if (IsCategoryNormallyAllowed(kind, mutation, c)) categories.emplace_back(c);
    return categories;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(allowed(kKindSuperspieler, false), (V{"Allgemein", "Geschicklichkeit", "Stärke"}));
  EXPECT_EQ(allowed(kKindGen2, false), (V{"Allgemein"}));
  EXPECT_EQ(allowed(kKindFeldspieler, true), (V{"Allgemein", "Körpermerkmal"}));
  EXPECT_EQ(allowed(kKindSuperspieler, true), (V{"Allgemein", "Geschicklichkeit", "Körpermerkmal", "Stärke"}));
  EXPECT_EQ(allowed(kKindStarspieler, false).size(), 9u);

  // The rows carry it: a Werfer sees "Abspiel" normal and "Klaue" grey.
  for (const BuilderSkillRow& row : BuilderSkillRows(kKindWerfer, false)) {
    const std::string_view name = row.m_pSkill->m_pszName;
    if (name == "Abspiel" || name == "Klaue") {
      EXPECT_EQ(row.m_bGrey, name == "Klaue");
    }
  }

  // Clicking a row shows its rule text; an unknown name shows nothing.
  PlayerBuilder b;
  b.m_SelectedSkills = {"Blocken"};
  ShowBuilderSkill(b, "Blocken");
  EXPECT_EQ(b.m_strDescription, FindSkillByName("Blocken")->m_pszDescription);
  ShowBuilderSkill(b, "Gibt es nicht");
  EXPECT_EQ(b.m_strDescription, "");

  // Out-of-range characteristics are held in their ranges, with a beep.
  PlayerBuilder wild;
  wild.m_nBW = 9;
  wild.m_nST = 0;
  wild.m_nGE = 5;
  wild.m_nRW = 11;
  EXPECT_TRUE(ClampBuilderCharacteristics(wild));
  EXPECT_EQ((std::vector<int32_t>{wild.m_nBW, wild.m_nST, wild.m_nGE, wild.m_nRW}),
            (std::vector<int32_t>{8, 1, 4, 10}));
  EXPECT_FALSE(ClampBuilderCharacteristics(wild));
}

// "&Kaufen" checks in a fixed order with fixed texts and boxes; a swapped order or a check
// against the wrong gold would show here.
TEST(PlayerBuilder, KaufenChecks) {
  // Value 0 and negative values: the "netter Versuch" text with the value, a plain box.
  PlayerBuilder zero = Star(2, 3, 3, 7, GeneralSkills(1));
  ChangeOutcome r = PlayerBuilderKaufen(zero, kCapital);
  EXPECT_EQ(zero.m_nValue, 0);
  EXPECT_EQ(r.refusal, (Notice{NoticeKind::Information, "0 Goldstücke - netter Versuch!"}));

  // Nameless after the value checks.
  PlayerBuilder nameless = Star(6, 3, 3, 8);
  nameless.m_strName.clear();
  r = PlayerBuilderKaufen(nameless, kCapital);
  EXPECT_EQ(r.refusal, (Notice{NoticeKind::Information, "Dieser Spieler ist namenlos!"}));
  // ... but the value checks come first.
  nameless.m_nBW = 2;
  nameless.m_nRW = 6;
  r = PlayerBuilderKaufen(nameless, kCapital);
  EXPECT_EQ(r.refusal.text, "-20000 Goldstücke - netter Versuch!");

  // Gold: the starting capital without a team; the value may equal the gold.
  PlayerBuilder b = Star(6, 3, 3, 8);  // 50000
  r = PlayerBuilderKaufen(b, 49999);
  EXPECT_EQ(r.refusal, (Notice{NoticeKind::Bank, "So viel Gold haben Sie gar nicht!"}));
  EXPECT_FALSE(PlayerBuilderKaufen(b, 50000).Refused());
  b.m_bCard = true;
  EXPECT_FALSE(PlayerBuilderKaufen(b, 25000).Refused());
  r = PlayerBuilderKaufen(b, 24999);
  EXPECT_EQ(r.refusal, (Notice{NoticeKind::Bank, "So viel Gold haben Sie auch beim halben Preis nicht!"}));

  // The abbreviation text of the chosen skills, sorted; a row counts once and names the
  // list does not offer count nothing.
  PlayerBuilder skilled = Star(6, 3, 3, 8, {"Stacheln", "Blocken", "Ausweichen", "Blocken", "Wurzeln schlagen"});
  EXPECT_EQ(skilled.m_nPoints, 5 + 3 + 1 + 2);
  ASSERT_FALSE(PlayerBuilderKaufen(skilled, kCapital).Refused());
  EXPECT_EQ(skilled.m_strAbbreviations, "Ausw,Blk,Stachel");
  EXPECT_EQ(BuilderAbbreviationText({}), "");

  // A refused purchase leaves no abbreviations behind.
  skilled.m_strName.clear();
  PlayerBuilderKaufen(skilled, kCapital);
  EXPECT_EQ(skilled.m_strAbbreviations, "");

  // The creation slot's record.
  PlayerBuilder slot = Star(7, 3, 4, 8, {"Fangsicher", "Blocken"});
  ASSERT_FALSE(PlayerBuilderKaufen(slot, kCapital).Refused());
  EXPECT_EQ(test::PlayerLine(BuiltStarRecord(slot)),
            "0 Gork (Starplayer) 7/3/4/8 " + std::to_string(slot.m_nValue) + " [Blk,Fangs] #0 222");
}

}  // namespace
}  // namespace krv
