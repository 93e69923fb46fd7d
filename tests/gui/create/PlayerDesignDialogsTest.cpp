// The dialogs that design players, driven as the coach would: the player builder
// "Starplayer bauen" (fields typed, skills picked in the list, "&Kaufen" pressed) and the
// own-race dialog "Eigene Spieler erstellen" with its builders driven as modal dialogs.

#include <gtest/gtest.h>

#include <QSpinBox>
#include <functional>

#include "create/OwnRace.h"
#include "create/qt/OwnRaceDialog.h"
#include "create/qt/StarPlayerBuilderDialog.h"
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
// builder's refusal in the bank's box with the dialog still open. (Points, prices, warnings,
// the other refusals and the order of the checks: PlayerBuilder.) A field not wired to the
// recomputation, a lost skill selection, the bank's refusal in a plain box or a refusal that
// closes shows here.
TEST(StarPlayerBuilderDialog, PointsValueAndKaufen) {
  test::MessageRecorder recorder;
  StarPlayerBuilderDialog dialog(kCapital);
  dialog.show();
  QTest::keyClicks(Child<QLineEdit>(dialog, "name"), "Gork der Große");
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

  // One skill less: 28 points cost exactly 190000 and are bought.
  SkillRow(dialog, "Tackle")->setSelected(false);
  EXPECT_EQ(Field(dialog, "value"), "190.000");
  Child<QPushButton>(dialog, "kaufen")->click();
  EXPECT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const std::optional<CKRSpieler> record = dialog.Result();
  ASSERT_TRUE(record);
  EXPECT_EQ(test::PlayerLine(*record), "0 Gork der Große (Starplayer) 8/6/4/10 190000 [Blk,Brut,Cap] #0 222");
}

// Characteristics typed outside their ranges are held at the border (each border:
// PlayerBuilder.SkillListAndGreyCategories), and "Stacheln" pushes RW 10 back to 9 with its
// warning. A field that lets 9 or 0 through, or a spikes rule that does not reach the RW
// field, shows here.
TEST(StarPlayerBuilderDialog, RangesSpikesAndDescription) {
  test::MessageRecorder recorder;
  StarPlayerBuilderDialog dialog(kCapital);
  dialog.show();
  const struct {
    const char* field;
    int typed, held;
  } borders[] = {{"bw", 9, 8}, {"st", 0, 1}, {"rw", 11, 10}};  // RW 10 for the spikes below
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
    EXPECT_FALSE(IsGrey(star, "Stacheln"));
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
  ASSERT_EQ(team.m_Spieler.size(), 1u);  // the booking, half price and value: PlayerPurchase.BuiltStarPlayer
  EXPECT_EQ(team.m_Spieler[0]->m_strName, "Grom");
  EXPECT_EQ(team.m_Spieler[0]->m_nWert, 55000);  // the card's state reached the purchase
  EXPECT_EQ(host.Count("modified"), 1u);
}

QString Text(OwnRaceDialog& dialog, int slot) {
  return Child<QLineEdit>(dialog, QStringLiteral("text%1").arg(slot))->text();
}

bool MayAccept(OwnRaceDialog& dialog) { return Child<QPushButton>(dialog, "uebernehmen")->isEnabled(); }

// What the coach does in the builder a position button opened; returns whether to buy.
using BuilderScript = std::function<bool(StarPlayerBuilderDialog&)>;

// Presses the position button and lets `script` work in the builder that comes up: true
// presses "&Kaufen", false "&Abbruch". The builder seen is recorded for the caller.
void Design(OwnRaceDialog& dialog, int slot, const BuilderScript& script, PlayerBuilder* seen = nullptr) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    auto* builder = qobject_cast<StarPlayerBuilderDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(builder, nullptr);
    ran = true;
    if (seen) *seen = builder->Builder();
    const bool buy = script(*builder);
    builder->findChild<QPushButton*>(buy ? "kaufen" : "abbruch")->click();
    // A refused purchase leaves the builder open; the coach gives up then.
    if (builder->isVisible()) builder->findChild<QPushButton*>("abbruch")->click();
  });
  Child<QPushButton>(dialog, QStringLiteral("position%1").arg(slot))->click();
  EXPECT_TRUE(ran);
}

const BuilderScript kAsPreset = [](StarPlayerBuilderDialog&) { return true; };

// Each position button opens the builder for its kind, with the mutation box's state, and
// the designed position is written into the team and shown; "&Übernehmen" follows the four
// required positions (three are not enough, Gen.1 and Gen.2 optional) and takes the mutation
// flag over, "&Abbruch" does not; a dialog opened again shows the earlier round. (The rule
// itself, a cancelled builder, the templates' codes and texts, Gen.1's name: OwnRace.) A
// builder opened for the wrong kind or without the box's state, its result not written or
// not shown, a button not following the rule or the flag written on cancel shows here.
TEST(OwnRaceDialog, PositionsMutationAndUebernehmen) {
  test::MessageRecorder recorder;
  CKRTeam team;
  {
    OwnRaceDialog dialog(&team, kCapital);
    dialog.show();
    Child<QCheckBox>(dialog, "mutation")->setChecked(true);
    // The Feldspieler with "Blocken" (6 points, 60000), the others as the builder presets them.
    const BuilderScript blocken = [](StarPlayerBuilderDialog& b) {
      test::FindItem(Child<QTreeWidget>(b, "skills"), "Blocken")->setSelected(true);
      return true;
    };
    const int32_t kinds[] = {kKindFeldspieler, kKindFaenger, kKindWerfer, kKindSuperspieler};
    PlayerBuilder seen;
    for (int slot = 0; slot < 4; ++slot) {
      EXPECT_FALSE(MayAccept(dialog)) << slot;
      Design(dialog, slot, slot == 0 ? blocken : kAsPreset, &seen);
      EXPECT_EQ(seen.m_nKind, kinds[slot]);
      EXPECT_TRUE(seen.m_bMutation);
    }
    EXPECT_EQ(Text(dialog, 0), "6,3,3,8,60000,Blk");
    EXPECT_TRUE(MayAccept(dialog));  // Gen.1 and Gen.2 still empty
    Child<QPushButton>(dialog, "abbruch")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(team.m_bMutation);
  }
  OwnRaceDialog again(&team, kCapital);
  EXPECT_EQ(Text(again, 3), "6,3,3,8,50000,");
  EXPECT_TRUE(MayAccept(again));
  Child<QCheckBox>(again, "mutation")->setChecked(true);  // what the builder greys: StarPlayerBuilderDialog
  Child<QPushButton>(again, "uebernehmen")->click();
  EXPECT_EQ(again.result(), QDialog::Accepted);
  EXPECT_TRUE(team.m_bMutation);
}

// Without a team the dialog says so once it is open, and nothing can be taken.
TEST(OwnRaceDialog, NoTeamNotice) {
  test::MessageRecorder recorder;
  OwnRaceDialog dialog(nullptr, kCapital);
  dialog.show();
  QApplication::processEvents();
  ASSERT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(recorder.requests[0].text, "m_TheTeam = NULL??????");
  EXPECT_FALSE(MayAccept(dialog));
}

}  // namespace
}  // namespace krv
