// The star player selection "Starspieler kaufen" driven as the coach would.

#include "create/qt/StarPlayerChoiceDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

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

QStringList Names(QWidget& dialog) {
  QStringList names;
  QTreeWidget* list = Child<QTreeWidget>(dialog, "list");
  for (int i = 0; i < list->topLevelItemCount(); ++i) names << list->topLevelItem(i)->text(0);
  return names;
}

void ClickRow(QTreeWidget* list, int row) {
  QTreeWidgetItem* item = list->topLevelItem(row);
  ASSERT_NE(item, nullptr);
  list->scrollToItem(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// A star player chosen in the running dialog: the columns as listed ("Wert" with thousands
// points, characteristics right-aligned), the click enabling "&Übernehmen", and the record
// with the full cost, the abbreviations and the star code. A half price stored, a row taken
// from the wrong catalogue entry or "&Übernehmen" enabled too early shows here.
TEST(StarPlayerChoiceDialog, ChooseStarPlayer) {
  test::MessageRecorder recorder;
  StarPlayerChoiceDialog dialog(kElfen, nullptr, 1000000);
  bool ran = false;
  QTimer::singleShot(0, [&] {
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    ran = true;
    QTreeWidget* list = Child<QTreeWidget>(dialog, "list");
    EXPECT_GE(list->header()->sectionSize(6), 400);  // the last column takes the rest
    ASSERT_EQ(Names(dialog), QStringList{"Morg 'n' Thorg"});
    const QTreeWidgetItem* morg = list->topLevelItem(0);
    QStringList columns;
    for (int c = 1; c < 7; ++c) columns << morg->text(c);
    EXPECT_EQ(columns.join('|'), "190.000|6|6|3|10|Blocken, Knochenbrecher, Mitspieler werfen, Robust");
    EXPECT_TRUE(morg->textAlignment(5) & Qt::AlignRight);

    QPushButton* uebernehmen = Child<QPushButton>(dialog, "uebernehmen");
    EXPECT_FALSE(uebernehmen->isEnabled());
    ClickRow(list, 0);
    EXPECT_TRUE(uebernehmen->isEnabled());
    uebernehmen->click();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_TRUE(ran);
  EXPECT_TRUE(recorder.requests.empty());
  const std::optional<CKRSpieler> record = dialog.Result();
  ASSERT_TRUE(record);
  EXPECT_EQ(test::PlayerLine(*record), "0 Morg 'n' Thorg () 6/6/3/10 190000 [Blk,KnBr,Mit.werf,Robu] #0 216");

  // Cancelled after a click: no record.
  StarPlayerChoiceDialog cancelled(kElfen, nullptr, 1000000);
  cancelled.show();
  ClickRow(Child<QTreeWidget>(cancelled, "list"), 0);
  Child<QPushButton>(cancelled, "abbruch")->click();
  EXPECT_FALSE(cancelled.Result());
}

// Catches: the first row shown as chosen (current) when the list gets the focus while
// "&Übernehmen" is still disabled; a double click on a row not taking the player.
TEST(StarPlayerChoiceDialog, NoRowMarkedBeforeAChoiceAndDoubleClickTakes) {
  test::MessageRecorder recorder;
  StarPlayerChoiceDialog dialog(kElfen, nullptr, 1000000);
  bool ran = false;
  QTimer::singleShot(0, [&] {
    ran = true;
    QTreeWidget* list = Child<QTreeWidget>(dialog, "list");
    // The list gets the focus as by the Tab key (sent directly: the test's window need not be active).
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(list, &focusIn);
    EXPECT_EQ(list->currentItem(), nullptr);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(Child<QPushButton>(dialog, "uebernehmen")->isEnabled());
    // The arrow key chooses the first row: marked and selected together.
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_TRUE(list->currentItem()->isSelected());
    EXPECT_TRUE(Child<QPushButton>(dialog, "uebernehmen")->isEnabled());
    QTreeWidgetItem* item = list->topLevelItem(0);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    if (dialog.isVisible()) dialog.reject();  // the double click did not end it
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_TRUE(ran);
  ASSERT_TRUE(dialog.Result());
  EXPECT_EQ(dialog.Result()->m_strName, "Morg 'n' Thorg");
}

// The card halves the price compared with the gold but the list keeps the full value, and
// the record too; losing the offer by unticking the card ends the dialog with the bank's
// message. Listing the half price, or staying open with an empty list, shows here.
TEST(StarPlayerChoiceDialog, CardHalvesTheOffer) {
  test::MessageRecorder recorder;
  StarPlayerChoiceDialog dialog(kElfen, nullptr, 100000);
  EXPECT_FALSE(dialog.HasOffers());
  QCheckBox* card = Child<QCheckBox>(dialog, "card");
  dialog.show();
  card->setChecked(true);  // 95000 is below 100000
  ASSERT_EQ(Names(dialog), QStringList{"Morg 'n' Thorg"});
  EXPECT_EQ(Child<QTreeWidget>(dialog, "list")->topLevelItem(0)->text(1), "190.000");
  EXPECT_TRUE(recorder.requests.empty());

  ClickRow(Child<QTreeWidget>(dialog, "list"), 0);
  EXPECT_TRUE(Child<QPushButton>(dialog, "uebernehmen")->isEnabled());
  card->setChecked(false);  // 190000 is not: nothing left to offer
  ASSERT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(recorder.requests[0].caption, "Die Bank sagt...");
  EXPECT_EQ(recorder.requests[0].text, kNoOffer);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.Result());
}

// Nothing to offer: the bank speaks and the dialog returns cancelled without showing its
// list. With a team whose gold is to be used the treasury decides, otherwise the starting
// capital. Measuring the wrong gold, or opening an empty list, shows here.
TEST(StarPlayerChoiceDialog, BankMessageWhenNothingIsOffered) {
  test::MessageRecorder recorder;
  StarPlayerChoiceDialog poor(kElfen, nullptr, 190000);  // the price must be below the gold
  EXPECT_FALSE(poor.HasOffers());
  EXPECT_EQ(poor.exec(), QDialog::Rejected);
  ASSERT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(recorder.requests[0].caption, "Die Bank sagt...");
  EXPECT_EQ(recorder.requests[0].text, kNoOffer);
  EXPECT_FALSE(poor.Result());

  CKRTeam elves;
  elves.m_nRasse = kElfen;
  elves.AddEinnahme({"Startkapital", 100000});
  elves.Recalculate();
  ASSERT_EQ(elves.m_nGold, 100000);
  StarPlayerChoiceDialog teamGold(kElfen, &elves, 1000000, true);
  EXPECT_FALSE(teamGold.HasOffers());
  StarPlayerChoiceDialog capital(kElfen, &elves, 1000000, false);
  EXPECT_EQ(Names(capital), QStringList{"Morg 'n' Thorg"});
}

}  // namespace
}  // namespace krv
