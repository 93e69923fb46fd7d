#include "roster/PlayerRemoval.h"

#include "model/Format.h"
#include "model/Windows1252.h"

namespace krv {

const char* const kDeathSound = "Sounds/Tod.wav";

namespace {

std::string NotActiveText(const CKRSpieler& player) {
  return Format("%s ist kein aktiver Spieler mehr!", player.m_strName.c_str());
}

}  // namespace

RemovalStart RemovalStartFor(const CKRSpieler& player, bool keepRemoved) {
  if (!keepRemoved)
    return {RemovalStep::kAskRemovalFromList,
            "Der Spieler wir komplett aus der Liste\ngenommen! Wollen Sie das wirklich?"};
  if (player.m_nStatus == kStatusVerstorben)
    return {RemovalStep::kAskFinalRemoval, NotActiveText(player) + "\nSoll dieser Spieler komplett entfert werden?"};
  if (!player.IsActive()) return {RemovalStep::kNotActive, NotActiveText(player)};
  return {RemovalStep::kOpenDialog, {}};
}

std::optional<std::string> PlayerRemovalRefusal(const PlayerRemoval& removal) {
  if (!removal.m_Reason) return std::string("Was ist denn nun mit dem Spieler passiert?");
  if (*removal.m_Reason == RemovalReason::kSonstiges && removal.m_strText.empty())
    return std::string("Sie müssen schon etwas im Feld Sonstiges eingeben!");
  if (*removal.m_Reason == RemovalReason::kSonstiges && CharacterCount(removal.m_strText) > kMaxRemovalText)
    return Format("Geben Sie nicht mehr als %d Zeichen ein.", kMaxRemovalText);
  return std::nullopt;
}

RemovalOutcome RemovePlayer(CKRTeam& team, CKRSpieler& player, const PlayerRemoval& removal) {
  RemovalOutcome outcome;
  if (auto refusal = PlayerRemovalRefusal(removal)) {
    outcome.m_strRefusal = *refusal;
    return outcome;
  }
  if (!player.IsActive()) {
    outcome.m_strRefusal = NotActiveText(player);
    return outcome;
  }
  player.m_nStatus = static_cast<int32_t>(*removal.m_Reason);
  switch (*removal.m_Reason) {
    case RemovalReason::kCotrainer:
      team.AddCoTrainer(player.m_strName);
      outcome.m_bStaffChanged = true;
      break;
    case RemovalReason::kVerstorben: outcome.m_strSound = kDeathSound; break;
    case RemovalReason::kSonstiges: player.m_strVerletzung = removal.m_strText; break;
    case RemovalReason::kVerkauft: break;
  }
  team.SetTeamModified();
  return outcome;
}

bool RemovePlayerCompletely(CKRTeam& team, const CKRSpieler* player) {
  for (auto it = team.m_Spieler.begin(); it != team.m_Spieler.end(); ++it) {
    if (it->get() != player) continue;
    team.m_Spieler.erase(it);
    // The team lost a record: it must be saved like any other change.
    team.SetTeamModified();
    return true;
  }
  return false;
}

}  // namespace krv
