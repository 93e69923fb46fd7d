#pragma once
// Repairing a team's race and its players' position codes ("Volk ändern"): teams saved
// before a race was added may show the wrong race or position names.

#include <cstdint>
#include <string>
#include <vector>

namespace krv {

class CKRTeam;
struct CKRSpieler;

// The race choice in race-number order: the fifteen races, then "Eigene Rasse" (15).
std::vector<std::string> RaceChoices();

// The "Spielertyp zuweisen:" entries: one per roster row, in table order, as
// "[<race>]   <position>".
std::vector<std::string> PositionTypeChoices();

// One row of the player list: the team's active players in list order.
struct RaceRepairRow {
  CKRSpieler* player = nullptr;
  std::string nummer;          // "Nr."
  std::string name;            // "Name"
  std::string position;        // "Position", the player's own text
  std::string positionByCode;  // "Position nach ID", found by the position code
};
std::vector<RaceRepairRow> RaceRepairRows(CKRTeam& team);

// Gives each player the position code of the roster row `kaderRow` (an index of
// PositionTypeChoices). Returns false and changes nothing for a row outside the table.
bool AssignPositionType(const std::vector<CKRSpieler*>& players, int kaderRow);

// What closing a changed dialog does with the chosen race and own race name: sets both and
// runs SetTeamModified. A race outside 0 to 15 changes nothing and returns false.
bool ApplyRaceChoice(CKRTeam& team, int32_t race, const std::string& ownRaceName);

}  // namespace krv
