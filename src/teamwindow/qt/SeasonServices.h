#pragma once
// The program services the season pages and their dialogs use: the system team list, the
// choice between the program's own file requester and the system's, the data folder, and
// showing what a change to the team did.

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace krv {

class TeamDocument;
struct ChangeOutcome;

// The system team list in its stored order.
std::vector<std::string> SystemTeamList(const TeamDocument* doc);
// Appends a name at its end and marks KRV.DAT changed, so it is written at exit.
void AppendToSystemTeamList(TeamDocument* doc, const std::string& name);
// The setting "Eigenen Datei-Dialog nutzen".
bool UseOwnFileRequester(const TeamDocument* doc);
// The data folder ("Daten").
QString DataFolderPath(const TeamDocument* doc);

// Shows what a change did: a refusal (an error box, or only the warning beep when it has no
// text), its notices and its sound; the pages follow through the team's recalculation.
// Returns whether the team changed.
bool ShowOutcome(QWidget* parent, TeamDocument* doc, const ChangeOutcome& outcome);

}  // namespace krv
