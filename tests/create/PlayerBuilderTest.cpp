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
const std::string kBigBase = "Dieser Spieler benötigt eine große Base. ";

// `count` general skills, taken from the start of the catalogue.
std::vector<std::string> GeneralSkills(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.emplace_back(g_Fertigkeiten[static_cast<size_t>(i)].m_pszName);
  return names;
}

PlayerBuilder Star(int32_t bw, int32_t st, int32_t ge, int32_t rw, std::vector<std::string> skills = {},
                   int32_t kind = kKindStarspieler) {
  PlayerBuilder b{.m_nKind = kind, .m_strName = "Gork", .m_nBW = bw, .m_nST = st, .m_nGE = ge, .m_nRW = rw};
  b.m_SelectedSkills = std::move(skills);
  RecomputePlayerBuilder(b);
  return b;
}

// Whether "&Kaufen" accepts the player.
bool Bought(PlayerBuilder b) { return !PlayerBuilderKaufen(b, kCapital).Refused(); }

// The point scheme and its price steps; a slip in a table entry, the strength bonus, a skill
// weight or the value formula would move one of these rows. Skill weights: 2 for agility,
// passing and strength skills, 3 for body traits; racial traits and cards count nothing,
// disadvantages are counted apart.
TEST(PlayerBuilder, PointsAndValues) {
  PlayerBuilder initial;  // the builder as it opens
  RecomputePlayerBuilder(initial);
  // builder, points, value
  const std::tuple<PlayerBuilder, int32_t, int32_t> rows[] = {
      {initial, 5, 50000},
      {Star(8, 4, 4, 9, GeneralSkills(2)), 19, 145000},  // BW 8 (3), ST 4 (6), GE 4 (2), RW 9 (1)
      {Star(6, 3, 3, 8, GeneralSkills(6)), 11, 110000},  // 11 and 12 points cost the same
      {Star(6, 4, 3, 8, GeneralSkills(1)), 12, 110000},
      {Star(8, 6, 4, 10, GeneralSkills(3)), 28, 190000},
      {Star(8, 6, 4, 10, GeneralSkills(4)), 29, 195000},
      {Star(6, 3, 3, 8, {"Fangsicher", "Abspiel", "Standfest"}), 11, 110000},
      {Star(6, 3, 3, 8, {"Klaue"}), 8, 80000},
      {Star(6, 3, 3, 8, {"Hypnotischer Blick", "Magischer Helm", "Blöd", "Nimmersatt"}), 5, 50000},
  };
  for (const auto& [built, points, value] : rows) {
    EXPECT_EQ(built.m_nPoints, points) << value;
    EXPECT_EQ(built.m_nValue, value) << points;
  }
  EXPECT_EQ(std::get<0>(rows[1]).m_nCounts[kCategoryAllgemein], 2);
  EXPECT_EQ(std::get<0>(rows[8]).m_nCounts, (BuilderCategoryCounts{0, 0, 0, 0, 0}));
  EXPECT_EQ(std::get<0>(rows[8]).m_nDisadvantages, 2);

  // 28 points (190000) are bought; 29 points are refused.
  EXPECT_FALSE(std::get<0>(rows[4]).m_bTooExpensive);
  EXPECT_TRUE(Bought(std::get<0>(rows[4])));
  PlayerBuilder twentyNine = std::get<0>(rows[5]);
  EXPECT_TRUE(twentyNine.m_bTooExpensive);
  EXPECT_EQ(PlayerBuilderKaufen(twentyNine, kCapital).refusal,
            (Notice{NoticeKind::Bank, "Dieser Spieler ist zu teuer!\nEs sind max. 190.000 Golstücke erlaubt!"}));

  // The ends of the characteristic tables (the second strength bonus above 6); outside them
  // nothing is read beyond them.
  EXPECT_EQ((std::array{MovementPoints(2), ArmourPoints(6), StrengthPoints(7), AgilityPoints(1), MovementPoints(9),
                        ArmourPoints(-1)}),
            (std::array{-4, -3, 18, -4, 0, 0}));
}

// "Stacheln" and RW 10 exclude each other: the recomputation lowers RW to 9 (and prices
// that), beeps and warns; the next recomputation finds no conflict any more. A missing
// check would let a player through with both.
TEST(PlayerBuilder, SpikesRule) {
  PlayerBuilder b = Star(6, 3, 3, 10, {"Stacheln"});
  b.m_nRW = 10;
  EXPECT_TRUE(RecomputePlayerBuilder(b));  // beep
  EXPECT_EQ(b.m_nRW, 9);
  EXPECT_TRUE(b.m_bSpikesConflict);
  EXPECT_EQ(b.m_nPoints, 5 + 3 + 1);  // body trait, RW 9
  EXPECT_EQ(b.m_strWarnings, "Stacheln und RW 10 ist nicht möglich! RW 10 ist das Maximum.");
  EXPECT_FALSE(RecomputePlayerBuilder(b));
  EXPECT_FALSE(b.m_bSpikesConflict);
  EXPECT_EQ(b.m_strWarnings, "");

  // Spikes with a lower RW, or RW 10 without spikes, are fine.
  EXPECT_FALSE(Star(6, 3, 3, 8, {"Stacheln"}).m_bSpikesConflict);
  EXPECT_FALSE(Star(6, 3, 3, 10).m_bSpikesConflict);
}

// The warnings under the skill list. Strength 6 needs a big base and disadvantages: one
// without a body trait, two with one (a wrong required number or a missing count of
// "Nachteil (Rassenmerkmal)" would show here); the too-expensive and spikes texts follow
// with their own blanks. A warning does not stop the purchase.
TEST(PlayerBuilder, Warnings) {
  const std::pair<PlayerBuilder, std::string> rows[] = {
      {Star(6, 6, 3, 8), kBigBase + "Und noch 1 Nachteil(e)!"},
      {Star(6, 6, 3, 8, {"Klaue"}), kBigBase + "Und noch 2 Nachteil(e)!"},
      {Star(6, 6, 3, 8, {"Klaue", "Blöd"}), kBigBase + "Und noch 1 Nachteil(e)!"},
      {Star(6, 6, 3, 8, {"Tobende Bestie"}), kBigBase},
      {Star(6, 5, 3, 8), ""},
      {Star(8, 6, 4, 10, GeneralSkills(4)), kBigBase + "Und noch 1 Nachteil(e)! Dieser Spieler ist zu teuer! "},
      {Star(6, 6, 3, 10, {"Stacheln", "Saublöd", "Nimmersatt"}),
       kBigBase + "Stacheln und RW 10 ist nicht möglich! RW 10 ist das Maximum."},
      {Star(6, 3, 3, 8, GeneralSkills(4), kKindFeldspieler), "Dieser Spieler ist zu teuer! "},
  };
  for (const auto& [built, warnings] : rows) EXPECT_EQ(built.m_strWarnings, warnings);
  EXPECT_TRUE(Bought(Star(6, 6, 3, 8)));
}

// Each kind has its point limit whatever the value: a Feldspieler of 9 points costs only
// 90000 and is still too expensive, 8 pass; the own-race Feldspieler with BW 7 and ST 4
// has 13 points. Wrong limits or a wrong kind mapping would show here.
TEST(PlayerBuilder, KindLimits) {
  PlayerBuilder nine = Star(6, 3, 3, 8, GeneralSkills(4), kKindFeldspieler);
  EXPECT_EQ(nine.m_nPoints, 9);
  EXPECT_EQ(nine.m_nValue, 90000);
  EXPECT_TRUE(nine.m_bTooExpensive);
  EXPECT_EQ(PlayerBuilderKaufen(nine, kCapital).refusal, (Notice{NoticeKind::Bank, "Dieser Spieler ist zu teuer!"}));
  EXPECT_TRUE(Bought(Star(6, 3, 3, 8, GeneralSkills(3), kKindFeldspieler)));
  // Not recomputed: "&Kaufen" prices him itself.
  PlayerBuilder feld{.m_nKind = kKindFeldspieler, .m_strName = "Feldspieler", .m_nBW = 7, .m_nST = 4};
  EXPECT_EQ(PlayerBuilderKaufen(feld, kCapital).refusal.text, "Dieser Spieler ist zu teuer!");
  EXPECT_EQ(feld.m_nPoints, 13);
  EXPECT_EQ(feld.m_nValue, 115000);

  // The kinds without a limit; an unknown kind must not read past the table, and has no
  // name; the own race's main positions keep their fixed names.
  EXPECT_EQ(KindPointLimit(kKindStarspieler), std::nullopt);
  EXPECT_EQ(KindPointLimit(99), std::nullopt);
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
    if (name == "Abspiel" || name == "Klaue") EXPECT_EQ(row.m_bGrey, name == "Klaue");
  }

  // Clicking a row shows its rule text; an unknown name shows nothing.
  PlayerBuilder b;
  ShowBuilderSkill(b, "Blocken");
  EXPECT_EQ(b.m_strDescription, FindSkillByName("Blocken")->m_pszDescription);
  ShowBuilderSkill(b, "Gibt es nicht");
  EXPECT_EQ(b.m_strDescription, "");

  // Out-of-range characteristics are held in their ranges, with a beep.
  PlayerBuilder wild{.m_nBW = 9, .m_nST = 0, .m_nGE = 5, .m_nRW = 11};
  EXPECT_TRUE(ClampBuilderCharacteristics(wild));
  EXPECT_EQ((std::array{wild.m_nBW, wild.m_nST, wild.m_nGE, wild.m_nRW}), (std::array{8, 1, 4, 10}));
  EXPECT_FALSE(ClampBuilderCharacteristics(wild));
}

// "&Kaufen" checks in a fixed order with fixed texts and boxes; a swapped order or a check
// against the wrong gold would show here.
TEST(PlayerBuilder, KaufenChecks) {
  PlayerBuilder nameless = Star(6, 3, 3, 8);
  nameless.m_strName.clear();
  PlayerBuilder negativeNameless = Star(2, 3, 3, 6);
  negativeNameless.m_strName.clear();
  PlayerBuilder card = Star(6, 3, 3, 8);  // 50000
  card.m_bCard = true;
  const std::tuple<PlayerBuilder, int32_t, Notice> refusals[] = {
      // value 0 and negative values: the "netter Versuch" text with the value, before the name
      {Star(2, 3, 3, 7, GeneralSkills(1)), kCapital, {NoticeKind::Information, "0 Goldstücke - netter Versuch!"}},
      {negativeNameless, kCapital, {NoticeKind::Information, "-20000 Goldstücke - netter Versuch!"}},
      {nameless, kCapital, {NoticeKind::Information, "Dieser Spieler ist namenlos!"}},
      // gold: the starting capital without a team; the value may equal the gold
      {Star(6, 3, 3, 8), 49999, {NoticeKind::Bank, "So viel Gold haben Sie gar nicht!"}},
      {Star(6, 3, 3, 8), 50000, {}},
      {card, 25000, {}},
      {card, 24999, {NoticeKind::Bank, "So viel Gold haben Sie auch beim halben Preis nicht!"}},
  };
  for (auto [built, gold, refusal] : refusals) EXPECT_EQ(PlayerBuilderKaufen(built, gold).refusal, refusal) << gold;

  // The abbreviation text of the chosen skills, sorted; a row counts once and names the
  // list does not offer count nothing. A refused purchase leaves no abbreviations behind.
  PlayerBuilder skilled = Star(6, 3, 3, 8, {"Stacheln", "Blocken", "Ausweichen", "Blocken", "Wurzeln schlagen"});
  EXPECT_EQ(skilled.m_nPoints, 5 + 3 + 1 + 2);
  ASSERT_FALSE(PlayerBuilderKaufen(skilled, kCapital).Refused());
  EXPECT_EQ(skilled.m_strAbbreviations, "Ausw,Blk,Stachel");
  EXPECT_EQ(BuilderAbbreviationText({}), "");
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
