// krv einnahme: adds an income entry as the dialog "Einnahmen" would.

#include "season/LedgerEntries.h"
#include "tool/SeasonCommandParts.h"
#include "tool/SeasonCommands.h"
#include "tool/ToolCommand.h"
#include "tool/TeamCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv einnahme DATEI --text TEXT --wert N\n"
    "\n"
    "Trägt eine Einnahme ein (Text höchstens 80 Zeichen, Wert in Goldstücken) und speichert\n"
    "die Datei. Ein Wert von 0 trägt nichts ein, wie im Dialog.\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer Ablehnung, 2 bei falschem Aufruf.\n";

std::string Einnahme(CKRTeam& team, const ProgramSettings&, const CommandOptions& options) {
  if (!options.Has("--text") || !options.Has("--wert")) Misuse("Eine Einnahme braucht --text und --wert.");
  const std::string text = *options.Value("--text");
  const int32_t value = *options.Number("--wert");
  CheckTextLength(text, kMaxLedgerText, "Der Text");
  const ChangeOutcome outcome = AddIncome(team, text, value);
  if (!outcome.applied) NothingChanged("Ein Wert von 0 trägt nichts ein.");
  return ReportOutcome(outcome, "Einnahme „" + text + "“ eingetragen.");
}

}  // namespace

int RunEinnahmeCommand(const std::vector<std::string>& args) {
  return RunTeamCommand({kUsage, {"--text", "--wert"}, {}, {}, Einnahme}, args);
}

namespace {
const ToolCommandRegistration kRegistration({"einnahme", "DATEI ...", "trägt eine Einnahme ein (krv einnahme --help)",
                                             110, RunEinnahmeCommand});
}  // namespace

}  // namespace krv
