#pragma once
// The team's staff as the staff page keeps it: the words and labels each race uses for its
// wizard, the questions and event texts of dismissals, and the hiring, renaming and
// dismissing of apothecary, wizard, assistant coaches and cheerleaders.
//
// The operations change the team and run its modified routine; the sound to play comes
// back in the ChangeOutcome. Asking the coach first is the caller's business.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Team.h"

namespace krv {

// What the staff dialog enters or changes.
enum PersonalArt : int32_t {
  kPersonalCoTrainer = 0,
  kPersonalCheerleader = 1,
  kPersonalSani = 2,
  kPersonalZauberer = 3,
  kPersonalZombie = 4,
  kPersonalSpieler = 5,
};

// Longest staff name the staff dialog takes.
constexpr int kMaxPersonalName = 100;

// What the apothecary and wizard fields show for a race that may have neither.
inline constexpr const char* kNichtMoeglich = "nicht möglich";

// "Alchemist" (races 1 and 14), "Meisterkoch" (race 6) or "Zauberer".
std::string WizardStaffWord(int32_t race);
// The page label of the wizard field: "Alchemist:", "Meisterkoch:" or "&Zauberer:".
std::string WizardLabel(int32_t race);
// False for the Untote (race 12): no apothecary, no wizard.
bool RaceMayHaveApothecaryAndWizard(int32_t race);

// "Soll %s\nwirklich entlassen werden?" (apothecary and wizard).
std::string DismissQuestion(const std::string& name);
// "Wollen Sie\n%s\nwirklich entlassen?" (assistant coaches and cheerleaders).
std::string DismissFromListQuestion(const std::string& name);
// "Der Sanitäter %s verlässt das Team!"
std::string ApothecaryLeavesText(const std::string& name);
// "Der %s %s verlässt das Team!" with the race's staff word.
std::string WizardLeavesText(int32_t race, const std::string& name);
// "CotrainerIn %s verläßt das Team." / "CheerleaderIn %s verläßt das Team."
std::string CoTrainerLeavesText(const std::string& name);
std::string CheerleaderLeavesText(const std::string& name);
// "Eine(n) CotrainerIn mit diesem\nNamen gibt es schon!" or the cheerleaders' version.
std::string DuplicateStaffNameMessage(PersonalArt art);
// "Anzahl: %ld"
std::string StaffCountText(size_t count);

// The caption of the staff dialog: "Neue(n) CoTrainerIn" ... "Neuen Spieler" for a new
// entry, "CotrainerIn ändern" or "CheerleaderIn ändern" for a change.
std::string PersonalDlgCaption(PersonalArt art, bool newEntry);
// " Zeige Lebenslauf", with " *" while there is a career text.
std::string CareerCheckText(const std::string& career);
// Staff names compare without regard to case where the program says so (ASCII letters).
bool SameStaffName(const std::string& a, const std::string& b);

// The names of a staff list in the order the page shows them: alphabetical without regard
// to case, equal names in list order.
std::vector<std::string> SortedStaffNames(const RecordList<CKRCoTrainer>& list);
std::vector<std::string> SortedStaffNames(const RecordList<CKRCheerleader>& list);

// Dismissals. Each records the leaving event (kind 1) and runs the modified routine; the
// outcome carries the leaving sound. Apothecary and wizard: the flag goes to 0 and the name
// is emptied; their expense entries stay. Nothing is applied when there is nobody to go.
ChangeOutcome DismissApothecary(CKRTeam& team);
ChangeOutcome DismissWizard(CKRTeam& team);
// Removes the one assistant coach or cheerleader the list shows under that exact name
// (the first of that name).
ChangeOutcome DismissCoTrainer(CKRTeam& team, const std::string& name);
ChangeOutcome DismissCheerleader(CKRTeam& team, const std::string& name);

// The three names typed on the staff page.
struct StaffNames {
  std::string trainer;
  std::string sani;
  std::string zauberer;
};
// Takes the typed names over. The apothecary's and wizard's names only while the team has
// one (a race without them shows "nicht möglich" there, which is no name). Runs the
// modified routine when a name changed.
ChangeOutcome ChangeStaffNames(CKRTeam& team, const StaffNames& names);

// Keeps the name the staff dialog gave a newly hired apothecary or wizard for the expense
// entry that books the hire (`m_strEingabeName`).
void RememberEnteredName(CKRTeam& team, const std::string& name);

// Changing an assistant coach's or cheerleader's name and career text.
enum class StaffChange {
  kAccepted,   // written into the record; the modified routine has run
  kDuplicate,  // another one already has the new name; nothing changed
  kNotFound,   // nobody of the old name; nothing changed
};
StaffChange ChangeCoTrainer(CKRTeam& team, const std::string& oldName, const std::string& newName,
                            const std::string& career);
StaffChange ChangeCheerleader(CKRTeam& team, const std::string& oldName, const std::string& newName,
                              const std::string& career);

// Hiring by name (for the expense entry): appends the new assistant coach or cheerleader
// with an empty career text and leaves the name in m_strEingabeName. False, changing
// nothing, when one of that exact name exists. The caller books the expense and runs the
// modified routine.
bool HireCoTrainer(CKRTeam& team, const std::string& name);
bool HireCheerleader(CKRTeam& team, const std::string& name);

}  // namespace krv
