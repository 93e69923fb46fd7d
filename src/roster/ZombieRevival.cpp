#include "roster/ZombieRevival.h"

#include "model/Format.h"
#include "roster/PlayerPurchase.h"

namespace krv {

const char* const kOnlyUndeadMessage = "Das dürfen nur Untote";
const char* const kTooManyZombiesMessage =
    "Sie haben schon 8 Zombies!\nMehr dürfen Sie nicht in Ihrer Mannschaft haben!";

ChangeOutcome ZombieRevivalRefusal(const CKRTeam& team, int32_t maxSpieler) {
  if (team.m_nRasse != kUndeadRace) return ChangeOutcome::Refuse(kOnlyUndeadMessage);
  int32_t zombies = 0;
  for (const auto& s : team.m_Spieler)
    if (s && s->IsActive() && s->m_nPositionCode == kZombieCode) ++zombies;
  // The zombie limit is told before the player limit.
  if (zombies >= kMaxZombies) return ChangeOutcome::Refuse(kTooManyZombiesMessage);
  return RosterFullRefusal(team, maxSpieler);
}

ChangeOutcome ReviveZombie(CKRTeam& team, const std::string& name, int32_t maxSpieler) {
  if (ChangeOutcome refusal = ZombieRevivalRefusal(team, maxSpieler); refusal.Refused()) return refusal;
  team.AddEreignis(Format("Wiederbelebung von '%s'.", name.c_str()), kEreignisSonstiges);
  const int32_t id = team.m_nNaechsteID++;
  team.AddSpieler(team.GetFreeNummer(), name, "Neuer Zombie", 5, 3, 2, 7, 3000, "Reg", id, kZombieCode);
  ChangeOutcome outcome = ChangeOutcome::Applied();
  outcome.created = team.m_Spieler.back().get();
  team.SetTeamModified();
  return outcome;
}

}  // namespace krv
