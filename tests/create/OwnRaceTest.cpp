#include "create/OwnRace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Team.h"
#include "rules/Races.h"

namespace krv {
namespace {

// Runs a position's builder the way its button does and presses "&Kaufen"; defines the
// position when the builder accepts, undefines it otherwise (as a cancel would).
bool Design(OwnRaceDesign& design, int slot, std::vector<std::string> skills = {}) {
  PlayerBuilder builder = OwnRaceBuilder(design, slot);
  builder.m_SelectedSkills = std::move(skills);
  const bool accepted = !PlayerBuilderKaufen(builder, 1000000).Refused();
  OwnRaceBuilderClosed(design, slot, accepted ? &builder : nullptr);
  return accepted;
}

// A new team and the own-race dialog's fields for it.
class OwnRace : public ::testing::Test {
 protected:
  CKRTeam team;
  OwnRaceDesign design{.m_pTeam = &team};
};

// The slot table: kinds, preset names, codes and limits of the six positions. A slip here
// would give a position the wrong point limit or the wrong code.
TEST_F(OwnRace, Slots) {
  const int32_t kinds[] = {kKindFeldspieler, kKindFaenger, kKindWerfer, kKindSuperspieler, kKindGen1, kKindGen2};
  for (int k = 0; k < kOwnRaceSlotCount; ++k) {
    const OwnRaceSlot& slot = kOwnRaceSlots[static_cast<size_t>(k)];
    EXPECT_EQ(slot.m_nKind, kinds[k]);
    EXPECT_EQ(slot.m_nCode, 47 + k);
    // The max counts are those of the own race's roster rows.
    EXPECT_EQ(slot.m_nMaxCount, g_Kader[static_cast<size_t>(47 + k)].m_nMaxCount);
    EXPECT_EQ(slot.m_bRequired, k < 4);
  }

  design.m_bMutation = true;
  const PlayerBuilder b = OwnRaceBuilder(design, 1);
  EXPECT_EQ(b.m_nKind, kKindFaenger);
  EXPECT_EQ(b.m_strName, "Fänger");
  EXPECT_TRUE(b.m_bMutation);
}

// "&Übernehmen" needs all four required positions: three are not enough, the fourth enables
// it, Gen.1 and Gen.2 are optional, and cancelling a builder takes a position back.
TEST_F(OwnRace, AcceptNeedsFourRequiredPositions) {
  EXPECT_FALSE(OwnRaceMayAccept(design));

  for (int slot = 0; slot < 3; ++slot) ASSERT_TRUE(Design(design, slot));  // Feldspieler, Fänger, Werfer
  EXPECT_FALSE(OwnRaceMayAccept(design));
  EXPECT_FALSE(AcceptOwnRace(design));

  ASSERT_TRUE(Design(design, 3));  // Superspieler
  EXPECT_TRUE(OwnRaceMayAccept(design));
  EXPECT_FALSE(IsOwnPositionDefined(team, 4));
  EXPECT_FALSE(IsOwnPositionDefined(team, 5));

  // Cancelling the builder of a defined Fänger undefines it.
  OwnRaceBuilderClosed(design, 1, nullptr);
  EXPECT_EQ(design.m_Texts[1], "");
  EXPECT_EQ(team.m_Positionen[1].m_nPositionCode, 0);
  EXPECT_FALSE(OwnRaceMayAccept(design));

  ASSERT_TRUE(Design(design, 1));
  // The mutation box reaches the team only by "&Übernehmen" (its re-roll price: Races.GetRerollPrice).
  for (const bool mutation : {true, false}) {
    design.m_bMutation = mutation;
    EXPECT_NE(team.m_bMutation, mutation);
    EXPECT_TRUE(AcceptOwnRace(design));
    EXPECT_EQ(team.m_bMutation, mutation);
  }

  // Without a team nothing is written and nothing can be accepted.
  OwnRaceDesign lost;
  EXPECT_TRUE(Design(lost, 0));  // the builder itself accepts
  EXPECT_EQ(lost.m_Texts[0], "");
  EXPECT_FALSE(AcceptOwnRace(lost));
  // Slots outside 0 to 5 are ignored.
  OwnRaceBuilderClosed(design, 6, nullptr);
  OwnRaceBuilderClosed(design, -1, nullptr);
  EXPECT_TRUE(OwnRaceMayAccept(design));
}

// What a defined position writes into its template and shows, and what undefining keeps.
// A wrong field, code or text format would break the creation dialog's rows.
TEST_F(OwnRace, TemplatesAndTexts) {
  ASSERT_TRUE(Design(design, 0, {"Blocken"}));
  const SEigenePosition& feld = team.m_Positionen[0];
  EXPECT_EQ(feld.m_nPositionCode, 47);
  EXPECT_EQ(feld.m_strSecondName, "Feldspieler");  // not the dialog's business
  EXPECT_EQ(design.m_Texts[0], "6,3,3,8,60000,Blk");
  EXPECT_EQ(OwnPositionText(feld), "6,3,3,8,60000,Blk");

  // A Fänger with two agility skills: 9 points, within his limit of 10.
  ASSERT_TRUE(Design(design, 1, {"Fangsicher", "Ausweichen"}));
  EXPECT_EQ(design.m_Texts[1], "6,3,3,8,90000,Ausw,Fangs");
  EXPECT_EQ(team.m_Positionen[1].m_nPositionCode, 48);

  // A name typed for Gen.1 becomes the position's name and name copy.
  PlayerBuilder gen = OwnRaceBuilder(design, 4);
  EXPECT_EQ(gen.m_strName, "Gen.1");
  gen.m_strName = "Sumpfläufer";
  gen.m_nBW = 7;
  ASSERT_FALSE(PlayerBuilderKaufen(gen, 1000000).Refused());
  OwnRaceBuilderClosed(design, 4, &gen);
  EXPECT_EQ(team.m_Positionen[4].m_strNameCopy, "Sumpfläufer");
  EXPECT_EQ(design.m_Texts[4], "7,3,3,8,70000,");

  // Undefining empties the text and the code; the cost goes to 0 as well, because after
  // saving and opening the team only the cost tells a defined template from a withdrawn one.
  OwnRaceBuilderClosed(design, 4, nullptr);
  EXPECT_EQ(design.m_Texts[4], "");
  EXPECT_EQ(team.m_Positionen[4].m_nPositionCode, 0);
  EXPECT_EQ(team.m_Positionen[4].m_nCost, 0);
  EXPECT_EQ(team.m_Positionen[4].m_strName, "Sumpfläufer");

  // Templates 6 and 7 are never touched.
  EXPECT_EQ(team.m_Positionen[6].m_strName, "?");
  EXPECT_EQ(team.m_Positionen[6].m_nPositionCode, 0);
}

}  // namespace
}  // namespace krv
