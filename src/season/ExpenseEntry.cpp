#include "season/ExpenseEntry.h"

#include "model/Format.h"
#include "model/Gold.h"
#include "season/Staff.h"
#include "rules/StaffPrices.h"

namespace krv {
namespace {

constexpr const char* kSoundNeueAusgabe = "Sounds/NeueAusgabe.wav";

// The fixed price of a choice; 0 for the choices without one.
int32_t ChoicePrice(const CKRTeam& team, int choice) {
  switch (choice) {
    case kWahlCotrainer: return kCoTrainerPrice;
    case kWahlCheerleader: return kCheerleaderPrice;
    case kWahlMarke: return team.m_nMarkenPreis;
    case kWahlMarkeDoppelt: return team.m_nMarkenPreis2;
    case kWahlZauberer: return kWizardPrice;
    case kWahlSani: return kApothecaryPrice;
    default: return 0;
  }
}

std::string ChoiceText(const CKRTeam& team, int choice) {
  switch (choice) {
    case kWahlCotrainer: return "(10K) Cotrainer";
    case kWahlCheerleader: return "(10k) CheerleaderIn";
    case kWahlMarke:
      return Format("(%ldk) Trainingsmarke (normaler Preis)", static_cast<long>(team.m_nMarkenPreis / 1000));
    case kWahlMarkeDoppelt:
      return Format("(%ldk) Trainingsmarke (doppelter Preis)", static_cast<long>(team.m_nMarkenPreis2 / 1000));
    case kWahlZauberer: return "(150k) " + WizardStaffWord(team.m_nRasse);
    case kWahlSani: return "(50K) Sanitäter";
    case kWahlStarspieler: return "Starspieler";
    case kWahlSpieler: return "Spieler";
    default: return "Verlust";
  }
}

// Why the choice cannot be bought now, or "" when it can.
std::string DisabledReason(const CKRTeam& team, int choice, int64_t treasury) {
  if (choice == kWahlZauberer || choice == kWahlSani) {
    const std::string what = choice == kWahlSani ? "Sanitäter" : WizardStaffWord(team.m_nRasse);
    if (!RaceMayHaveApothecaryAndWizard(team.m_nRasse)) return "Untote dürfen keinen " + what + " einstellen.";
    if ((choice == kWahlSani ? team.m_bSani : team.m_bZauberer) != 0) return "Das Team hat schon einen " + what + ".";
  }
  if (choice == kWahlVerlust) return {};
  if (treasury == 0) return "Die Kasse ist leer.";
  const int32_t price = ChoicePrice(team, choice);
  if (price > 0 && treasury < price)
    return Format("Dafür reicht das Geld nicht: In der Kasse sind %s Goldstücke, es kostet %s.",
                  FormatGoldNumber(treasury).c_str(), FormatGoldNumber(price).c_str());
  return {};
}

}  // namespace

const char* const kNormalRerollNote =
    "Dieses ist nur möglich, wenn Sie im Spiel\ndie Karte 'Zusatztraining' gezogen und sich\nfür Punkt 2 entschieden "
    "haben!\n\nSonst können Sie Trainingsmarken nur zum\ndoppelten Preis erstehen, leider!";

const char* const kNoChoiceMessage =
    "Sie müssen erst eine der Möglichkeiten\nauswählen bevor sie auf Übernehmen klicken!";

int64_t ExpenseTreasury(const CKRTeam& team) { return ParseGold(team.m_strGold); }

std::array<ExpenseOption, kExpenseChoiceCount> ExpenseOptions(const CKRTeam& team) {
  const int64_t treasury = ExpenseTreasury(team);
  std::array<ExpenseOption, kExpenseChoiceCount> options;
  for (int choice = 0; choice < kExpenseChoiceCount; ++choice) {
    ExpenseOption& option = options[static_cast<size_t>(choice)];
    option.text = ChoiceText(team, choice);
    option.reason = DisabledReason(team, choice, treasury);
    option.enabled = option.reason.empty();
  }
  return options;
}

int32_t WizardExpenseKind(int32_t race) {
  const std::string word = WizardStaffWord(race);
  if (word == "Meisterkoch") return kAusgabeMeisterkoch;
  if (word == "Alchemist") return kAusgabeAlchemist;
  return kAusgabeZauberer;
}

void RememberExpenseChoice(CKRTeam& team, int choice) { team.m_nLetzteAusgabeArt = choice; }

ChangeOutcome BookExpense(CKRTeam& team, const ExpenseBooking& booking) {
  const int choice = booking.choice;
  if (choice < 0 || choice >= kExpenseChoiceCount) return ChangeOutcome::Refuse(kNoChoiceMessage, NoticeKind::Error);
  if (choice == kWahlStarspieler || choice == kWahlSpieler)
    return ChangeOutcome::Refuse("Spieler und Starspieler werden auf der Seite „Spieler“ gekauft.", NoticeKind::Error);
  const std::string reason = DisabledReason(team, choice, ExpenseTreasury(team));
  if (!reason.empty()) return ChangeOutcome::Refuse(reason, NoticeKind::Error);

  ChangeOutcome outcome;
  const std::string& name = booking.name;
  switch (choice) {
    case kWahlCotrainer:
      if (!HireCoTrainer(team, name))
        return ChangeOutcome::Refuse(DuplicateStaffNameMessage(kPersonalCoTrainer), NoticeKind::Error);
      team.AddAusgabe(Format("CotrainerIn %s unter Vertrag genommen.", name.c_str()), kCoTrainerPrice,
                      kAusgabeCotrainer);
      break;
    case kWahlCheerleader:
      if (!HireCheerleader(team, name))
        return ChangeOutcome::Refuse(DuplicateStaffNameMessage(kPersonalCheerleader), NoticeKind::Error);
      team.AddAusgabe(Format("CheerleaderIn %s unter Vertrag genommen.", name.c_str()), kCheerleaderPrice,
                      kAusgabeCheerleader);
      break;
    case kWahlMarke:
      team.AddAusgabe("Trainningsmarke", team.m_nMarkenPreis, kAusgabeMarke);
      ++team.m_nMarken;
      break;
    case kWahlMarkeDoppelt:
      team.AddAusgabe("Trainningsmarke", team.m_nMarkenPreis2, kAusgabeMarkeDoppelt);
      ++team.m_nMarken2;
      break;
    case kWahlZauberer:
      team.m_strEingabeName = name;
      team.m_strZauberer = name;
      team.AddAusgabe(Format("Zauberer %s angeworben.", name.c_str()), kWizardPrice, WizardExpenseKind(team.m_nRasse));
      team.m_bZauberer = 1;
      break;
    case kWahlSani:
      team.m_strEingabeName = name;
      team.m_strSani = name;
      team.AddAusgabe(Format("Sani %s angeworben.", name.c_str()), kApothecaryPrice, kAusgabeSani);
      team.m_bSani = 1;
      break;
    default:  // a loss, with its event
      team.AddAusgabe(booking.text, booking.value, kAusgabeVerlust);
      team.AddEreignis(Format("%s %ld", booking.text.c_str(), static_cast<long>(booking.value)), kEreignisSonstiges);
      break;
  }
  RememberExpenseChoice(team, choice);
  team.SetTeamModified();
  outcome.applied = true;
  outcome.sound = kSoundNeueAusgabe;
  return outcome;
}

}  // namespace krv
