#pragma once
// The purchase dialog "Ausgabe": what a team may buy now (staff, re-rolls, players, a loss),
// how each choice is labelled for the team's race, and the booking of the choice with its
// expense entry and side effects.

#include <array>
#include <cstdint>
#include <string>

#include "model/Team.h"
#include "model/ChangeOutcome.h"

namespace krv {

// The choices of the dialog, in the order of its radio buttons.
enum ExpenseChoice : int {
  kWahlCotrainer = 0,
  kWahlCheerleader = 1,
  kWahlMarke = 2,
  kWahlMarkeDoppelt = 3,
  kWahlZauberer = 4,
  kWahlSani = 5,
  kWahlStarspieler = 6,
  kWahlSpieler = 7,
  kWahlVerlust = 8,
};
inline constexpr int kExpenseChoiceCount = 9;

// One choice as the dialog offers it.
struct ExpenseOption {
  std::string text;     // radio button text, e.g. "(60k) Trainingsmarke (normaler Preis)"
  bool enabled = true;  // selectable with the team's treasury and staff
  std::string reason;   // why not, in German, when disabled
};

// The note shown when choice 2 is selected.
extern const char* const kNormalRerollNote;
// "&Übernehmen" without a choice.
extern const char* const kNoChoiceMessage;

// The treasury as the dialog reads it.
int64_t ExpenseTreasury(const CKRTeam& team);

// All nine choices with their texts and enabling: race 12 may buy neither wizard nor
// apothecary, a team that has one may not buy another, an empty treasury leaves only
// "Verlust", and each fixed price needs at least that much in the treasury.
std::array<ExpenseOption, kExpenseChoiceCount> ExpenseOptions(const CKRTeam& team);

// The expense kind a wizard of the race is booked under: 16 master chef, 15 alchemist, 14.
int32_t WizardExpenseKind(int32_t race);

// What the dialog (and the staff name dialog before it) hands over.
struct ExpenseBooking {
  int choice = -1;
  std::string name;   // choices 0, 1, 4, 5: the staff member's name
  std::string text;   // choice 8: the loss as typed
  int32_t value = 0;  // choice 8: its amount
};

// The choice the dialog preselects next time (kept in the team, not saved).
void RememberExpenseChoice(CKRTeam& team, int choice);

// Books the choice: assistant coaches and cheerleaders are hired (refused when one of that
// exact name exists), re-rolls counted, wizard or apothecary taken on with their names and
// flags, a loss recorded as an event "%s %ld" too; then the expense entry, the modified
// routine and the sound "Sounds/NeueAusgabe.wav". A disabled choice is refused with its
// reason. Player purchases (6, 7) are booked by the player purchase and refused here.
ChangeOutcome BookExpense(CKRTeam& team, const ExpenseBooking& booking);

}  // namespace krv
