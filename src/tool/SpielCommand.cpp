// krv spiel: records a match as the dialog "Neues Spiel" and its OK would.

#include <filesystem>
#include <optional>
#include <iostream>

#include "settings/KrvDat.h"
#include "model/FileLock.h"
#include "model/Format.h"
#include "model/Gold.h"
#include "season/LedgerEntries.h"
#include "season/MatchEntry.h"
#include "tool/SeasonCommandParts.h"
#include "tool/SeasonCommands.h"
#include "tool/ToolCommand.h"
#include "tool/TeamCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv spiel DATEI --gegner TEXT --ergebnis A:B [--datum TEXT] [--zuschauer N]\n"
    "                  [--einnahmen N] [--liga] [--fans steigt|sinkt] [--verletzungen TEXT]\n"
    "                  [--besonderheit TEXT] [--ohne-einnahme] [--in-teamliste]\n"
    "\n"
    "Trägt ein Spiel ein, wie es der Dialog „Neues Spiel“ täte, und speichert die Datei.\n"
    "\n"
    "  --gegner TEXT        der Gegner\n"
    "  --ergebnis A:B       eigene Punkte A, Punkte des Gegners B (je 0 bis 16)\n"
    "  --datum TEXT         Datum, höchstens 8 Zeichen (Vorgabe: heute, TT.MM.JJ)\n"
    "  --zuschauer N        Zuschauer\n"
    "  --einnahmen N        Einnahmen des Spiels in Goldstücken\n"
    "  --liga               ein Ligaspiel\n"
    "  --fans steigt|sinkt  der Fan-Faktor steigt oder sinkt (Vorgabe: keine Veränderung)\n"
    "  --verletzungen TEXT  Verletzungen im Spiel\n"
    "  --besonderheit TEXT  Besonderheiten\n"
    "  --ohne-einnahme      die Einnahmen nicht in die Einnahmenliste übernehmen\n"
    "  --in-teamliste       einen unbekannten Gegner in die System-Teamliste (KRV.DAT)\n"
    "                       aufnehmen\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg, 1 wenn das Spiel so nicht eingetragen werden kann (die Datei\n"
    "bleibt unverändert), 2 bei falschem Aufruf.\n";

// "A:B" into both scores; anything else is a malformed call.
void ReadScore(const std::string& text, MatchEntry& entry) {
  const size_t colon = text.find(':');
  auto digits = [](const std::string& part) {
    return !part.empty() && part.size() <= 9 && part.find_first_not_of("0123456789") == std::string::npos;
  };
  const std::string own = colon == std::string::npos ? "" : text.substr(0, colon);
  const std::string other = colon == std::string::npos ? "" : text.substr(colon + 1);
  if (!digits(own) || !digits(other)) Misuse("„--ergebnis“ erwartet zwei Zahlen wie 2:1, nicht „" + text + "“.");
  entry.eigeneTore = static_cast<int32_t>(std::stol(own));
  entry.gegnerTore = static_cast<int32_t>(std::stol(other));
}

MatchEntry ReadMatch(const CommandOptions& options) {
  if (!options.Has("--gegner")) Misuse("Der Gegner fehlt (--gegner TEXT).");
  if (!options.Has("--ergebnis")) Misuse("Das Ergebnis fehlt (--ergebnis A:B).");
  MatchEntry entry;
  entry.gegner = *options.Value("--gegner");
  ReadScore(*options.Value("--ergebnis"), entry);
  entry.datum = options.Value("--datum").value_or(TodayMatchDate());
  entry.zuschauer = options.Number("--zuschauer").value_or(0);
  entry.einnahmen = options.Number("--einnahmen").value_or(0);
  entry.liga = options.Flag("--liga") ? 1 : 0;
  if (auto fans = options.Value("--fans")) {
    if (*fans == "steigt") entry.fanFaktor = kFanRises;
    else if (*fans == "sinkt") entry.fanFaktor = kFanFalls;
    else Misuse("„--fans“ erwartet „steigt“ oder „sinkt“, nicht „" + *fans + "“.");
  }
  entry.verletzungen = options.Value("--verletzungen").value_or("");
  entry.besonderheit = options.Value("--besonderheit").value_or("");
  entry.inEinnahmen = !options.Flag("--ohne-einnahme");
  return entry;
}

// After the team was saved: an unknown opponent goes into KRV.DAT when the coach asked for
// it, as "Ja" to the dialog's question would; otherwise he is told. Returns the exit status.
int OfferOpponent(const std::string& opponent, bool add) {
  const std::string datPath = KrvDatPath(ExecutableFolder());
  // Read, change and write KRV.DAT as one step, as a team file.
  const FileLock lock(datPath);
  std::string problem;
  ProgramSettings settings = LoadProgramSettings(datPath, &problem);
  if (!OpponentNeedsAdding(settings.m_Teamliste, opponent)) return 0;
  if (!add) {
    std::cout << "„" << opponent << "“ steht noch nicht in der System-Teamliste (--in-teamliste nimmt ihn auf).\n";
    return 0;
  }
  if (!problem.empty()) {
    // A damaged KRV.DAT is left for the program to deal with, never overwritten here.
    std::cerr << "krv: " << problem << "\nDer Gegner wurde nicht in die System-Teamliste aufgenommen; das Spiel ist "
              << "gespeichert.\n";
    return kExitSavedWithProblem;
  }
  settings.m_Teamliste.m_Items.push_back(opponent);
  std::error_code ignored;  // a missing folder is reported by the save
  std::filesystem::create_directories(std::filesystem::path(datPath).parent_path(), ignored);
  SaveProgramSettings(settings, datPath);
  std::cout << "„" << opponent << "“ in die System-Teamliste aufgenommen.\n";
  return 0;
}

}  // namespace

int RunSpielCommand(const std::vector<std::string>& args) {
  std::optional<MatchEntry> recorded;
  bool addOpponent = false;
  const int status = RunTeamCommand(
      {kUsage,
       {"--gegner", "--ergebnis", "--datum", "--zuschauer", "--einnahmen", "--fans", "--verletzungen",
        "--besonderheit"},
       {},
       {"--liga", "--ohne-einnahme", "--in-teamliste"},
       [&](CKRTeam& team, const ProgramSettings&, const CommandOptions& options) {
         const MatchEntry entry = ReadMatch(options);
         std::string done =
             ReportOutcome(RecordMatch(team, entry), Format("Spiel gegen %s (%s, %s) eingetragen", entry.gegner.c_str(),
                                                            ScoreText(entry.eigeneTore, entry.gegnerTore).c_str(),
                                                            ResultWord(entry.eigeneTore, entry.gegnerTore).c_str()));
         if (entry.inEinnahmen) done += ", " + FormatGoldNumber(entry.einnahmen) + " Goldstücke als Einnahme";
         recorded = entry;
         addOpponent = options.Flag("--in-teamliste");
         return done + ".";
       },
       {"--besonderheit"}},
      args);
  if (status == 0 && recorded) return OfferOpponent(recorded->gegner, addOpponent);
  return status;
}

namespace {
const ToolCommandRegistration kRegistration({"spiel", "DATEI ...", "trägt ein Spiel ein (krv spiel --help)", 90,
                                             RunSpielCommand});
}  // namespace

}  // namespace krv
