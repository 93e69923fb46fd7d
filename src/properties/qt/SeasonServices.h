#pragma once
// The program services the season pages and their dialogs use: the system team list, the
// choice between the program's own file requester and the system's, the data folder, and
// showing what a change to the team did.

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace krv {

class KrashballDoc;
struct SeasonOutcome;

// The system team list in its stored order (empty without a running program).
std::vector<std::string> SystemTeamList();
// Appends a name at its end and marks KRV.DAT changed, so it is written at exit.
void AppendToSystemTeamList(const std::string& name);
// The setting "Eigenen Datei-Dialog nutzen".
bool UseOwnFileRequester();
// The data folder ("Daten").
QString DataFolderPath();

// Shows what a change did: a refusal (an error box, or only the warning beep when it has no
// text), its notices, its sound, and the staff and events pages when those lists changed.
// Returns whether the team changed.
bool ShowOutcome(QWidget* parent, KrashballDoc* doc, const SeasonOutcome& outcome);

}  // namespace krv
