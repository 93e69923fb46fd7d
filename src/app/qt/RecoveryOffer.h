#pragma once
// On start: the teams a program left unsaved when it ended without closing its windows
// (a kill, a crash, a power cut) are offered back, one question per team.

namespace krv {

class MainWindow;

// Asks for every recovery file whose program is gone: "Ja" opens the team unsaved in a window
// of its own, "Nein" deletes the file. An unreadable file is named in a message and kept
// aside. Returns the number of team windows opened.
int OfferRecoveredTeams(MainWindow& frame);

}  // namespace krv
