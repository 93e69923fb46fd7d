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
    const char* race =
        row.m_nRace >= 0 && row.m_nRace < kRaceCount ? g_RassenAnzeige[static_cast<size_t>(row.m_nRace)] : "";
    entries.push_back(Format("[%s]   %s", race, row.m_pszName));
  }
  return entries;
}

namespace {

template <typename Visit>
void ForEachListedPlayer(const CKRTeam& team, Visit visit) {
  for (const auto& player : team.m_Spieler)
    if (player && player->IsActive()) visit(*player);
}

}  // namespace

RaceRepair StartRaceRepair(const CKRTeam& team) {
  RaceRepair repair;
  repair.race = team.m_nRasse >= 0 && team.m_nRasse <= kEigeneRasse ? team.m_nRasse : -1;
  repair.ownRaceName = team.m_strRassenName;
  ForEachListedPlayer(team, [&](const CKRSpieler& player) { repair.positionCodes.push_back(player.m_nPositionCode); });
  return repair;
}

std::vector<RaceRepairRow> RaceRepairRows(const CKRTeam& team, const RaceRepair& repair) {
  std::vector<RaceRepairRow> rows;
  ForEachListedPlayer(team, [&](const CKRSpieler& player) {
    const size_t index = rows.size();
    const int32_t code = index < repair.positionCodes.size() ? repair.positionCodes[index] : player.m_nPositionCode;
    rows.push_back({Format("%ld", static_cast<long>(player.m_nNummer)), player.m_strName, player.m_strPosition,
                    PositionNameForCode(code)});
  });
  return rows;
}

bool AssignPositionType(RaceRepair& repair, const std::vector<size_t>& rows, int kaderRow) {
  if (kaderRow < 0 || static_cast<size_t>(kaderRow) >= g_Kader.size()) return false;
  // The row's own code: rows and codes differ where the table was reordered.
  const int32_t code = g_Kader[static_cast<size_t>(kaderRow)].m_nCode;
  for (size_t row : rows)
    if (row < repair.positionCodes.size()) repair.positionCodes[row] = code;
  repair.changed = true;
  return true;
}

ChangeOutcome ApplyRaceRepair(CKRTeam& team, const RaceRepair& repair) {
  if (!repair.changed) return ChangeOutcome::Nothing();
  size_t index = 0;
  for (const auto& player : team.m_Spieler) {
    if (!player || !player->IsActive()) continue;
    if (index < repair.positionCodes.size()) player->m_nPositionCode = repair.positionCodes[index];
    ++index;
  }
  if (repair.race >= 0 && repair.race <= kEigeneRasse) {
    team.m_nRasse = repair.race;
    team.m_strRassenName = repair.ownRaceName;
  }
  team.SetTeamModified();
  return ChangeOutcome::Applied();
}

}  // namespace krv
