// krv zombie: an undead team revives a killed opponent, as the zombie button does.

#include "model/Format.h"
#include "roster/ZombieRevival.h"
#include "season/Staff.h"
#include "tool/SeasonCommandParts.h"
#include "tool/RosterCommands.h"
#include "tool/TeamCommand.h"
#include "tool/ToolCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv zombie DATEI --name TEXT\n"
    "\n"
    "Belebt einen Spieler als Zombie wieder und nimmt ihn ins Team auf (nur Untote, höchstens\n"
    "8 Zombies): ein Ereignis „Wiederbelebung von '...'.“ wird eingetragen, es kostet nichts.\n"
    "Rückgabewert: 0 bei Erfolg, 1 wenn es nicht erlaubt ist (die Datei bleibt unverändert),\n"
    "2 bei falschem Aufruf.\n";

std::string Zombie(CKRTeam& team, const ProgramSettings& settings, const CommandOptions& options) {
  const auto name = options.Value("--name");
  if (!name) Misuse("Der Name des Zombies fehlt (--name TEXT).");
  CheckTextLength(*name, kMaxPersonalName, "Der Name");
  const ChangeOutcome outcome = ReviveZombie(team, *name, settings.m_nMaxSpieler);
  if (outcome.Refused()) Refuse(outcome.refusal.text);
  const CKRSpieler& zombie = *outcome.created;
  return Format("Zombie %s mit der Nummer %ld aufgenommen.", zombie.m_strName.c_str(),
                static_cast<long>(zombie.m_nNummer));
}

}  // namespace

int RunZombieCommand(const std::vector<std::string>& args) {
  return RunTeamCommand({kUsage, {"--name"}, {}, {}, Zombie}, args);
}

namespace {
const ToolCommandRegistration kRegistration({"zombie", "DATEI ...", "belebt einen Zombie wieder (krv zombie --help)",
                                             60, RunZombieCommand});
}  // namespace

}  // namespace krv
