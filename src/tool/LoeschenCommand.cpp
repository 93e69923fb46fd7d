// krv loeschen: deletes one entry of a list as answering "&Löschen" on its page would.

#include "model/Format.h"
#include "season/EventEntry.h"
#include "season/LedgerEntries.h"
#include "season/MatchEntry.h"
#include "tool/SeasonCommandParts.h"
#include "tool/SeasonCommands.h"
#include "tool/ToolCommand.h"
#include "tool/TeamCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv loeschen DATEI ausgabe|einnahme|spiel|ereignis N\n"
    "\n"
    "Löscht den N-ten Eintrag der Liste (ab 1 gezählt, wie die Listen ihn zeigen) und\n"
    "speichert die Datei. Eine gelöschte Ausgabe nimmt zurück, was sie gekauft hat\n"
    "(Trainingsmarken, Sanitäter, Zauberer); ein gelöschter Abzug gibt die Trainingsmarke\n"
    "zurück. Der erste Eintrag der Ausgaben und Einnahmen bleibt.\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer Ablehnung, 2 bei falschem Aufruf.\n";

ChangeOutcome Delete(CKRTeam& team, const std::string& list, size_t row) {
  if (list == "ausgabe") return DeleteLedgerEntry(team, Ledger::Expenses, row);
  if (list == "einnahme") return DeleteLedgerEntry(team, Ledger::Income, row);
  if (list == "spiel") return DeleteMatch(team, row);
  if (list == "ereignis") return DeleteEvent(team, row);
  Misuse("Unbekannte Liste „" + list + "“ (ausgabe, einnahme, spiel oder ereignis).");
}

}  // namespace

int RunLoeschenCommand(const std::vector<std::string>& args) {
  // The list and the number follow the file; the team commands' frame takes only the file.
  std::string list, number;
  std::vector<std::string> file = args;
  if (args.size() == 3) {
    list = args[1];
    number = args[2];
    file = {args[0]};
  }
  return RunTeamCommand({kUsage,
                         {},
                         {},
                         {},
                         [&](CKRTeam& team, const ProgramSettings&, const CommandOptions&) {
                           if (list.empty()) Misuse("„loeschen“ erwartet DATEI, die Liste und die Nummer.");
                           if (number.empty() || number.size() > 9 ||
                               number.find_first_not_of("0123456789") != std::string::npos || std::stol(number) < 1)
                             Misuse("Die Nummer zählt ab 1, nicht „" + number + "“.");
                           const long n = std::stol(number);
                           return ReportOutcome(Delete(team, list, static_cast<size_t>(n - 1)),
                                                Format("Eintrag %ld der Liste „%s“ gelöscht.", n, list.c_str()));
                         }},
                        file);
}

namespace {
const ToolCommandRegistration kRegistration({"loeschen", "DATEI LISTE N",
                                             "löscht den N-ten Eintrag einer Liste (krv loeschen --help)", 130,
                                             RunLoeschenCommand});
}  // namespace

}  // namespace krv
