// krv loeschen: deletes one entry of a list as answering "&Löschen" on its page would.

#include <iostream>

#include "properties/EventEntry.h"
#include "properties/LedgerEntries.h"
#include "properties/MatchEntry.h"
#include "tool/SeasonCommand.h"

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

int Loeschen(const std::vector<std::string>& args) {
  const CommandLine line = ParseCommandLine(args, {}, {});
  if (line.positional.size() != 3) MisusedCommand("„loeschen“ erwartet DATEI, die Liste und die Nummer.");
  const std::string& list = line.positional[1];
  const int32_t number = NumberOption("N", line.positional[2]);
  if (number < 1) MisusedCommand("Die Nummer zählt ab 1.");
  const auto row = static_cast<size_t>(number - 1);

  SeasonChange change;
  if (list == "ausgabe") change = [row](CKRTeam& team) { return DeleteLedgerEntry(team, Ledger::Expenses, row); };
  else if (list == "einnahme") change = [row](CKRTeam& team) { return DeleteLedgerEntry(team, Ledger::Income, row); };
  else if (list == "spiel") change = [row](CKRTeam& team) { return DeleteMatch(team, row); };
  else if (list == "ereignis") change = [row](CKRTeam& team) { return DeleteEvent(team, row); };
  else MisusedCommand("Unbekannte Liste „" + list + "“ (ausgabe, einnahme, spiel oder ereignis).");

  const int status = ChangeTeamFile(line.positional[0], change);
  std::cout << "Eintrag " << number << " der Liste „" << list << "“ gelöscht.\n";
  return status;
}

}  // namespace

int RunLoeschenCommand(const std::vector<std::string>& args) { return RunCommandBody(kUsage, args, Loeschen); }

}  // namespace krv
