// The purchase dialog's rules: which choices a treasury allows, their labels by race, and
// what booking each choice writes into the team.

#include "season/ExpenseEntry.h"

#include <gtest/gtest.h>

#include "support/FakeTeamHost.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

std::vector<bool> Enabled(const CKRTeam& team) {
  std::vector<bool> enabled;
  for (const ExpenseOption& option : ExpenseOptions(team)) enabled.push_back(option.enabled);
  return enabled;
}

// A team with the treasury given and no apothecary, so every price decides alone.
std::unique_ptr<CKRTeam> TeamWithTreasury(int64_t gold, int32_t race = 10) {
  auto team = test::MakeSampleTeam(race);
  team->m_bSani = 0;
  team->m_nGold = gold;
  return team;
}

// An off-by-one in a threshold (">" for ">=") would sell a wizard for 149000 or refuse one
// for exactly 150000; the same at 50000, 10000 and the two re-roll prices (60000, 120000).
TEST(ExpenseOptions, PricesAreThresholds) {
  using V = std::vector<bool>;
  EXPECT_EQ(Enabled(*TeamWithTreasury(150000)), (V{1, 1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Enabled(*TeamWithTreasury(149000)), (V{1, 1, 1, 1, 0, 1, 1, 1, 1}));
  EXPECT_EQ(Enabled(*TeamWithTreasury(120000)), (V{1, 1, 1, 1, 0, 1, 1, 1, 1}));
  EXPECT_EQ(Enabled(*TeamWithTreasury(119000)), (V{1, 1, 1, 0, 0, 1, 1, 1, 1}));
  EXPECT_EQ(Enabled(*TeamWithTreasury(60000)), (V{1, 1, 1, 0, 0, 1, 1, 1, 1}));
  EXPECT_EQ(Enabled(*TeamWithTreasury(50000)), (V{1, 1, 0, 0, 0, 1, 1, 1, 1}));
  EXPECT_EQ(Enabled(*TeamWithTreasury(49000)), (V{1, 1, 0, 0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(Enabled(*TeamWithTreasury(10000)), (V{1, 1, 0, 0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(Enabled(*TeamWithTreasury(9000)), (V{0, 0, 0, 0, 0, 0, 1, 1, 1}));
  const auto refused = ExpenseOptions(*TeamWithTreasury(149000))[kWahlZauberer];
  EXPECT_EQ(refused.reason, "Dafür reicht das Geld nicht: In der Kasse sind 149.000 Goldstücke, es kostet 150.000.");
}

// An empty treasury leaves only the loss; a negative one must not be read as "empty" (that
// would also lock the player purchases) nor as a big unsigned number (that would sell all).
TEST(ExpenseOptions, EmptyAndNegativeTreasury) {
  using V = std::vector<bool>;
  EXPECT_EQ(Enabled(*TeamWithTreasury(0)), (V{0, 0, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(ExpenseOptions(*TeamWithTreasury(0))[kWahlSpieler].reason, "Die Kasse ist leer.");
  EXPECT_EQ(Enabled(*TeamWithTreasury(-20000)), (V{0, 0, 0, 0, 0, 0, 1, 1, 1}));
}

// The staff flags and the undead race lock wizard and apothecary whatever the treasury; the
// wizard's label and expense kind follow the race.
TEST(ExpenseOptions, StaffAndRace) {
  auto team = TeamWithTreasury(500000);
  team->m_bSani = 1;
  team->m_bZauberer = 1;
  auto options = ExpenseOptions(*team);
  EXPECT_FALSE(options[kWahlSani].enabled);
  EXPECT_FALSE(options[kWahlZauberer].enabled);
  EXPECT_EQ(options[kWahlZauberer].reason, "Das Team hat schon einen Zauberer.");

  auto undead = TeamWithTreasury(500000, 12);
  options = ExpenseOptions(*undead);
  EXPECT_EQ(options[kWahlSani].reason, "Untote dürfen keinen Sanitäter einstellen.");
  EXPECT_FALSE(options[kWahlZauberer].enabled);

  EXPECT_EQ(ExpenseOptions(*TeamWithTreasury(0, 6))[kWahlZauberer].text, "(150k) Meisterkoch");
  EXPECT_EQ(ExpenseOptions(*TeamWithTreasury(0, 1))[kWahlZauberer].text, "(150k) Alchemist");
  EXPECT_EQ(ExpenseOptions(*TeamWithTreasury(0, 10))[kWahlMarkeDoppelt].text,
            "(120k) Trainingsmarke (doppelter Preis)");
  EXPECT_EQ(WizardExpenseKind(6), kAusgabeMeisterkoch);
  EXPECT_EQ(WizardExpenseKind(14), kAusgabeAlchemist);
  EXPECT_EQ(WizardExpenseKind(0), kAusgabeZauberer);
}

class Booking : public ::testing::Test {
 protected:
  void SetUp() override {
    m_team = TeamWithTreasury(0, 6);
    m_team->AddEinnahme({"Sponsor", 1060000});  // a treasury of 1000000
    m_team->Recalculate();
    m_team->m_pHost = &m_host;
  }
  ChangeOutcome Book(int choice, const std::string& name = {}, const std::string& text = {}, int32_t value = 0) {
    return BookExpense(*m_team, ExpenseBooking{choice, name, text, value});
  }
  std::unique_ptr<CKRTeam> m_team;
  test::FakeTeamHost m_host;
};

// Each choice books its text, amount and kind and its side effect; a wrong kind would make a
// later delete undo the wrong thing, a missing side effect would leave staff unpaid-for.
TEST_F(Booking, EveryChoiceWithItsSideEffect) {
  const int32_t marken = m_team->m_nMarken;
  EXPECT_TRUE(Book(kWahlCotrainer, "Gorbag").applied);
  EXPECT_TRUE(Book(kWahlCheerleader, "Lugdusch").applied);
  EXPECT_TRUE(Book(kWahlMarke).applied);
  EXPECT_TRUE(Book(kWahlMarkeDoppelt).applied);
  EXPECT_TRUE(Book(kWahlZauberer, "Bilbo").applied);
  EXPECT_TRUE(Book(kWahlSani, "Doc").applied);
  const ChangeOutcome loss = Book(kWahlVerlust, "Schiri bestochen", "Schiri bestochen", 20000);
  EXPECT_EQ(loss.sound, "Sounds/NeueAusgabe.wav");

  struct Row {
    const char* text;
    int32_t betrag, art;
  };
  const Row expected[] = {
      {"CotrainerIn Gorbag unter Vertrag genommen.", 10000, kAusgabeCotrainer},
      {"CheerleaderIn Lugdusch unter Vertrag genommen.", 10000, kAusgabeCheerleader},
      {"Trainningsmarke", 60000, kAusgabeMarke},
      {"Trainningsmarke", 120000, kAusgabeMarkeDoppelt},
      {"Zauberer Bilbo angeworben.", 150000, kAusgabeMeisterkoch},
      {"Sani Doc angeworben.", 50000, kAusgabeSani},
      {"Schiri bestochen", 20000, kAusgabeVerlust},
  };
  ASSERT_EQ(m_team->m_Ausgaben.size(), 2u + std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    const CKRAusgaben& a = *m_team->m_Ausgaben[2 + i];
    EXPECT_EQ(a.m_strText, expected[i].text);
    EXPECT_EQ(a.m_nBetrag, expected[i].betrag);
    EXPECT_EQ(a.m_nArt, expected[i].art);
  }
  EXPECT_EQ(m_team->m_nMarken, marken + 1);
  EXPECT_EQ(m_team->m_nMarken2, 1);
  EXPECT_TRUE(m_team->FindCoTrainer("Gorbag"));
  EXPECT_TRUE(m_team->FindCheerleader("Lugdusch"));
  EXPECT_EQ(m_team->m_strZauberer, "Bilbo");
  EXPECT_EQ(m_team->m_bZauberer, 1);
  EXPECT_EQ(m_team->m_strSani, "Doc");
  EXPECT_EQ(m_team->m_bSani, 1);
  EXPECT_EQ(m_team->m_Ereignisse.back()->m_strText, "Schiri bestochen 20000");
  EXPECT_EQ(m_team->m_Ereignisse.back()->m_nArt, kEreignisSonstiges);
  EXPECT_EQ(m_team->m_nLetzteAusgabeArt, kWahlVerlust);
  // The treasury follows at once: 1000000 - 420000 booked here.
  EXPECT_EQ(m_team->m_nGold, 580000);
  EXPECT_EQ(m_host.Count("modified"), 7u);
}

// A refusal changes nothing at all: no duplicate hire, no purchase the treasury cannot pay,
// no player purchase faked here, no booking without a choice.
TEST_F(Booking, RefusalsChangeNothing) {
  m_team->AddCoTrainer({"Gorbag"});
  const size_t expenses = m_team->m_Ausgaben.size();
  ChangeOutcome outcome = Book(kWahlCotrainer, "Gorbag");
  EXPECT_TRUE(outcome.Refused());
  EXPECT_EQ(outcome.refusal.text, "Eine(n) CotrainerIn mit diesem\nNamen gibt es schon!");
  EXPECT_TRUE(Book(kWahlSpieler).Refused());
  EXPECT_EQ(Book(-1).refusal.text, kNoChoiceMessage);
  m_team->m_Einnahmen.back()->m_nBetrag = 160000;  // a treasury of 100000
  m_team->Recalculate();
  EXPECT_TRUE(Book(kWahlZauberer, "Bilbo").Refused());
  EXPECT_EQ(m_team->m_bZauberer, 0);
  EXPECT_EQ(m_team->m_Ausgaben.size(), expenses);
  EXPECT_EQ(m_host.Count("modified"), 0u);
}

}  // namespace
}  // namespace krv
