// krv spieler: changes one active player's values as the confirmed sheet "Spielerwerte
// ändern" does, career-log entry included.

#include "model/Format.h"
#include "roster/NewSkills.h"
#include "roster/PlayerChange.h"
#include "tool/RosterCommands.h"
#include "tool/TeamCommand.h"
#include "tool/ToolCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv spieler DATEI (--nr N | --id N) [--name TEXT] [--position TEXT]\n"
    "                    [--bw N] [--st N] [--ge N] [--rw N] [--verletzung TEXT]\n"
    "                    [--pass N] [--td N] [--abg N] [--vsa N] [--sdt N] [--ssp N]\n"
    "                    [--fertigkeit KÜRZEL]...\n"
    "\n"
    "Ändert die Werte eines aktiven Spielers, wie es „Spielerwerte ändern“ mit OK täte, und\n"
    "trägt die Veränderungen datiert in seinen Lebenslauf ein, wenn die Einstellung\n"
    "„Spielerveränderungen in den Lebenslauf eintragen“ an ist.\n"
    "\n"
    "  --nr N             der aktive Spieler mit dieser Nummer (es darf nur einen geben)\n"
    "  --id N             der Spieler mit dieser ID\n"
    "  --bw, --st, --ge, --rw N  Bewegung 1-12, Stärke 1-10, Geschicklichkeit 1-6,\n"
    "                     Rüstung 4-10\n"
    "  --pass, --td, --abg, --vsa, --sdt N  Pässe, Touchdowns, abgefangene Pässe,\n"
    "                     verursachte Ausfälle, Spieler des Tages (Gesamtzahlen)\n"
    "  --ssp N            Starspielerpunkte 0-700 (nicht bei Starplayern)\n"
    "  --verletzung TEXT  bleibende Verletzung\n"
    "  --fertigkeit KÜRZEL  eine neue Fertigkeit wie mit „&Neu“ (z.B. Blk); mehrfach möglich\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg, 1 wenn die Änderung nicht möglich ist (die Datei bleibt\n"
    "unverändert), 2 bei falschem Aufruf.\n";

bool IsOfferedAbbreviation(const std::string& abbreviation) {
  for (const SFertigkeit* row : NewSkillRows())
    if (abbreviation == row->m_pszAbbreviation) return true;
  return false;
}

std::string AddSkills(const CKRSpieler& player, const std::vector<std::string>& abbreviations,
                      const std::string& skills) {
  if (IsStarCodeLocked(player.m_nPositionCode)) Refuse("Ein Starplayer bekommt keine neuen Fertigkeiten.");
  std::vector<std::string> chosen;
  for (const std::string& abbreviation : abbreviations) {
    if (!IsOfferedAbbreviation(abbreviation))
      Refuse("Unbekannte Fertigkeit „" + abbreviation + "“ (erwartet wird ein Kürzel wie „Blk“).");
    if (auto refusal = ChooseNewSkill(chosen, abbreviation, skills)) Refuse(abbreviation + ": " + refusal->substr(2));
  }
  return SkillTextWithNewSkills(skills, NewSkillsResult(chosen, skills));
}

std::string Spieler(CKRTeam& team, const ProgramSettings& settings, const CommandOptions& options) {
  CKRSpieler& player = SelectPlayer(team, options);
  if (const ChangeOutcome entry = PlayerChangeEntryRefusal(player); entry.Refused()) Refuse(entry.refusal.text);
  if (options.Has("--ssp") && IsStarCodeLocked(player.m_nPositionCode))
    Refuse("Die Starspielerpunkte eines Starplayers können nicht eingegeben werden.");

  PlayerChange change = PlayerChangeFrom(player);
  auto text = [&](const char* option, std::string& field) {
    if (auto v = options.Value(option)) field = *v;
  };
  auto number = [&](const char* option, int32_t& field) {
    if (auto v = options.Number(option)) field = *v;
  };
  text("--name", change.m_strName);
  text("--position", change.m_strPosition);
  text("--verletzung", change.m_strVerletzung);
  number("--bw", change.m_nBW);
  number("--st", change.m_nST);
  number("--ge", change.m_nGE);
  number("--rw", change.m_nRW);
  number("--pass", change.m_nPass);
  number("--td", change.m_nTD);
  number("--abg", change.m_nABG);
  number("--vsa", change.m_nVSA);
  number("--sdt", change.m_nSDT);
  number("--ssp", change.m_nSSP);
  const auto skills = options.Values("--fertigkeit");
  if (!skills.empty()) change.m_strFertigkeiten = AddSkills(player, skills, change.m_strFertigkeiten);

  const std::string logBefore = player.m_strLebenslauf;
  const ChangeOutcome outcome = ApplyPlayerChange(team, player, change, settings.m_bLebenslaufAuto != 0);
  if (outcome.Refused()) Refuse(outcome.refusal.text);
  const bool logged = player.m_strLebenslauf != logBefore;
  return Format("Spieler %s geändert%s.", player.m_strName.c_str(), logged ? ", Eintrag im Lebenslauf" : "");
}

}  // namespace

int RunSpielerCommand(const std::vector<std::string>& args) {
  return RunTeamCommand({kUsage,
                         {"--nr", "--id", "--name", "--position", "--bw", "--st", "--ge", "--rw", "--verletzung",
                          "--pass", "--td", "--abg", "--vsa", "--sdt", "--ssp"},
                         {"--fertigkeit"},
                         {},
                         Spieler},
                        args);
}

namespace {
const ToolCommandRegistration kRegistration({"spieler", "DATEI ...",
                                             "ändert die Werte eines Spielers (krv spieler --help)", 70,
                                             RunSpielerCommand});
}  // namespace

}  // namespace krv
