#pragma once
// What the menu "&Bearbeiten" calls the steps it takes back and does again: the command
// that made the step, with the record it acted on ("Spiel gegen Orkland eintragen").

#include <cstddef>
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

// A list page's command. `record`: the record of `list` it acted on, or null.
std::string PageStepName(TeamList list, PageCommand command, const void* record);
// A command that adds records ("&Neu", the zombie button), named once it has run: after the
// player it added, when the players' list grew beyond `playersBefore` (bought on the players
// page or as an expense, hired, built, revived), else after the newest record of `list`.
std::string NewRecordStepName(const CKRTeam& team, TeamList list, PageCommand command, size_t playersBefore);
// "Spieler Grimm kaufen", "Starplayer Morg einstellen", "Starplayer Bolg bauen",
// "Zombie Hektor wiederbeleben".
std::string NewPlayerStepName(const CKRSpieler& player);

// "&Rückgängig: Teamname ändern", or "&Rückgängig" when there is no step; the same for
// "&Wiederholen".
std::string UndoMenuText(const std::string& step);
std::string RedoMenuText(const std::string& step);

}  // namespace krv
