#pragma once
// The creation dialog's arithmetic: what the coach has bought for a new team, what it
// costs, what is left of the starting capital, the cost summary and the checks that
// decide whether the team may be created. The dialog shows these fields and calls these
// functions; the team document reads the fields afterwards to build the team.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Spieler.h"

namespace krv {

class CKRTeam;

constexpr int kCreationRows = 6;  // position rows of the dialog
constexpr int kStarSlots = 4;     // star player slots of the dialog
constexpr int32_t kDefaultStartkapital = 1000000;
constexpr int32_t kMinPlayersAtCreation = 11;
constexpr int32_t kMaxPlayersAtCreation = 16;
constexpr size_t kMaxTeamNameLength = 80;  // characters as stored in the team file

// The fields of the creation dialog. Row k of the dialog (1 to 6) is index k − 1 of the
// arrays.
struct TeamBudget {
  int32_t m_Rasse = -1;
  // The new team; an own race (15) takes its position templates and its mutation flag
  // from it. Not owned.
  const CKRTeam* m_TheTeam = nullptr;
  // The starting capital setting the budget starts from.
  int32_t m_Startkapital = kDefaultStartkapital;

  std::string m_TeamName;
  int32_t m_Restgold = kDefaultStartkapital;
  int32_t m_FanFaktor = 1;
  int32_t m_CoTrainer = 0;
  int32_t m_Cheerleader = 0;
  int32_t m_Trainingsmarken = 0;
  bool m_Zauberer = false;
  bool m_Sani = false;
  std::array<int32_t, kCreationRows> m_Anzahl{};
  std::array<int32_t, kCreationRows> m_Max{};
  int32_t m_ErsteZeile = 0;
  int32_t m_Spielerzahl = 0;
  int32_t m_MarkenPreis = 0;
  // A filled slot holds the player record the team document copies into the team:
  // name, BW, ST, GE, RW, value, abbreviation text and position code.
  std::array<std::optional<CKRSpieler>, kStarSlots> m_Starplayer;
  std::array<std::string, kStarSlots> m_Starname;
};

// Shown when the dialog is opened for a race number outside 0 to 15.
extern const char* const kInvalidRaceMessage;  // "ups????? Ungültige Rasse"

// Opening the dialog: with m_Rasse, m_TheTeam and m_Startkapital set, fills m_ErsteZeile
// and m_Max from the race's roster and recomputes. Returns false (and the dialog shows
// kInvalidRaceMessage) when the race number is outside 0 to 15; the budget then has no
// position rows.
bool OpenTeamBudget(TeamBudget& budget);

// "Neues Team erstellen (%s)" with the race's display name ("????" for an unknown race).
std::string CreationCaption(int32_t race);

// Text of the wizard check box: "Alchemist:" for races 1 and 14, "Meisterkoch:" for
// race 6, else "&Zauberer: ".
const char* WizardCheckBoxLabel(int32_t race);

// The apothecary and wizard check boxes are enabled unless the race is the Untote.
bool ApothecaryAndWizardEnabled(int32_t race);

// Whether position row k (1 to 6) can be filled: a row of the race's roster, and for the
// own race a defined position template.
bool PositionRowEnabled(const TeamBudget& budget, int row);

// The label of position row k: the roster row's name, or "" for a row the race has not.
std::string PositionRowLabel(const TeamBudget& budget, int row);

// Price of one player of position row k: the roster row's cost for races 0 to 14 (rows 1
// to 5), the own-race template's cost for race 15; 0 for a row that cannot be filled.
int32_t PositionCost(const TeamBudget& budget, int row);

// The number of filled star player slots.
int32_t FilledStarSlots(const TeamBudget& budget);

// Puts a player record into star slot `slot` (0 to 3), or empties it with nullopt; the
// slot's shown name follows.
void SetStarSlot(TeamBudget& budget, int slot, std::optional<CKRSpieler> player);

// The recomputation after every change: clamps the numbers to what the controls allow,
// then sets m_MarkenPreis, m_Spielerzahl and m_Restgold (which may be negative).
void RecomputeTeamBudget(TeamBudget& budget);

// The cost summary, one text per line of the dialog's list box.
std::vector<std::string> BudgetSummaryLines(const TeamBudget& budget);

// Values the number fields refuse (the fan factor below 1 is the one the recomputation
// leaves standing; the name is longer than the field takes): the German message, or
// nothing when every field is in range.
std::optional<std::string> BudgetRangeProblem(const TeamBudget& budget);

// The checks of "&Erstellen" on the recomputed budget, in the dialog's order: first the
// field ranges, then fewer than 11 players, more than 16, gold left over, no name. The
// message of the first that fails, or nothing when the team may be created.
std::optional<std::string> CheckTeamCreation(const TeamBudget& budget);

}  // namespace krv
