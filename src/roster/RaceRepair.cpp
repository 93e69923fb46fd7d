#include "roster/RaceRepair.h"

#include "model/Format.h"
#include "model/Spieler.h"
#include "model/Team.h"
#include "rules/PositionNames.h"
#include "rules/Races.h"

namespace krv {

std::vector<std::string> RaceChoices() {
  std::vector<std::string> races;
  for (int32_t race = 0; race < kEigeneRasse; ++race) races.emplace_back(g_RassenAnzeige[static_cast<size_t>(race)]);
  races.emplace_back("Eigene Rasse");
  return races;
}

std::vector<std::string> PositionTypeChoices() {
  std::vector<std::string> entries;
  entries.reserve(g_Kader.size());
  for (const SKaderPosition& row : g_Kader) {
    const char* race = row.m_nRace >= 0 && row.m_nRace < kRaceCount ? g_RassenAnzeige[static_cast<size_t>(row.m_nRace)] : "";
    entries.push_back(Format("[%s]   %s", race, row.m_pszName));
  }
  return entries;
}

std::vector<RaceRepairRow> RaceRepairRows(CKRTeam& team) {
  std::vector<RaceRepairRow> rows;
  for (const auto& player : team.m_Spieler) {
    if (!player || !player->IsActive()) continue;
    RaceRepairRow row;
    row.player = player.get();
    row.nummer = Format("%ld", static_cast<long>(player->m_nNummer));
    row.name = player->m_strName;
    row.position = player->m_strPosition;
    row.positionByCode = PositionNameForCode(player->m_nPositionCode);
    rows.push_back(std::move(row));
  }
  return rows;
}

bool AssignPositionType(const std::vector<CKRSpieler*>& players, int kaderRow) {
  if (kaderRow < 0 || static_cast<size_t>(kaderRow) >= g_Kader.size()) return false;
  // The row's own code: rows and codes differ where the table was reordered.
  const int32_t code = g_Kader[static_cast<size_t>(kaderRow)].m_nCode;
  for (CKRSpieler* player : players)
    if (player) player->m_nPositionCode = code;
  return true;
}

bool ApplyRaceChoice(CKRTeam& team, int32_t race, const std::string& ownRaceName) {
  if (race < 0 || race > kEigeneRasse) return false;
  team.m_nRasse = race;
  team.m_strRassenName = ownRaceName;
  team.SetTeamModified();
  return true;
}

}  // namespace krv
