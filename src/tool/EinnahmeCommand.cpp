// krv einnahme: adds an income entry as the dialog "Einnahmen" would.

#include <iostream>

#include "properties/LedgerEntries.h"
#include "tool/SeasonCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv einnahme DATEI --text TEXT --wert N\n"
    "\n"
    "Trägt eine Einnahme ein (Text höchstens 80 Zeichen, Wert in Goldstücken) und speichert\n"
    "die Datei. Ein Wert von 0 trägt nichts ein, wie im Dialog.\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer Ablehnung, 2 bei falschem Aufruf.\n";

int Einnahme(const std::vector<std::string>& args) {
  const CommandLine line = ParseCommandLine(args, {"--text", "--wert"}, {});
  if (line.positional.size() != 1) MisusedCommand("„einnahme“ erwartet genau eine Teamdatei.");
  if (!line.Has("--text") || !line.Has("--wert")) MisusedCommand("Eine Einnahme braucht --text und --wert.");
  const std::string text = *line.Value("--text");
  const int32_t value = NumberOption("--wert", *line.Value("--wert"));
  CheckTextLength(text, kMaxLedgerText, "Der Text");
  const int status = ChangeTeamFile(line.positional[0], [&](CKRTeam& team) { return AddIncome(team, text, value); });
  std::cout << (value > 0 ? "Einnahme „" + text + "“ eingetragen.\n" : std::string("Ein Wert von 0 trägt nichts ein.\n"));
  return status;
}

}  // namespace

int RunEinnahmeCommand(const std::vector<std::string>& args) { return RunCommandBody(kUsage, args, Einnahme); }

}  // namespace krv
