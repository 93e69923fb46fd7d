#include "roster/ZombieRevival.h"

#include "model/Format.h"
#include "roster/PlayerPurchase.h"

namespace krv {

const char* const kOnlyUndeadMessage = "Das dürfen nur Untote";
const char* const kTooManyZombiesMessage =
    "Sie haben schon 8 Zombies!\nMehr dürfen Sie nicht in Ihrer Mannschaft haben!";

std::optional<std::string> ZombieRevivalRefusal(const CKRTeam& team, int32_t maxSpieler) {
  if (team.m_nRasse != kUndeadRace) return std::string(kOnlyUndeadMessage);
  int32_t zombies = 0;
  for (const auto& s : team.m_Spieler)
    if (s && s->IsActive() && s->m_nPositionCode == kZombieCode) ++zombies;
  // The zombie limit is told before the player limit.
  if (zombies >= kMaxZombies) return std::string(kTooManyZombiesMessage);
  return RosterFullRefusal(team, maxSpieler);
}

CKRSpieler& ReviveZombie(CKRTeam& team, const std::string& name) {
  team.AddEreignis(Format("Wiederbelebung von '%s'.", name.c_str()), kEreignisSonstiges);
  const int32_t id = team.m_nNaechsteID++;
  team.AddSpieler(team.GetFreeNummer(), name, "Neuer Zombie", 5, 3, 2, 7, 3000, "Reg", id, kZombieCode);
  CKRSpieler& zombie = *team.m_Spieler.back();
  team.SetTeamModified();
  return zombie;
}

}  // namespace krv
