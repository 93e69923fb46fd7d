#pragma once
// Special events and the team logo of page "Sonstiges": recording an event (a re-roll
// deduction only while re-rolls remain), changing its text, deleting it (the deduction count
// never below 0), and choosing or removing the logo.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Team.h"
#include "model/ChangeOutcome.h"

namespace krv {

// Longest event text the dialog takes.
constexpr size_t kMaxEventText = 150;
// The text a deduction starts with; the opponent's name follows.
inline constexpr const char* kDeductionPrefix = "Abzug einer Trainingsmarke im Spiel gegen ";
// Refusal of a deduction beyond the re-rolls bought.
inline constexpr const char* kNoRerollsLeft = "Sie haben keine Trainingsmarken mehr!!!";

// "Abzug einer Trainingsmarke im Spiel gegen %s"
std::string DeductionText(const std::string& opponent);

// Appends the event. A deduction (kind 0) counts against the re-rolls bought at both prices
// and is refused when none is left.
ChangeOutcome AddEvent(CKRTeam& team, const std::string& text, int32_t kind);
// New text for the row's event; its kind stays what it was.
ChangeOutcome ChangeEvent(CKRTeam& team, size_t row, const std::string& text);
// "%s\nDiesen Eintrag wirklich löschen?"
std::string DeleteEventQuestion(const CKRTeam& team, size_t row);
// Deletes the row's event after the coach agreed; a deduction gives its re-roll back (the
// count never falls below 0).
ChangeOutcome DeleteEvent(CKRTeam& team, size_t row);

// "Soll das Team-Logo entfernt werden?"
inline constexpr const char* kRemoveLogoQuestion = "Soll das Team-Logo entfernt werden?";
// The logo file the coach chose; choosing the same path again changes nothing.
ChangeOutcome SetLogo(CKRTeam& team, const std::string& path);
ChangeOutcome RemoveLogo(CKRTeam& team);

}  // namespace krv
