// The player builder "Starplayer bauen" driven as the coach would: fields typed, skills
// picked in the list, "&Kaufen" pressed.

#include "create/qt/Starplayer.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include "create/OwnRace.h"
#include "model/Team.h"
#include "support/FakeTeamHost.h"
#include "support/MessageRecorder.h"
#include "ui/AppSettings.h"

// Readable failures for Qt texts.
static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace krv {
namespace {

constexpr int32_t kCapital = 1000000;

template <typename T>
T* Child(QWidget& dialog, const char* name) {
  T* child = dialog.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// Types a number into a characteristic field and confirms it with Enter.
void Type(QWidget& dialog, const char* field, int value) {
  QSpinBox* spin = Child<QSpinBox>(dialog, field);
  spin->setFocus();
  spin->selectAll();
  QTest::keyClicks(spin, QString::number(value));
  QTest::keyClick(spin, Qt::Key_Return);
}

QTreeWidgetItem* SkillRow(QWidget& dialog, const QString& name) {
  QTreeWidget* list = Child<QTreeWidget>(dialog, "skills");
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    if (list->topLevelItem(i)->text(0) == name) return list->topLevelItem(i);
  ADD_FAILURE() << name.toStdString();
  return nullptr;
}

void Select(QWidget& dialog, const QStringList& names) {
  for (const QString& name : names) SkillRow(dialog, name)->setSelected(true);
}

QString Field(QWidget& dialog, const char* name) { return Child<QLineEdit>(dialog, name)->text(); }

bool IsGrey(QWidget& dialog, const QString& name) { return SkillRow(dialog, name)->data(0, Qt::UserRole).toBool(); }

// The point scheme as the dialog shows it, and "&Kaufen" at the 190000 border. A field not
// wired to the recomputation, a lost skill selection or a wrong box for the refusal shows here.
TEST(StarplayerDialog, PointsValueAndKaufen) {
  test::MessageRecorder recorder;
  CStarplayer dialog(nullptr, kCapital);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Starplayer bauen");
  EXPECT_EQ(Field(dialog, "kind"), "Starspieler");
  EXPECT_EQ(Field(dialog, "points"), "5");
  EXPECT_EQ(Field(dialog, "value"), "50000");

  // BW 8 (3), ST 4 (6), GE 4 (2), RW 9 (1) and two general skills: 19 points, 145000.
  Type(dialog, "bw", 8);
  Type(dialog, "st", 4);
  Type(dialog, "ge", 4);
  Type(dialog, "rw", 9);
  Select(dialog, {"Blocken", "Brutal"});
  EXPECT_EQ(Field(dialog, "points"), "19");
  EXPECT_EQ(Field(dialog, "value"), "145000");
  EXPECT_EQ(Field(dialog, "count0"), "2");  // Allgemein
  EXPECT_EQ(Field(dialog, "count1"), "0");
  EXPECT_EQ(Child<QLabel>(dialog, "warnings")->text(), "");

  // ST 6, RW 10 and four general skills: 29 points, 195000, refused by the bank.
  Type(dialog, "st", 6);
  Type(dialog, "rw", 10);
  Select(dialog, {"Team-Kapitän", "Tackle"});
  EXPECT_EQ(Field(dialog, "points"), "29");
  EXPECT_EQ(Field(dialog, "value"), "195000");
  EXPECT_EQ(Child<QLabel>(dialog, "warnings")->text(),
            "Dieser Spieler benötigt eine große Base. Und noch 1 Nachteil(e)! Dieser Spieler ist zu teuer! ");
  Child<QPushButton>(dialog, "kaufen")->click();
  ASSERT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(recorder.requests[0].caption, "Die Bank sagt...");
  EXPECT_EQ(recorder.requests[0].text, "Dieser Spieler ist zu teuer!\nEs sind max. 190.000 Golstücke erlaubt!");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.Result());

  // One skill less: 28 points cost exactly 190000 and still need a name.
  SkillRow(dialog, "Tackle")->setSelected(false);
  EXPECT_EQ(Field(dialog, "points"), "28");
  EXPECT_EQ(Field(dialog, "value"), "190000");
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
  EXPECT_EQ(record->m_strName, "Gork der Große");
  EXPECT_EQ(record->m_strPosition, "Starplayer");
  EXPECT_EQ(record->m_nBW, 8);
  EXPECT_EQ(record->m_nST, 6);
  EXPECT_EQ(record->m_nGE, 4);
  EXPECT_EQ(record->m_nRW, 10);
  EXPECT_EQ(record->m_nWert, 190000);
  EXPECT_EQ(record->m_strFertigkeiten, "Blk,Brut,Cap");
  EXPECT_EQ(record->m_nPositionCode, 222);
}

// Characteristics typed outside their ranges are held at the border, and "Stacheln" pushes
// RW 10 back to 9 with its warning. A field that lets 9 or 0 through, or a spikes rule that
// does not reach the RW field, shows here.
TEST(StarplayerDialog, RangesSpikesAndDescription) {
  test::MessageRecorder recorder;
  CStarplayer dialog(nullptr, kCapital);
  dialog.show();
  Type(dialog, "bw", 9);
  EXPECT_EQ(Child<QSpinBox>(dialog, "bw")->value(), 8);
  Type(dialog, "st", 0);
  EXPECT_EQ(Child<QSpinBox>(dialog, "st")->value(), 1);
  Type(dialog, "ge", 7);
  EXPECT_EQ(Child<QSpinBox>(dialog, "ge")->value(), 4);
  Type(dialog, "rw", 11);
  EXPECT_EQ(Child<QSpinBox>(dialog, "rw")->value(), 10);
  // The arrows stop at the borders.
  QSpinBox* bw = Child<QSpinBox>(dialog, "bw");
  bw->stepUp();
  EXPECT_EQ(bw->value(), 8);

  Select(dialog, {"Stacheln"});
  EXPECT_EQ(Child<QSpinBox>(dialog, "rw")->value(), 9);
  EXPECT_TRUE(Child<QLabel>(dialog, "warnings")->text().endsWith(
      "Stacheln und RW 10 ist nicht möglich! RW 10 ist das Maximum."));
  EXPECT_EQ(Field(dialog, "count2"), "1");  // a body trait

  // Clicking a skill shows its rule text.
  QTreeWidget* list = Child<QTreeWidget>(dialog, "skills");
  QTreeWidgetItem* blocken = SkillRow(dialog, "Blocken");
  list->scrollToItem(blocken);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(blocken).center());
  EXPECT_FALSE(Child<QPlainTextEdit>(dialog, "description")->toPlainText().isEmpty());
  EXPECT_EQ(Child<QPlainTextEdit>(dialog, "description")->toPlainText(),
            QString::fromUtf8(FindSkillByName("Blocken")->m_pszDescription));
  EXPECT_TRUE(blocken->isSelected());
  EXPECT_TRUE(SkillRow(dialog, "Stacheln")->isSelected());  // Ctrl keeps the earlier choice
  EXPECT_TRUE(recorder.requests.empty());
}

// What the kind decides: list order, grey rows, the name field, the card box. Grey rows of a
// star player, a free name for a Feldspieler or an enabled card outside purchase mode show here.
TEST(StarplayerDialog, KindsGreyRowsAndCard) {
  {
    CStarplayer star(nullptr, kCapital);
    QTreeWidget* list = Child<QTreeWidget>(star, "skills");
    EXPECT_EQ(list->topLevelItemCount(), 56);
    EXPECT_EQ(list->headerItem()->text(0), "Fertigkeit");
    EXPECT_EQ(list->headerItem()->text(1), "Kategorie");
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      EXPECT_FALSE(list->topLevelItem(i)->data(0, Qt::UserRole).toBool());
    EXPECT_TRUE(Child<QLineEdit>(star, "name")->isEnabled());
    EXPECT_FALSE(Child<QCheckBox>(star, "card")->isEnabled());
    EXPECT_EQ(Child<QSpinBox>(star, "bw")->toolTip(), "Bewegung.");
    EXPECT_EQ(list->toolTip(),
              "Mehrfachauswahl und deselektieren\nmit der Strg-Taste.\nGrau gefärbte Fertigkeiten stehen ihrem "
              "Spieler\nnormalerweise nicht zu.");
    EXPECT_EQ(Child<QLineEdit>(star, "count0")->toolTip(), "Anzahl der Fertigkeiten.");
  }

  OwnRaceDesign design;
  PlayerBuilder feldspieler = OwnRaceBuilder(design, 0);
  CStarplayer field(feldspieler, kCapital);
  EXPECT_EQ(Field(field, "kind"), "Feldspieler");
  EXPECT_EQ(Field(field, "name"), "Feldspieler");
  EXPECT_FALSE(Child<QLineEdit>(field, "name")->isEnabled());
  EXPECT_FALSE(IsGrey(field, "Blocken"));          // Allgemein
  EXPECT_TRUE(IsGrey(field, "Ausweichen"));        // Geschicklichkeit
  EXPECT_TRUE(IsGrey(field, "Stacheln"));          // Körpermerkmal
  EXPECT_TRUE(SkillRow(field, "Ausweichen")->flags() & Qt::ItemIsSelectable);

  design.m_bMutation = true;
  CStarplayer gen1(OwnRaceBuilder(design, 4), kCapital);
  EXPECT_EQ(Field(gen1, "kind"), "Gen.1 (Feldspieler2)");
  EXPECT_TRUE(Child<QLineEdit>(gen1, "name")->isEnabled());
  EXPECT_FALSE(IsGrey(gen1, "Stacheln"));  // mutation allows body traits

  // A Feldspieler of 9 points is refused although he is only worth 90000.
  Type(field, "st", 4);  // 11 points
  Type(field, "ge", 2);  // 9 points
  EXPECT_EQ(Field(field, "points"), "9");
  test::MessageRecorder recorder;
  Child<QPushButton>(field, "kaufen")->click();
  ASSERT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(recorder.requests[0].caption, "Die Bank sagt...");
  EXPECT_EQ(recorder.requests[0].text, "Dieser Spieler ist zu teuer!");
  EXPECT_FALSE(field.Result());
}

// In purchase mode the card halves the price booked into the team; without the card the
// treasury is too small. Measuring against the starting capital instead of the treasury, or
// booking the full value with the card, shows here.
TEST(StarplayerDialog, PurchaseIntoTeamWithCard) {
  test::FakeTeamHost host;
  CKRTeam team;
  team.m_pHost = &host;
  team.AddEinnahme("Startkapital", 100000);
  team.Recalculate();
  ASSERT_EQ(team.m_strGold, "100000");

  test::MessageRecorder recorder;
  CStarplayer dialog(&team, kCapital);
  QCheckBox* card = Child<QCheckBox>(dialog, "card");
  EXPECT_TRUE(card->isEnabled());
  EXPECT_EQ(card->text(), "Mit Karte: 'Spieler zum halben Preis'");
  QTest::keyClicks(Child<QLineEdit>(dialog, "name"), "Grom");
  Type(dialog, "st", 4);  // 11 points, 110000
  Child<QPushButton>(dialog, "kaufen")->click();
  ASSERT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(recorder.requests[0].text, "So viel Gold haben Sie gar nicht!");
  EXPECT_TRUE(team.m_Spieler.empty());

  card->setChecked(true);
  Child<QPushButton>(dialog, "kaufen")->click();
  EXPECT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(team.m_Spieler.size(), 1u);
  EXPECT_EQ(team.m_Spieler[0]->m_strName, "Grom");
  EXPECT_EQ(team.m_Spieler[0]->m_nWert, 55000);
  EXPECT_EQ(team.m_Spieler[0]->m_nPositionCode, 222);
  ASSERT_EQ(team.m_Ausgaben.size(), 1u);
  EXPECT_EQ(team.m_Ausgaben[0]->m_strText, "Einstellung von Starplayer Grom");
  EXPECT_EQ(host.Count("modified"), 1u);
}

// The builder comes back in the size it was left in, under its own layout name.
TEST(StarplayerDialog, RemembersSize) {
  {
    CStarplayer dialog(nullptr, kCapital);
    dialog.show();
    dialog.resize(900, 640);
    dialog.hide();
  }
  EXPECT_EQ(AppSettings().value("StarplayerBauen/Right").toInt() - AppSettings().value("StarplayerBauen/Left").toInt(),
            900);
  CStarplayer again(nullptr, kCapital);
  again.show();
  EXPECT_EQ(again.size(), QSize(900, 640));
}

}  // namespace
}  // namespace krv
