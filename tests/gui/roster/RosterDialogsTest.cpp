// The roster dialogs driven through their buttons: the sheet "Spielerwerte ändern" with the
// new-skills dialog, the purchase dialog, the remove dialog, the race repair dialog ("Volk
// ändern") and the commands and views that lead through them to the core.

#include <gtest/gtest.h>

#include <QTabWidget>
#include <QToolButton>

#include "gui/CreationDialogDriver.h"
#include "gui/Mnemonics.h"
#include "gui/roster/RosterTestSupport.h"
#include "roster/qt/RaceChangeDialog.h"
#include "teamwindow/qt/TeamView.h"
#include "teamwindow/qt/PlayersModel.h"
#include "teamwindow/qt/PlayersPage.h"
#include "season/qt/StaffDialog.h"
#include "roster/qt/NewSkillsDialog.h"
#include "roster/qt/PlayerChangeDialog.h"
#include "teamwindow/qt/RosterCommands.h"
#include "roster/qt/PlayerRemovalDialog.h"
#include "roster/qt/PlayerPurchaseDialog.h"
#include "support/MessageRecorder.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

using test::Child;
using test::WhenModal;

// A team of the race with `gold` and one active player "Grischnak" (number 1, "Blk").
std::unique_ptr<CKRTeam> Team(int32_t race, int32_t gold, int32_t code = 28) {
  auto team = std::make_unique<CKRTeam>();
  team->m_nNaechsteID = 100;
  team->m_nRasse = race;
  team->AddEinnahme({"Startkapital", gold});
  test::AddPlayer(*team, 1, "Grischnak", "Blitzer", 6, 3, 3, 9, 80000, "Blk", team->m_nNaechsteID++, code);
  team->Recalculate();
  return team;
}

void SetText(QWidget* dialog, const char* field, const QString& text) {
  auto* edit = Child<QLineEdit>(dialog, field);
  edit->clear();
  QTest::keyClicks(edit, text);
}

void Click(QWidget* dialog, const char* button) {
  QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
}

QTreeWidgetItem* Row(QTreeWidget* list, const QString& abbreviation) { return test::FindItem(list, abbreviation, 2); }

// Catches the sheet closing on a value out of range, losing the focus on the refused field or
// writing into the player while open, and the command not storing the values through the
// core with the career-log setting (the entry's text: CareerLog.EntryPerChange).
TEST(PlayerChangeDialog, ConfirmAndRangeRefusal) {
  test::MessageRecorder messages;
  auto team = Team(10, 0);
  CKRSpieler& player = *team->m_Spieler[0];
  WhenModal<PlayerChangeDialog>([&](PlayerChangeDialog* sheet) {
    SetText(sheet, "st", "4");
    SetText(sheet, "ge", "4");
    SetText(sheet, "ssp", "701");
    Click(sheet, "ok");
    EXPECT_EQ(messages.Texts(), QStringList{"Bitte geben Sie für „SSP“ eine Zahl zwischen 0 und 700 ein."});
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->focusWidget(), Child<QLineEdit>(sheet, "ssp"));
    SetText(sheet, "ssp", "375");
    EXPECT_EQ(Child<QLineEdit>(sheet, "steigerungen")->text(), "10");
    SetText(sheet, "ssp", "0");
    EXPECT_EQ(player.m_nST, 3);
    Click(sheet, "ok");
  });
  ASSERT_TRUE(ChangePlayerCommand(nullptr, *team, player, test::TestServices()));
  EXPECT_EQ(player.m_nST, 4);
  EXPECT_NE(player.m_strLebenslauf.find("Stärke von 3 auf 4"), std::string::npos);
}

// Catches "&Neu" adding skills unsorted or with empty entries, and the career page's text not being stored with the
// file's line breaks.
TEST(PlayerChangeDialog, NewSkillsAndCareerPage) {
  auto team = Team(10, 0);
  CKRSpieler& player = *team->m_Spieler[0];
  PlayerChangeDialog sheet(player);
  sheet.show();
  WhenModal<NewSkillsDialog>([](NewSkillsDialog* dialog) {
    auto* list = Child<QTreeWidget>(dialog, "skills");
    test::ClickItem(list, Row(list, "Tackle"), true);
    test::ClickItem(list, Row(list, "Ausw"), true);
    Click(dialog, "uebernehmen");
  });
  Click(&sheet, "neu");
  EXPECT_EQ(Child<QPlainTextEdit>(&sheet, "fertigkeiten")->toPlainText(), "Ausw,Blk,Tackle");

  Child<QTabWidget>(&sheet, QString())->setCurrentIndex(1);
  Child<QPlainTextEdit>(&sheet, "lebenslauf")->setPlainText("Erste\nZweite");
  Click(&sheet, "ok");
  EXPECT_EQ(sheet.Values().m_strFertigkeiten, "Ausw,Blk,Tackle");
  EXPECT_EQ(sheet.Values().m_strLebenslauf, "Erste\r\nZweite");
}

// Catches the context-menu commands waiting for OK: the changed skill text is stored even
// when the sheet is cancelled (and not while it is open).
TEST(PlayerChangeDialog, SkillTextEditedAtOnce) {
  auto team = Team(10, 0);
  CKRSpieler& player = *team->m_Spieler[0];
  PlayerChangeDialog::SetAskTextFunction(
      [](QWidget*, const QString& current) { return std::optional<QString>(current + ",Eigen"); });
  WhenModal<PlayerChangeDialog>([&player](PlayerChangeDialog* sheet) {
    sheet->EditSkillTexts();
    EXPECT_EQ(player.m_strFertigkeiten, "Blk");
    Click(sheet, "cancel");
  });
  EXPECT_TRUE(ChangePlayerCommand(nullptr, *team, player, test::TestServices()));
  PlayerChangeDialog::SetAskTextFunction(nullptr);
  EXPECT_EQ(player.m_strFertigkeiten, "Blk,Eigen");
}

// Catches "&Neu" and the SSP field open for a star player, "Fertigkeiten löschen..." asking
// with the question mark instead of the stop sign, and a star player left without skills
// because the new-skills dialog did not open for him.
TEST(PlayerChangeDialog, DeletingSkillsWarnsAndOffersNewOnes) {
  test::MessageRecorder messages;  // answers "&Ja"
  auto stars = Team(10, 0, 212);
  PlayerChangeDialog sheet(*stars->m_Spieler[0]);
  sheet.show();
  EXPECT_FALSE(Child<QPushButton>(&sheet, "neu")->isEnabled());
  EXPECT_TRUE(Child<QLineEdit>(&sheet, "ssp")->isReadOnly());
  bool offered = false;
  WhenModal<NewSkillsDialog>([&offered](NewSkillsDialog* dialog) {
    offered = true;
    dialog->reject();
  });
  sheet.DeleteSkills();
  ASSERT_EQ(messages.requests.size(), 1u);
  EXPECT_EQ(messages.requests[0].kind, BoxKind::StopQuestion);
  EXPECT_TRUE(offered);
  EXPECT_TRUE(Child<QPlainTextEdit>(&sheet, "fertigkeiten")->toPlainText().isEmpty());
}

// Catches the refusals of the new-skills dialog not reaching the description field, and
// "&Löschen" not emptying the choice and disabling "&Übernehmen".
TEST(NewSkillsDialog, ChooseRefuseAndDelete) {
  NewSkillsDialog dialog("Ausw,MehrBlk");
  dialog.show();
  auto* list = Child<QTreeWidget>(&dialog, "skills");
  auto* description = Child<QPlainTextEdit>(&dialog, "description");
  test::ClickItem(list, Row(list, "Blk"));
  EXPECT_FALSE(description->toPlainText().isEmpty());
  test::ClickItem(list, Row(list, "Blk"), true);
  EXPECT_EQ(description->toPlainText(), "\nDiese Fertigkeit hat der Spieler bereits!");
  EXPECT_FALSE(Child<QPushButton>(&dialog, "uebernehmen")->isEnabled());
  test::ClickItem(list, Row(list, "Tackle"), true);
  test::ClickItem(list, Row(list, "Tackle"), true);
  EXPECT_EQ(description->toPlainText(), "\nDiese Fertigkeit haben Sie bereits ausgewählt!");
  EXPECT_TRUE(Child<QPushButton>(&dialog, "uebernehmen")->isEnabled());
  EXPECT_EQ(dialog.Result(), ",Tackle");
  Click(&dialog, "loeschen");
  EXPECT_EQ(Child<QListWidget>(&dialog, "chosen")->count(), 0);
  EXPECT_FALSE(Child<QPushButton>(&dialog, "uebernehmen")->isEnabled());
}

// The keyboard alone: Enter and Space on a row choose it as a double click does, and Enter
// does not end the dialog; in "Spielerwerte ändern" every page's Alt+letters are its own,
// Strg+Tab and Strg+Bild↓ switch to "Lebenslauf" from any field, and Tab in the career text
// moves on instead of typing a tab. Catches a coach without a mouse who can choose no skill,
// reach no career text, and saves "…Orks.\t", and two controls sharing a letter.
TEST(NewSkillsDialog, KeyboardOnly) {
  NewSkillsDialog dialog("Blk");
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  auto* list = Child<QTreeWidget>(&dialog, "skills");
  list->setFocus();
  list->setCurrentItem(Row(list, "Tackle"));
  QTest::keyClick(list, Qt::Key_Return);
  list->setCurrentItem(Row(list, "Ausw"));
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_EQ(dialog.Result(), ",Tackle,Ausw");
  EXPECT_TRUE(dialog.isVisible());

  auto team = Team(10, 0);
  PlayerChangeDialog sheet(*team->m_Spieler[0]);
  sheet.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
  auto* tabs = Child<QTabWidget>(&sheet, QString());
  for (int page : {1, 0}) {
    tabs->setCurrentIndex(page);
    EXPECT_EQ(test::MnemonicClashes(&sheet), QStringList()) << page;
  }
  auto* name = Child<QLineEdit>(&sheet, "name");
  name->setFocus();
  QTest::keyClick(name, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 1);
  auto* career = Child<QPlainTextEdit>(&sheet, "lebenslauf");
  career->setFocus();
  QTest::keyClicks(career, "Ehemaliger Spieler der Orks.");
  QTest::keyClick(career, Qt::Key_Tab);
  EXPECT_EQ(career->toPlainText(), "Ehemaliger Spieler der Orks.");
  EXPECT_NE(QApplication::focusWidget(), career);
}

// Lets the next name dialog check its caption, then gives the name.
void GiveName(const QString& caption, const QString& name) {
  WhenModal<StaffDialog>([=](StaffDialog* names) {
    EXPECT_EQ(names->windowTitle(), caption);
    SetText(names, "name", name);
    Click(names, "ok");
  });
}

// Catches the card box not refilling the list, "&Kaufen" usable without a row, and the
// purchase or the zombie command not going through the name dialog to the core. (Which
// positions are offered, an own race's too, at what price, and the zombie's checks and
// number: PlayerPurchase and ZombieRevival.)
TEST(PlayerPurchaseDialog, CardRefillsAndBuysZombieNamed) {
  auto team = Team(8, 35000);  // Menschen
  test::MessageRecorder messages;
  WhenModal<PlayerPurchaseDialog>([](PlayerPurchaseDialog* dialog) {
    auto* list = Child<QTreeWidget>(dialog, "list");
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_FALSE(Child<QPushButton>(dialog, "kaufen")->isEnabled());
    QTest::mouseClick(Child<QCheckBox>(dialog, "card"), Qt::LeftButton);
    EXPECT_EQ(list->topLevelItemCount(), 3);  // Feldspieler, Fänger, Werfer at half price
    test::ClickItem(list, Row(list, "Werfer"));
    GiveName("Neuen Spieler", "Hans");
    Click(dialog, "kaufen");
  });
  ASSERT_TRUE(BuyPlayerCommand(nullptr, *team, test::TestServices()));
  EXPECT_EQ(team->m_Spieler.back()->m_strName, "Hans");

  auto undead = Team(12, 0, 34);
  GiveName("Neuen Zombie", "Gregor");
  ASSERT_TRUE(ReviveZombieCommand(nullptr, *undead, test::TestServices()));
  EXPECT_EQ(undead->m_Spieler.back()->m_strName, "Gregor");
  EXPECT_TRUE(messages.requests.empty());
}

// The remove dialog: "Verstorben" preselected, the text field only for "&Sonstiges"; every
// control has an Alt+letter of its own (each page of "Spielerwerte ändern" too:
// NewSkillsDialog.KeyboardOnly), so Alt+S then Enter chooses "&Sonstiges" and presses
// "&Ändern", which refuses the missing text with the dialog still open. The removal as
// assistant coach goes through the command to the core. Catches the dialog closing on an
// incomplete choice, two controls sharing a letter (the key then only moves the focus, and
// Enter records the preselected "Verstorben"), and the command not reaching the core.
TEST(PlayerRemovalDialog, KeyboardRefusalAndCotrainer) {
  test::MessageRecorder messages;
  PlayerRemovalDialog dialog("Grischnak");
  EXPECT_EQ(dialog.windowTitle(), "Spieler 'Grischnak' entfernen");
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  EXPECT_EQ(test::MnemonicClashes(&dialog), QStringList());
  EXPECT_TRUE(Child<QRadioButton>(&dialog, "verstorben")->isChecked());
  EXPECT_FALSE(Child<QLineEdit>(&dialog, "text")->isEnabled());
  QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
  // A button's shortcut clicks it a moment later, as it is seen pressed.
  EXPECT_TRUE(QTest::qWaitFor([&] { return Child<QRadioButton>(&dialog, "sonstiges")->isChecked(); }));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(messages.Texts(), QStringList{"Sie müssen schon etwas im Feld Sonstiges eingeben!"});
  EXPECT_TRUE(dialog.isVisible());
  SetText(&dialog, "text", "Ausgewandert");
  Click(&dialog, "aendern");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Removal().m_Reason, RemovalReason::kSonstiges);
  EXPECT_EQ(dialog.Removal().m_strText, "Ausgewandert");

  auto team = Team(10, 0);
  WhenModal<PlayerRemovalDialog>([](PlayerRemovalDialog* remove) {
    Child<QRadioButton>(remove, "cotrainer")->click();
    Click(remove, "aendern");
  });
  ASSERT_TRUE(RemovePlayerCommand(nullptr, *team, *team->m_Spieler[0], test::TestServices()));
  EXPECT_EQ(team->m_Spieler[0]->m_nStatus, kStatusCotrainer);  // the side effects: PlayerRemoval.EachReason

  // A former player only gets the message.
  messages.requests.clear();
  EXPECT_FALSE(RemovePlayerCommand(nullptr, *team, *team->m_Spieler[0], test::TestServices()));
  EXPECT_EQ(messages.Texts(), QStringList{"Grischnak ist kein aktiver Spieler mehr!"});
}

// Catches the players page's buttons not reaching the commands: a dead player taken out
// entirely through "&Löschen" leaves the list, "&Neu" opens the purchase dialog.
TEST(PlayersPageCommands, RemoveDeadAndBuy) {
  test::MessageRecorder messages;
  auto team = Team(10, 100000);
  team->m_Spieler[0]->m_nStatus = kStatusVerstorben;
  test::AddPlayer(*team, 2, "Bolg", "Linienork", 5, 3, 3, 9, 50000, "", team->m_nNaechsteID++, 25);
  auto doc = test::DocumentWith(std::move(team));
  ASSERT_TRUE(doc);
  auto page = test::ShownPage<PlayersPage>(doc.get(), {1000, 400});
  test::ClickRow(page->List(), 0);
  Click(page.get(), "loeschen");  // the question is answered with "&Ja"
  ASSERT_EQ(messages.Texts(),
            QStringList{"Grischnak ist kein aktiver Spieler mehr!\nSoll dieser Spieler komplett entfert werden?"});
  ASSERT_EQ(page->Model()->rowCount(), 1);
  EXPECT_EQ(test::Cell(page->Model(), 0, kPlayerName), "Bolg");

  bool opened = false;
  WhenModal<PlayerPurchaseDialog>([&opened](PlayerPurchaseDialog* dialog) {
    opened = true;
    Click(dialog, "abbruch");
  });
  Click(page.get(), "neu");
  EXPECT_TRUE(opened);
  EXPECT_EQ(doc->Team().m_Spieler.size(), 1u);
}

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
// entry after the selection changed, only one of two selected players changed, the list not
// showing the new position or losing the selection, the dialog not marked changed, a damaged
// race shown as a race. (The codes written and when: RaceRepair.RowsAndAssigningPositionCodes.)
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
  EXPECT_EQ(test::ItemTexts(list, -1),
            (QStringList{"1|Blitzer1|Ork-Blitzer|Fänger", "2|Werfer1|Werfer|Werfer", "3|Gorbag|Linienork|Fänger"}));
  for (int row : {0, 1, 2}) EXPECT_EQ(list->topLevelItem(row)->isSelected(), row != 1);
  EXPECT_TRUE(dialog.Repair().changed);

  list->clearSelection();
  EXPECT_FALSE(type->isEnabled());
  EXPECT_EQ(type->currentIndex(), -1);

  // A damaged race number: no race chosen. (The repair still applied: RaceRepair.ApplyingTheRepair.)
  team->m_nRasse = 42;
  EXPECT_EQ(Child<QComboBox>(RaceChangeDialog(*team), "race")->currentIndex(), -1);
}

// Catches: the race or own race name not taken over from the dialog, the header left as it
// was, the own-race field not opened for the own race. (An unchanged dialog or a repair
// without a race, and the modified flag: RaceRepair.ApplyingTheRepair.)
TEST_F(RaceChangeDialogTest, ViewTakesOverTheChosenRace) {
  m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer"};
  auto* frame = new TeamFrame(test::NewDocumentWith(test::MakeSampleTeam(10)));
  ChooseInDialog(15, true, "Moororks");
  Child<QToolButton>(frame->View(), "raceButton")->click();
  auto* raceField = Child<QLineEdit>(frame->View(), "race");
  EXPECT_EQ(raceField->text(), "MOORORKS");
  EXPECT_FALSE(raceField->isReadOnly());

  // Back to a table race: the field shows the table's name and is closed again.
  ChooseInDialog(12, false);
  Child<QToolButton>(frame->View(), "raceButton")->click();
  EXPECT_EQ(raceField->text(), "UNTOTE");
  EXPECT_TRUE(raceField->isReadOnly());
  Discard(frame);
}

}  // namespace
}  // namespace krv
