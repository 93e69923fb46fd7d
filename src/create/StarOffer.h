#pragma once
// The ready-made star players the star player selection offers: which catalogue rows a race
// may hire and afford, how a chosen list entry is found again and how the chosen row becomes
// a player record. At team creation there is no team and the starting capital is the gold;
// when buying later the team's treasury and its star and big-guy counts decide.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Spieler.h"
#include "rules/StarPlayers.h"

namespace krv {

class CKRTeam;

// Shown in the bank box when the selection has nothing to offer; the selection then closes
// as cancelled.
extern const char* const kNoStarOfferMessage;

// What the selection is opened with.
struct StarOfferRequest {
  int32_t m_nRace = 0;
  const CKRTeam* m_pTeam = nullptr;  // null at team creation
  bool m_bUseTeamGold = false;       // buying later: the team's treasury is the gold
  bool m_bCard = false;              // "Spieler zum halben Preis": half price for the offer
  int32_t m_nStartingCapital = 0;    // the gold when there is no team or no team gold
};

// One offered row.
struct StarOfferRow {
  const SStarplayer* m_pStar = nullptr;  // the catalogue row
  int32_t m_nPrice = 0;                  // what was compared with the gold: cost, or cost / 2 with the card

  // The list's columns "Name", "Wert" (the full cost with "." grouping, never the half
  // price), "BW", "ST", "GE", "RW", "Fertigkeiten".
  std::array<std::string, 7> Columns() const;
};

// The gold the offer is measured against: the starting capital, or the team's treasury when
// a team is given and its gold is to be used.
int32_t StarOfferGold(const StarOfferRequest& request);

// Whether a team of the race may still take on one more player of the row: a big guy while
// the team's active big guys are below the race's allowance, any other star player while it
// has fewer than four active star players. Without a team there is no limit.
bool TeamMayHireStar(const CKRTeam* team, int32_t race, const SStarplayer& star);

// The rows offered, in catalogue order: the race may hire the row, its price (half the cost
// with the card, rounded down) is below the gold, and with a team the star and big-guy limits
// hold. Empty when nothing is offered (show kNoStarOfferMessage).
std::vector<StarOfferRow> StarOffers(const StarOfferRequest& request);

// The catalogue row of a list entry: the first row whose name occurs in the entry's text.
const SStarplayer* FindStarOfferRow(std::string_view entryText);

// The player record of a catalogue row: name, BW, ST, GE, RW, the full cost as value, the
// skills turned into an abbreviation text (a leading "<item>" kept) and the star code as
// position code. The position text stays empty; the caller sets it.
CKRSpieler StarplayerRecord(const SStarplayer& star);

// Taking a list entry: the record of the row found in the entry's text, if any.
std::optional<CKRSpieler> TakeStarOffer(std::string_view entryText);

// --- Team creation (no team, no card) -------------------------------------------------

// The catalogue row named exactly `name` (case-sensitive, whole text), or null.
const SStarplayer* FindStarplayerByName(std::string_view name);

// Whether the selection at team creation offers the row to the race: the race may hire him
// and his cost is below the starting capital. No count limits apply at creation.
bool IsStarOfferedAtCreation(int32_t race, const SStarplayer& star, int32_t startingCapital);

// The record a creation star slot receives when the named star player is chosen, or nothing
// when the name is not in the catalogue or the star is not offered to the race.
std::optional<CKRSpieler> StarRecordForCreation(int32_t race, std::string_view name, int32_t startingCapital);

}  // namespace krv
