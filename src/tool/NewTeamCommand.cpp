#include "tool/NewTeamCommand.h"

#include <array>
#include <filesystem>
#include <iostream>
#include <optional>

#include "settings/KrvDat.h"
#include "create/StarOffer.h"
#include "create/TeamBudget.h"
#include "create/TeamBuilder.h"
#include "model/Format.h"
#include "model/Gold.h"
#include "model/Team.h"
#include "model/TeamFile.h"
#include "model/Windows1252.h"
#include "rules/Races.h"
#include "rules/StaffPrices.h"
#include "tool/ToolCommand.h"
#include "tool/ToolSettings.h"

namespace krv {

const char* const kNewTeamUsage =
    "Aufruf: krv neu --rasse N --name TEXT [--spieler A,B,C,D,E] [--marken N] [--fans N]\n"
    "                [--cotrainer N] [--cheerleader N] [--sani] [--zauberer] [--star NAME]...\n"
    "                [--startkapital N] DATEI\n"
    "\n"
    "Legt ein neues Team an, wie es der Dialog „Neues Team erstellen“ täte, und schreibt es\n"
    "als Version 4 nach DATEI (eine vorhandene Datei wird nicht überschrieben).\n"
    "\n"
    "  --rasse N          Rasse 0 bis 14 (0 Chaos, 1 Chaoszwerge, 2 Dunkelelfen,\n"
    "                     3 Echsenmenschen, 4 Elfen, 5 Goblins, 6 Halblinge, 7 Hochelfen,\n"
    "                     8 Menschen, 9 Oger, 10 Orks, 11 Skaven, 12 Untote, 13 Waldelfen,\n"
    "                     14 Zwerge)\n"
    "  --name TEXT        Name des Teams (höchstens 80 Zeichen)\n"
    "  --spieler A,B,...  Spieler je Position der Rasse in Kaderreihenfolge; fehlende\n"
    "                     Zahlen sind 0\n"
    "  --marken N         Trainingsmarken, 0 bis 7 (Vorgabe 0)\n"
    "  --fans N           Fan-Faktor, 1 bis 10 (Vorgabe 1)\n"
    "  --cotrainer N      CoTrainerInnen, 0 bis 10 (Vorgabe 0)\n"
    "  --cheerleader N    CheerleaderInnen, 0 bis 10 (Vorgabe 0)\n"
    "  --sani             mit Sani (nicht für Untote)\n"
    "  --zauberer         mit Zauberer, Alchemist oder Meisterkoch (nicht für Untote)\n"
    "  --star NAME        ein Starplayer des Katalogs, genau geschrieben; bis zu viermal\n"
    "  --startkapital N   Startkapital, 10000 bis 2000000 (Vorgabe: aus den Einstellungen, sonst 1000000)\n"
    "\n"
    "Das ganze Startkapital muss ausgegeben werden, und das Team braucht 11 bis 16 Spieler\n"
    "(Starplayer mitgezählt). Rückgabewert: 0 bei Erfolg, 1 wenn das Team so nicht\n"
    "erstellt werden kann (nichts wird geschrieben), 2 bei falschem Aufruf.\n";

namespace {

constexpr int kLastRosterRace = 14;

// Ends the command with a status and a German message for stderr.
struct Refusal {
  int status;
  std::string message;
};

[[noreturn]] void Refuse(std::string message) { throw Refusal{1, std::move(message)}; }
[[noreturn]] void Misuse(std::string message) { throw Refusal{2, std::move(message)}; }

struct NewTeamOptions {
  std::optional<std::string> rasse, name, spieler, marken, fans, cotrainer, cheerleader, startkapital;
  bool sani = false;
  bool zauberer = false;
  std::vector<std::string> stars;
  std::vector<std::string> files;
};

NewTeamOptions ParseOptions(const std::vector<std::string>& args) {
  NewTeamOptions o;
  auto value = [&](size_t& i, std::optional<std::string>& target) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) Misuse("„" + option + "“ erwartet einen Wert.");
    if (target) Misuse("„" + option + "“ ist mehrfach angegeben.");
    target = args[++i];
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--rasse") value(i, o.rasse);
    else if (a == "--name") value(i, o.name);
    else if (a == "--spieler") value(i, o.spieler);
    else if (a == "--marken") value(i, o.marken);
    else if (a == "--fans") value(i, o.fans);
    else if (a == "--cotrainer") value(i, o.cotrainer);
    else if (a == "--cheerleader") value(i, o.cheerleader);
    else if (a == "--startkapital") value(i, o.startkapital);
    else if (a == "--sani") o.sani = true;
    else if (a == "--zauberer") o.zauberer = true;
    else if (a == "--star") {
      if (i + 1 >= args.size()) Misuse("„--star“ erwartet den Namen eines Starplayers.");
      o.stars.push_back(args[++i]);
    } else if (a.size() > 1 && a[0] == '-') Misuse("Unbekannte Option „" + a + "“.");
    else o.files.push_back(a);
  }
  if (o.name)
    if (auto problem = OptionTextProblem("--name", *o.name, false)) Refuse(*problem);
  if (!o.rasse) Misuse("Die Rasse fehlt (--rasse N).");
  if (!o.name) Misuse("Der Name des Teams fehlt (--name TEXT).");
  if (o.files.size() != 1) Misuse("„neu“ erwartet genau eine Zieldatei.");
  if (o.files[0].empty()) Misuse("Die Zieldatei hat keinen Namen.");
  return o;
}

// A count as the number fields take it: digits only. Too many digits read as "too big".
std::optional<int64_t> ParseDigits(const std::string& text) {
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    if (value < 1000000000000LL) value = value * 10 + (c - '0');
  }
  return value;
}

// The option's number checked against its range; `what` starts the message ("Der Fan-Faktor").
int32_t RangedNumber(const std::optional<std::string>& text, const char* option, int32_t fallback, int32_t low,
                     int32_t high, const char* what) {
  if (!text) return fallback;
  const auto value = ParseDigits(*text);
  if (!value) Misuse(Format("„%s“ erwartet eine Zahl, nicht „%s“.", option, text->c_str()));
  if (*value < low || *value > high)
    Refuse(Format("%s muss zwischen %ld und %ld liegen, nicht %s.", what, static_cast<long>(low),
                  static_cast<long>(high), text->c_str()));
  return static_cast<int32_t>(*value);
}

// The counts of --spieler for the race's position rows, each within its row's maximum.
std::array<int32_t, kCreationRows> PlayerCounts(const std::optional<std::string>& text, int32_t race) {
  std::array<int32_t, kCreationRows> counts{};
  if (!text) return counts;
  const RaceRoster roster = *GetRaceRoster(race);
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t comma = text->find(',', start);
    parts.push_back(text->substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (parts.size() > kCreationRows - 1)
    Refuse(Format("„--spieler“ nimmt höchstens fünf Zahlen, eine je Position, nicht „%s“.", text->c_str()));
  for (size_t k = 0; k < parts.size(); ++k) {
    const auto value = ParseDigits(parts[k]);
    if (!value) Refuse(Format("„--spieler“ erwartet Zahlen, durch Kommas getrennt, nicht „%s“.", text->c_str()));
    if (*value == 0) continue;
    const int row = static_cast<int>(k) + 1;
    if (row > roster.m_nPositions)
      Refuse(Format("Die Rasse %s hat nur %ld %s; für Position %ld gibt es keine Spieler.", g_RassenAnzeige[race],
                    static_cast<long>(roster.m_nPositions), roster.m_nPositions == 1 ? "Position" : "Positionen",
                    static_cast<long>(row)));
    const SKaderPosition& position = g_Kader[roster.m_nFirstRow + row - 1];
    if (*value > position.m_nMaxCount)
      Refuse(Format("Von der Position „%s“ sind höchstens %ld Spieler erlaubt, nicht %s.", position.m_pszName,
                    static_cast<long>(position.m_nMaxCount), parts[k].c_str()));
    counts[k] = static_cast<int32_t>(*value);
  }
  return counts;
}

// The star player record a slot receives, as the selection without a team hands it over.
CKRSpieler StarForSlot(const std::string& name, int32_t race, int32_t startkapital) {
  const SStarplayer* star = FindStarplayerByName(name);
  if (!star) Refuse("Unbekannter Starplayer „" + name + "“ (der Name muss genau wie im Katalog geschrieben sein).");
  if ((star->m_nRaces & StarplayerRaceMask(race)) == 0)
    Refuse(Format("Der Starplayer „%s“ spielt nicht für die Rasse %s.", name.c_str(), g_RassenAnzeige[race]));
  if (!IsStarOfferedAtCreation(race, *star, startkapital))
    Refuse(
        Format("Der Starplayer „%s“ kostet %s Goldstücke, das Startkapital von %s Goldstücken reicht dafür "
               "nicht.",
               name.c_str(), FormatGoldNumber(star->m_nCost).c_str(), FormatGoldNumber(startkapital).c_str()));
  return StarplayerRecord(*star);
}

int CreateTeam(const NewTeamOptions& o) {
  const int32_t race = RangedNumber(o.rasse, "--rasse", 0, 0, kLastRosterRace, "Die Rasse");
  // Without the option, the starting capital the program's settings hold; what is wrong with
  // them is said as the program says it at its start.
  const int32_t fromSettings = o.startkapital ? kDefaultStartkapital : LoadToolSettings().m_nStartkapital;
  const int32_t startkapital = RangedNumber(o.startkapital, "--startkapital", fromSettings, kMinStartkapital,
                                            kMaxStartkapital, "Das Startkapital");

  CKRTeam team;
  PrepareNewTeam(team, race);

  TeamBudget budget;
  budget.m_Rasse = race;
  budget.m_TheTeam = &team;
  budget.m_Startkapital = startkapital;
  OpenTeamBudget(budget);

  budget.m_TeamName = *o.name;
  if (!IsWindows1252Representable(budget.m_TeamName))
    Refuse("Der Name des Teams enthält Zeichen, die eine Teamdatei nicht speichern kann.");
  budget.m_Anzahl = PlayerCounts(o.spieler, race);
  budget.m_Trainingsmarken =
      RangedNumber(o.marken, "--marken", 0, 0, kMaxRerollsAtCreation, "Die Zahl der Trainingsmarken");
  budget.m_FanFaktor =
      RangedNumber(o.fans, "--fans", 1, kMinFanFactorAtCreation, kMaxFanFactorAtCreation, "Der Fan-Faktor");
  budget.m_CoTrainer =
      RangedNumber(o.cotrainer, "--cotrainer", 0, 0, kMaxCoTrainersAtCreation, "Die Zahl der CoTrainerInnen");
  budget.m_Cheerleader =
      RangedNumber(o.cheerleader, "--cheerleader", 0, 0, kMaxCheerleadersAtCreation, "Die Zahl der CheerleaderInnen");
  if (!ApothecaryAndWizardEnabled(race)) {
    if (o.sani) Refuse("Untote dürfen bei der Erstellung keinen Sani einstellen.");
    if (o.zauberer) Refuse("Untote dürfen bei der Erstellung keinen Zauberer einstellen.");
  }
  budget.m_Sani = o.sani;
  budget.m_Zauberer = o.zauberer;

  if (o.stars.size() > static_cast<size_t>(kStarSlots))
    Refuse(Format("Es gibt nur %ld Starplayer-Plätze, nicht %ld.", static_cast<long>(kStarSlots),
                  static_cast<long>(o.stars.size())));
  for (size_t slot = 0; slot < o.stars.size(); ++slot)
    SetStarSlot(budget, static_cast<int>(slot), StarForSlot(o.stars[slot], race, startkapital));

  RecomputeTeamBudget(budget);
  if (auto refusal = CheckTeamCreation(budget)) Refuse(*refusal);

  const std::string& path = o.files[0];
  std::error_code error;
  if (std::filesystem::exists(path, error) || std::filesystem::is_symlink(path, error))
    Refuse("„" + path + "“ ist bereits vorhanden; krv neu überschreibt keine Datei.");

  BuildNewTeam(team, budget);
  // As the team window's first display, then as the save does.
  team.Recalculate();
  team.CalcTeamwert();
  const SaveResult result = SaveTeamFile(team, path);
  NoteChangeSaved();
  if (result.replacedCharacters)
    std::cerr << "krv: " << ReplacedCharactersNotice(path, result.replacedCharacters) << "\n";
  std::cout << Format("Team „%s“ (%s) mit %ld Spielern und Teamwert %s nach „%s“ geschrieben.\n",
                      team.m_strName.c_str(), g_RassenAnzeige[race], static_cast<long>(budget.m_Spielerzahl),
                      team.m_strTeamwert.c_str(), path.c_str());
  return 0;
}

}  // namespace

int RunNewTeamCommand(const std::vector<std::string>& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kNewTeamUsage << kSavedWithProblemHelp;
    return 0;
  }
  try {
    return CreateTeam(ParseOptions(args));
  } catch (const Refusal& refusal) {
    std::cerr << "krv: " << refusal.message << "\n";
    if (refusal.status == 2) std::cerr << "\n" << kNewTeamUsage;
    return refusal.status;
  }
}

namespace {
const ToolCommandRegistration kNeu({"neu", "OPTIONEN DATEI",
                                    "legt ein neues Team an, wie es der Erstellungsdialog täte,\n"
                                    "und schreibt es als Version 4 nach DATEI (krv neu --help)",
                                    40, RunNewTeamCommand});
}  // namespace

}  // namespace krv
