// The two selections of a new team driven as the coach would: the race selection "Neues
// Team" (the rows' content per race: RaceInformation) and the star player selection
// "Starspieler kaufen" (which stars are offered for which gold, card and team: StarOffer).

#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QHeaderView>

#include "create/RaceInformation.h"
#include "create/qt/OwnRaceDialog.h"
#include "create/qt/RaceChoiceDialog.h"
#include "create/qt/StarPlayerChoiceDialog.h"
#include "gui/CreationDialogDriver.h"
#include "model/Team.h"
#include "support/MessageRecorder.h"
#include "support/OwnRaceTemplates.h"
#include "support/PlayerLine.h"

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

constexpr int32_t kElfen = 4;
const QString kNoOffer =
    QStringLiteral("Sie haben nicht genügend Gold\num einen der vorgefertigen Starplayer\nzu kaufen!");

// The running dialog: the columns as listed ("Wert" with thousands points, characteristics
// right-aligned), no row marked when the list gets the focus, the arrow key choosing the
// first row and enabling "&Übernehmen", a double click taking the player with the full
// cost, the abbreviations and the star code (cancelled after a click, no player:
// TeamCreationDialog.StarSlotsBoughtBuiltAndRemoved). Catches a
// row from the wrong catalogue entry, the first row shown as chosen while "&Übernehmen" is
// still disabled, a double click that does not take the player, a half price stored.
TEST(StarPlayerChoiceDialog, ChooseStarPlayer) {
  test::MessageRecorder recorder;
  StarPlayerChoiceDialog dialog(kElfen, nullptr, 1000000);
  QTimer::singleShot(0, [&] {
    QTreeWidget* list = Child<QTreeWidget>(dialog, "list");
    EXPECT_GE(list->header()->sectionSize(6), 400);  // the last column takes the rest
    EXPECT_EQ(test::ItemTexts(list, -1),
              QStringList{"Morg 'n' Thorg|190.000|6|6|3|10|Blocken, Knochenbrecher, Mitspieler werfen, Robust"});
    EXPECT_TRUE(list->topLevelItem(0)->textAlignment(5) & Qt::AlignRight);
    // The list gets the focus as by the Tab key (sent directly: the test's window need not be active).
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(list, &focusIn);
    EXPECT_EQ(list->currentItem(), nullptr);
    EXPECT_FALSE(Child<QPushButton>(dialog, "uebernehmen")->isEnabled());
    QTest::keyClick(list, Qt::Key_Down);  // marked and selected together
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_TRUE(list->currentItem()->isSelected());
    EXPECT_TRUE(Child<QPushButton>(dialog, "uebernehmen")->isEnabled());
    test::ClickItem(list, list->topLevelItem(0), true);
    if (dialog.isVisible()) dialog.reject();  // the double click did not end it
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);  // only the double click accepts
  EXPECT_TRUE(recorder.requests.empty());
  ASSERT_TRUE(dialog.Result());
  EXPECT_EQ(test::PlayerLine(*dialog.Result()), "0 Morg 'n' Thorg () 6/6/3/10 190000 [Blk,KnBr,Mit.werf,Robu] #0 216");
}

// The gold the dialog measures against: the card box refills the list (still at full
// value), losing the offer by unticking it ends the dialog with the bank's message, nothing
// to offer at all returns cancelled without showing the list, and with a team the treasury
// or the starting capital decides as asked. Catches a box not reaching the offer, a dialog
// staying open with an empty list, the wrong gold passed on.
TEST(StarPlayerChoiceDialog, BankMessageWhenNothingIsOffered) {
  test::MessageRecorder recorder;
  StarPlayerChoiceDialog dialog(kElfen, nullptr, 100000);
  EXPECT_FALSE(dialog.HasOffers());
  QCheckBox* card = Child<QCheckBox>(dialog, "card");
  dialog.show();
  card->setChecked(true);  // 95000 is below 100000
  QTreeWidget* list = Child<QTreeWidget>(dialog, "list");
  EXPECT_EQ(test::ItemTexts(list, 2), QStringList{"Morg 'n' Thorg|190.000"});
  test::ClickItem(list, list->topLevelItem(0));
  EXPECT_TRUE(Child<QPushButton>(dialog, "uebernehmen")->isEnabled());
  card->setChecked(false);  // 190000 is not: nothing left to offer
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.Result());

  StarPlayerChoiceDialog poor(kElfen, nullptr, 190000);  // the price must be below the gold
  EXPECT_EQ(poor.exec(), QDialog::Rejected);
  ASSERT_EQ(recorder.requests.size(), 2u);
  for (const auto& request : recorder.requests) {
    EXPECT_EQ(request.caption, "Die Bank sagt...");
    EXPECT_EQ(request.text, kNoOffer);
  }

  CKRTeam elves;
  elves.m_nRasse = kElfen;
  elves.AddEinnahme({"Startkapital", 100000});
  elves.Recalculate();
  EXPECT_FALSE(StarPlayerChoiceDialog(kElfen, &elves, 1000000, true).HasOffers());
  StarPlayerChoiceDialog capital(kElfen, &elves, 1000000, false);
  EXPECT_EQ(test::ItemTexts(Child<QTreeWidget>(capital, "list")), QStringList{"Morg 'n' Thorg"});
}

}  // namespace
}  // namespace krv
