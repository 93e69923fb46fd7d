#pragma once
// F1 anywhere in the program opens the help at the topic of the window it was pressed in:
// a window carries its topic in the property "helpTopic" ("#TEAM_GAME", ...).

class QObject;

namespace krv {

class ProgramServices;

// Installs the F1 handling on the whole application.
void InstallHelpKey(ProgramServices* app);

}  // namespace krv
