#pragma once
// The information list of the race selection: re-roll, staff and position rows of a race
// with their limits, prices, characteristics and skills.

#include <cstdint>
#include <string>
#include <vector>

namespace krv {

// One row of the list, one text per column.
struct RaceInformationRow {
  std::string m_strBezeichnung;
  std::string m_strAnzahl;  // "Anz."
  std::string m_strKosten;
  std::string m_strPosition;
  std::string m_strBW;
  std::string m_strST;
  std::string m_strGE;
  std::string m_strRW;
  std::string m_strFertigkeiten;

  bool operator==(const RaceInformationRow&) const = default;
};

// The row of the roster position carrying `code`, or a row reading "????" with every
// other column empty when no position carries it.
RaceInformationRow PositionInformationRow(int32_t code);

// The rows in the order the list receives them: re-roll, apothecary and wizard slot
// (not for the Untote), then the positions (races 0 to 14) or the six fixed own-race
// rows (race 15). Empty for a race number outside 0 to 15.
std::vector<RaceInformationRow> RaceInformationRowsAdded(int32_t race);

// The rows from top to bottom as the list shows them: every row is put at the top, so
// this is the reverse of RaceInformationRowsAdded.
std::vector<RaceInformationRow> RaceInformationRows(int32_t race);

}  // namespace krv
