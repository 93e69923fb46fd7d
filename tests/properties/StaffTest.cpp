// The staff rules behind page "Personal": words and labels per race, the texts of
// dismissals, hiring, renaming and dismissing staff.

#include "properties/Staff.h"

#include <gtest/gtest.h>

#include "support/FakeTeamHost.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

// A wrong race table would give the Halflings a wizard or the Dwarfs a master chef.
TEST(StaffWords, ByRace) {
  for (int32_t race : {1, 14}) {
    EXPECT_EQ(WizardStaffWord(race), "Alchemist") << race;
    EXPECT_EQ(WizardLabel(race), "Alchemist:") << race;
  }
  EXPECT_EQ(WizardStaffWord(6), "Meisterkoch");
  EXPECT_EQ(WizardLabel(6), "Meisterkoch:");
  for (int32_t race : {0, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 15, -1, 99}) {
    EXPECT_EQ(WizardStaffWord(race), "Zauberer") << race;
    EXPECT_EQ(WizardLabel(race), "&Zauberer:") << race;
  }
  EXPECT_FALSE(RaceMayHaveApothecaryAndWizard(12));
  for (int32_t race : {0, 1, 6, 11, 13, 14, 15}) EXPECT_TRUE(RaceMayHaveApothecaryAndWizard(race)) << race;
}

// The texts exactly as the program writes them, umlauts and old spelling included.
TEST(StaffTexts, AsWritten) {
  EXPECT_EQ(DismissQuestion("Doc Holle"), "Soll Doc Holle\nwirklich entlassen werden?");
  EXPECT_EQ(DismissFromListQuestion("Anna"), "Wollen Sie\nAnna\nwirklich entlassen?");
  EXPECT_EQ(ApothecaryLeavesText("Doc Holle"), "Der Sanitäter Doc Holle verlässt das Team!");
  EXPECT_EQ(WizardLeavesText(6, "Bernd"), "Der Meisterkoch Bernd verlässt das Team!");
  EXPECT_EQ(WizardLeavesText(14, "Gimli"), "Der Alchemist Gimli verlässt das Team!");
  EXPECT_EQ(WizardLeavesText(10, "Mork"), "Der Zauberer Mork verlässt das Team!");
  EXPECT_EQ(CoTrainerLeavesText("Ede"), "CotrainerIn Ede verläßt das Team.");
  EXPECT_EQ(CheerleaderLeavesText("Anna"), "CheerleaderIn Anna verläßt das Team.");
  EXPECT_EQ(DuplicateStaffNameMessage(kPersonalCoTrainer), "Eine(n) CotrainerIn mit diesem\nNamen gibt es schon!");
  EXPECT_EQ(DuplicateStaffNameMessage(kPersonalCheerleader),
            "Eine(n) CheerleaderIn mit diesem\nNamen gibt es schon!");
  EXPECT_EQ(StaffCountText(0), "Anzahl: 0");
  EXPECT_EQ(StaffCountText(12), "Anzahl: 12");
  EXPECT_EQ(CareerCheckText(""), " Zeige Lebenslauf");
  EXPECT_EQ(CareerCheckText("x"), " Zeige Lebenslauf *");
}

TEST(StaffTexts, DialogCaptions) {
  EXPECT_EQ(PersonalDlgCaption(kPersonalCoTrainer, true), "Neue(n) CoTrainerIn");
  EXPECT_EQ(PersonalDlgCaption(kPersonalCheerleader, true), "Neue(n) CheerleaderIn");
  EXPECT_EQ(PersonalDlgCaption(kPersonalSani, true), "Neuen Sani");
  EXPECT_EQ(PersonalDlgCaption(kPersonalZauberer, true), "Neuen Zauberer");
  EXPECT_EQ(PersonalDlgCaption(kPersonalZombie, true), "Neuen Zombie");
  EXPECT_EQ(PersonalDlgCaption(kPersonalSpieler, true), "Neuen Spieler");
  EXPECT_EQ(PersonalDlgCaption(kPersonalCoTrainer, false), "CotrainerIn ändern");
  EXPECT_EQ(PersonalDlgCaption(kPersonalCheerleader, false), "CheerleaderIn ändern");
}

// The lists read alphabetically whatever the case; umlauts sit beside their letters; equal
// names keep their order; gaps a file left are skipped.
TEST(StaffLists, SortedWithoutRegardToCase) {
  CKRTeam team;
  for (const char* name : {"bea", "Zora", "Änne", "Anna", "carla", "Bea", "Ulla", "Özlem", "Otto"})
    team.AddCheerleader(name);
  team.m_Cheerleader.insert(team.m_Cheerleader.begin() + 2, nullptr);
  EXPECT_EQ(SortedStaffNames(team.m_Cheerleader),
            (std::vector<std::string>{"Anna", "Änne", "bea", "Bea", "carla", "Otto", "Özlem", "Ulla", "Zora"}));
  EXPECT_TRUE(SortedStaffNames(CKRTeam().m_CoTrainer).empty());
}

class StaffOperations : public ::testing::Test {
 protected:
  void SetUp() override {
    m_team = test::MakeSampleTeam();
    m_team->m_pHost = &m_host;
  }
  std::unique_ptr<CKRTeam> m_team;
  test::FakeTeamHost m_host;
};

// Dismissing the apothecary: flag, name, event, refresh, sound, modified routine; the expense
// that paid for him stays.
TEST_F(StaffOperations, DismissApothecary) {
  m_team->m_strSani = "Doc Holle";
  m_team->AddAusgabe("Sani Doc Holle angeworben.", 50000, kAusgabeSani);
  const size_t expenses = m_team->m_Ausgaben.size();
  DismissApothecary(*m_team);
  EXPECT_EQ(m_team->m_bSani, 0);
  EXPECT_EQ(m_team->m_strSani, "");
  ASSERT_FALSE(m_team->m_Ereignisse.empty());
  EXPECT_EQ(m_team->m_Ereignisse.back()->m_strText, "Der Sanitäter Doc Holle verlässt das Team!");
  EXPECT_EQ(m_team->m_Ereignisse.back()->m_nArt, kEreignisSonstiges);
  EXPECT_EQ(m_team->m_Ausgaben.size(), expenses);
  EXPECT_EQ(m_host.Count("refresh pages"), 1u);
  EXPECT_EQ(m_host.Count("sound: Sounds/Sa-geht.wav"), 1u);
  EXPECT_EQ(m_host.Count("modified"), 1u);
  EXPECT_EQ(m_host.Count("recalculated"), 1u);
}

// A race-6 team's master chef leaves with the word Meisterkoch in the event.
TEST_F(StaffOperations, DismissMasterChef) {
  m_team->m_nRasse = 6;
  m_team->m_bZauberer = 1;
  m_team->m_strZauberer = "Bernd Bratpfanne";
  m_team->AddAusgabe("Zauberer Bernd Bratpfanne angeworben.", 150000, kAusgabeMeisterkoch);
  DismissWizard(*m_team);
  EXPECT_EQ(m_team->m_bZauberer, 0);
  EXPECT_EQ(m_team->m_strZauberer, "");
  EXPECT_EQ(m_team->m_Ereignisse.back()->m_strText, "Der Meisterkoch Bernd Bratpfanne verlässt das Team!");
  EXPECT_EQ(m_team->m_Ausgaben.back()->m_nArt, kAusgabeMeisterkoch);
  EXPECT_EQ(m_host.Count("sound: Sounds/Za-geht.wav"), 1u);
  EXPECT_EQ(m_host.Count("modified"), 1u);
}

// Dismissing a cheerleader leaves her expense entry; a name nobody has changes nothing.
TEST_F(StaffOperations, DismissCheerleaderKeepsExpense) {
  m_team->AddAusgabe("CheerleaderIn Cheerleader2 angeworben.", 10000, kAusgabeCheerleader);
  const size_t expenses = m_team->m_Ausgaben.size();
  EXPECT_FALSE(DismissCheerleader(*m_team, "cheerleader2"));  // exact names only
  EXPECT_TRUE(m_host.calls.empty());
  EXPECT_TRUE(DismissCheerleader(*m_team, "Cheerleader2"));
  ASSERT_EQ(m_team->m_Cheerleader.size(), 1u);
  EXPECT_EQ(m_team->m_Cheerleader[0]->m_strName, "Cheerleader1");
  EXPECT_EQ(m_team->m_Ausgaben.size(), expenses);
  EXPECT_EQ(m_team->m_Ereignisse.back()->m_strText, "CheerleaderIn Cheerleader2 verläßt das Team.");
  EXPECT_EQ(m_host.Count("sound: Sounds/Ch-geht.wav"), 1u);
  EXPECT_EQ(m_host.Count("refresh pages"), 1u);
  EXPECT_EQ(m_host.Count("modified"), 1u);
}

// One assistant coach dismissed is one gone, even when a file brought two of that name.
TEST_F(StaffOperations, DismissCoTrainerTakesOnlyOne) {
  m_team->AddCoTrainer("Ede");
  m_team->m_CoTrainer.back()->m_strLebenslauf = "der erste";
  m_team->AddCoTrainer("Ede");
  EXPECT_TRUE(DismissCoTrainer(*m_team, "Ede"));
  ASSERT_EQ(m_team->m_CoTrainer.size(), 2u);
  EXPECT_EQ(m_team->m_CoTrainer[1]->m_strName, "Ede");
  EXPECT_EQ(m_team->m_CoTrainer[1]->m_strLebenslauf, "");
  EXPECT_EQ(m_team->m_Ereignisse.back()->m_strText, "CotrainerIn Ede verläßt das Team.");
  EXPECT_EQ(m_host.Count("sound: Sounds/Co-geht.wav"), 1u);
}

// Renaming: a change only in case is taken; the name of another is refused and changes
// nothing; an unknown old name changes nothing.
TEST_F(StaffOperations, ChangeCheerleader) {
  EXPECT_EQ(ChangeCheerleader(*m_team, "Cheerleader1", "cheerleader1", "tanzt"), StaffChange::kAccepted);
  EXPECT_EQ(m_team->m_Cheerleader[0]->m_strName, "cheerleader1");
  EXPECT_EQ(m_team->m_Cheerleader[0]->m_strLebenslauf, "tanzt");
  EXPECT_EQ(m_host.Count("modified"), 1u);

  EXPECT_EQ(ChangeCheerleader(*m_team, "cheerleader1", "Cheerleader2", "neu"), StaffChange::kDuplicate);
  EXPECT_EQ(m_team->m_Cheerleader[0]->m_strName, "cheerleader1");
  EXPECT_EQ(m_team->m_Cheerleader[0]->m_strLebenslauf, "tanzt");
  EXPECT_EQ(m_host.Count("modified"), 1u);

  EXPECT_EQ(ChangeCheerleader(*m_team, "Niemand", "Jemand", ""), StaffChange::kNotFound);
  EXPECT_EQ(ChangeCheerleader(*m_team, "Cheerleader2", "Cheerleader2", "nur Lebenslauf"), StaffChange::kAccepted);
  EXPECT_EQ(m_team->m_Cheerleader[1]->m_strLebenslauf, "nur Lebenslauf");
}

// A change only in case must not give two cheerleaders exactly the same name: the second
// could then never be found, changed or dismissed again.
TEST_F(StaffOperations, CaseOnlyChangeOntoAnotherName) {
  m_team->AddCheerleader("ANNA");
  m_team->AddCheerleader("Anna");
  EXPECT_EQ(ChangeCheerleader(*m_team, "Anna", "ANNA", ""), StaffChange::kDuplicate);
  EXPECT_EQ(m_team->m_Cheerleader.back()->m_strName, "Anna");
}

TEST_F(StaffOperations, ChangeCoTrainer) {
  EXPECT_EQ(ChangeCoTrainer(*m_team, "Cotrainer1", "Ede Eisenfaust", "früher Spieler"), StaffChange::kAccepted);
  EXPECT_EQ(m_team->m_CoTrainer[0]->m_strName, "Ede Eisenfaust");
  m_team->AddCoTrainer("Karl");
  EXPECT_EQ(ChangeCoTrainer(*m_team, "Karl", "Ede Eisenfaust", ""), StaffChange::kDuplicate);
}

// Hiring: a duplicate name hires nobody; a unique one is appended and left behind for the
// expense entry, without running the modified routine (the expense entry does that).
TEST_F(StaffOperations, Hire) {
  m_team->m_strEingabeName = "vorher";
  EXPECT_FALSE(HireCheerleader(*m_team, "Cheerleader1"));
  EXPECT_EQ(m_team->m_Cheerleader.size(), 2u);
  EXPECT_EQ(m_team->m_strEingabeName, "vorher");
  EXPECT_TRUE(HireCheerleader(*m_team, "Cheerleader3"));
  ASSERT_EQ(m_team->m_Cheerleader.size(), 3u);
  EXPECT_EQ(m_team->m_Cheerleader.back()->m_strName, "Cheerleader3");
  EXPECT_EQ(m_team->m_Cheerleader.back()->m_strLebenslauf, "");
  EXPECT_EQ(m_team->m_strEingabeName, "Cheerleader3");

  EXPECT_FALSE(HireCoTrainer(*m_team, "Cotrainer1"));
  EXPECT_TRUE(HireCoTrainer(*m_team, "cotrainer1"));  // another name: exact comparison
  EXPECT_EQ(m_team->m_CoTrainer.size(), 2u);
  EXPECT_EQ(m_team->m_strEingabeName, "cotrainer1");
  EXPECT_EQ(m_host.Count("modified"), 0u);
}

}  // namespace
}  // namespace krv
