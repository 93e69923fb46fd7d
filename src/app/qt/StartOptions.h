#pragma once
// Command-line options that answer on the terminal instead of opening a window.

#include <optional>

namespace krv {

class KrashballApp;
class ProgramServices;

// "--version" and "--help", answered before any window system is needed; the exit status, or
// nothing when the program is to start normally.
std::optional<int> AnswerInfoOption(int argc, char** argv);

// "--selbsttest": prints where the program looks for its help, sounds and data and whether
// every shipped file and the sound player module are there; 0 when complete, 1 otherwise.
int RunSelfCheck(KrashballApp& app);

// "--neues-team": the team creation alone, without the main window; the new team is saved
// where the coach says. 0 when it was saved, 1 when the coach cancelled or saving failed
// (the reason was shown).
int RunNewTeamOnly(ProgramServices& services);

}  // namespace krv
