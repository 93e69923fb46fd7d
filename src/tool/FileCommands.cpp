// krv json, show and resave: reading a team file and showing or re-writing it.

#include <iostream>

#include "model/FileLock.h"
#include "model/TeamFile.h"
#include "tool/TeamJson.h"
#include "tool/TeamSummary.h"
#include "tool/ToolCommand.h"

namespace krv {
namespace {

constexpr const char* kJsonUsage =
    "Aufruf: krv json DATEI\n"
    "\n"
    "Gibt das Team der Datei als JSON-Objekt aus.\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer unlesbaren oder fehlerhaften Datei, 2 bei falschem Aufruf.\n";
constexpr const char* kShowUsage =
    "Aufruf: krv show DATEI\n"
    "\n"
    "Zeigt eine Übersicht des Teams: Werte, Personal, aktive Spieler. Steuerzeichen in Texten\n"
    "der Datei erscheinen als \\xHH oder \\uHHHH, nie roh im Terminal.\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer unlesbaren oder fehlerhaften Datei, 2 bei falschem Aufruf.\n";
constexpr const char* kResaveUsage =
    "Aufruf: krv resave EIN AUS\n"
    "\n"
    "Liest EIN, rechnet das Team neu durch und schreibt es als Version 4 nach AUS.\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer unlesbaren Datei oder wenn AUS nicht geschrieben\n"
    "werden kann, 2 bei falschem Aufruf.\n";

// "--help" or "-h" alone: the command's help instead of a file of that name.
bool AsksForHelp(const std::vector<std::string>& args, const char* usage) {
  if (args.size() != 1 || (args[0] != "--help" && args[0] != "-h")) return false;
  std::cout << usage;
  return true;
}

int Json(const std::vector<std::string>& args) {
  if (AsksForHelp(args, kJsonUsage)) return 0;
  if (args.size() != 1) return ToolUsageError("„json“ erwartet genau eine Datei.");
  auto team = LoadTeamFile(args[0]);
  std::cout << TeamToJson(*team);
  return 0;
}

int Show(const std::vector<std::string>& args) {
  if (AsksForHelp(args, kShowUsage)) return 0;
  if (args.size() != 1) return ToolUsageError("„show“ erwartet genau eine Datei.");
  auto team = LoadTeamFile(args[0]);
  std::cout << TeamSummary(*team);
  return 0;
}

int Resave(const std::vector<std::string>& args) {
  if (AsksForHelp(args, kResaveUsage)) return 0;
  if (args.size() != 2) return ToolUsageError("„resave“ erwartet eine Eingabe- und eine Ausgabedatei.");
  auto team = LoadTeamFile(args[0]);
  // As a team window at its first display, then as the save does.
  team->Recalculate();
  team->CalcTeamwert();
  const FileLock lock(args[1]);
  const SaveResult result = SaveTeamFile(*team, args[1]);
  NoteChangeSaved();
  if (result.replacedCharacters)
    std::cerr << "krv: " << ReplacedCharactersNotice(args[1], result.replacedCharacters) << "\n";
  return 0;
}

const ToolCommandRegistration kJson({"json", "DATEI", "gibt das Team der Datei als JSON-Objekt aus", 10, Json});
const ToolCommandRegistration kShow({"show", "DATEI", "zeigt eine Übersicht des Teams: Werte, Personal, aktive Spieler",
                                     20, Show});
const ToolCommandRegistration kResave({"resave", "EIN AUS",
                                       "liest EIN, rechnet das Team neu durch und schreibt es als\nVersion 4 nach AUS",
                                       30, Resave});

}  // namespace
}  // namespace krv
