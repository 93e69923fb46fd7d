// The race repair dialog ("Volk ändern") and what the view does with its result.

#include <gtest/gtest.h>

#include <QToolButton>

#include "gui/CreationDialogDriver.h"
#include "gui/roster/RosterTestSupport.h"
#include "teamwindow/qt/TeamView.h"
#include "roster/qt/RaceChangeDialog.h"
#include "support/SampleTeams.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

using test::Child;

class RaceChangeDialogTest : public test::ProgramTest {
 protected:
  // Lets the next race dialog choose the race as the coach does, checks whether its own-race
  // field is open, types the own race's name (when given) and closes it.
  static void ChooseInDialog(int race, bool ownRace, const QString& name = {}) {
    test::WhenModal<RaceChangeDialog>([=](RaceChangeDialog* dialog) {
      auto* races = Child<QComboBox>(dialog, "race");
      races->setCurrentIndex(race);
      emit races->activated(race);
      auto* own = Child<QLineEdit>(dialog, "ownRace");
      EXPECT_EQ(own->isEnabled(), ownRace);
      if (!name.isEmpty()) {
        own->setText(name);
        emit own->textEdited(name);
      }
      Child<QPushButton>(dialog, "close")->click();
    });
  }
};

// Catches: inactive players listed, the type combo usable without a selection or keeping its
// entry after the selection changed, only one of two selected players changed, the roster
// row's index written instead of its code, the list not showing the new position or losing
// the selection, the dialog not marked changed.
TEST_F(RaceChangeDialogTest, AssignsAPositionCodeToTwoSelectedPlayers) {
  auto team = test::MakeSampleTeam();
  test::AddPlayer(*team, 3, "Gorbag", "Linienork", 5, 3, 3, 9, 50000, "", team->m_nNaechsteID++, 25);
  test::AddPlayer(*team, 4, "Snaga", "Linienork", 5, 3, 3, 9, 50000, "", team->m_nNaechsteID++, 25);
  team->m_Spieler.back()->m_nStatus = kStatusVerstorben;
  RaceChangeDialog dialog(*team);
  auto* list = Child<QTreeWidget>(&dialog, "players");
  auto* type = Child<QComboBox>(&dialog, "positionType");
  auto* race = Child<QComboBox>(&dialog, "race");
  EXPECT_EQ(test::ItemTexts(list, -1), (QStringList{"1|Blitzer1|Ork-Blitzer|Blitzer", "2|Werfer1|Werfer|Werfer",
                                                    "3|Gorbag|Linienork|Feldspieler"}));
  EXPECT_EQ(race->currentText(), "Orks");
  EXPECT_FALSE(Child<QLineEdit>(&dialog, "ownRace")->isEnabled());
  EXPECT_FALSE(type->isEnabled());
  EXPECT_EQ(type->currentIndex(), -1);

  list->topLevelItem(0)->setSelected(true);
  list->topLevelItem(2)->setSelected(true);
  EXPECT_TRUE(type->isEnabled());
  const int elfCatcher = type->findText("[Elfen]   Fänger");  // row 11, position code 10
  ASSERT_EQ(elfCatcher, 11);
  type->setCurrentIndex(elfCatcher);
  emit type->activated(elfCatcher);
  EXPECT_EQ(dialog.Repair().positionCodes, (std::vector<int32_t>{10, 26, 10}));
  EXPECT_EQ(team->m_Spieler[0]->m_nPositionCode, 28);  // the team changes when the dialog closes
  EXPECT_EQ(test::ItemTexts(list, -1),
            (QStringList{"1|Blitzer1|Ork-Blitzer|Fänger", "2|Werfer1|Werfer|Werfer", "3|Gorbag|Linienork|Fänger"}));
  for (int row : {0, 1, 2}) EXPECT_EQ(list->topLevelItem(row)->isSelected(), row != 1);
  EXPECT_TRUE(dialog.Repair().changed);

  list->clearSelection();
  EXPECT_FALSE(type->isEnabled());
  EXPECT_EQ(type->currentIndex(), -1);
}

// Catches: the race or own race name not taken over from a changed dialog, taken over from
// an unchanged one, the header and the modified flag left as they were, the own-race field
// not opened for the own race.
TEST_F(RaceChangeDialogTest, ViewTakesOverTheChosenRace) {
  m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer"};
  auto* frame = new TeamFrame(test::NewDocumentWith(test::MakeSampleTeam(10)));
  TeamDocument* doc = frame->Document();
  CKRTeam& team = doc->Team();

  doc->SetModifiedFlag(false);
  test::WhenModal<RaceChangeDialog>([](RaceChangeDialog* dialog) { Child<QPushButton>(dialog, "close")->click(); });
  Child<QToolButton>(frame->View(), "raceButton")->click();
  EXPECT_EQ(team.m_nRasse, 10);
  EXPECT_FALSE(doc->IsModified());

  ChooseInDialog(15, true, "Moororks");
  Child<QToolButton>(frame->View(), "raceButton")->click();
  EXPECT_EQ(team.m_nRasse, 15);
  EXPECT_EQ(team.m_strRassenName, "Moororks");
  EXPECT_TRUE(doc->IsModified());
  auto* raceField = Child<QLineEdit>(frame->View(), "race");
  EXPECT_EQ(raceField->text(), "MOORORKS");
  EXPECT_FALSE(raceField->isReadOnly());

  // Back to a table race: the field shows the table's name and is closed again.
  ChooseInDialog(12, false);
  Child<QToolButton>(frame->View(), "raceButton")->click();
  EXPECT_EQ(team.m_nRasse, 12);
  EXPECT_EQ(raceField->text(), "UNTOTE");
  EXPECT_TRUE(raceField->isReadOnly());
  Discard(frame);
}

// Catches: position codes changed in a team whose race number is damaged (no race chosen)
// without the team being marked modified, so the repair could be lost unasked.
TEST_F(RaceChangeDialogTest, RepairWithoutRaceStillMarksTheTeamModified) {
  m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer"};
  auto* frame = new TeamFrame(test::NewDocumentWith(test::MakeSampleTeam(42)));
  TeamDocument* doc = frame->Document();
  EXPECT_EQ(Child<QLineEdit>(frame->View(), "race")->text(), "???");
  doc->SetModifiedFlag(false);
  test::WhenModal<RaceChangeDialog>([](RaceChangeDialog* dialog) {
    EXPECT_EQ(Child<QComboBox>(dialog, "race")->currentIndex(), -1);
    auto* list = Child<QTreeWidget>(dialog, "players");
    list->topLevelItem(1)->setSelected(true);
    auto* type = Child<QComboBox>(dialog, "positionType");
    emit type->activated(26);  // [Orks] Werfer
    Child<QPushButton>(dialog, "close")->click();
  });
  Child<QToolButton>(frame->View(), "raceButton")->click();
  EXPECT_EQ(doc->Team().m_Spieler[1]->m_nPositionCode, 26);
  EXPECT_EQ(doc->Team().m_nRasse, 42);
  EXPECT_TRUE(doc->IsModified());
  Discard(frame);
}

}  // namespace
}  // namespace krv
