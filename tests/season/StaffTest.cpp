// The staff rules behind page "Personal": words and labels per race, sorting, hiring,
// renaming and dismissing staff.

#include "season/Staff.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/HostedSampleTeam.h"

namespace krv {
namespace {

// The page's label takes the race's word for the wizard; a label not taken from it would give
// the Halflings a wizard or the Dwarfs a master chef. (The word and the Untote rule for every
// race: Races.StaffByRace; the leaving text: StaffOperations.DismissApothecaryAndMasterChef;
// the Untote rule as the expense entry applies it: ExpenseOptions.StaffAndRace.)
TEST(StaffWords, ByRace) {
  EXPECT_EQ(WizardLabel(14), "Alchemist:");
  EXPECT_EQ(WizardLabel(6), "Meisterkoch:");
  EXPECT_EQ(WizardLabel(10), "&Zauberer:");
}

// The lists read alphabetically whatever the case; umlauts sit beside their letters; equal
// names keep their order; gaps a file left are skipped.
TEST(StaffLists, SortedWithoutRegardToCase) {
  CKRTeam team;
  for (const char* name : {"bea", "Zora", "Änne", "Anna", "carla", "Bea", "Ulla", "Özlem", "Otto"})
    team.AddCheerleader({name});
  team.m_Cheerleader.insert(team.m_Cheerleader.begin() + 2, nullptr);
  EXPECT_EQ(SortedStaffNames(team.m_Cheerleader),
            (std::vector<std::string>{"Anna", "Änne", "bea", "Bea", "carla", "Otto", "Özlem", "Ulla", "Zora"}));
  EXPECT_TRUE(SortedStaffNames(CKRTeam().m_CoTrainer).empty());
}

// The calls of the set-up's recalculation forgotten.
class StaffOperations : public test::HostedSampleTeamTest {
  void SetUp() override {
    HostedSampleTeamTest::SetUp();
    m_host.calls.clear();
  }
};

// Dismissals: the modified routine runs once and the outcome carries the leaving sound; the
// expense that paid for the staff member stays; nobody to dismiss changes nothing. (Flags,
// names and event texts as the page shows them: StaffPageTest.)
TEST_F(StaffOperations, DismissApothecaryAndMasterChef) {
  Team().AddAusgabe({"Sani Der Sani angeworben.", 50000, kAusgabeSani});
  const size_t expenses = Team().m_Ausgaben.size();
  EXPECT_EQ(DismissApothecary(Team()).sound, "Sounds/Sa-geht.wav");
  EXPECT_EQ(Team().m_bSani, 0);
  EXPECT_EQ(Team().m_Ausgaben.size(), expenses);
  EXPECT_FALSE(DismissApothecary(Team()).applied);
  EXPECT_EQ(m_host.calls, (std::vector<std::string>{"modified", "recalculated"}));

  Team().m_nRasse = 6;
  Team().m_bZauberer = 1;
  Team().m_strZauberer = "Bernd Bratpfanne";
  EXPECT_EQ(DismissWizard(Team()).sound, "Sounds/Za-geht.wav");
  EXPECT_EQ(Team().m_strZauberer, "");
  EXPECT_EQ(Team().m_Ereignisse.back()->m_strText, "Der Meisterkoch Bernd Bratpfanne verlässt das Team!");
  EXPECT_EQ(m_host.Count("modified"), 2u);
}

// Catches the staff page writing "nicht möglich" (what it shows for the Untote) or a name
// into a post the team does not have, and a keystroke that changes nothing marking the
// team modified.
TEST_F(StaffOperations, ChangeStaffNamesOnlyWhereThereIsSomeone) {
  Team().m_bSani = 1;
  Team().m_strSani = "Doc";
  Team().m_bZauberer = 0;
  Team().m_strZauberer.clear();
  EXPECT_TRUE(ChangeStaffNames(Team(), {"Trainer X", "Doc Holle", "Merlin"}).applied);
  EXPECT_EQ(std::tie(Team().m_strTrainer, Team().m_strSani, Team().m_strZauberer),
            std::tuple("Trainer X", "Doc Holle", ""));
  EXPECT_FALSE(ChangeStaffNames(Team(), {"Trainer X", "Doc Holle", ""}).applied);
  EXPECT_EQ(m_host.Count("modified"), 1u);

  Team().m_nRasse = 12;  // Untote
  EXPECT_TRUE(ChangeStaffNames(Team(), {"Nekro", kNichtMoeglich, kNichtMoeglich}).applied);
  EXPECT_EQ(std::tie(Team().m_strTrainer, Team().m_strSani), std::tuple("Nekro", "Doc Holle"));
}

// Catches: a cheerleader found by a name in another case, a name nobody has changing
// anything, both assistant coaches of one name (a file may bring two) dismissed at once.
TEST_F(StaffOperations, DismissCheerleaderAndCoTrainerByExactName) {
  EXPECT_FALSE(DismissCheerleader(Team(), "cheerleader2").applied);
  EXPECT_TRUE(m_host.calls.empty());
  EXPECT_EQ(DismissCheerleader(Team(), "Cheerleader2").sound, "Sounds/Ch-geht.wav");
  ASSERT_EQ(Team().m_Cheerleader.size(), 1u);

  Team().AddCoTrainer({"Ede"});
  Team().m_CoTrainer.back()->m_strLebenslauf = "der erste";
  Team().AddCoTrainer({"Ede"});
  EXPECT_EQ(DismissCoTrainer(Team(), "Ede").sound, "Sounds/Co-geht.wav");
  ASSERT_EQ(Team().m_CoTrainer.size(), 2u);
  EXPECT_EQ(std::tie(Team().m_CoTrainer[1]->m_strName, Team().m_CoTrainer[1]->m_strLebenslauf), std::tuple("Ede", ""));
  EXPECT_EQ(Team().m_Ereignisse.back()->m_strText, "CotrainerIn Ede verläßt das Team.");
}

// Renaming: a change only in case is taken, but must not give two staff members exactly the
// same name (the second could then never be found, changed or dismissed again); a refused or
// unknown name changes nothing; the career text alone may change.
TEST_F(StaffOperations, Change) {
  EXPECT_EQ(ChangeCheerleader(Team(), "Cheerleader1", "cheerleader1", "tanzt"), StaffChange::kAccepted);
  EXPECT_EQ(Team().m_Cheerleader[0]->m_strName, "cheerleader1");
  EXPECT_EQ(m_host.Count("modified"), 1u);
  EXPECT_EQ(ChangeCheerleader(Team(), "cheerleader1", "Cheerleader2", "neu"), StaffChange::kDuplicate);
  EXPECT_EQ(Team().m_Cheerleader[0]->m_strLebenslauf, "tanzt");
  EXPECT_EQ(m_host.Count("modified"), 1u);
  EXPECT_EQ(ChangeCheerleader(Team(), "Niemand", "Jemand", ""), StaffChange::kNotFound);
  EXPECT_EQ(ChangeCheerleader(Team(), "Cheerleader2", "Cheerleader2", "nur Lebenslauf"), StaffChange::kAccepted);
  EXPECT_EQ(Team().m_Cheerleader[1]->m_strLebenslauf, "nur Lebenslauf");

  Team().AddCheerleader({"ANNA"});
  Team().AddCheerleader({"Anna"});
  EXPECT_EQ(ChangeCheerleader(Team(), "Anna", "ANNA", ""), StaffChange::kDuplicate);
  EXPECT_EQ(Team().m_Cheerleader.back()->m_strName, "Anna");

  Team().AddCoTrainer({"Karl"});
  EXPECT_EQ(ChangeCoTrainer(Team(), "Karl", "Cotrainer1", ""), StaffChange::kDuplicate);
}

// Hiring: a duplicate name hires nobody; a unique one is appended and left behind for the
// expense entry, without running the modified routine (the expense entry does that).
TEST_F(StaffOperations, Hire) {
  Team().m_strEingabeName = "vorher";
  EXPECT_FALSE(HireCheerleader(Team(), "Cheerleader1"));
  EXPECT_EQ(Team().m_strEingabeName, "vorher");
  EXPECT_TRUE(HireCheerleader(Team(), "Cheerleader3"));
  EXPECT_EQ(Team().m_Cheerleader.back()->m_strName, "Cheerleader3");
  EXPECT_EQ(Team().m_strEingabeName, "Cheerleader3");
  EXPECT_FALSE(HireCoTrainer(Team(), "Cotrainer1"));
  EXPECT_TRUE(HireCoTrainer(Team(), "cotrainer1"));  // another name: exact comparison
  EXPECT_EQ(Team().m_CoTrainer.size(), 2u);
  EXPECT_EQ(m_host.Count("modified"), 0u);
}

}  // namespace
}  // namespace krv
