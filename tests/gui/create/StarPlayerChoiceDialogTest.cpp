// The star player selection "Starspieler kaufen" driven as the coach would. (Which stars are
// offered for which gold, card and team: StarOffer.)

#include "create/qt/StarPlayerChoiceDialog.h"

#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QHeaderView>

#include "gui/CreationDialogDriver.h"
#include "model/Team.h"
#include "support/MessageRecorder.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

constexpr int32_t kElfen = 4;
const QString kNoOffer =
    QStringLiteral("Sie haben nicht genügend Gold\num einen der vorgefertigen Starplayer\nzu kaufen!");

using test::Child;

// The running dialog: the columns as listed ("Wert" with thousands points, characteristics
// right-aligned), no row marked when the list gets the focus, the arrow key choosing the
// first row and enabling "&Übernehmen", a double click taking the player with the full
// cost, the abbreviations and the star code; cancelled after a click, no record. Catches a
// row from the wrong catalogue entry, the first row shown as chosen while "&Übernehmen" is
// still disabled, a double click that does not take the player, a half price stored.
TEST(StarPlayerChoiceDialog, ChooseStarPlayer) {
  test::MessageRecorder recorder;
  StarPlayerChoiceDialog dialog(kElfen, nullptr, 1000000);
  bool ran = false;
  QTimer::singleShot(0, [&] {
    ran = true;
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
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_TRUE(ran);
  EXPECT_TRUE(recorder.requests.empty());
  ASSERT_TRUE(dialog.Result());
  EXPECT_EQ(test::PlayerLine(*dialog.Result()), "0 Morg 'n' Thorg () 6/6/3/10 190000 [Blk,KnBr,Mit.werf,Robu] #0 216");

  StarPlayerChoiceDialog cancelled(kElfen, nullptr, 1000000);
  cancelled.show();
  test::ClickItem(Child<QTreeWidget>(cancelled, "list"), Child<QTreeWidget>(cancelled, "list")->topLevelItem(0));
  Child<QPushButton>(cancelled, "abbruch")->click();
  EXPECT_FALSE(cancelled.Result());
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
