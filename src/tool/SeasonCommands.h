#pragma once
// The krv commands that keep a team's season record, each doing what its dialog or page
// command does.

#include <string>
#include <vector>

namespace krv {

// Each takes the arguments after the command's name and returns the exit status.
int RunSpielCommand(const std::vector<std::string>& args);     // krv spiel
int RunAusgabeCommand(const std::vector<std::string>& args);   // krv ausgabe
int RunEinnahmeCommand(const std::vector<std::string>& args);  // krv einnahme
int RunEreignisCommand(const std::vector<std::string>& args);  // krv ereignis
int RunLoeschenCommand(const std::vector<std::string>& args);  // krv loeschen

}  // namespace krv
