#pragma once
// The roster commands of the players page (and of the expense entry's choices "Spieler" and
// "Starspieler"): each asks what must be asked, runs its dialogs, hands their values to one
// core change and shows its outcome through the program services, as the season pages do.
// Each returns true when the team changed; the core has then run the modified routine, so
// pages and header show the change already.

#include "model/Team.h"

class QWidget;

namespace krv {

class ProgramServices;

// "&Neu": the player limit, the purchase dialog and what it leads to.
bool BuyPlayerCommand(QWidget* parent, CKRTeam& team, ProgramServices& services);
// "&Starplayer": the star choice for the team's race and the hire with the bank's check.
bool HireStarPlayerCommand(QWidget* parent, CKRTeam& team, ProgramServices& services);
// "&Bauen": the builder in purchase mode; the player it accepts is bought.
bool BuildStarPlayerCommand(QWidget* parent, CKRTeam& team, ProgramServices& services);
// The zombie button.
bool ReviveZombieCommand(QWidget* parent, CKRTeam& team, ProgramServices& services);
// "&Löschen": the remove dialog, or for former players the message or the final question.
// `removedEntirely` is set when the player record is gone.
bool RemovePlayerCommand(QWidget* parent, CKRTeam& team, CKRSpieler& player, ProgramServices& services,
                         bool* removedEntirely = nullptr);
// "&Ändern": the entry check, then the sheet "Spielerwerte ändern".
bool ChangePlayerCommand(QWidget* parent, CKRTeam& team, CKRSpieler& player, ProgramServices& services);

}  // namespace krv
