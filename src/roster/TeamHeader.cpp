#include "roster/TeamHeader.h"

#include "model/Format.h"
#include "model/Gold.h"
#include "model/Team.h"
#include "rules/Races.h"

namespace krv {

const char* const kKeineFansText =
    "Sie haben keine Fans mehr!\nUnd sind damit Ihres Amtes enthoben\nund Ihre Mannschaft aufgelöst!\nSo 'n Pech!";
const char* const kKeineFansSound = "Sounds/KeineFans.wav";

TeamHeaderTexts MakeTeamHeader(const CKRTeam& team) {
  TeamHeaderTexts header;
  header.name = team.m_strName;
  if (team.m_nRasse == kEigeneRasse) {
    header.race = team.m_strRassenName;
    header.raceEditable = true;
  } else if (team.m_nRasse >= 0 && team.m_nRasse < kEigeneRasse) {
    header.race = g_RassenNamen[static_cast<size_t>(team.m_nRasse)];
  } else {
    header.race = "???";  // a damaged file; never an index outside the table
  }
  header.teamValue = team.m_strTeamwert;
  header.gold = FormatGold(team.m_strGold);
  header.rerolls = Format("%ld/%ld/%ld", static_cast<long>(team.m_nMarken), static_cast<long>(team.m_nMarken2),
                          static_cast<long>(team.m_nMarkenAbzug));
  header.fanFactor = Format("%ld", static_cast<long>(team.FanFactorInForce()));
  return header;
}

bool FanNoticeDue(CKRTeam& team) {
  if (team.FanFactorInForce() >= 1) {
    team.m_bKeineFans = false;
    return false;
  }
  if (team.m_bKeineFans) return false;
  team.m_bKeineFans = true;
  return true;
}

ChangeOutcome RunFanCheck(CKRTeam& team) {
  ChangeOutcome outcome;
  outcome.fansGone = FanNoticeDue(team);
  return outcome;
}

ChangeOutcome RenameTeam(CKRTeam& team, const std::string& name) {
  if (team.m_strName == name) return ChangeOutcome::Nothing();
  team.m_strName = name;
  team.SetTeamModified(TeamChange::TeamFields());
  return ChangeOutcome::Applied();
}

ChangeOutcome RenameOwnRace(CKRTeam& team, const std::string& raceName) {
  if (team.m_nRasse != kEigeneRasse || team.m_strRassenName == raceName) return ChangeOutcome::Nothing();
  team.m_strRassenName = raceName;
  team.SetTeamModified(TeamChange::TeamFields());
  return ChangeOutcome::Applied();
}

}  // namespace krv
