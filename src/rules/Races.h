#pragma once
// The races of the game and their rosters: race names, the position table with limits,
// prices, characteristics and starting skills, re-roll prices and the staff each race hires.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace krv {

// Race numbers 0 to 14 are the game's races in the alphabetical order of their display
// names; 15 is the coach's own race.
constexpr int32_t kRaceCount = 16;

// Upper-case names for the team view and the team sheet. Entry 15 is empty: an own race
// shows the team's own race name there instead.
extern const std::array<const char*, kRaceCount> g_RassenNamen;

// Display names for captions and lists.
extern const std::array<const char*, kRaceCount> g_RassenAnzeige;

struct SKaderPosition {
  const char* m_pszName;  // also the stem of new players' names
  int32_t m_nMaxCount;    // players of this position a team may have
  int32_t m_nCost;        // gold pieces per player
  int32_t m_nBW;
  int32_t m_nST;
  int32_t m_nGE;
  int32_t m_nRW;
  const char* m_pszSkills;         // full skill names for lists; "Keine" when none
  int32_t m_nCode;                 // position code stored on players
  const char* m_pszAbbreviations;  // the skill text new players receive, as it stands
  int32_t m_nRace;
};

constexpr size_t kKaderRowCount = 55;

// The position table. A race's positions are a contiguous slice (GetRaceRoster); the
// Echsenmenschen slice lies at the very end, after the own-race rows 47 to 52.
extern const std::array<SKaderPosition, kKaderRowCount> g_Kader;

struct RaceRoster {
  int32_t m_nFirstRow;   // row of g_Kader
  int32_t m_nPositions;  // number of rows from m_nFirstRow on
};

// The race's slice of g_Kader; nothing for a race number outside 0 to 15.
std::optional<RaceRoster> GetRaceRoster(int32_t race);

// The first row of g_Kader whose position code is `code`, or null. Codes are not row
// numbers: rows 2/3 and 10/11 carry each other's code.
const SKaderPosition* FindPositionByCode(int32_t code);

// Price of one team re-roll. The own race pays 20000 more when its players may mutate.
// 0 for a race number outside 0 to 15.
int32_t GetRerollPrice(int32_t race, bool mutation);

// Name under which the race shows the wizard slot: "Zauberer", "Alchemist" or "Meisterkoch".
const char* WizardSlotName(int32_t race);

// False for the Untote, who may hire neither an apothecary nor a wizard at creation.
bool MayHireApothecaryAndWizard(int32_t race);

}  // namespace krv
