// krv entfernen: a player leaves the team as the remove dialog records it; a dead player
// can be taken out of the list entirely.

#include "model/Format.h"
#include "roster/PlayerRemoval.h"
#include "tool/RosterCommands.h"
#include "tool/TeamCommand.h"
#include "tool/ToolCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv entfernen DATEI (--nr N | --id N) --grund GRUND [--text TEXT]\n"
    "        krv entfernen DATEI --id N --endgueltig\n"
    "\n"
    "Trägt ein, was mit einem aktiven Spieler geschehen ist, wie es der Dialog „Spieler\n"
    "entfernen“ täte; der Spieler bleibt grau in der Liste.\n"
    "\n"
    "  --grund verkauft    verkauft oder entlassen\n"
    "  --grund cotrainer   als Cotrainer übernommen (er kommt ins Personal)\n"
    "  --grund verstorben  verstorben\n"
    "  --grund sonstiges   etwas anderes; --text sagt was (höchstens 80 Zeichen)\n"
    "  --endgueltig        nimmt einen verstorbenen Spieler ganz aus der Liste\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg, 1 wenn es so nicht geht (die Datei bleibt unverändert),\n"
    "2 bei falschem Aufruf.\n";

std::optional<RemovalReason> ReasonOf(const std::string& word) {
  if (word == "verkauft") return RemovalReason::kVerkauft;
  if (word == "cotrainer") return RemovalReason::kCotrainer;
  if (word == "verstorben") return RemovalReason::kVerstorben;
  if (word == "sonstiges") return RemovalReason::kSonstiges;
  Misuse("Unbekannter Grund „" + word + "“ (verkauft, cotrainer, verstorben oder sonstiges).");
}

std::string Entfernen(CKRTeam& team, const ProgramSettings& settings, const CommandOptions& options) {
  const auto grund = options.Value("--grund");
  const bool final = options.Flag("--endgueltig");
  if (grund.has_value() == final) Misuse("Bitte genau eines angeben: --grund GRUND oder --endgueltig.");
  if (options.Has("--text") && (!grund || *grund != "sonstiges")) Misuse("--text gilt nur mit --grund sonstiges.");
  const std::optional<RemovalReason> reason = grund ? ReasonOf(*grund) : std::nullopt;
  CKRSpieler& player = SelectPlayer(team, options);
  const std::string name = player.m_strName;

  const RemovalStart start = RemovalStartFor(player, settings.m_bSpielerBehalten != 0);
  switch (start.m_Step) {
    case RemovalStep::kNotActive: Refuse(start.m_strText);
    case RemovalStep::kAskFinalRemoval:
      if (!final)
        Refuse(start.m_strText.substr(0, start.m_strText.find('\n')) + " (--endgueltig nimmt ihn ganz aus der Liste.)");
      [[fallthrough]];
    case RemovalStep::kAskRemovalFromList:
      // The question is answered Yes by the call itself.
      RemovePlayerCompletely(team, &player);
      return Format("Spieler %s ganz aus der Liste genommen.", name.c_str());
    case RemovalStep::kOpenDialog: break;
  }
  if (final) Refuse(Format("%s ist noch aktiv; nur verstorbene Spieler können ganz entfernt werden.", name.c_str()));
  const ChangeOutcome outcome = RemovePlayer(team, player, {reason, options.Value("--text").value_or("")});
  if (outcome.Refused()) Refuse(outcome.refusal.text);
  return Format("Spieler %s: %s.", name.c_str(),
                *grund == "sonstiges" ? player.m_strVerletzung.c_str() : grund->c_str());
}

}  // namespace

int RunEntfernenCommand(const std::vector<std::string>& args) {
  return RunTeamCommand({kUsage, {"--nr", "--id", "--grund", "--text"}, {}, {"--endgueltig"}, Entfernen}, args);
}

namespace {
const ToolCommandRegistration kRegistration({"entfernen", "DATEI ...",
                                             "trägt ein, dass ein Spieler das Team verlässt\n(krv entfernen --help)",
                                             80, RunEntfernenCommand});
}  // namespace

}  // namespace krv
