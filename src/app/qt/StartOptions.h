#pragma once
// Command-line options that answer on the terminal instead of opening a window.

#include <optional>

namespace krv {

class CKrashballApp;

// "--version" and "--help", answered before any window system is needed; the exit status, or
// nothing when the program is to start normally.
std::optional<int> AnswerInfoOption(int argc, char** argv);

// "--selbsttest": prints where the program looks for its help, sounds and data and whether
// every shipped file is there; 0 when complete, 1 otherwise.
int RunSelfCheck(const CKrashballApp& app);

}  // namespace krv
