#pragma once
// The players list: every player the team ever had, one row each, with the texts the
// coach reads in its columns.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Spieler.h"
#include "model/Team.h"
#include "teamwindow/ListColumn.h"

namespace krv {

enum PlayerColumn : int {
  kPlayerNr,
  kPlayerName,
  kPlayerPosition,
  kPlayerBW,
  kPlayerST,
  kPlayerGE,
  kPlayerRW,
  kPlayerFertigkeiten,
  kPlayerVerletzung,
  kPlayerPaesse,
  kPlayerTDs,
  kPlayerABGs,
  kPlayerVSAs,
  kPlayerSDTs,
  kPlayerSSP,
  kPlayerWert,
  kPlayerID,  // hidden: identifies the player of a row whatever the row order
  kPlayerColumnCount
};

extern const std::array<ListColumn, kPlayerColumnCount> kPlayerColumns;

// Remembered column widths of the players list.
inline constexpr const char* kPlayerListName = "SpielerListe";

// The word the list shows instead of the injury text: "Verkauft", "Verstorben",
// "Cotrainer", for a player who left for another reason the reason itself; for an active
// player the injury text.
std::string PlayerInjuryText(const CKRSpieler& player);

// The text of one cell of the player's row.
std::string PlayerCellText(const CKRSpieler& player, int column);

// Row order sorted by "Nr." ascending; players with equal numbers keep their list order.
// `numbers[i]` is the number of the player in row i of list order.
std::vector<size_t> OrderByNumber(const std::vector<int32_t>& numbers);

// The zombie button belongs to undead teams only.
bool ZombieButtonVisible(int32_t race);

}  // namespace krv
