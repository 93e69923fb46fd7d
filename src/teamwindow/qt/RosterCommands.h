#pragma once
// The roster commands of the players page (and of the expense entry's choices "Spieler" and
// "Starspieler"): each asks what must be asked, runs its dialogs, hands the result to the
// core and shows the outcome. Each returns true when the team changed; the core has then run
// the modified routine, so pages and header show the change already.

#include <QString>
#include <functional>

#include "model/Team.h"

class QWidget;

namespace krv {

class ProgramServices;

// What the roster commands take from the program's settings and services.
struct RosterServices {
  int32_t m_nMaxSpieler = 16;         // "Maximale Anzahl der Spieler"
  int32_t m_nStartkapital = 1000000;  // the builder's gold without a team
  bool m_bLebenslaufAuto = true;      // "Spielerveränderungen in den Lebenslauf eintragen"
  bool m_bSpielerBehalten = true;     // "Gelöschte Spieler in der Liste behalten"
  std::function<bool(QWidget* parent, const QString& question)> m_Frage;  // asks unless switched off
  std::function<void(const QString& relativePath)> m_PlaySound;
};

// The roster commands' part of the program services.
RosterServices ApplicationRosterServices(ProgramServices& program);

// "&Neu": the player limit, the purchase dialog and what it leads to.
bool BuyPlayerCommand(QWidget* parent, CKRTeam& team, const RosterServices& services);
// "&Starplayer": the star choice for the team's race and the hire with the bank's check.
bool HireStarPlayerCommand(QWidget* parent, CKRTeam& team, const RosterServices& services);
// "&Bauen": the builder in purchase mode, which buys the player itself.
bool BuildStarPlayerCommand(QWidget* parent, CKRTeam& team, const RosterServices& services);
// The zombie button.
bool ReviveZombieCommand(QWidget* parent, CKRTeam& team, const RosterServices& services);
// "&Löschen": the remove dialog, or for former players the message or the final question.
// `removedEntirely` is set when the player record is gone.
bool RemovePlayerCommand(QWidget* parent, CKRTeam& team, CKRSpieler& player, const RosterServices& services,
                         bool* removedEntirely = nullptr);
// "&Ändern": the entry check, then the sheet "Spielerwerte ändern".
bool ChangePlayerCommand(QWidget* parent, CKRTeam& team, CKRSpieler& player, const RosterServices& services);

}  // namespace krv
