// krv: the team file tool of the Krashball-Verwaltung.

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "tool/NewTeamCommand.h"
#ifdef KRV_WITH_PDF
#include "tool/PdfCommand.h"
#endif
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
    "  pdf DATEI AUS.pdf  schreibt Team-Bogen und Spieleliste als PDF (krv pdf --help)\n"
    "  --help             zeigt diese Hilfe\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer unlesbaren oder fehlerhaften Datei,\n"
    "2 bei falschem Aufruf; bei „neu“ 1 auch, wenn das Team so nicht erstellt werden kann.\n";

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
  if (command == "neu") return krv::RunNewTeamCommand(std::vector<std::string>(args.begin() + 1, args.end()));
  if (command == "pdf") {
#ifdef KRV_WITH_PDF
    return krv::RunPdfCommand(std::vector<std::string>(args.begin() + 1, args.end()));
#else
    return UsageError("„pdf“ gibt es nur, wenn krv mit Qt gebaut wurde.");
#endif
  }
  return UsageError("Unbekannter Befehl „" + command + "“.");
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const krv::FileError& e) {
    std::cerr << "krv: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "krv: Unerwarteter Fehler: " << e.what() << "\n";
    return 1;
  }
}
