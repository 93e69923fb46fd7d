// Players leaving the team.

#include "roster/PlayerRemoval.h"

#include <gtest/gtest.h>

#include "teamwindow/PlayerRows.h"
#include "support/FakeTeamHost.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

CKRSpieler& Add(CKRTeam& team, const char* name, int32_t status = kStatusAktiv) {
  test::AddPlayer(team, 1, name, "Linienork", 5, 3, 3, 9, 50000, "", team.m_nNaechsteID++, 25);
  team.m_Spieler.back()->m_nStatus = status;
  return *team.m_Spieler.back();
}

// Catches a wrong first step for a player: the dialog only for active players, the plain
// message for sold ones, the complete-removal question for dead ones, and the setting off.
TEST(PlayerRemoval, FirstStepByStatus) {
  CKRTeam team;
  EXPECT_EQ(RemovalStartFor(Add(team, "Aktiv"), true).m_Step, RemovalStep::kOpenDialog);
  const RemovalStart sold = RemovalStartFor(Add(team, "Bolg", kStatusVerkauft), true);
  EXPECT_EQ(sold.m_Step, RemovalStep::kNotActive);
  EXPECT_EQ(sold.m_strText, "Bolg ist kein aktiver Spieler mehr!");
  const RemovalStart dead = RemovalStartFor(Add(team, "Gorbag", kStatusVerstorben), true);
  EXPECT_EQ(dead.m_Step, RemovalStep::kAskFinalRemoval);
  EXPECT_EQ(dead.m_strText, "Gorbag ist kein aktiver Spieler mehr!\nSoll dieser Spieler komplett entfert werden?");
  EXPECT_EQ(RemovalStartFor(*team.m_Spieler[0], false).m_Step, RemovalStep::kAskRemovalFromList);
}

// Catches a removal that sets the wrong status or forgets its side effect: the assistant
// coach, the death sound, and the "&Sonstiges" text shown in the list where the injury stood.
TEST(PlayerRemoval, EachReason) {
  CKRTeam team;
  test::FakeTeamHost host;
  team.m_pHost = &host;
  // reason, "&Sonstiges" text, status afterwards, sound
  const std::tuple<RemovalReason, const char*, int32_t, const char*> reasons[] = {
      {RemovalReason::kVerkauft, "", kStatusVerkauft, ""},
      {RemovalReason::kCotrainer, "", kStatusCotrainer, ""},
      {RemovalReason::kVerstorben, "", kStatusVerstorben, "Sounds/Tod.wav"},
      {RemovalReason::kSonstiges, "Zur Konkurrenz gewechselt", kStatusSonstiges, ""}};
  for (const auto& [reason, otherText, status, sound] : reasons) {
    CKRSpieler& player = Add(team, "Gorbag");
    player.m_strVerletzung = "-1 BW";
    const ChangeOutcome o = RemovePlayer(team, player, {reason, otherText});
    EXPECT_TRUE(o.applied);
    EXPECT_EQ(player.m_nStatus, status);
    EXPECT_EQ(o.sound, sound);
  }
  ASSERT_NE(team.FindCoTrainer("Gorbag"), nullptr);
  EXPECT_EQ(PlayerInjuryText(*team.m_Spieler[3]), "Zur Konkurrenz gewechselt");
  EXPECT_EQ(host.Count("modified"), 4u);

  // A player who has left cannot leave again.
  CKRSpieler& sold = *team.m_Spieler[0];
  EXPECT_EQ(RemovePlayer(team, sold, {RemovalReason::kVerstorben, ""}).refusal,
            (Notice{NoticeKind::Error, "Gorbag ist kein aktiver Spieler mehr!"}));
  EXPECT_EQ(sold.m_nStatus, kStatusVerkauft);
}

// Catches an incomplete choice slipping through: no choice, and "&Sonstiges" without text.
TEST(PlayerRemoval, IncompleteChoiceRefused) {
  CKRTeam team;
  CKRSpieler& p = Add(team, "Azog");
  EXPECT_EQ(RemovePlayer(team, p, {std::nullopt, ""}).refusal.text, "Was ist denn nun mit dem Spieler passiert?");
  EXPECT_EQ(RemovePlayer(team, p, {RemovalReason::kSonstiges, ""}).refusal.text,
            "Sie müssen schon etwas im Feld Sonstiges eingeben!");
  EXPECT_FALSE(PlayerRemovalRefusal({RemovalReason::kSonstiges, std::string(80, 'x')}).Refused());
  EXPECT_TRUE(PlayerRemovalRefusal({RemovalReason::kSonstiges, std::string(81, 'x')}).Refused());
  EXPECT_TRUE(p.IsActive());
}

// Catches the complete removal leaving the record behind or not marking the team changed
// (the removal would then be lost when the window closes without a save question).
TEST(PlayerRemoval, CompleteRemoval) {
  CKRTeam team;
  test::FakeTeamHost host;
  team.m_pHost = &host;
  Add(team, "Eins");
  const CKRSpieler& dead = Add(team, "Zwei", kStatusVerstorben);
  EXPECT_TRUE(RemovePlayerCompletely(team, &dead).applied);
  ASSERT_EQ(team.m_Spieler.size(), 1u);
  EXPECT_EQ(team.m_Spieler[0]->m_strName, "Eins");
  EXPECT_EQ(host.Count("modified"), 1u);
  EXPECT_FALSE(RemovePlayerCompletely(team, &dead).applied);
}

}  // namespace
}  // namespace krv
