#pragma once
// The ready-made star players of the game, among them the big guys ("Brocken"), and which
// races may hire them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace krv {

struct SStarplayer {
  const char* m_pszName;  // also how a chosen list entry is found again
  int32_t m_nCost;        // becomes the player's value
  int32_t m_nBW;
  int32_t m_nST;
  int32_t m_nGE;
  int32_t m_nRW;
  const char* m_pszSkills;  // full names; may begin with a special item such as "<Morgenstern>"
  int32_t m_nCode;          // position code of a player hired from this row
  uint32_t m_nRaces;        // StarplayerRaceMask bits of the races that may hire him
};

constexpr size_t kStarplayerCount = 29;

// At most this many star players (not big guys) in one team.
constexpr int32_t kMaxStarplayersPerTeam = 4;

extern const std::array<SStarplayer, kStarplayerCount> g_Starplayer;

// The race's bit in SStarplayer::m_nRaces; 0 for a race number outside 0 to 15.
uint32_t StarplayerRaceMask(int32_t race);

// Codes 300 and above are big guys, wherever they come from.
bool IsBigGuyCode(int32_t code);

// How many active big guys a team of the race may have before the star player selection
// stops offering them: 2 for Goblins and Halblinge, none for Oger, 1 for every other race.
int32_t BigGuyAllowance(int32_t race);

// The rows the race may hire, in catalogue order.
std::vector<const SStarplayer*> StarplayersForRace(int32_t race);

// The first row whose name occurs anywhere in `text` (a list entry), or null.
const SStarplayer* FindStarplayerInText(std::string_view text);

// The first row carrying the star code, or null.
const SStarplayer* FindStarplayerByCode(int32_t code);

}  // namespace krv
