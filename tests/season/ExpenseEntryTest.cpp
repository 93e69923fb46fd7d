// The purchase dialog's rules: which choices a treasury allows, their labels by race, and
// what booking each choice writes into the team.

#include "season/ExpenseEntry.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/FakeTeamHost.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

// A team with the treasury given and no apothecary, so every price decides alone.
std::unique_ptr<CKRTeam> TeamWithTreasury(int64_t gold, int32_t race = 10) {
  auto team = test::MakeSampleTeam(race);
  team->m_bSani = 0;
  team->m_nGold = gold;
  return team;
}

// Which of the nine choices are enabled, as a row of 0 and 1.
std::string Enabled(int64_t gold) {
  std::string enabled;
  for (const ExpenseOption& option : ExpenseOptions(*TeamWithTreasury(gold))) enabled += option.enabled ? '1' : '0';
  return enabled;
}

// An off-by-one in a threshold (">" for ">=") would sell a wizard for 149000 or refuse one
// for exactly 150000; the same at 50000, 10000 and the two re-roll prices (60000, 120000). An
// empty treasury leaves only the loss; a negative one must not be read as "empty" (that would
// also lock the player purchases) nor as a big unsigned number (that would sell all).
TEST(ExpenseOptions, PricesAreThresholds) {
  const std::pair<int64_t, const char*> cases[] = {{150000, "111111111"}, {149000, "111101111"}, {120000, "111101111"},
                                                   {119000, "111001111"}, {60000, "111001111"},  {50000, "110001111"},
                                                   {49000, "110000111"},  {10000, "110000111"},  {9000, "000000111"},
                                                   {0, "000000001"},      {-20000, "000000111"}};
  for (const auto& [gold, enabled] : cases) EXPECT_EQ(Enabled(gold), enabled) << gold;
  EXPECT_EQ(ExpenseOptions(*TeamWithTreasury(149000))[kWahlZauberer].reason,
            "Dafür reicht das Geld nicht: In der Kasse sind 149.000 Goldstücke, es kostet 150.000.");
  EXPECT_EQ(ExpenseOptions(*TeamWithTreasury(0))[kWahlSpieler].reason, "Die Kasse ist leer.");
}

// The staff flags and the undead race lock wizard and apothecary whatever the treasury; the
// wizard's label and expense kind follow the race (the master chef's kind: Booking.EveryChoiceWithItsSideEffect).
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
  // Each choice with the name or text typed and the value, and the text, amount and kind it books.
  const struct {
    int choice;
    const char* typed;
    int32_t value;
    std::tuple<std::string, int32_t, int32_t> booked;
  } bookings[] = {
      {kWahlCotrainer, "Gorbag", 0, {"CotrainerIn Gorbag unter Vertrag genommen.", 10000, kAusgabeCotrainer}},
      {kWahlCheerleader, "Lugdusch", 0, {"CheerleaderIn Lugdusch unter Vertrag genommen.", 10000, kAusgabeCheerleader}},
      {kWahlMarke, "", 0, {"Trainningsmarke", 60000, kAusgabeMarke}},
      {kWahlMarkeDoppelt, "", 0, {"Trainningsmarke", 120000, kAusgabeMarkeDoppelt}},
      {kWahlZauberer, "Bilbo", 0, {"Zauberer Bilbo angeworben.", 150000, kAusgabeMeisterkoch}},
      {kWahlSani, "Doc", 0, {"Sani Doc angeworben.", 50000, kAusgabeSani}},
      {kWahlVerlust, "Schiri bestochen", 20000, {"Schiri bestochen", 20000, kAusgabeVerlust}},
  };
  for (const auto& b : bookings) {
    EXPECT_EQ(Book(b.choice, b.typed, b.typed, b.value).sound, "Sounds/NeueAusgabe.wav") << b.choice;
    const CKRAusgaben& a = *m_team->m_Ausgaben.back();
    EXPECT_EQ(std::tie(a.m_strText, a.m_nBetrag, a.m_nArt), b.booked);
  }
  EXPECT_EQ(m_team->m_Ausgaben.size(), 2u + std::size(bookings));
  EXPECT_EQ(m_team->m_nMarken, marken + 1);
  EXPECT_EQ(m_team->m_nMarken2, 1);
  EXPECT_TRUE(m_team->FindCoTrainer("Gorbag"));
  EXPECT_TRUE(m_team->FindCheerleader("Lugdusch"));
  EXPECT_EQ(std::tie(m_team->m_strZauberer, m_team->m_bZauberer, m_team->m_strSani, m_team->m_bSani),
            std::tuple("Bilbo", 1, "Doc", 1));
  const CKREreignisse& event = *m_team->m_Ereignisse.back();
  EXPECT_EQ(std::tie(event.m_strText, event.m_nArt), std::tuple("Schiri bestochen 20000", kEreignisSonstiges));
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
