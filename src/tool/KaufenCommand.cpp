// krv kaufen: buys a player of a position or hires a star player, as the purchase dialog does.

#include <climits>

#include "create/StarOffer.h"
#include "model/Format.h"
#include "model/Gold.h"
#include "roster/PlayerPurchase.h"
#include "rules/Races.h"
#include "tool/RosterCommands.h"
#include "tool/TeamCommand.h"
#include "tool/ToolCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv kaufen DATEI --position NAME [--name TEXT] [--karte]\n"
    "        krv kaufen DATEI --star NAME\n"
    "\n"
    "Kauft einen Spieler, wie es der Dialog „Spielerkaufen“ täte, und speichert die Datei.\n"
    "\n"
    "  --position NAME  die Position des Volkes (bei eigenem Volk der Name der eigenen\n"
    "                   Position), genau wie in der Kaufliste geschrieben\n"
    "  --name TEXT      Name des Spielers; ohne ihn heißt er wie seine Position\n"
    "  --karte          mit der Karte „Spieler zum halben Preis“\n"
    "  --star NAME      stellt einen Starplayer des Katalogs ein, genau geschrieben\n"
    "\n"
    "Angeboten wird, was der Dialog anbietet: noch freie Plätze der Position und ein Preis,\n"
    "den das Vermögen des Teams trägt. Rückgabewert: 0 bei Erfolg, 1 wenn der Kauf so nicht\n"
    "möglich ist (die Datei bleibt unverändert), 2 bei falschem Aufruf.\n";

std::string BuyPosition(CKRTeam& team, const ProgramSettings& settings, const std::string& position,
                        const CommandOptions& options) {
  const bool card = options.Flag("--karte");
  const int32_t treasury = PurchaseTreasury(team);
  const auto offers = PurchaseOffers(team, treasury, card);
  if (!FindPurchaseOffer(offers, position)) {
    // Why the list would not show it: no such position, none left, or too dear.
    const auto unlimited = PurchaseOffers(team, INT32_MAX, card);
    if (const PurchaseOffer* offer = FindPurchaseOffer(unlimited, position))
      Refuse(Format("Die Position „%s“ kostet %s Goldstücke%s; das Team hat nur %s Goldstücke.", position.c_str(),
                    FormatGoldNumber(card ? offer->m_nCost / 2 : offer->m_nCost).c_str(), card ? " mit der Karte" : "",
                    FormatGoldNumber(treasury).c_str()));
    bool exists = false;
    if (team.m_nRasse == kEigeneRasse) {
      for (int slot = 0; slot < 6; ++slot)
        exists = exists || (team.m_Positionen[static_cast<size_t>(slot)].m_strName == position &&
                            team.m_Positionen[static_cast<size_t>(slot)].m_nCost != 0);
    } else if (const auto roster = GetRaceRoster(team.m_nRasse)) {
      for (int32_t i = 0; i < roster->m_nPositions; ++i)
        exists = exists || position == g_Kader[static_cast<size_t>(roster->m_nFirstRow + i)].m_pszName;
    }
    if (!exists) Refuse(Format("Die Position „%s“ gibt es bei diesem Team nicht.", position.c_str()));
    Refuse(Format("Von der Position „%s“ hat das Team schon so viele Spieler, wie erlaubt sind.", position.c_str()));
  }
  PlayerPurchase purchase{position, options.Value("--name"), card};
  const ChangeOutcome outcome = BuyPlayer(team, purchase, settings.m_nMaxSpieler);
  if (outcome.Refused()) Refuse(outcome.refusal.text);
  const CKRSpieler& p = *outcome.created;
  return Format("%s (%s) mit der Nummer %ld für %s Goldstücke gekauft.", p.m_strName.c_str(), p.m_strPosition.c_str(),
                static_cast<long>(p.m_nNummer), FormatGoldNumber(p.m_nWert).c_str());
}

std::string HireStar(CKRTeam& team, const ProgramSettings& settings, const std::string& name) {
  if (!StarButtonEnabled(team, PurchaseTreasury(team), settings.m_nMaxSpieler))
    Refuse(
        "Das Team kann keinen Starplayer mehr einstellen: es hat schon vier Starplayer und alle erlaubten "
        "Brocken, keinen Platz mehr oder kein Gold.");
  const SStarplayer* star = FindStarplayerByName(name);
  if (!star) Refuse("Unbekannter Starplayer „" + name + "“ (der Name muss genau wie im Katalog geschrieben sein).");
  StarOfferRequest request{team.m_nRasse, &team, true, false, settings.m_nStartkapital};
  const auto offers = StarOffers(request);
  if (offers.empty()) Refuse(kNoStarOfferMessage);
  bool offered = false;
  for (const StarOfferRow& row : offers) offered = offered || row.m_pStar == star;
  if (!offered)
    Refuse(
        Format("Der Starplayer „%s“ wird diesem Team nicht angeboten: er spielt nicht für dieses Volk, kostet "
               "%s Goldstücke oder das Team hat schon genug Starplayer dieser Art.",
               name.c_str(), FormatGoldNumber(star->m_nCost).c_str()));
  const ChangeOutcome outcome = HireStarPlayer(team, StarplayerRecord(*star), settings.m_nMaxSpieler);
  if (outcome.Refused()) Refuse(outcome.refusal.text);
  return Format("Starplayer %s mit der Nummer %ld für %s Goldstücke eingestellt.", name.c_str(),
                static_cast<long>(outcome.created->m_nNummer), FormatGoldNumber(star->m_nCost).c_str());
}

std::string Kaufen(CKRTeam& team, const ProgramSettings& settings, const CommandOptions& options) {
  const auto position = options.Value("--position");
  const auto star = options.Value("--star");
  if (position.has_value() == star.has_value()) Misuse("Bitte genau eines angeben: --position NAME oder --star NAME.");
  if (star && (options.Has("--name") || options.Flag("--karte")))
    Misuse("--name und --karte gelten nur mit --position.");
  if (const ChangeOutcome full = RosterFullRefusal(team, settings.m_nMaxSpieler); full.Refused())
    Refuse(full.refusal.text);
  return position ? BuyPosition(team, settings, *position, options) : HireStar(team, settings, *star);
}

}  // namespace

int RunKaufenCommand(const std::vector<std::string>& args) {
  return RunTeamCommand({kUsage, {"--position", "--name", "--star"}, {}, {"--karte"}, Kaufen}, args);
}

namespace {
const ToolCommandRegistration kRegistration({"kaufen", "DATEI ...",
                                             "kauft einen Spieler oder Starplayer (krv kaufen --help)", 50,
                                             RunKaufenCommand});
}  // namespace

}  // namespace krv
