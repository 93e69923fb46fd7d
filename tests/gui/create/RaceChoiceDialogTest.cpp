// The race selection "Neues Team" driven as the coach would. (The rows' content per race:
// RaceInformation.)

#include "create/qt/RaceChoiceDialog.h"

#include <gtest/gtest.h>

#include "create/RaceInformation.h"
#include "create/qt/OwnRaceDialog.h"
#include "gui/CreationDialogDriver.h"
#include "model/Team.h"
#include "support/MessageRecorder.h"
#include "support/OwnRaceTemplates.h"

namespace krv {
namespace {

using test::Child;

class RaceSelection {
 public:
  RaceSelection() {
    dialog.m_TheTeam = &team;
    dialog.show();
  }
  QComboBox* Race() { return Child<QComboBox>(&dialog, QStringLiteral("race")); }
  QCheckBox* Own() { return Child<QCheckBox>(&dialog, QStringLiteral("ownRace")); }
  QPushButton* Uebernehmen() { return Child<QPushButton>(&dialog, QStringLiteral("uebernehmen")); }
  QTreeWidget* List() { return Child<QTreeWidget>(&dialog, QStringLiteral("information")); }
  // True when the list shows the race's rows (bottom-up: the last row added stands on top).
  bool Shows(int32_t race) {
    QStringList rows;
    for (const RaceInformationRow& r : RaceInformationRows(race))
      rows << QString::fromStdString(r.m_strBezeichnung + "|" + r.m_strAnzahl + "|" + r.m_strKosten + "|" +
                                     r.m_strPosition + "|" + r.m_strBW + "|" + r.m_strST + "|" + r.m_strGE + "|" +
                                     r.m_strRW + "|" + r.m_strFertigkeiten);
    return test::ItemTexts(List(), -1) == rows;
  }

  CKRTeam team;
  RaceChoiceDialog dialog;
};

// Opening: no race, "&Übernehmen" disabled, the fifteen races in race-number order, and
// taking over without a race refused with the dialog open; choosing Menschen then Elfen
// refills the list with counts and costs right-aligned, and "&Übernehmen" takes the race
// over. Catches a combo out of race order (its index is the race number), a wrong column, a
// list in added order or stale from the previous race.
TEST(RaceChoiceDialog, OpensWithoutRaceThenElfen) {
  test::MessageRecorder recorder;
  RaceSelection s;
  EXPECT_EQ(s.dialog.m_Rasse, -1);
  EXPECT_FALSE(s.Uebernehmen()->isEnabled());
  ASSERT_EQ(s.Race()->count(), 15);
  EXPECT_EQ(s.Race()->currentIndex(), -1);
  EXPECT_EQ(s.Race()->itemText(8), "Menschen");
  EXPECT_EQ(s.List()->topLevelItemCount(), 0);
  s.dialog.accept();  // as "&Übernehmen" would without a race
  EXPECT_EQ(recorder.Texts(),
            QStringList{"Sie müssen erste eine der Rasse ausgewählt,\nbevor Sie Übernehmen anklicken!"});
  EXPECT_TRUE(s.dialog.isVisible());

  s.Race()->setCurrentIndex(8);
  s.Race()->setCurrentIndex(4);
  EXPECT_TRUE(s.Shows(4));
  EXPECT_TRUE(s.List()->topLevelItem(0)->textAlignment(1) & Qt::AlignRight);
  EXPECT_TRUE(s.List()->topLevelItem(0)->textAlignment(2) & Qt::AlignRight);
  s.Uebernehmen()->click();
  EXPECT_EQ(s.dialog.result(), QDialog::Accepted);
  EXPECT_EQ(s.dialog.m_Rasse, 4);
  EXPECT_EQ(recorder.requests.size(), 1u);
}

// "Eigenes Team generieren" shows the own race's fixed rows, clears and locks the combo;
// unticking empties the list and needs a race again; ticking once more shows race 15 again.
// A combo left usable, a stale "&Übernehmen" or a second tick that shows nothing would show
// here.
TEST(RaceChoiceDialog, OwnRaceInformation) {
  test::MessageRecorder recorder;
  RaceSelection s;
  s.Race()->setCurrentIndex(2);
  s.Own()->click();
  EXPECT_TRUE(s.dialog.m_Eigenes);
  EXPECT_EQ(s.dialog.m_Rasse, kEigeneRasse);
  EXPECT_FALSE(s.Race()->isEnabled());
  EXPECT_EQ(s.Race()->currentIndex(), -1);
  EXPECT_TRUE(s.Uebernehmen()->isEnabled());
  EXPECT_TRUE(s.Shows(kEigeneRasse));
  // The column grows when the desktop's font needs more than its 120 pixels.
  EXPECT_GE(s.List()->columnWidth(3), s.List()->fontMetrics().horizontalAdvance("+20K bei Mutanten"));

  s.Own()->click();
  EXPECT_FALSE(s.dialog.m_Eigenes);
  EXPECT_EQ(s.List()->topLevelItemCount(), 0);
  EXPECT_TRUE(s.Race()->isEnabled());
  EXPECT_FALSE(s.Uebernehmen()->isEnabled());

  s.Own()->click();
  EXPECT_TRUE(s.Shows(kEigeneRasse));
  EXPECT_TRUE(s.Uebernehmen()->isEnabled());
  s.Own()->click();
  s.Race()->setCurrentIndex(10);
  EXPECT_EQ(s.dialog.m_Rasse, 10);
  EXPECT_TRUE(s.Shows(10));
  EXPECT_TRUE(recorder.requests.empty());
}

// "&Übernehmen" with an own race runs the own-race dialog for the new team; cancelling it
// keeps the race selection open, taking it over closes the race selection. A race selection
// that closes without the own positions would show here.
TEST(RaceChoiceDialog, OwnRaceRunsOwnRaceDialog) {
  test::MessageRecorder recorder;
  RaceSelection s;
  s.Own()->click();
  bool opened = false;
  test::WhenModal<OwnRaceDialog>([&](OwnRaceDialog* ownRace) {
    opened = true;
    ownRace->reject();
  });
  s.Uebernehmen()->click();
  EXPECT_TRUE(opened);
  EXPECT_TRUE(s.dialog.isVisible());

  // The four required positions designed (as the builder leaves them): the own-race dialog
  // takes them over and the race selection closes with the own race.
  for (int k = 0; k < 4; ++k) test::DefineTemplate(s.team, k, "Position", 50000);
  test::WhenModal<OwnRaceDialog>(
      [](OwnRaceDialog* ownRace) { Child<QPushButton>(ownRace, QStringLiteral("uebernehmen"))->click(); });
  s.Uebernehmen()->click();
  EXPECT_EQ(s.dialog.result(), QDialog::Accepted);
  EXPECT_EQ(s.dialog.m_Rasse, kEigeneRasse);
  EXPECT_TRUE(recorder.requests.empty()) << recorder.Texts().join("|").toStdString();
}

}  // namespace
}  // namespace krv
