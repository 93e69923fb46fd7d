// krv ereignis: records a special event as the dialog "Besondere Ereignisse" would.

#include <iostream>

#include "properties/EventEntry.h"
#include "tool/SeasonCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv ereignis DATEI --text TEXT [--abzug]\n"
    "\n"
    "Trägt ein besonderes Ereignis ein (Text höchstens 150 Zeichen) und speichert die Datei.\n"
    "  --abzug   das Ereignis ist der Abzug einer Trainingsmarke im Spiel; abgelehnt, wenn\n"
    "            keine Trainingsmarke mehr übrig ist\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer Ablehnung, 2 bei falschem Aufruf.\n";

int Ereignis(const std::vector<std::string>& args) {
  const CommandLine line = ParseCommandLine(args, {"--text"}, {"--abzug"});
  if (line.positional.size() != 1) MisusedCommand("„ereignis“ erwartet genau eine Teamdatei.");
  if (!line.Has("--text")) MisusedCommand("Der Text fehlt (--text TEXT).");
  const std::string text = *line.Value("--text");
  CheckTextLength(text, kMaxEventText, "Der Text");
  const int32_t kind = line.Flag("--abzug") ? kEreignisMarkenAbzug : kEreignisSonstiges;
  const int status = ChangeTeamFile(line.positional[0], [&](CKRTeam& team) { return AddEvent(team, text, kind); });
  std::cout << "Ereignis „" << text << "“ eingetragen.\n";
  return status;
}

}  // namespace

int RunEreignisCommand(const std::vector<std::string>& args) { return RunCommandBody(kUsage, args, Ereignis); }

}  // namespace krv
