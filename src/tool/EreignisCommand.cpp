// krv ereignis: records a special event as the dialog "Besondere Ereignisse" would.

#include "season/EventEntry.h"
#include "tool/SeasonCommandParts.h"
#include "tool/SeasonCommands.h"
#include "tool/ToolCommand.h"
#include "tool/TeamCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv ereignis DATEI --text TEXT [--abzug]\n"
    "\n"
    "Trägt ein besonderes Ereignis ein (Text höchstens 150 Zeichen) und speichert die Datei.\n"
    "  --abzug   das Ereignis ist der Abzug einer Trainingsmarke im Spiel; abgelehnt, wenn\n"
    "            keine Trainingsmarke mehr übrig ist\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer Ablehnung, 2 bei falschem Aufruf.\n";

std::string Ereignis(CKRTeam& team, const ProgramSettings&, const CommandOptions& options) {
  if (!options.Has("--text")) Misuse("Der Text fehlt (--text TEXT).");
  const std::string text = *options.Value("--text");
  CheckTextLength(text, kMaxEventText, "Der Text");
  const int32_t kind = options.Flag("--abzug") ? kEreignisMarkenAbzug : kEreignisSonstiges;
  return ReportOutcome(AddEvent(team, text, kind), "Ereignis „" + text + "“ eingetragen.");
}

}  // namespace

int RunEreignisCommand(const std::vector<std::string>& args) {
  return RunTeamCommand({kUsage, {"--text"}, {}, {"--abzug"}, Ereignis, {"--text"}}, args);
}

namespace {
const ToolCommandRegistration kRegistration({"ereignis", "DATEI ...",
                                             "trägt ein besonderes Ereignis ein (krv ereignis --help)", 120,
                                             RunEreignisCommand});
}  // namespace

}  // namespace krv
