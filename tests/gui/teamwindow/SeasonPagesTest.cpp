// The buttons of the pages "Ausgaben", "Einnahmen", "Spiele" and "Sonstiges": each runs its
// dialog, asks what must be asked, and the team, the lists and the staff page follow.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>

#include "gui/CreationDialogDriver.h"
#include "gui/roster/RosterTestSupport.h"
#include "season/qt/ExpenseDialog.h"
#include "season/qt/EventDialog.h"
#include "teamwindow/qt/EventCommands.h"
#include "season/qt/LedgerEntryDialog.h"
#include "season/qt/MatchDialog.h"
#include "season/qt/StaffDialog.h"
#include "create/qt/StarPlayerChoiceDialog.h"
#include "roster/qt/PlayerPurchaseDialog.h"
#include "model/FileIO.h"
#include "support/BitmapFiles.h"
#include "ui/NumberEdit.h"

namespace krv {
namespace {

using test::Cell;
using test::Child;
using test::WhenModal;

class SeasonPagesTest : public test::SheetTest {
 protected:
  void SetUp() override {
    SheetTest::SetUp();
    m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer", "Orkland"};
    auto team = test::MakeSampleTeam();
    team->AddEinnahme({"Sponsor", 500000});  // a treasury of 440000
    OpenSheet(std::move(team));
    m_sheet->resize(800, 500);
    m_sheet->show();
  }
  void TearDown() override {
    SetChooseLogoFunction(nullptr);
    SheetTest::TearDown();
  }
  void Click(RecordListPage* page, const char* button) { Child<QPushButton>(page, button)->click(); }
  int Rows(RecordListPage* page) { return page->List()->model()->rowCount(); }
};

// Hiring a wizard asks the name first, books the expense and shows the wizard on the staff
// page, his field enabled; the staff page must not write its old empty field back over the
// new name. (The amount booked: Booking.EveryChoiceWithItsSideEffect; totals following a new
// entry: RefreshByChangeTest.RecordedMatchAppendsOneRow.)
TEST_F(SeasonPagesTest, NewExpenseHiresWizard) {
  ExpensesPage* page = m_sheet->Expenses();
  WhenModal<ExpenseDialog>([](ExpenseDialog* d) {
    d->Choice(kWahlZauberer)->click();
    WhenModal<StaffDialog>([](StaffDialog* p) {
      Child<QLineEdit>(p, "name")->setText("Bilbo");
      Child<QPushButton>(p, "ok")->click();
    });
    d->OkButton()->click();
  });
  Click(page, "neu");
  EXPECT_EQ(Cell(page->List()->model(), Rows(page) - 1, 0), "Zauberer Bilbo angeworben.");
  EXPECT_EQ(Child<QLineEdit>(m_sheet->Staff(), "zauberer")->text(), "Bilbo");
  EXPECT_TRUE(Child<QLineEdit>(m_sheet->Staff(), "zauberer")->isEnabled());
  EXPECT_TRUE(m_doc->IsModified());

  // A cancelled name books nothing.
  const int rows = Rows(page);
  WhenModal<ExpenseDialog>([](ExpenseDialog* d) {
    d->Choice(kWahlCotrainer)->click();
    WhenModal<StaffDialog>([](StaffDialog* p) { p->reject(); });
    d->OkButton()->click();
  });
  Click(page, "neu");
  EXPECT_EQ(Rows(page), rows);

  // "Spieler" is the players page's purchase (it books its own expense); a cancelled purchase
  // books nothing. Catches the choice left disabled or booked as a plain expense.
  bool purchaseOffered = false;
  WhenModal<ExpenseDialog>([&purchaseOffered](ExpenseDialog* d) {
    ASSERT_TRUE(d->Choice(kWahlSpieler)->isEnabled());
    d->Choice(kWahlSpieler)->click();
    WhenModal<PlayerPurchaseDialog>([&purchaseOffered](PlayerPurchaseDialog* k) {
      purchaseOffered = true;
      k->reject();
    });
    d->OkButton()->click();
  });
  Click(page, "neu");
  EXPECT_TRUE(purchaseOffered);
  EXPECT_EQ(Rows(page), rows);

  // "Starspieler" on a full roster is refused as on the players page, before any choice.
  // Catches the expense that hired and paid a player beyond the roster limit.
  m_app->m_Settings.m_nMaxSpieler = static_cast<int32_t>(Team().m_Spieler.size());
  const size_t players = Team().m_Spieler.size();
  bool starChoiceShown = false;
  QTimer watch;  // closes the star player choice should it open; ends with this test
  watch.setInterval(5);
  QObject::connect(&watch, &QTimer::timeout, [&starChoiceShown] {
    if (auto* choice = qobject_cast<StarPlayerChoiceDialog*>(QApplication::activeModalWidget())) {
      starChoiceShown = true;
      choice->reject();
    }
  });
  WhenModal<ExpenseDialog>([&watch](ExpenseDialog* d) {
    d->Choice(kWahlStarspieler)->click();
    watch.start();
    d->OkButton()->click();
  });
  Click(page, "neu");
  watch.stop();
  EXPECT_FALSE(starChoiceShown);
  EXPECT_EQ(Team().m_Spieler.size(), players);
  EXPECT_EQ(Rows(page), rows);
  ASSERT_FALSE(m_messages.requests.empty());
  EXPECT_TRUE(m_messages.requests.back().text.startsWith("Sie haben schon"));
}

// The first row: "&Ändern" only beeps, "&Löschen" asks nothing. Deleting the apothecary's
// expense asks, and the staff page's field and the events list follow. (What a change or
// deletion may do to the team: LedgerEntries.)
TEST_F(SeasonPagesTest, ExpenseChangeAndDelete) {
  Team().AddAusgabe({"Sani Der Sani angeworben.", 50000, kAusgabeSani});
  Team().Recalculate();
  ExpensesPage* page = m_sheet->Expenses();
  test::ClickRow(page->List(), 0);
  Click(page, "aendern");
  Click(page, "loeschen");
  EXPECT_TRUE(m_messages.requests.empty());

  test::ClickRow(page->List(), 2);
  m_messages.answers = {test::kLoeschen};
  Click(page, "loeschen");
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_EQ(m_messages.requests[0].kind, BoxKind::Delete);
  EXPECT_EQ(Child<QLineEdit>(m_sheet->Staff(), "sani")->text(), "");
  EXPECT_EQ(Cell(m_sheet->Misc()->List()->model(), Rows(m_sheet->Misc()) - 1, 0),
            "Der Sanitäter Der Sani verlässt das Team! (Nachträgliche Änderung)");
  EXPECT_EQ(test::EnabledButtons(page), "neu");
}

// Income: a new entry reaches the list; the change dialog comes with the entry's amount and
// its values reach the list. (Which values an entry or a change may take, 0 adding nothing:
// LedgerEntries.)
TEST_F(SeasonPagesTest, IncomeNewAndChange) {
  IncomePage* page = m_sheet->Income();
  const int rows = Rows(page);
  WhenModal<LedgerEntryDialog>([](LedgerEntryDialog* d) {
    d->WertEdit()->setText("30000");
    d->OkButton()->click();
  });
  Click(page, "neu");
  ASSERT_EQ(Rows(page), rows + 1);
  EXPECT_EQ(Cell(page->List()->model(), rows, 0), "Spiel gegen: ");

  test::ClickRow(page->List(), rows);
  WhenModal<LedgerEntryDialog>([](LedgerEntryDialog* d) {
    EXPECT_EQ(d->WertEdit()->text(), "30.000");
    d->ArtEdit()->setText("Sponsor zurückgezogen");
    d->WertEdit()->setText("0");
    d->OkButton()->click();
  });
  Click(page, "aendern");
  EXPECT_EQ(test::Row(page->List()->model(), rows), QStringList({"Sponsor zurückgezogen", "0"}));
}

// A new match against an unknown opponent asks about the system team list (Yes appends it);
// a change shows at once; deleting asks first. (Which takings a new or changed match books:
// Matches.RecordWithIncomeAndChangeWithout.)
TEST_F(SeasonPagesTest, MatchesNewChangeDelete) {
  MatchesPage* page = m_sheet->Matches();
  WhenModal<MatchDialog>([](MatchDialog* d) {
    d->GegnerEdit()->setText("Ogerfaust");
    d->EigeneToreEdit()->setText("3");
    d->GegnerToreEdit()->setText("1");
    d->EinnahmenEdit()->setText("60000");
    d->LigaCheck()->setChecked(true);
    d->OkButton()->click();
  });
  m_messages.answers = {test::kJa};
  Click(page, "neu");
  ASSERT_EQ(Rows(page), 2);
  EXPECT_EQ(Cell(page->List()->model(), 1, 0), "2L");
  EXPECT_EQ(Cell(page->List()->model(), 1, 4), "60.000");
  EXPECT_EQ(m_app->m_Settings.m_Teamliste.m_Items.back(), "Ogerfaust");
  EXPECT_TRUE(m_app->SettingsChangedSinceLoad());

  // Known in other case: no question.
  m_messages.requests.clear();
  test::ClickRow(page->List(), 1);
  WhenModal<MatchDialog>([](MatchDialog* d) {
    d->GegnerEdit()->setText("ogerfaust");
    d->EinnahmenEdit()->setText("90000");
    d->OkButton()->click();
  });
  Click(page, "aendern");
  EXPECT_TRUE(m_messages.requests.empty());
  EXPECT_EQ(Cell(page->List()->model(), 1, 4), "90.000");

  test::ClickRow(page->List(), 1);
  m_messages.answers = {test::kNein};
  Click(page, "loeschen");
  EXPECT_EQ(Rows(page), 2);
  m_messages.answers = {test::kLoeschen};
  Click(page, "loeschen");
  EXPECT_EQ(Rows(page), 1);
  EXPECT_EQ(m_messages.requests.back().text, "Das Spiel gegen ogerfaust wirklich löschen?");
}

// A deduction beyond the re-rolls is refused with the program's message and adds no row;
// after deleting one it is taken. (The counting: Events.DeductionOnlyWhileRerollsRemain.)
TEST_F(SeasonPagesTest, EventsWithDeductions) {
  MiscPage* page = m_sheet->Misc();
  Team().m_nMarkenAbzug = 2;  // both re-rolls lost
  auto deduct = [] {
    WhenModal<EventDialog>([](EventDialog* d) {
      d->AbzugRadio()->click();
      d->OkButton()->click();
    });
  };
  deduct();
  Click(page, "neu");
  EXPECT_EQ(m_messages.Texts(), QStringList({"Sie haben keine Trainingsmarken mehr!!!"}));
  EXPECT_EQ(Rows(page), 1);

  test::ClickRow(page->List(), 0);
  m_messages.answers = {test::kLoeschen};
  Click(page, "loeschen");
  EXPECT_EQ(test::EnabledButtons(page), "neu");
  deduct();
  Click(page, "neu");
  EXPECT_EQ(Rows(page), 1);
}

// The same logo again does not mark the team modified; cancelling with a logo asks whether
// to remove it, and "Nein" keeps it. A file that is no bitmap is named in an error message and
// the choice starts again at it (which file forms are taken: LogoFile).
TEST_F(SeasonPagesTest, LogoChoice) {
  MiscPage* page = m_sheet->Misc();
  const QString logo = QString::fromStdString(Team().m_strLogo);
  std::deque<std::optional<QString>> answers{logo, std::nullopt, std::nullopt};  // then "cancelled"
  QStringList starts;
  SetChooseLogoFunction([&](QWidget*, const QString& start) -> std::optional<QString> {
    starts << start;
    if (answers.empty()) return std::nullopt;
    const std::optional<QString> chosen = answers.front();
    answers.pop_front();
    return chosen;
  });
  Click(page, "logoButton");
  EXPECT_EQ(starts, QStringList{logo});
  EXPECT_FALSE(m_doc->IsModified());

  m_messages.answers = {test::kNein};
  Click(page, "logoButton");
  EXPECT_EQ(m_messages.Texts(), QStringList({"Soll das Team-Logo entfernt werden?"}));
  EXPECT_FALSE(Team().m_strLogo.empty());
  m_messages.answers = {test::kJa};
  Click(page, "logoButton");
  EXPECT_TRUE(Team().m_strLogo.empty());
  EXPECT_TRUE(page->LogoPath().isEmpty());
  EXPECT_TRUE(m_doc->IsModified());

  QTemporaryDir folder;
  const QString text = folder.filePath("kein.bmp"), picture = folder.filePath("neu.bmp");
  WriteFileAtomically(text.toStdString(), "Kein Bild.");
  WriteFileAtomically(picture.toStdString(), test::BitmapBytes({40, 1, 1, 24, 0, {}, "", std::string(4, '\0')}));
  answers = {text, picture};
  starts.clear();
  m_messages.requests.clear();
  Click(page, "logoButton");
  EXPECT_EQ(starts, QStringList({m_app->DataFolder() + "/", text}));
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_EQ(m_messages.requests[0].kind, BoxKind::Error);
  EXPECT_TRUE(m_messages.requests[0].text.contains("kein.bmp"));
  EXPECT_EQ(page->LogoPath(), picture);
}

}  // namespace
}  // namespace krv
