#pragma once
// Repairing a team's race and its players' position codes ("Volk ändern"): teams saved
// before a race was added may show the wrong race or position names.

#include <cstdint>
#include <string>
#include <vector>

#include "model/ChangeOutcome.h"

namespace krv {

class CKRTeam;

// The race choice in race-number order: the fifteen races, then "Eigene Rasse" (15).
std::vector<std::string> RaceChoices();

// The "Spielertyp zuweisen:" entries: one per roster row, in table order, as
// "[<race>]   <position>".
std::vector<std::string> PositionTypeChoices();

// What the dialog edits: the race, the own race name and the position code of each listed
// player. The team itself changes only when the dialog closes.
struct RaceRepair {
  int32_t race = -1;  // 0 to 15, or -1 when none is chosen
  std::string ownRaceName;
  std::vector<int32_t> positionCodes;  // one per row of RaceRepairRows, in list order
  bool changed = false;
};
RaceRepair StartRaceRepair(const CKRTeam& team);

// One row of the player list: the team's active players in list order, with the position
// found by the code the repair gives them.
struct RaceRepairRow {
  std::string nummer;          // "Nr."
  std::string name;            // "Name"
  std::string position;        // "Position", the player's own text
  std::string positionByCode;  // "Position nach ID", found by the position code
};
std::vector<RaceRepairRow> RaceRepairRows(const CKRTeam& team, const RaceRepair& repair);

// Gives the players of the list rows `rows` the position code of the roster row `kaderRow`
// (an index of PositionTypeChoices) and marks the repair changed. Returns false and changes
// nothing for a row outside the table.
bool AssignPositionType(RaceRepair& repair, const std::vector<size_t>& rows, int kaderRow);

// Takes a changed repair over when the dialog closes: the position codes, the race and own
// race name when a race is chosen, then SetTeamModified once. An unchanged repair changes
// nothing.
ChangeOutcome ApplyRaceRepair(CKRTeam& team, const RaceRepair& repair);

}  // namespace krv
