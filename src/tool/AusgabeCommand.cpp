// krv ausgabe: books one choice of the purchase dialog "Ausgabe".

#include <iostream>

#include "model/Format.h"
#include "model/Gold.h"
#include "properties/ExpenseEntry.h"
#include "properties/Staff.h"
#include "tool/SeasonCommand.h"

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
    "  --art verlust        ein Verlust, mit --text und --wert (in Goldstücken)\n"
    "\n"
    "Was die Kasse oder das Personal nicht erlaubt, wird mit dem Grund abgelehnt.\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einer Ablehnung (die Datei bleibt unverändert),\n"
    "2 bei falschem Aufruf.\n";

struct Art {
  const char* name;
  int choice;
};
constexpr Art kArts[] = {
    {"cotrainer", kWahlCotrainer}, {"cheerleader", kWahlCheerleader}, {"marke", kWahlMarke},
    {"marke-doppelt", kWahlMarkeDoppelt}, {"zauberer", kWahlZauberer}, {"sani", kWahlSani},
    {"verlust", kWahlVerlust},
};

bool NeedsName(int choice) {
  return choice == kWahlCotrainer || choice == kWahlCheerleader || choice == kWahlZauberer || choice == kWahlSani;
}

int Ausgabe(const std::vector<std::string>& args) {
  const CommandLine line = ParseCommandLine(args, {"--art", "--name", "--text", "--wert"}, {});
  if (line.positional.size() != 1) MisusedCommand("„ausgabe“ erwartet genau eine Teamdatei.");
  const auto art = line.Value("--art");
  if (!art) MisusedCommand("Die Art der Ausgabe fehlt (--art).");
  int choice = -1;
  for (const Art& a : kArts)
    if (*art == a.name) choice = a.choice;
  if (choice < 0) MisusedCommand("Unbekannte Art „" + *art + "“.");

  ExpenseBooking booking;
  booking.choice = choice;
  if (NeedsName(choice)) {
    if (!line.Has("--name")) MisusedCommand("Für „" + *art + "“ fehlt der Name (--name TEXT).");
    booking.name = *line.Value("--name");
    CheckTextLength(booking.name, kMaxPersonalName, "Der Name");
  } else if (line.Has("--name")) {
    MisusedCommand("„--name“ gilt nur für Personal.");
  }
  if (choice == kWahlVerlust) {
    if (!line.Has("--text") || !line.Has("--wert")) MisusedCommand("Ein Verlust braucht --text und --wert.");
    booking.text = *line.Value("--text");
    booking.value = NumberOption("--wert", *line.Value("--wert"));
  } else if (line.Has("--text") || line.Has("--wert")) {
    MisusedCommand("„--text“ und „--wert“ gelten nur für einen Verlust.");
  }

  std::string booked;
  const int status = ChangeTeamFile(line.positional[0], [&](CKRTeam& team) {
    const SeasonOutcome outcome = BookExpense(team, booking);
    if (outcome.changed) {
      const CKRAusgaben& entry = *team.m_Ausgaben.back();
      booked = Format("Ausgabe „%s“ zu %s Goldstücken gebucht; in der Kasse sind jetzt %s Goldstücke.",
                      entry.m_strText.c_str(), FormatGoldNumber(entry.m_nBetrag).c_str(),
                      FormatGold(team.m_strGold).c_str());
    }
    return outcome;
  });
  std::cout << booked << "\n";
  return status;
}

}  // namespace

int RunAusgabeCommand(const std::vector<std::string>& args) { return RunCommandBody(kUsage, args, Ausgabe); }

}  // namespace krv
