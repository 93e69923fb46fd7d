#pragma once
// The krv commands that keep a team's roster, each doing what its dialog does.

#include <string>
#include <vector>

namespace krv {

// Each takes the arguments after the command's name and returns the exit status.
int RunKaufenCommand(const std::vector<std::string>& args);     // krv kaufen
int RunZombieCommand(const std::vector<std::string>& args);     // krv zombie
int RunSpielerCommand(const std::vector<std::string>& args);    // krv spieler
int RunEntfernenCommand(const std::vector<std::string>& args);  // krv entfernen

}  // namespace krv
