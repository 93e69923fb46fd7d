// krv ausgabe: books one choice of the purchase dialog "Ausgabe".

#include "model/Format.h"
#include "model/Gold.h"
#include "season/ExpenseEntry.h"
#include "season/LedgerEntries.h"
#include "season/Staff.h"
#include "tool/SeasonCommandParts.h"
#include "tool/SeasonCommands.h"
#include "tool/ToolCommand.h"
#include "tool/TeamCommand.h"

namespace krv {
namespace {

constexpr const char* kUsage =
    "Aufruf: krv ausgabe DATEI --art ART [--name TEXT] [--text TEXT] [--wert N]\n"
    "\n"
    "Bucht eine Ausgabe, wie es der Dialog „Ausgabe“ täte, und speichert die Datei.\n"
    "\n"
    "  --art cotrainer      (10K) Cotrainer, mit --name\n"
    "  --art cheerleader    (10k) CheerleaderIn, mit --name\n"
    "  --art marke          Trainingsmarke zum normalen Preis\n"
    "  --art marke-doppelt  Trainingsmarke zum doppelten Preis\n"
    "  --art zauberer       (150k) Zauberer, Alchemist oder Meisterkoch, mit --name\n"
    "  --art sani           (50K) Sanitäter, mit --name\n"
    "  --art verlust        ein Verlust, mit --text (höchstens 80 Zeichen) und --wert (in\n"
    "                       Goldstücken)\n"
    "\n"
    "Spieler und Starplayer kauft „krv kaufen“. Was die Kasse oder das Personal nicht\n"
    "erlaubt, wird mit dem Grund abgelehnt.\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer Ablehnung (die Datei bleibt unverändert),\n"
    "2 bei falschem Aufruf.\n";

struct Art {
  const char* name;
  int choice;
};
constexpr Art kArts[] = {
    {"cotrainer", kWahlCotrainer}, {"cheerleader", kWahlCheerleader},
    {"marke", kWahlMarke},         {"marke-doppelt", kWahlMarkeDoppelt},
    {"zauberer", kWahlZauberer},   {"sani", kWahlSani},
    {"verlust", kWahlVerlust},
};

bool NeedsName(int choice) {
  return choice == kWahlCotrainer || choice == kWahlCheerleader || choice == kWahlZauberer || choice == kWahlSani;
}

ExpenseBooking ReadBooking(const CommandOptions& options) {
  const auto art = options.Value("--art");
  if (!art) Misuse("Die Art der Ausgabe fehlt (--art).");
  ExpenseBooking booking;
  for (const Art& a : kArts)
    if (*art == a.name) booking.choice = a.choice;
  if (booking.choice < 0) Misuse("Unbekannte Art „" + *art + "“.");
  if (NeedsName(booking.choice)) {
    if (!options.Has("--name")) Misuse("Für „" + *art + "“ fehlt der Name (--name TEXT).");
    booking.name = *options.Value("--name");
    CheckTextLength(booking.name, kMaxPersonalName, "Der Name");
  } else if (options.Has("--name")) {
    Misuse("„--name“ gilt nur für Personal.");
  }
  if (booking.choice == kWahlVerlust) {
    if (!options.Has("--text") || !options.Has("--wert")) Misuse("Ein Verlust braucht --text und --wert.");
    booking.text = *options.Value("--text");
    CheckTextLength(booking.text, kMaxLedgerText, "Der Text");
    booking.value = *options.Number("--wert");
  } else if (options.Has("--text") || options.Has("--wert")) {
    Misuse("„--text“ und „--wert“ gelten nur für einen Verlust.");
  }
  return booking;
}

std::string Ausgabe(CKRTeam& team, const ProgramSettings&, const CommandOptions& options) {
  const ChangeOutcome outcome = BookExpense(team, ReadBooking(options));
  if (outcome.Refused()) Refuse(outcome.refusal.text);
  const CKRAusgaben& entry = *team.m_Ausgaben.back();
  return ReportOutcome(outcome, Format("Ausgabe „%s“ zu %s Goldstücken gebucht; in der Kasse sind jetzt %s Goldstücke.",
                                       entry.m_strText.c_str(), FormatGoldNumber(entry.m_nBetrag).c_str(),
                                       FormatGoldNumber(team.m_nGold).c_str()));
}

}  // namespace

int RunAusgabeCommand(const std::vector<std::string>& args) {
  return RunTeamCommand({kUsage, {"--art", "--name", "--text", "--wert"}, {}, {}, Ausgabe}, args);
}

namespace {
const ToolCommandRegistration kRegistration(
    {"ausgabe", "DATEI ...", "bucht eine Ausgabe: Personal, Trainingsmarken, Verluste\n(krv ausgabe --help)", 100,
     RunAusgabeCommand});
}  // namespace

}  // namespace krv
