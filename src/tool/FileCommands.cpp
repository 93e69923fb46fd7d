// krv json, show and resave: reading a team file and showing or re-writing it.

#include <iostream>

#include "model/TeamFile.h"
#include "tool/TeamJson.h"
#include "tool/TeamSummary.h"
#include "tool/ToolCommand.h"

namespace krv {
namespace {

int Json(const std::vector<std::string>& args) {
  if (args.size() != 1) return ToolUsageError("„json“ erwartet genau eine Datei.");
  auto team = LoadTeamFile(args[0]);
  std::cout << TeamToJson(*team);
  return 0;
}

int Show(const std::vector<std::string>& args) {
  if (args.size() != 1) return ToolUsageError("„show“ erwartet genau eine Datei.");
  auto team = LoadTeamFile(args[0]);
  std::cout << TeamSummary(*team);
  return 0;
}

int Resave(const std::vector<std::string>& args) {
  if (args.size() != 2) return ToolUsageError("„resave“ erwartet eine Eingabe- und eine Ausgabedatei.");
  auto team = LoadTeamFile(args[0]);
  // As a team window at its first display, then as the save does.
  team->Recalculate();
  team->CalcTeamwert();
  const SaveResult result = SaveTeamFile(*team, args[1]);
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
