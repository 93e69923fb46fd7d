#include "season/LedgerEntries.h"

#include "model/Format.h"

namespace krv {
namespace {

constexpr const char* kSoundNeueEinnahme = "Sounds/NeueEinnahme.wav";
constexpr const char* kSoundSaniGeht = "Sounds/Sa-geht.wav";
constexpr const char* kSoundZaubererGeht = "Sounds/Za-geht.wav";

constexpr const char* kDeleteExpenseQuestion =
    "%s zu %ld Goldstücken.\nWirklich löschen?\n\nAchtung!!!\nWenn Sie Ausgaben wie Cheerleader oder\n"
    "Cotrainer löschen, müssen Sie diese manuell\naus den Listen löschen!\nDa Sie deren Namen "
    "nachträglich ändern können,\nkann das Programm nicht willkürlich löschen.\n\nTrainermarken werden "
    "nur abgezogen, wenn diese mit\nder Version 1.3++ der KRV erstellt wurden.";

size_t LedgerSize(const CKRTeam& team, Ledger ledger) {
  size_t n = 0;
  if (ledger == Ledger::Expenses) {
    for (const auto& e : team.m_Ausgaben) n += e ? 1 : 0;
  } else {
    for (const auto& e : team.m_Einnahmen) n += e ? 1 : 0;
  }
  return n;
}

void TakeBackReroll(int32_t& count, ChangeOutcome& outcome) {
  if (--count < 0) {
    count = 0;
    outcome.Notify("Minuswerte?");
  }
}

// An apothecary or wizard paid by a deleted expense leaves the team after all.
void StaffLeavesAfterwards(CKRTeam& team, const std::string& eventText, std::string& name, int32_t& flag,
                           const char* sound, ChangeOutcome& outcome) {
  flag = 0;
  name.clear();
  team.AddEreignis(eventText, kEreignisSonstiges);
  outcome.sound = sound;
}

void UndoExpense(CKRTeam& team, const CKRAusgaben& entry, ChangeOutcome& outcome) {
  switch (entry.m_nArt) {
    case kAusgabeMarke: TakeBackReroll(team.m_nMarken, outcome); break;
    case kAusgabeMarkeDoppelt: TakeBackReroll(team.m_nMarken2, outcome); break;
    case kAusgabeSani:
      StaffLeavesAfterwards(
          team, Format("Der Sanitäter %s verlässt das Team! (Nachträgliche Änderung)", team.m_strSani.c_str()),
          team.m_strSani, team.m_bSani, kSoundSaniGeht, outcome);
      break;
    case kAusgabeZauberer:
    case kAusgabeAlchemist:
    case kAusgabeMeisterkoch: {
      const char* word = entry.m_nArt == kAusgabeAlchemist     ? "Alchemist"
                         : entry.m_nArt == kAusgabeMeisterkoch ? "Meisterkoch"
                                                               : "Zauberer";
      StaffLeavesAfterwards(
          team, Format("Der %s %s verlässt das Team! (Nachträgliche Änderung)", word, team.m_strZauberer.c_str()),
          team.m_strZauberer, team.m_bZauberer, kSoundZaubererGeht, outcome);
      break;
    }
    default: break;  // assistant coaches and cheerleaders are dismissed on the staff page
  }
}

}  // namespace

const char* const kFirstLedgerRowRefusal =
    "Der erste Eintrag (vom Erstellen des Teams) kann weder geändert noch gelöscht werden.";

namespace {

ChangeOutcome RefuseRow(size_t row) {
  return ChangeOutcome::Refuse(row == 0 ? kFirstLedgerRowRefusal : "Diesen Eintrag gibt es nicht.", NoticeKind::Error);
}

}  // namespace

std::string GameIncomeText(const std::string& opponent) { return kGameIncomePrefix + opponent; }

ChangeOutcome AddIncome(CKRTeam& team, const std::string& text, int32_t value) {
  ChangeOutcome outcome;
  if (value <= 0) return outcome;
  team.AddEinnahme(text, value);
  team.SetTeamModified();
  outcome.applied = true;
  outcome.sound = kSoundNeueEinnahme;
  return outcome;
}

bool LedgerRowEditable(const CKRTeam& team, Ledger ledger, size_t row) {
  return row > 0 && row < LedgerSize(team, ledger);
}

ChangeOutcome ChangeLedgerEntry(CKRTeam& team, Ledger ledger, size_t row, const std::string& text, int32_t value) {
  if (!LedgerRowEditable(team, ledger, row)) return RefuseRow(row);
  ChangeOutcome outcome;
  if (ledger == Ledger::Expenses) {
    if (value <= 0) return outcome;
    team.ChangeAusgabe(row, text, value);
  } else {
    team.ChangeEinnahme(row, text, value);
  }
  outcome.applied = true;
  return outcome;
}

std::string DeleteLedgerQuestion(const CKRTeam& team, Ledger ledger, size_t row) {
  if (ledger == Ledger::Expenses) {
    const CKRAusgaben* entry = NthRecord(team.m_Ausgaben, row);
    return entry ? Format(kDeleteExpenseQuestion, entry->m_strText.c_str(), static_cast<long>(entry->m_nBetrag)) : "";
  }
  const CKREinnahmen* entry = NthRecord(team.m_Einnahmen, row);
  return entry ? Format("%s\nzu %ld Goldstücken.\n\nWirklich löschen?", entry->m_strText.c_str(),
                        static_cast<long>(entry->m_nBetrag))
               : "";
}

ChangeOutcome DeleteLedgerEntry(CKRTeam& team, Ledger ledger, size_t row) {
  if (!LedgerRowEditable(team, ledger, row)) return RefuseRow(row);
  ChangeOutcome outcome;
  if (ledger == Ledger::Expenses) {
    CKRAusgaben* entry = NthRecord(team.m_Ausgaben, row);
    UndoExpense(team, *entry, outcome);
    EraseRecord(team.m_Ausgaben, entry);
  } else {
    EraseRecord(team.m_Einnahmen, NthRecord(team.m_Einnahmen, row));
  }
  team.SetTeamModified();
  outcome.applied = true;
  return outcome;
}

}  // namespace krv
