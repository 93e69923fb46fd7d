// krv spiel: records a match as the dialog "Neues Spiel" and its OK would.

#include <filesystem>
#include <iostream>

#include "app/KrvDat.h"
#include "model/Format.h"
#include "model/Gold.h"
#include "properties/LedgerEntries.h"
#include "properties/MatchEntry.h"
#include "tool/SeasonCommand.h"

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
  if (colon == std::string::npos || colon == 0 || colon + 1 == text.size())
    MisusedCommand("„--ergebnis“ erwartet zwei Zahlen wie 2:1, nicht „" + text + "“.");
  entry.eigeneTore = NumberOption("--ergebnis", text.substr(0, colon));
  entry.gegnerTore = NumberOption("--ergebnis", text.substr(colon + 1));
}

int Spiel(const std::vector<std::string>& args) {
  const CommandLine line = ParseCommandLine(
      args,
      {"--gegner", "--ergebnis", "--datum", "--zuschauer", "--einnahmen", "--fans", "--verletzungen", "--besonderheit"},
      {"--liga", "--ohne-einnahme", "--in-teamliste"});
  if (line.positional.size() != 1) MisusedCommand("„spiel“ erwartet genau eine Teamdatei.");
  if (!line.Has("--gegner")) MisusedCommand("Der Gegner fehlt (--gegner TEXT).");
  if (!line.Has("--ergebnis")) MisusedCommand("Das Ergebnis fehlt (--ergebnis A:B).");

  MatchEntry entry;
  entry.gegner = *line.Value("--gegner");
  ReadScore(*line.Value("--ergebnis"), entry);
  entry.datum = line.Value("--datum").value_or(TodayMatchDate());
  if (auto n = line.Value("--zuschauer")) entry.zuschauer = NumberOption("--zuschauer", *n);
  if (auto n = line.Value("--einnahmen")) entry.einnahmen = NumberOption("--einnahmen", *n);
  entry.liga = line.Flag("--liga") ? 1 : 0;
  if (auto fans = line.Value("--fans")) {
    if (*fans == "steigt") entry.fanFaktor = kFanRises;
    else if (*fans == "sinkt") entry.fanFaktor = kFanFalls;
    else MisusedCommand("„--fans“ erwartet „steigt“ oder „sinkt“, nicht „" + *fans + "“.");
  }
  entry.verletzungen = line.Value("--verletzungen").value_or("");
  entry.besonderheit = line.Value("--besonderheit").value_or("");
  entry.inEinnahmen = !line.Flag("--ohne-einnahme");

  const std::string& path = line.positional[0];
  const int status = ChangeTeamFile(path, [&](CKRTeam& team) { return RecordMatch(team, entry); });
  std::cout << Format("Spiel gegen %s (%s, %s) eingetragen", entry.gegner.c_str(),
                      ScoreText(entry.eigeneTore, entry.gegnerTore).c_str(),
                      ResultWord(entry.eigeneTore, entry.gegnerTore).c_str());
  if (entry.inEinnahmen) std::cout << ", " << FormatGoldNumber(entry.einnahmen) << " Goldstücke als Einnahme";
  std::cout << ".\n";

  // Only after the team was saved: the system team list, as the dialog's question would.
  const std::string datPath = KrvDatPath(ExecutableFolder());
  std::string problem;
  ProgramSettings settings = LoadProgramSettings(datPath, &problem);
  if (OpponentNeedsAdding(settings.m_Teamliste, entry.gegner)) {
    if (line.Flag("--in-teamliste") && !problem.empty()) {
      // A damaged KRV.DAT is left for the program to deal with, never overwritten here.
      std::cerr << "krv: " << problem << "\nDer Gegner wurde nicht in die System-Teamliste aufgenommen.\n";
    } else if (line.Flag("--in-teamliste")) {
      settings.m_Teamliste.m_Items.push_back(entry.gegner);
      std::error_code ignored;  // a missing folder is reported by the save
      std::filesystem::create_directories(std::filesystem::path(datPath).parent_path(), ignored);
      SaveProgramSettings(settings, datPath);
      std::cout << "„" << entry.gegner << "“ in die System-Teamliste aufgenommen.\n";
    } else {
      std::cout << "„" << entry.gegner << "“ steht noch nicht in der System-Teamliste (--in-teamliste nimmt ihn auf).\n";
    }
  }
  return status;
}

}  // namespace

int RunSpielCommand(const std::vector<std::string>& args) { return RunCommandBody(kUsage, args, Spiel); }

}  // namespace krv
