// The season dialogs driven as a coach uses them: "Ausgabe", "Einnahmen", "Neues Spiel",
// "Besondere Ereignisse", "Team-Auswahl" and "Personal ändern".

#include <gtest/gtest.h>

#include <QToolButton>
#include <functional>

#include "settings/qt/TeamChoiceDialog.h"
#include "gui/CreationDialogDriver.h"
#include "season/qt/ExpenseDialog.h"
#include "season/qt/EventDialog.h"
#include "season/qt/LedgerEntryDialog.h"
#include "season/qt/MatchDialog.h"
#include "season/qt/StaffDialog.h"
#include "support/MessageRecorder.h"
#include "support/SampleTeams.h"
#include "ui/NumberEdit.h"

namespace krv {
namespace {

using test::Child;
using test::WhenModal;

// Choices the treasury or the staff forbid are disabled, the player purchases while they
// cannot be carried out; the reroll note and the no-choice refusal keep the dialog open; a
// loss text is a ledger text of at most 80 characters.
TEST(ExpenseDialogTest, EnablingNoteAndRefusal) {
  auto team = test::MakeSampleTeam();  // an apothecary already, treasury set below
  team->m_nGold = 60000;
  team->m_nLetzteAusgabeArt = kWahlZauberer;  // not possible now: nothing preselected
  test::MessageRecorder messages;
  ExpenseDialog dlg(*team, false);
  std::vector<bool> enabled;
  for (int i = 0; i < kExpenseChoiceCount; ++i) enabled.push_back(dlg.Choice(i)->isEnabled());
  EXPECT_EQ(enabled, (std::vector<bool>{1, 1, 1, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(dlg.Choice(kWahlMarke)->text(), "(60k) Trainingsmarke (normaler Preis)");
  EXPECT_FALSE(dlg.TextEdit()->isEnabled());

  ASSERT_EQ(QDialog::Accepted, test::ExecWith(dlg, [&](ExpenseDialog* d) {
              d->OkButton()->click();  // no choice yet
              EXPECT_TRUE(d->isVisible());
              d->Choice(kWahlMarke)->click();
              d->Choice(kWahlVerlust)->click();
              EXPECT_TRUE(d->TextEdit()->isEnabled());
              QTest::keyClicks(d->TextEdit(), QString(81, 'x'));
              EXPECT_EQ(d->TextEdit()->text().size(), 80);  // a ledger text's length
              d->TextEdit()->clear();
              QTest::keyClicks(d->TextEdit(), "Schiri bestochen");
              QTest::keyClicks(d->WertEdit(), "20000");
              d->OkButton()->click();
            }));
  ASSERT_EQ(messages.requests.size(), 2u);
  EXPECT_EQ(messages.requests[0].text.toStdString(), kNoChoiceMessage);
  EXPECT_TRUE(messages.requests[1].text.startsWith("Dieses ist nur möglich"));
  EXPECT_EQ(dlg.m_nWahl, kWahlVerlust);
  EXPECT_EQ(dlg.m_strText, "Schiri bestochen");
  EXPECT_EQ(dlg.m_nWert, 20000);

  team->m_nLetzteAusgabeArt = kWahlCotrainer;
  ExpenseDialog again(*team, true);
  EXPECT_TRUE(again.Choice(kWahlCotrainer)->isChecked());
  EXPECT_TRUE(again.Choice(kWahlSpieler)->isEnabled());
}

// The four modes: captions, OK text and the pick button; the pick fills "Spiel gegen: ";
// an amount beyond the ledgers' range is refused with the dialog still open; a stored text
// longer than a typed one may be comes back whole when only the amount is changed (the
// program's own bookings can be longer). (The amount shown in the change dialog:
// SeasonPagesTest.IncomeNewAndChange.)
TEST(LedgerEntryDialogTest, ModesPickAndRange) {
  test::MessageRecorder messages;
  LedgerEntryDialog income;
  income.m_PickTeam = [] { return std::optional<QString>("Orkland"); };
  ASSERT_EQ(QDialog::Accepted, test::ExecWith(income, [&](LedgerEntryDialog* d) {
              EXPECT_EQ(d->windowTitle(), "Einnahmen");
              EXPECT_EQ(d->OkButton()->text(), "&Neu");
              EXPECT_EQ(d->ArtEdit()->text(), "Spiel gegen: ");
              d->PickButton()->click();
              d->WertEdit()->setText("99.999.999.999");
              d->OkButton()->click();
              EXPECT_TRUE(d->isVisible());
              d->WertEdit()->setText("60.000");
              d->OkButton()->click();
            }));
  EXPECT_EQ(income.m_strArt, "Spiel gegen: Orkland");
  EXPECT_EQ(income.m_nWert, 60000);
  EXPECT_EQ(messages.requests.size(), 1u);

  LedgerEntryDialog expense;
  expense.m_bAusgabe = true;
  expense.m_bNeu = false;
  const QString booked = "Einstellung von Grimbold Eisenfaust der Jüngere als Schwarzorks. zum halben Preis!";
  expense.m_strArt = booked;
  expense.m_nWert = 60000;
  ASSERT_EQ(QDialog::Accepted, test::ExecWith(expense, [](LedgerEntryDialog* d) {
              EXPECT_EQ(d->windowTitle(), "Ausgabe ändern");
              EXPECT_EQ(d->OkButton()->text(), "Ä&ndern");
              EXPECT_FALSE(d->PickButton()->isVisible());
              d->WertEdit()->setText("50.000");
              d->OkButton()->click();
            }));
  EXPECT_EQ(expense.m_strArt, booked);
}

// Typing "o" completes to Orkland with "rkland" selected; Backspace takes the completion
// away and is not completed again; the result word follows the score. (The completion rule,
// every letter and the Backspace, and the words themselves: OpponentList and MatchResult.)
TEST(MatchDialogTest, CompletionAndResultWord) {
  MatchDialog dlg({"Zwerge", "Orkland"});
  ASSERT_EQ(QDialog::Accepted, test::ExecWith(dlg, [](MatchDialog* d) {
              EXPECT_EQ(d->OkButton()->text(), "&Neues Spiel");
              EXPECT_EQ(d->ResultLabel()->text(), "Unentschieden");
              EXPECT_TRUE(d->EinnahmenCheck()->isChecked());
              QTest::keyClicks(d->GegnerEdit(), "o");
              EXPECT_EQ(d->GegnerEdit()->text(), "Orkland");
              EXPECT_EQ(d->GegnerEdit()->selectedText(), "rkland");
              QTest::keyClick(d->GegnerEdit(), Qt::Key_Backspace);
              EXPECT_EQ(d->GegnerEdit()->text(), "O");
              d->EigeneToreEdit()->setText("3");
              d->GegnerToreEdit()->setText("1");
              EXPECT_EQ(d->ResultLabel()->text(), "Gewonnen");
              d->FanCombo()->setCurrentIndex(kFanRises);
              d->OkButton()->click();
            }));
  EXPECT_EQ(dlg.m_Entry.gegner, "O");
  EXPECT_EQ(dlg.m_Entry.eigeneTore, 3);
  EXPECT_EQ(dlg.m_Entry.gegnerTore, 1);
  EXPECT_EQ(dlg.m_Entry.fanFaktor, kFanRises);
  EXPECT_TRUE(dlg.m_Entry.inEinnahmen);
}

// A score that is no number is refused with the range message and the dialog keeps what was
// typed (the range itself: MatchResult); a cleared date becomes "xx.xx.xx", fully selected;
// the date takes 8 characters.
TEST(MatchDialogTest, RangesAndDate) {
  test::MessageRecorder messages;
  MatchDialog dlg({});
  ASSERT_EQ(QDialog::Accepted, test::ExecWith(dlg, [](MatchDialog* d) {
              d->DatumEdit()->selectAll();
              QTest::keyClick(d->DatumEdit(), Qt::Key_Delete);
              EXPECT_EQ(d->DatumEdit()->text(), "xx.xx.xx");
              EXPECT_EQ(d->DatumEdit()->selectedText(), "xx.xx.xx");
              QTest::keyClicks(d->DatumEdit(), "01.05.2007");
              EXPECT_EQ(d->DatumEdit()->text(), "01.05.20");
              d->EigeneToreEdit()->setText("zwei");
              d->OkButton()->click();
              EXPECT_TRUE(d->isVisible());
              EXPECT_EQ(d->EigeneToreEdit()->text(), "zwei");
              d->EigeneToreEdit()->setText("16");
              d->OkButton()->click();
            }));
  EXPECT_EQ(messages.Texts(), QStringList{"Bitte geben Sie für „Ergebnis“ eine Zahl zwischen 0 und 16 ein."});
  EXPECT_EQ(messages.requests[0].kind, BoxKind::Warning);  // the same wording and sign as every range check
  EXPECT_EQ(dlg.m_Entry.eigeneTore, 16);
  EXPECT_EQ(dlg.m_Entry.datum, "01.05.20");
}

// Edit mode: "&Ändern", the income box unchecked and disabled, the fields from the match.
TEST(MatchDialogTest, EditMode) {
  CKRGames game;
  game.m_strGegner = "Zwerge";
  game.m_strErgebnis = "2:2";
  game.m_nEinnahmen = 12500;
  game.m_nFanFaktor = kFanFalls;
  game.m_bLiga = 1;
  MatchDialog dlg({});
  dlg.m_Entry = MatchEntryFromGame(game);
  dlg.m_bEditMode = true;
  ASSERT_EQ(QDialog::Accepted, test::ExecWith(dlg, [](MatchDialog* d) {
              EXPECT_EQ(d->OkButton()->text(), "&Ändern");
              EXPECT_FALSE(d->EinnahmenCheck()->isEnabled());
              EXPECT_FALSE(d->EinnahmenCheck()->isChecked());
              EXPECT_EQ(d->EinnahmenEdit()->text(), "12.500");
              EXPECT_EQ(d->FanCombo()->currentText(), "Fan-Faktor sinkt");
              EXPECT_TRUE(d->LigaCheck()->isChecked());
              d->OkButton()->click();
            }));
  EXPECT_FALSE(dlg.m_Entry.inEinnahmen);
}

// The deduction fills its text and allows the pick; "Sonsiges" empties it; change mode
// leaves only the text; more than 150 characters are refused.
TEST(EventDialogTest, KindsPickAndChangeMode) {
  test::MessageRecorder messages;
  EventDialog dlg;
  dlg.m_PickTeam = [] { return std::optional<QString>("Orkland"); };
  ASSERT_EQ(QDialog::Accepted, test::ExecWith(dlg, [](EventDialog* d) {
              EXPECT_TRUE(d->SonstigesRadio()->isChecked());
              EXPECT_FALSE(d->PickButton()->isEnabled());
              d->AbzugRadio()->click();
              EXPECT_EQ(d->TextEdit()->toPlainText(), "Abzug einer Trainingsmarke im Spiel gegen ");
              d->PickButton()->click();
              EXPECT_EQ(d->TextEdit()->toPlainText(), "Abzug einer Trainingsmarke im Spiel gegen Orkland");
              d->OkButton()->click();
            }));
  EXPECT_EQ(dlg.m_nArt, kEreignisMarkenAbzug);
  EXPECT_EQ(dlg.m_strText, "Abzug einer Trainingsmarke im Spiel gegen Orkland");

  EventDialog change;
  change.m_bAendern = true;
  change.m_nArt = kEreignisMarkenAbzug;
  change.m_strText = "Alt";
  ASSERT_EQ(QDialog::Accepted, test::ExecWith(change, [](EventDialog* d) {
              EXPECT_FALSE(d->AbzugRadio()->isEnabled());
              EXPECT_FALSE(d->SonstigesRadio()->isEnabled());
              EXPECT_FALSE(d->PickButton()->isEnabled());
              d->TextEdit()->setPlainText(QString(151, 'x'));
              d->OkButton()->click();
              EXPECT_TRUE(d->isVisible());
              d->TextEdit()->setPlainText("Neu");
              d->OkButton()->click();
            }));
  EXPECT_EQ(change.m_strText, "Neu");
  EXPECT_EQ(messages.Texts(), QStringList({"Der Text darf höchstens 150 Zeichen lang sein."}));
}

// Sorted names, "&Nehmen" only with a selection, a double click takes the name; an empty
// list offers nothing to take.
TEST(TeamChoiceDialogTest, SortedSelectionAndDoubleClick) {
  TeamChoiceDialog dlg({"Zwerge", "orkland", "Altdorf", "Ärger"});
  EXPECT_EQ(test::ListTexts(dlg.List()), QStringList({"Altdorf", "Ärger", "orkland", "Zwerge"}));
  EXPECT_FALSE(dlg.NehmenButton()->isEnabled());
  ASSERT_EQ(QDialog::Accepted, test::ExecWith(dlg, [](TeamChoiceDialog* d) {
              d->List()->setCurrentRow(2);
              EXPECT_TRUE(d->NehmenButton()->isEnabled());
              const QRect rect = d->List()->visualItemRect(d->List()->item(2));
              QTest::mouseClick(d->List()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
              QTest::mouseDClick(d->List()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
              if (d->isVisible()) d->reject();  // the double click did not take the name
            }));
  EXPECT_EQ(dlg.m_strGewaehlt, "orkland");

  TeamChoiceDialog empty({});
  EXPECT_EQ(empty.List()->count(), 0);
  EXPECT_FALSE(empty.NehmenButton()->isEnabled());
}

// New mode: "&Neu", caption by kind, no "&Löschen" and no career box. (The captions for a
// zombie and a bought player: PlayerPurchaseDialog.CardRefillsAndBuysZombieNamed.)
TEST(StaffDialog, NewModeByKind) {
  const std::pair<PersonalArt, const char*> kinds[] = {{kPersonalCoTrainer, "Neue(n) CoTrainerIn"},
                                                       {kPersonalCheerleader, "Neue(n) CheerleaderIn"},
                                                       {kPersonalSani, "Neuen Sani"},
                                                       {kPersonalZauberer, "Neuen Zauberer"}};
  for (const auto& [art, caption] : kinds) {
    StaffDialog dlg;
    dlg.m_bNeu = true;
    dlg.m_nArt = art;
    dlg.m_strName = QStringLiteral("Blitzer7");
    EXPECT_EQ(StaffDialog::kIdOk, test::ExecWith(dlg, [&](StaffDialog* d) {
                EXPECT_EQ(d->windowTitle(), QString::fromUtf8(caption));
                EXPECT_EQ(Child<QPushButton>(d, "ok")->text(), "&Neu");
                EXPECT_FALSE(Child<QPushButton>(d, "loeschen")->isVisible());
                EXPECT_FALSE(Child<QCheckBox>(d, "zeigeLebenslauf")->isVisible());
                EXPECT_EQ(Child<QLineEdit>(d, "name")->text(), "Blitzer7");
                Child<QPushButton>(d, "ok")->click();
              }));
    EXPECT_EQ(dlg.m_strName, "Blitzer7");
  }
}

// Change mode: the career box reads " Zeige Lebenslauf *" while there is a career text,
// starts cleared, shows and hides the text; OK stores the fields and says whether the name
// stayed the same apart from case.
TEST(StaffDialog, ChangeModeCareer) {
  StaffDialog dlg;
  dlg.m_bNeu = false;
  dlg.m_nArt = kPersonalCheerleader;
  dlg.m_strName = QStringLiteral("Lugdusch");
  dlg.m_strLebenslauf = QStringLiteral("01.03.07 Tanzt beim Heimspiel\r\n02.04.07 Verletzt");
  EXPECT_EQ(StaffDialog::kIdOk, test::ExecWith(dlg, [](StaffDialog* d) {
              EXPECT_EQ(d->windowTitle(), "CheerleaderIn ändern");
              EXPECT_TRUE(Child<QPushButton>(d, "loeschen")->isVisible());
              auto* box = Child<QCheckBox>(d, "zeigeLebenslauf");
              auto* career = Child<QPlainTextEdit>(d, "lebenslauf");
              EXPECT_TRUE(box->isVisible());
              EXPECT_FALSE(box->isChecked());
              EXPECT_EQ(box->text(), " Zeige Lebenslauf *");
              EXPECT_FALSE(career->isVisible());
              box->click();
              EXPECT_TRUE(career->isVisible());
              EXPECT_EQ(career->toPlainText(), "01.03.07 Tanzt beim Heimspiel\n02.04.07 Verletzt");
              career->clear();
              EXPECT_EQ(box->text(), " Zeige Lebenslauf");
              career->setPlainText(QStringLiteral("Neu\nZweite"));
              box->click();
              EXPECT_FALSE(career->isVisible());
              Child<QLineEdit>(d, "name")->setText(QStringLiteral("LUGDUSCH"));
              Child<QPushButton>(d, "ok")->click();
            }));
  EXPECT_EQ(dlg.m_strName, "LUGDUSCH");
  EXPECT_EQ(dlg.m_strAlterName, "Lugdusch");
  EXPECT_TRUE(dlg.m_bNameUnveraendert);
  EXPECT_EQ(dlg.m_strLebenslauf, "Neu\r\nZweite");  // the team's line ends
}

// How the dialog ends: "&Löschen" gives 3, "&Abbruch" and Escape give 2, OK after a rename
// 1 with the name no longer "unchanged"; a career text left alone stays byte for byte, its
// mixed line ends included. Catches a wrong result code and a career text rewritten unasked.
TEST(StaffDialog, ResultsAndUntouchedCareer) {
  const std::pair<std::function<void(StaffDialog*)>, int> cases[] = {
      {[](StaffDialog* d) { Child<QPushButton>(d, "loeschen")->click(); }, StaffDialog::kIdLoeschen},
      {[](StaffDialog* d) { Child<QPushButton>(d, "abbruch")->click(); }, StaffDialog::kIdAbbruch},
      {[](StaffDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, StaffDialog::kIdAbbruch},
      {[](StaffDialog* d) {
         Child<QLineEdit>(d, "name")->setText(QStringLiteral("Gorbag II"));
         Child<QPushButton>(d, "ok")->click();
       },
       StaffDialog::kIdOk}};
  for (const auto& [press, result] : cases) {
    StaffDialog dlg;
    dlg.m_bNeu = false;
    dlg.m_strName = QStringLiteral("Gorbag");
    dlg.m_strLebenslauf = QStringLiteral("nur\nLF\r\nund CRLF");
    EXPECT_EQ(result, test::ExecWith(dlg, press));
    EXPECT_EQ(dlg.m_strLebenslauf, "nur\nLF\r\nund CRLF");
    if (result == StaffDialog::kIdOk) EXPECT_FALSE(dlg.m_bNameUnveraendert);
  }
}

// Names are limited to 100 characters; a longer one from a file is shown whole and OK then
// asks for a shorter one instead of cutting it.
TEST(StaffDialog, NameLength) {
  test::MessageRecorder messages;
  EXPECT_EQ(Child<QLineEdit>(StaffDialog(), "name")->maxLength(), 100);  // typing stops there
  {
    StaffDialog dlg;
    dlg.m_bNeu = false;
    dlg.m_strName = QString(130, QLatin1Char('y'));
    EXPECT_EQ(StaffDialog::kIdOk, test::ExecWith(dlg, [&](StaffDialog* d) {
                EXPECT_EQ(Child<QLineEdit>(d, "name")->text().size(), 130);
                Child<QPushButton>(d, "ok")->click();
                EXPECT_TRUE(d->isVisible());  // refused; the dialog stays open
                Child<QLineEdit>(d, "name")->setText(QStringLiteral("kurz"));
                Child<QPushButton>(d, "ok")->click();
              }));
    EXPECT_EQ(dlg.m_strName, "kurz");
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].text, "Geben Sie nicht mehr als 100 Zeichen ein.");
  }
}

}  // namespace
}  // namespace krv
