// Income entries, changing ledger entries and deleting them with the undo of what an
// expense bought.

#include "season/LedgerEntries.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/HostedSampleTeam.h"
#include "support/FakeTeamHost.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

class LedgerEntries : public test::HostedSampleTeamTest {};

// Each ledger is cut to thousands on its own: summing the amounts as they come, or rounding,
// would give 1 after 500 + 400. Value 0 must add no entry.
TEST_F(LedgerEntries, IncomeCountsOnlyWholeThousands) {
  const int32_t startK = Team().m_nEinnahmenK;
  const int64_t gold = Team().m_nGold;
  EXPECT_EQ(AddIncome(Team(), "Trinkgeld", 500).sound, "Sounds/NeueEinnahme.wav");
  AddIncome(Team(), "Trinkgeld", 400);
  EXPECT_EQ(Team().m_nEinnahmenK, startK);
  EXPECT_EQ(Team().m_nGold, gold);
  AddIncome(Team(), "Trinkgeld", 200);
  EXPECT_EQ(Team().m_nEinnahmenK, startK + 1);
  EXPECT_EQ(Team().m_nGold, gold + 1000);

  const size_t entries = Team().m_Einnahmen.size();
  const ChangeOutcome nothing = AddIncome(Team(), "Nichts", 0);
  EXPECT_FALSE(nothing.applied);
  EXPECT_TRUE(nothing.sound.empty());
  EXPECT_EQ(Team().m_Einnahmen.size(), entries);
}

// The creation entries are protected; an expense changed to 0 would otherwise vanish from the
// treasury silently, while an income entry may well be 0.
TEST_F(LedgerEntries, ChangeRules) {
  EXPECT_TRUE(ChangeLedgerEntry(Team(), Ledger::Expenses, 0, "Weg", 1).Refused());
  EXPECT_TRUE(ChangeLedgerEntry(Team(), Ledger::Income, 0, "Weg", 1).Refused());
  EXPECT_TRUE(DeleteLedgerEntry(Team(), Ledger::Income, 0).Refused());
  EXPECT_EQ(Team().m_Einnahmen[0]->m_strText, "Startkapital");
  EXPECT_EQ(Team().m_Ausgaben[0]->m_strText, "Team-Aufstellung");

  EXPECT_FALSE(ChangeLedgerEntry(Team(), Ledger::Expenses, 1, "Null", 0).applied);
  EXPECT_EQ(Team().m_Ausgaben[1]->m_strText, "Trainningsmarke");
  EXPECT_EQ(Team().m_Ausgaben[1]->m_nBetrag, 60000);

  EXPECT_TRUE(ChangeLedgerEntry(Team(), Ledger::Expenses, 1, "Marke billig", 50000).applied);
  EXPECT_EQ(Team().m_Ausgaben[1]->m_nArt, kAusgabeMarke);  // keeps its kind
  AddIncome(Team(), "Sponsor", 30000);
  EXPECT_TRUE(ChangeLedgerEntry(Team(), Ledger::Income, 1, "Sponsor weg", 0).applied);
  EXPECT_EQ(Team().m_Einnahmen[1]->m_nBetrag, 0);
  EXPECT_EQ(Team().m_Einnahmen[1]->m_strText, "Sponsor weg");
}

// Deleting undoes by kind: a re-roll count, never below 0; an apothecary or master chef
// leaving with an event and sound; nothing for assistant coaches and for entries of old files
// that carry no kind (a "Trainningsmarke" of kind 0 must not cost a re-roll).
TEST_F(LedgerEntries, DeleteUndoesByKind) {
  Team().AddAusgabe({"Sani Der Sani angeworben.", 50000, kAusgabeSani});             // row 2
  Team().AddAusgabe({"CotrainerIn Cotrainer1 unter Vertrag genommen.", 10000, 10});  // row 3
  Team().AddAusgabe({"Trainningsmarke", 60000, kAusgabeUnbekannt});                  // row 4
  Team().AddAusgabe({"Trainningsmarke", 120000, kAusgabeMarkeDoppelt});              // row 5

  ChangeOutcome outcome = DeleteLedgerEntry(Team(), Ledger::Expenses, 5);  // no double re-roll bought
  EXPECT_EQ(outcome.notices, (std::vector<Notice>{{NoticeKind::Information, "Minuswerte?"}}));
  EXPECT_EQ(Team().m_nMarken2, 0);
  outcome = DeleteLedgerEntry(Team(), Ledger::Expenses, 4);
  EXPECT_TRUE(outcome.notices.empty());
  EXPECT_EQ(Team().m_nMarken, 2);
  DeleteLedgerEntry(Team(), Ledger::Expenses, 3);
  EXPECT_TRUE(Team().FindCoTrainer("Cotrainer1"));

  outcome = DeleteLedgerEntry(Team(), Ledger::Expenses, 2);
  EXPECT_EQ(outcome.sound, "Sounds/Sa-geht.wav");
  EXPECT_EQ(Team().m_Ereignisse.back()->m_strText,
            "Der Sanitäter Der Sani verlässt das Team! (Nachträgliche Änderung)");
  EXPECT_EQ(Team().m_bSani, 0);

  outcome = DeleteLedgerEntry(Team(), Ledger::Expenses, 1);
  EXPECT_EQ(Team().m_nMarken, 1);
  EXPECT_EQ(Team().m_Ausgaben.size(), 1u);
  EXPECT_EQ(m_host.Count("modified"), 5u);
  EXPECT_EQ(m_host.Count("confirm"), 0u);  // the page asks, not the core
}

// The wizard leaves with an event and a sound under the title the expense was booked for: a
// wizard must not leave as a master chef.
TEST_F(LedgerEntries, WizardLeavesUnderItsTitle) {
  for (auto [kind, title] : {std::pair{kAusgabeZauberer, "Zauberer"}, std::pair{kAusgabeAlchemist, "Alchemist"},
                             std::pair{kAusgabeMeisterkoch, "Meisterkoch"}}) {
    Team().m_bZauberer = 1;
    Team().m_strZauberer = "Merlin";
    Team().AddAusgabe({"Zauberer Merlin angeworben.", 150000, kind});
    const ChangeOutcome outcome = DeleteLedgerEntry(Team(), Ledger::Expenses, Team().m_Ausgaben.size() - 1);
    EXPECT_EQ(outcome.sound, "Sounds/Za-geht.wav");
    const CKREreignisse& event = *Team().m_Ereignisse.back();
    EXPECT_EQ(std::tie(event.m_strText, event.m_nArt),
              std::tuple(std::string("Der ") + title + " Merlin verlässt das Team! (Nachträgliche Änderung)",
                         kEreignisSonstiges));
    EXPECT_EQ(std::tie(Team().m_bZauberer, Team().m_strZauberer), std::tuple(0, ""));
  }
}

// The questions name the entry; a wrong row would have the coach confirm another entry.
TEST_F(LedgerEntries, DeleteQuestionsNameTheRow) {
  AddIncome(Team(), "Sponsor", 30000);
  EXPECT_EQ(DeleteLedgerQuestion(Team(), Ledger::Income, 1), "Sponsor\nzu 30000 Goldstücken.\n\nWirklich löschen?");
  EXPECT_EQ(DeleteLedgerQuestion(Team(), Ledger::Expenses, 1).substr(0, 51),
            "Trainningsmarke zu 60000 Goldstücken.\nWirklich lö");
  EXPECT_EQ(DeleteLedgerQuestion(Team(), Ledger::Expenses, 9), "");
}

}  // namespace
}  // namespace krv
