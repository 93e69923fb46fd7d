// The player builder "Starplayer bauen" driven as the coach would: fields typed, skills
// picked in the list, "&Kaufen" pressed.

#include "create/qt/StarPlayerBuilderDialog.h"

#include <gtest/gtest.h>

#include <QSpinBox>

#include "create/OwnRace.h"
#include "gui/CreationDialogDriver.h"
#include "gui/TestServices.h"
#include "model/Team.h"
#include "support/FakeTeamHost.h"
#include "support/MessageRecorder.h"
#include "support/PlayerLine.h"
#include "teamwindow/qt/RosterCommands.h"

namespace krv {
namespace {

constexpr int32_t kCapital = 1000000;

using test::Child;
using test::WhenModal;

// Types a number into a characteristic field and confirms it with Enter.
void Type(QWidget& dialog, const char* field, int value) {
  QSpinBox* spin = Child<QSpinBox>(dialog, field);
  spin->setFocus();
  spin->selectAll();
  QTest::keyClicks(spin, QString::number(value));
  QTest::keyClick(spin, Qt::Key_Return);
}

QTreeWidgetItem* SkillRow(QWidget& dialog, const QString& name) {
  return test::FindItem(Child<QTreeWidget>(dialog, "skills"), name);
}

QString Field(QWidget& dialog, const char* name) { return Child<QLineEdit>(dialog, name)->text(); }

bool IsGrey(QWidget& dialog, const QString& name) { return SkillRow(dialog, name)->data(0, Qt::UserRole).toBool(); }

// The point scheme reaches the fields as they are typed and picked, and "&Kaufen" shows the
// builder's refusals in their boxes with the dialog still open. (Points, prices, warnings
// and the order of the checks: PlayerBuilder.) A field not wired to the recomputation, a
// lost skill selection, the bank's refusal in a plain box or a refusal that closes shows here.
TEST(StarPlayerBuilderDialog, PointsValueAndKaufen) {
  test::MessageRecorder recorder;
  StarPlayerBuilderDialog dialog(kCapital);
  dialog.show();
  // BW 8, ST 6, GE 4, RW 10 and four general skills: 29 points, 195000, refused by the bank.
  Type(dialog, "bw", 8);
  Type(dialog, "st", 6);
  Type(dialog, "ge", 4);
  Type(dialog, "rw", 10);
  for (const char* skill : {"Blocken", "Brutal", "Team-Kapitän", "Tackle"}) SkillRow(dialog, skill)->setSelected(true);
  EXPECT_EQ(Field(dialog, "points"), "29");
  EXPECT_EQ(Field(dialog, "value"), "195.000");  // money with thousands points
  EXPECT_EQ(Field(dialog, "count0"), "4");       // Allgemein
  Child<QPushButton>(dialog, "kaufen")->click();
  ASSERT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(recorder.requests[0].caption, "Die Bank sagt...");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.Result());

  // One skill less: 28 points cost exactly 190000 and still need a name.
  SkillRow(dialog, "Tackle")->setSelected(false);
  EXPECT_EQ(Field(dialog, "value"), "190.000");
  Child<QPushButton>(dialog, "kaufen")->click();
  ASSERT_EQ(recorder.requests.size(), 2u);
  EXPECT_EQ(recorder.requests[1].kind, BoxKind::Information);
  EXPECT_EQ(recorder.requests[1].text, "Dieser Spieler ist namenlos!");

  QTest::keyClicks(Child<QLineEdit>(dialog, "name"), "Gork der Große");
  Child<QPushButton>(dialog, "kaufen")->click();
  EXPECT_EQ(recorder.requests.size(), 2u);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const std::optional<CKRSpieler> record = dialog.Result();
  ASSERT_TRUE(record);
  EXPECT_EQ(test::PlayerLine(*record), "0 Gork der Große (Starplayer) 8/6/4/10 190000 [Blk,Brut,Cap] #0 222");
}

// Characteristics typed outside their ranges are held at the border, and "Stacheln" pushes
// RW 10 back to 9 with its warning. A field that lets 9 or 0 through, or a spikes rule that
// does not reach the RW field, shows here.
TEST(StarPlayerBuilderDialog, RangesSpikesAndDescription) {
  test::MessageRecorder recorder;
  StarPlayerBuilderDialog dialog(kCapital);
  dialog.show();
  const struct {
    const char* field;
    int typed, held;
  } borders[] = {{"bw", 9, 8}, {"st", 0, 1}, {"ge", 7, 4}, {"rw", 11, 10}};
  for (const auto& b : borders) {
    Type(dialog, b.field, b.typed);
    EXPECT_EQ(Child<QSpinBox>(dialog, b.field)->value(), b.held) << b.field;
  }
  Child<QSpinBox>(dialog, "bw")->stepUp();  // the arrows stop at the borders too
  EXPECT_EQ(Child<QSpinBox>(dialog, "bw")->value(), 8);

  // Chosen with the mouse, as a coach does: the click must not recompute a second time and
  // lose the warning once RW is down to 9.
  QTreeWidget* list = Child<QTreeWidget>(dialog, "skills");
  test::ClickItem(list, SkillRow(dialog, "Stacheln"));
  EXPECT_EQ(Child<QSpinBox>(dialog, "rw")->value(), 9);
  EXPECT_TRUE(Child<QLabel>(dialog, "warnings")
                  ->text()
                  .endsWith("Stacheln und RW 10 ist nicht möglich! RW 10 ist das Maximum."));
  EXPECT_EQ(Field(dialog, "count2"), "1");  // a body trait

  // Clicking a skill shows its rule text.
  QTreeWidgetItem* blocken = SkillRow(dialog, "Blocken");
  test::ClickItem(list, blocken, false, Qt::ControlModifier);
  EXPECT_EQ(Child<QPlainTextEdit>(dialog, "description")->toPlainText(),
            QString::fromUtf8(FindSkillByName("Blocken")->m_pszDescription));
  EXPECT_TRUE(blocken->isSelected());
  EXPECT_TRUE(SkillRow(dialog, "Stacheln")->isSelected());  // Ctrl keeps the earlier choice
  EXPECT_TRUE(recorder.requests.empty());
}

// What the kind decides: grey rows, the name field, the card box (the kind's point limit is
// refused through the own-race dialog). Grey rows of a star player, a free name for a
// Feldspieler or an enabled card outside purchase mode show here.
TEST(StarPlayerBuilderDialog, KindsGreyRowsAndCard) {
  {
    StarPlayerBuilderDialog star(kCapital);
    QTreeWidget* list = Child<QTreeWidget>(star, "skills");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      EXPECT_FALSE(list->topLevelItem(i)->data(0, Qt::UserRole).toBool());
    EXPECT_TRUE(Child<QLineEdit>(star, "name")->isEnabled());
    EXPECT_FALSE(Child<QCheckBox>(star, "card")->isEnabled());
  }

  OwnRaceDesign design;
  PlayerBuilder feldspieler = OwnRaceBuilder(design, 0);
  StarPlayerBuilderDialog field(feldspieler, kCapital);
  EXPECT_EQ(Field(field, "name"), "Feldspieler");
  EXPECT_FALSE(Child<QLineEdit>(field, "name")->isEnabled());
  EXPECT_FALSE(IsGrey(field, "Blocken"));                                    // Allgemein
  EXPECT_TRUE(IsGrey(field, "Stacheln"));                                    // Körpermerkmal
  EXPECT_TRUE(SkillRow(field, "Stacheln")->flags() & Qt::ItemIsSelectable);  // grey, yet allowed

  design.m_bMutation = true;
  StarPlayerBuilderDialog gen1(OwnRaceBuilder(design, 4), kCapital);
  EXPECT_EQ(Field(gen1, "kind"), "Gen.1 (Feldspieler2)");
  EXPECT_TRUE(Child<QLineEdit>(gen1, "name")->isEnabled());
  EXPECT_FALSE(IsGrey(gen1, "Stacheln"));  // mutation allows body traits
}

// In purchase mode the builder measures against the treasury and the command buys the
// accepted player at the card's half price. Measuring against the starting capital, booking
// the full value with the card, or writing into the team while the builder is open shows here.
TEST(StarPlayerBuilderDialog, PurchaseIntoTeamWithCard) {
  test::FakeTeamHost host;
  CKRTeam team;
  team.m_pHost = &host;
  team.AddEinnahme({"Startkapital", 100000});
  team.Recalculate();
  ASSERT_EQ(team.m_nGold, 100000);

  test::MessageRecorder recorder;
  WhenModal<StarPlayerBuilderDialog>([&](StarPlayerBuilderDialog* dialog) {
    QCheckBox* card = Child<QCheckBox>(*dialog, "card");
    EXPECT_TRUE(card->isEnabled());
    QTest::keyClicks(Child<QLineEdit>(*dialog, "name"), "Grom");
    Type(*dialog, "st", 4);  // 11 points, 110000
    Child<QPushButton>(*dialog, "kaufen")->click();
    ASSERT_EQ(recorder.requests.size(), 1u);
    EXPECT_EQ(recorder.requests[0].text, "So viel Gold haben Sie gar nicht!");
    card->setChecked(true);
    Child<QPushButton>(*dialog, "kaufen")->click();
    EXPECT_TRUE(team.m_Spieler.empty());
  });
  ASSERT_TRUE(BuildStarPlayerCommand(nullptr, team, test::TestServices()));
  EXPECT_EQ(recorder.requests.size(), 1u);
  ASSERT_EQ(team.m_Spieler.size(), 1u);  // the booking itself is checked in PlayerPurchase
  EXPECT_EQ(team.m_Spieler[0]->m_strName, "Grom");
  EXPECT_EQ(team.m_Spieler[0]->m_nWert, 55000);
  EXPECT_EQ(host.Count("modified"), 1u);
}

}  // namespace
}  // namespace krv
