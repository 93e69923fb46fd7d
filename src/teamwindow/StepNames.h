#pragma once
// What the menu "&Bearbeiten" calls the steps it takes back and does again: the command
// that made the step, with the record it acted on ("Spiel gegen Orkland eintragen").

#include <string>

#include "model/Team.h"
#include "model/TeamChange.h"
#include "teamwindow/PageCommands.h"

namespace krv {

// A step no command named.
extern const char* const kUnnamedStep;

// A field typed in: "Teamname" -> "Teamname ändern".
std::string FieldStepName(const std::string& field);
// A person of the staff page: "Sanitäter Doc entlassen", "Cotrainer Gorbag ändern".
std::string StaffStepName(const std::string& role, const std::string& name, const std::string& verb);
// "Volk ändern" on the header's button.
extern const char* const kRaceStep;

// A list page's command. `record`: the record of `list` it acted on (for "Neu" the list's
// last record once the command has run), or null.
std::string PageStepName(TeamList list, PageCommand command, const void* record);
// The last record of the list, or null.
const void* LastRecord(const CKRTeam& team, TeamList list);

// "&Rückgängig: Teamname ändern", or "&Rückgängig" when there is no step; the same for
// "&Wiederholen".
std::string UndoMenuText(const std::string& step);
std::string RedoMenuText(const std::string& step);

}  // namespace krv
