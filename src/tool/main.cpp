// krv: the team file tool of the Krashball-Verwaltung.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "model/FileIO.h"
#include "model/SystemErrors.h"
#include "model/TeamFile.h"
#include "tool/NewTeamCommand.h"
#ifdef KRV_WITH_PDF
#include "tool/PdfCommand.h"
#endif
#include "tool/RosterCommands.h"
#include "tool/SeasonCommands.h"
#include "tool/TeamJson.h"
#include "tool/TeamSummary.h"

namespace {

constexpr const char* kUsage =
    "Aufruf: krv BEFEHL [ARGUMENTE]\n"
    "\n"
    "Befehle:\n"
    "  json DATEI         gibt das Team der Datei als JSON-Objekt aus\n"
    "  show DATEI         zeigt eine Übersicht des Teams: Werte, Personal, aktive Spieler\n"
    "  resave EIN AUS     liest EIN, rechnet das Team neu durch und schreibt es als\n"
    "                     Version 4 nach AUS\n"
    "  neu OPTIONEN DATEI legt ein neues Team an, wie es der Erstellungsdialog täte,\n"
    "                     und schreibt es als Version 4 nach DATEI (krv neu --help)\n"
    "  kaufen DATEI ...   kauft einen Spieler oder Starplayer (krv kaufen --help)\n"
    "  zombie DATEI ...   belebt einen Zombie wieder (krv zombie --help)\n"
    "  spieler DATEI ...  ändert die Werte eines Spielers (krv spieler --help)\n"
    "  entfernen DATEI ...  trägt ein, dass ein Spieler das Team verlässt (krv entfernen --help)\n"
    "  spiel DATEI ...    trägt ein Spiel ein (krv spiel --help)\n"
    "  ausgabe DATEI ...  bucht eine Ausgabe: Personal, Trainingsmarken, Verluste (krv ausgabe --help)\n"
    "  einnahme DATEI ... trägt eine Einnahme ein (krv einnahme --help)\n"
    "  ereignis DATEI ... trägt ein besonderes Ereignis ein (krv ereignis --help)\n"
    "  loeschen DATEI LISTE N  löscht den N-ten Eintrag einer Liste (krv loeschen --help)\n"
    "  pdf DATEI AUS.pdf  schreibt Team-Bogen und Spieleliste als PDF (krv pdf --help)\n"
    "  --help             zeigt diese Hilfe\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer unlesbaren oder fehlerhaften Datei,\n"
    "2 bei falschem Aufruf; bei „neu“ und den Befehlen, die ein Team ändern, 1 auch, wenn es\n"
    "so nicht geht (die Datei bleibt dann unverändert).\n";

int UsageError(const std::string& message) {
  std::cerr << "krv: " << message << "\n\n" << kUsage;
  return 2;
}

int Json(const std::string& path) {
  auto team = krv::LoadTeamFile(path);
  std::cout << krv::TeamToJson(*team);
  return 0;
}

int Show(const std::string& path) {
  auto team = krv::LoadTeamFile(path);
  std::cout << krv::TeamSummary(*team);
  return 0;
}

int Resave(const std::string& in, const std::string& out) {
  auto team = krv::LoadTeamFile(in);
  // As a team window at its first display, then as the save does.
  team->Recalculate();
  team->CalcTeamwert();
  const krv::SaveResult result = krv::SaveTeamFile(*team, out);
  if (result.replacedCharacters) std::cerr << "krv: " << krv::ReplacedCharactersNotice(out, result.replacedCharacters) << "\n";
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError("Kein Befehl angegeben.");
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "json" || command == "show") {
    if (args.size() != 2) return UsageError("„" + command + "“ erwartet genau eine Datei.");
    return command == "json" ? Json(args[1]) : Show(args[1]);
  }
  if (command == "resave") {
    if (args.size() != 3) return UsageError("„resave“ erwartet eine Eingabe- und eine Ausgabedatei.");
    return Resave(args[1], args[2]);
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "neu") return krv::RunNewTeamCommand(rest);
  if (command == "kaufen") return krv::RunKaufenCommand(rest);
  if (command == "zombie") return krv::RunZombieCommand(rest);
  if (command == "spieler") return krv::RunSpielerCommand(rest);
  if (command == "entfernen") return krv::RunEntfernenCommand(rest);
  if (command == "spiel") return krv::RunSpielCommand(rest);
  if (command == "ausgabe") return krv::RunAusgabeCommand(rest);
  if (command == "einnahme") return krv::RunEinnahmeCommand(rest);
  if (command == "ereignis") return krv::RunEreignisCommand(rest);
  if (command == "loeschen") return krv::RunLoeschenCommand(rest);
  if (command == "pdf") {
#ifdef KRV_WITH_PDF
    return krv::RunPdfCommand(rest);
#else
    return UsageError("„pdf“ gibt es nur, wenn krv mit Qt gebaut wurde.");
#endif
  }
  return UsageError("Unbekannter Befehl „" + command + "“.");
}

// Output that cannot be written (a full disk, a closed pipe) is a failure, not success.
// errno then still holds the cause of the failed write.
int FinishOutput(int status) {
  std::cout.flush();
  if (std::cout && std::fflush(stdout) == 0) return status;
  const int error = errno;
  std::cerr << "krv: Die Ausgabe kann nicht geschrieben werden. "
            << (error ? krv::SystemErrorText(error) : std::string("Schreibfehler.")) << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return FinishOutput(Run(std::vector<std::string>(argv + 1, argv + argc)));
  } catch (const krv::FileError& e) {
    std::cerr << "krv: " << e.what() << "\n";
  } catch (const std::bad_alloc&) {
    std::cerr << "krv: Nicht genug Arbeitsspeicher für diese Datei.\n";
  } catch (const std::exception& e) {
    std::cerr << "krv: Unerwarteter Fehler: " << e.what() << "\n";
  } catch (...) {
    std::cerr << "krv: Unerwarteter Fehler.\n";
  }
  return 1;
}
