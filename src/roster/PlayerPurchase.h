#pragma once
// Buying players between matches: what the purchase dialog "Spielerkaufen" offers, when its
// "&Starplayer" button may be used, the purchase of a roster or own-race position and the hire
// of a ready-made star player. The dialogs and `krv kaufen` call these; none of them asks.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "create/PlayerBuilder.h"
#include "model/Spieler.h"
#include "model/Team.h"

namespace krv {

// Shown in the rules box when the roster is full; also the zombie revival's player limit.
extern const char* const kRosterFullMessage;
// Shown in the bank box when a chosen star player costs more than the treasury.
extern const char* const kStarTooExpensiveMessage;

// The treasury the purchase dialog reads once when it opens and measures every offer against.
int32_t PurchaseTreasury(const CKRTeam& team);

// Active players of the team (every position code).
int32_t CountActivePlayers(const CKRTeam& team);

// Step one of buying, and the first check of every purchase: refused with the rules message
// when the active players already reach the maximum number of players of the settings.
ChangeOutcome RosterFullRefusal(const CKRTeam& team, int32_t maxSpieler);

// One row of the purchase list.
struct PurchaseOffer {
  int32_t m_nRemaining = 0;  // "Anz.": how many more of this position the team may have
  int32_t m_nCost = 0;       // "Kosten": the full cost, also with the card
  std::string m_strPosition;
  int32_t m_nBW = 0, m_nST = 0, m_nGE = 0, m_nRW = 0;
  std::string m_strSkills;  // "Fertigkeiten" as the list shows them
  int32_t m_nCode = 0;      // the position code a bought player receives
};

// The rows of the purchase list, in the race's order: a standard position while players of it
// remain and its price (half the cost with the card) is not above the treasury; an own
// position (cost not 0) while players of it remain and its price is strictly below the
// treasury. Empty for a team without a race.
std::vector<PurchaseOffer> PurchaseOffers(const CKRTeam& team, int32_t treasury, bool card);

// The offered row of that position name, or null.
const PurchaseOffer* FindPurchaseOffer(const std::vector<PurchaseOffer>& offers, const std::string& position);

// "&Starplayer" is disabled when the team has four or more active star players and its race's
// number of big guys, when its active players reach the maximum, or when the treasury is 0.
bool StarButtonEnabled(const CKRTeam& team, int32_t treasury, int32_t maxSpieler);
// The big guys a race may have for that rule: 2 Goblins and Halblinge, 0 Oger and own race, else 1.
int32_t StarButtonBigGuyAllowance(int32_t race);

// What "&Kaufen" hands over.
struct PlayerPurchase {
  std::string m_strPosition;          // the chosen row's position name
  std::optional<std::string> m_Name;  // the name dialog's text; nothing when it was cancelled
  bool m_bCard = false;               // "Mit Karte: 'Spieler zum halben Preis'"
};

// Buys the position: the expense (kind 19) with its text and the price, the new player
// (`created`) with the lowest free number, the next identity and the position's values, then
// the modified routine. Refused when the roster is full or the team's race has no position
// of that name.
ChangeOutcome BuyPlayer(CKRTeam& team, const PlayerPurchase& purchase, int32_t maxSpieler);

// Hires the chosen star player (a record as the star choice returns it): refused when the
// roster is full, and with kStarTooExpensiveMessage when his cost is above the treasury;
// else the expense (his name, his cost, kind 18), the player (`created`) with position text
// "Starplayer" ("Brocken" from code 300 on), the lowest free number and the next identity,
// and the modified routine.
ChangeOutcome HireStarPlayer(CKRTeam& team, const CKRSpieler& star, int32_t maxSpieler);

// Buys the player the builder "Starplayer bauen" accepted (PlayerBuilderKaufen): refused
// when the roster is full or the price is above the treasury; else the expense "Einstellung
// von Starplayer %s" (kind 18) at the price (half the value with the card), the player
// (`created`) with position text "Starplayer", code 222, the lowest free number and the next
// identity, and the modified routine.
ChangeOutcome BuyBuiltPlayer(CKRTeam& team, const PlayerBuilder& builder, int32_t maxSpieler);

}  // namespace krv
