// Reviving zombies for undead teams.

#include "roster/ZombieRevival.h"

#include <gtest/gtest.h>

#include "roster/PlayerPurchase.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

void Add(CKRTeam& team, int32_t number, int32_t code, int32_t status = kStatusAktiv) {
  test::AddPlayer(team, number, "S", "P", 5, 3, 2, 7, 30000, "", team.m_nNaechsteID++, code);
  team.m_Spieler.back()->m_nStatus = status;
}

// Catches the checks in the wrong order: eight zombies among ten players give the zombie
// message even when the player limit is reached too; any other race only hears that this
// is for the undead.
TEST(ZombieRevival, ChecksInOrder) {
  CKRTeam team;
  team.m_nRasse = kUndeadRace;
  for (int32_t n = 1; n <= 8; ++n) Add(team, n, kZombieCode);
  Add(team, 9, 34);
  Add(team, 10, 34);
  EXPECT_EQ(ZombieRevivalRefusal(team, 10).refusal, (Notice{NoticeKind::Rules, kTooManyZombiesMessage}));
  team.m_Spieler.front()->m_nStatus = kStatusVerstorben;  // a dead zombie does not count
  EXPECT_EQ(ZombieRevivalRefusal(team, 9).refusal.text, kRosterFullMessage);
  // The revival checks the same itself.
  EXPECT_EQ(ReviveZombie(team, "Gregor", 9).refusal.text, kRosterFullMessage);
  EXPECT_EQ(team.m_Spieler.size(), 10u);
  EXPECT_FALSE(ZombieRevivalRefusal(team, 16).Refused());

  CKRTeam orcs;
  orcs.m_nRasse = 10;
  EXPECT_EQ(ZombieRevivalRefusal(orcs, 16).refusal.text, kOnlyUndeadMessage);
}

// Catches a revival with the wrong values, an expense, or a number that a former player's
// number could have given: the lowest free number is taken again.
TEST(ZombieRevival, RevivedZombie) {
  CKRTeam team;
  team.m_nNaechsteID = 120;
  team.m_nRasse = kUndeadRace;
  Add(team, 1, 34);
  Add(team, 2, 34, kStatusVerstorben);
  Add(team, 3, 34);
  const ChangeOutcome revived = ReviveZombie(team, "Gregor", 16);
  ASSERT_NE(revived.created, nullptr);
  EXPECT_EQ(test::PlayerLine(*revived.created), "2 Gregor (Neuer Zombie) 5/3/2/7 3000 [Reg] #123 35");
  EXPECT_EQ(team.m_nNaechsteID, 124);
  EXPECT_TRUE(team.m_Ausgaben.empty());
  ASSERT_EQ(team.m_Ereignisse.size(), 1u);
  EXPECT_EQ(team.m_Ereignisse[0]->m_strText, "Wiederbelebung von 'Gregor'.");
  EXPECT_EQ(team.m_Ereignisse[0]->m_nArt, kEreignisSonstiges);
}

}  // namespace
}  // namespace krv
