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

ChangeOutcome PlayerRemovalRefusal(const PlayerRemoval& removal) {
  auto refuse = [](std::string text) { return ChangeOutcome::Refuse(std::move(text), NoticeKind::Information); };
  if (!removal.m_Reason) return refuse("Was ist denn nun mit dem Spieler passiert?");
  if (*removal.m_Reason == RemovalReason::kSonstiges && removal.m_strText.empty())
    return refuse("Sie müssen schon etwas im Feld Sonstiges eingeben!");
  if (*removal.m_Reason == RemovalReason::kSonstiges && CharacterCount(removal.m_strText) > kMaxRemovalText)
    return refuse(Format("Geben Sie nicht mehr als %d Zeichen ein.", kMaxRemovalText));
  return ChangeOutcome::Nothing();
}

ChangeOutcome RemovePlayer(CKRTeam& team, CKRSpieler& player, const PlayerRemoval& removal) {
  if (ChangeOutcome refusal = PlayerRemovalRefusal(removal); refusal.Refused()) return refusal;
  if (!player.IsActive()) return ChangeOutcome::Refuse(NotActiveText(player), NoticeKind::Error);
  ChangeOutcome outcome = ChangeOutcome::Applied();
  player.m_nStatus = static_cast<int32_t>(*removal.m_Reason);
  switch (*removal.m_Reason) {
    case RemovalReason::kCotrainer: team.AddCoTrainer(player.m_strName); break;
    case RemovalReason::kVerstorben: outcome.sound = kDeathSound; break;
    case RemovalReason::kSonstiges: player.m_strVerletzung = removal.m_strText; break;
    case RemovalReason::kVerkauft: break;
  }
  team.SetTeamModified();
  return outcome;
}

ChangeOutcome RemovePlayerCompletely(CKRTeam& team, const CKRSpieler* player) {
  for (auto it = team.m_Spieler.begin(); it != team.m_Spieler.end(); ++it) {
    if (it->get() != player) continue;
    team.m_Spieler.erase(it);
    // The team lost a record: it must be saved like any other change.
    team.SetTeamModified();
    return ChangeOutcome::Applied();
  }
  return ChangeOutcome::Nothing();
}

}  // namespace krv
