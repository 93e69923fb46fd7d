// The four list pages over the season team: columns, the row texts as the coach compares
// them, former players grey, the totals, the logo path, "Nach Nr. sortieren", the enabling
// of the commands and the context menu. (How a list follows a change — redrawn, appended or
// read afresh — is the same model for every page: ListModelsTest and RefreshByChangeTest.)

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <span>

#include "gui/teamwindow/PageTestSupport.h"
#include "season/MatchEntry.h"
#include "support/PlayerLine.h"
#include "support/MessageRecorder.h"
#include "support/SeasonTeam.h"
#include "teamwindow/EventRows.h"
#include "teamwindow/LedgerRows.h"
#include "teamwindow/MatchRows.h"
#include "teamwindow/PlayerRows.h"
#include "teamwindow/qt/LedgerPage.h"
#include "teamwindow/qt/MatchesPage.h"
#include "teamwindow/qt/MiscPage.h"
#include "teamwindow/qt/PlayersModel.h"
#include "teamwindow/qt/PlayersPage.h"
#include "ui/AppSettings.h"
#include "ui/ListColumns.h"

namespace krv {
namespace {

using test::Cell;
using test::ClickRow;
using test::Row;

class ListPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc = test::DocumentWith(test::MakeSeasonTeam());
    ASSERT_TRUE(m_doc);
  }
  template <typename Page>
  std::unique_ptr<Page> Show(QSize size = {1200, 500}) {
    return test::ShownPage<Page>(m_doc.get(), size);
  }
  CKRTeam& Team() { return m_doc->Team(); }

  std::unique_ptr<TeamDocument> m_doc;
};

int RowOf(const QAbstractItemModel* model, const QString& name) {
  for (int row = 0; row < model->rowCount(); ++row)
    if (Cell(model, row, kPlayerName) == name) return row;
  return -1;
}

// Every page's headings in order, each shown column at least as wide as the list has always
// made it and aligned as its column says; the players' identity column hidden. A heading,
// width or alignment taken from another page's columns shows here.
TEST_F(ListPagesTest, Columns) {
  auto players = Show<PlayersPage>();
  auto expenses = Show<ExpensesPage>();
  auto income = Show<IncomePage>();
  auto matches = Show<MatchesPage>();
  auto misc = Show<MiscPage>();
  const struct {
    RecordListPage* page;
    QStringList headings;
    std::span<const ListColumn> columns;
  } pages[] = {
      {players.get(),
       {"Nr.", "Name", "Position", "BW", "ST", "GE", "RW", "Fertigkeiten", "Verl.", "Pässe", "TDs", "ABGs", "VSAs",
        "SDTs", "SSP", "Wert", ""},
       kPlayerColumns},
      {expenses.get(), {"Ausgaben", "Wert"}, kExpenseColumns},
      {income.get(), {"Einnahmen", "Wert"}, kIncomeColumns},
      {matches.get(),
       {"Nr", "Gegner", "Stand", "Zuschauer", "Einnahmen", "Datum", "Verletzungen", "Besonderheiten", "Gestiegen"},
       kMatchColumns},
      {misc.get(), {"Ereignisse"}, kEventColumns},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE(p.headings.first().toStdString());
    const QAbstractItemModel* model = p.page->List()->model();
    EXPECT_EQ(test::Headings(model), p.headings);
    for (int column = 0; column < static_cast<int>(p.columns.size()); ++column) {
      if (p.page == players.get() && column == kPlayerID) continue;
      EXPECT_FALSE(p.page->List()->isColumnHidden(column)) << column;
      EXPECT_GE(p.page->List()->columnWidth(column), p.columns[column].width) << column;
      EXPECT_EQ(
          model->data(model->index(0, column), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
          p.columns[column].rightAligned ? Qt::AlignRight : Qt::AlignLeft)
          << column;
    }
  }
  EXPECT_TRUE(players->List()->isColumnHidden(kPlayerID));
}

// Every record in list order with the texts of the list: a wrong width or format would shift
// the figures the coach compares. The matches page gives the matches their running numbers.
TEST_F(ListPagesTest, RowTexts) {
  auto players = Show<PlayersPage>();
  const QAbstractItemModel* model = players->List()->model();
  ASSERT_EQ(model->rowCount(), 20);
  EXPECT_EQ(Row(model, 0), QStringList({" 1", "Grischnak", "Ork-Blitzer", " 6", " 3", " 3", " 9", "Blk,Tackle", "",
                                        "  0", "  6", "  1", "  4", "  0", " 23", "110.000", "100"}));
  EXPECT_EQ(Cell(model, 1, kPlayerVerletzung), "-1 BW");
  EXPECT_EQ(Cell(model, 18, kPlayerWert), "190.000");

  auto expenses = Show<ExpensesPage>();
  ASSERT_EQ(expenses->List()->model()->rowCount(), 13);
  EXPECT_EQ(Row(expenses->List()->model(), 0), QStringList({"Team-Aufstellung", "1.000.000"}));
  EXPECT_EQ(Row(expenses->List()->model(), 8), QStringList({"Morri der Starke", "190.000"}));
  auto income = Show<IncomePage>();
  ASSERT_EQ(income->List()->model()->rowCount(), 18);
  EXPECT_EQ(Row(income->List()->model(), 1), QStringList({"Spiel gegen: Zwergenstürmer", "45.000"}));
  EXPECT_EQ(Row(income->List()->model(), 17), QStringList({"Sponsor: Brauerei Grünbräu", "30.000"}));

  auto matches = Show<MatchesPage>();
  model = matches->List()->model();
  ASSERT_EQ(model->rowCount(), 15);
  EXPECT_EQ(Row(model, 0),
            QStringList({"1", "Zwergenstürmer", "2:1", "12.500", "45.000", "16.09.06", "Uglúk: -1 BW", "Regen", "Ja"}));
  EXPECT_EQ(Row(model, 1),
            QStringList({"2L", "Altdorfer Adler", "1:1", "18.000", "50.000", "30.09.06", "", "", "Nein"}));
  EXPECT_EQ(Cell(model, 2, kMatchGestiegen), "Sinkt");
  EXPECT_EQ(Cell(model, 14, kMatchEinnahmen), "100.000");
  for (int i = 0; i < 15; ++i) EXPECT_EQ(Team().m_Games[static_cast<size_t>(i)]->m_nNummer, i + 1);

  auto misc = Show<MiscPage>();
  ASSERT_EQ(misc->List()->model()->rowCount(), 5);
  EXPECT_EQ(Cell(misc->List()->model(), 4, 0), "CheerleaderIn Nardúbh verläßt das Team.");
}

// Players who left are drawn grey and show why they left where the injury stood.
TEST_F(ListPagesTest, FormerPlayersGreyWithStatusWords) {
  auto page = Show<PlayersPage>();
  const QAbstractItemModel* model = page->List()->model();
  const struct {
    const char* name;
    const char* word;
  } former[] = {{"Gorbag", "Verkauft"},
                {"Bolg", "Verstorben"},
                {"Schagrat", "Cotrainer"},
                {"Gothmog", "Zur Konkurrenz gewechselt"},
                {"Ufthak", "Verstorben"}};
  for (const auto& f : former) {
    const int row = RowOf(model, QString::fromUtf8(f.name));
    ASSERT_GE(row, 0) << f.name;
    EXPECT_EQ(Cell(model, row, kPlayerVerletzung), QString::fromUtf8(f.word));
    EXPECT_EQ(model->data(model->index(row, kPlayerName), Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128));
  }
  EXPECT_FALSE(model->data(model->index(RowOf(model, "Grischnak"), kPlayerName), Qt::ForegroundRole).isValid());
  EXPECT_EQ(Cell(model, RowOf(model, "Muzgasch"), kPlayerVerletzung), "verletzt");
}

// The zombie button: only undead teams (race 12) see it, from the start or after a repaired
// race. (The rule itself: PlayerRows.OrderByNumberAndZombieButton.)
TEST_F(ListPagesTest, ZombieButtonOnlyForUndead) {
  auto page = Show<PlayersPage>();
  QPushButton* zombie = page->findChild<QPushButton*>("zombie");
  ASSERT_TRUE(zombie);
  EXPECT_FALSE(zombie->isVisible());
  Team().m_nRasse = 12;
  page->RefreshPage();
  EXPECT_TRUE(zombie->isVisible());
  PlayersPage undead(m_doc.get());
  undead.show();
  EXPECT_TRUE(undead.findChild<QPushButton*>("zombie")->isVisible());
}

// The players page's commands: "&Neu" always, "&Löschen" and "&Ändern" only while a row is
// selected, in the menu too; a click beside the rows disables them again; a double click is
// "&Ändern".
TEST_F(ListPagesTest, PlayersEnablingBySelection) {
  auto page = Show<PlayersPage>();
  ClickRow(page->List(), 0);
  for (PageCommand c : {PageCommand::New, PageCommand::Delete, PageCommand::Change, PageCommand::Zombie})
    EXPECT_TRUE(page->CommandButton(c)->isEnabled());
  EXPECT_TRUE(page->CommandAction(PageCommand::SortByNumber)->isEnabled());
  ClickRow(page->List(), -1);

  int changes = 0;
  for (PageCommand c : {PageCommand::New, PageCommand::Delete, PageCommand::Zombie}) page->SetCommandHandler(c, [] {});
  page->SetCommandHandler(PageCommand::Change, [&changes] { ++changes; });
  EXPECT_EQ(test::EnabledButtons(page.get()), "neu");
  ClickRow(page->List(), 3);
  EXPECT_EQ(test::EnabledButtons(page.get()), "neu loeschen aendern");
  EXPECT_EQ(page->SelectedPlayer(), Team().m_Spieler[3].get());
  ClickRow(page->List(), -1);
  EXPECT_EQ(test::EnabledButtons(page.get()), "neu");
  EXPECT_EQ(page->SelectedPlayer(), nullptr);

  EXPECT_EQ(test::MenuTexts(page.get()),
            QStringList({"&Neuer Spieler", "Spieler &Löschen", "Spielerwerte &ändern", "Nach Nr. sortieren"}));
  EXPECT_TRUE(page->CommandAction(PageCommand::New)->isEnabled());
  EXPECT_FALSE(page->CommandAction(PageCommand::Delete)->isEnabled());
  ClickRow(page->List(), 2);
  page->ContextMenu();
  EXPECT_TRUE(page->CommandAction(PageCommand::Delete)->isEnabled());

  test::DoubleClickRow(page->List(), 5);
  EXPECT_EQ(changes, 1);
  page->CommandAction(PageCommand::Change)->trigger();
  EXPECT_EQ(changes, 2);
}

// The other pages: only "neu" until a row is clicked, then all three, in the menu too; a
// click below the rows takes the selection away. Catches delete or change without a row.
TEST_F(ListPagesTest, OtherPagesEnabling) {
  auto expenses = Show<ExpensesPage>({700, 1000});  // room below the rows
  auto income = Show<IncomePage>({700, 1000});
  auto matches = Show<MatchesPage>({1000, 400});
  auto misc = Show<MiscPage>({700, 400});
  QApplication::processEvents();
  test::ExpectCommandsNeedARow(expenses.get(), 1, {"&Neue Ausgabe", "&Löschen", "&Ändern"});
  test::ExpectCommandsNeedARow(income.get(), 1, {"&Neue Einnahme", "&Löschen", "&Ändern"});
  test::ExpectCommandsNeedARow(matches.get(), 7, {"&Neues Spiel", "Spiel &löschen", "Spiel &ändern"});
  test::ExpectCommandsNeedARow(misc.get(), 1, {"&Neu", "&Löschen", "Ändern"});
  for (RecordListPage* page :
       {static_cast<RecordListPage*>(expenses.get()), static_cast<RecordListPage*>(income.get())}) {
    ClickRow(page->List(), -1);
    EXPECT_EQ(test::EnabledButtons(page), "neu");
    page->ContextMenu();
    EXPECT_FALSE(page->CommandAction(PageCommand::Delete)->isEnabled());
  }
  QPushButton* logoButton = misc->findChild<QPushButton*>("logoButton");
  ASSERT_TRUE(logoButton);
  misc->SetCommandHandler(PageCommand::Logo, [] {});
  EXPECT_TRUE(logoButton->isEnabled());
}

// "Nach Nr. sortieren" orders the rows by number; the selected player stays selected; the
// next filling of the list (a new player) shows list order again. (The order itself, equal
// numbers in list order: PlayerRows.OrderByNumberAndZombieButton.)
TEST_F(ListPagesTest, SortByNumber) {
  auto page = Show<PlayersPage>();
  const QAbstractItemModel* model = page->List()->model();
  Team().m_Spieler[0]->m_nNummer = 18;
  Team().m_Spieler[19]->m_nNummer = 2;
  page->RefreshPage();
  ClickRow(page->List(), 0);  // Grischnak
  page->CommandAction(PageCommand::SortByNumber)->trigger();
  EXPECT_EQ(Cell(model, 0, kPlayerName), "Uglúk");
  EXPECT_EQ(Cell(model, 1, kPlayerName), "Lurtz");
  EXPECT_EQ(Cell(model, 19, kPlayerName), "Grischnak");
  EXPECT_EQ(page->SelectedPlayer()->m_strName, "Grischnak");
  EXPECT_EQ(Cell(model, 19, kPlayerID), "100");

  // A change of values keeps the order; a new player fills the list again.
  Team().m_Spieler[1]->m_strName = "Uglúk der Zweite";
  page->RefreshPage();
  EXPECT_EQ(Cell(model, 0, kPlayerName), "Uglúk der Zweite");
  test::AddPlayer(Team(), Team().GetFreeNummer(), "Neuer", "Linienork", 5, 3, 3, 9, 50000, "", Team().m_nNaechsteID++,
                  25);
  page->RefreshPage();
  EXPECT_EQ(Cell(model, 0, kPlayerName), "Grischnak");
  EXPECT_EQ(Cell(model, 20, kPlayerName), "Neuer");
}

// A right click on a row selects it and opens the menu, telling the view that a row is
// selected; the context-menu key opens it at the page's top left corner.
TEST_F(ListPagesTest, ContextMenuOpens) {
  auto page = Show<PlayersPage>();
  QTableView* list = page->List();
  int opened = 0;
  bool selected = false;
  QObject::connect(page.get(), &RecordListPage::ContextMenuOpening, [&](bool itemSelected) {
    ++opened;
    selected = itemSelected;
  });
  auto closeMenuSoon = [] {
    QTimer::singleShot(0, [] {
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
  };
  const QPoint at = list->visualRect(list->model()->index(2, kPlayerName)).center();
  QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, at);
  EXPECT_EQ(page->SelectedRow(), 2);
  closeMenuSoon();
  QContextMenuEvent mouse(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
  QApplication::sendEvent(list->viewport(), &mouse);
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(selected);

  ClickRow(list, -1);
  closeMenuSoon();
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), list->mapToGlobal(QPoint()));
  QApplication::sendEvent(list, &key);
  EXPECT_EQ(opened, 2);
  EXPECT_FALSE(selected);
}

// Widths the coach dragged are restored under "SpielerListe"; in a wide window the ledger's
// columns keep their widths, so the amounts stay beside their texts (not stretched to the
// window's edge).
TEST_F(ListPagesTest, ColumnWidthsRestoredAndKept) {
  AppSettings().setValue(ColumnKey("SpielerListe", kPlayerFertigkeiten), 222);
  PlayersPage players(m_doc.get());
  EXPECT_EQ(players.List()->columnWidth(kPlayerFertigkeiten), 222);
  AppSettings().remove(ColumnKey("SpielerListe", kPlayerFertigkeiten));

  auto expenses = Show<ExpensesPage>({700, 400});
  const int text = expenses->List()->columnWidth(0), amount = expenses->List()->columnWidth(kLedgerWert);
  EXPECT_LT(amount, 150);
  expenses->resize(1600, 400);
  QApplication::processEvents();
  EXPECT_EQ(expenses->List()->columnWidth(0), text);
  EXPECT_EQ(expenses->List()->columnWidth(kLedgerWert), amount);
}

// The totals are the team's ledger sums in thousands, with the unit "K" beside them, and
// follow a new entry. (How the sums are cut to thousands: LedgerEntries.IncomeCountsOnly...)
TEST_F(ListPagesTest, LedgerTotalsInThousands) {
  auto expenses = Show<ExpensesPage>();
  auto income = Show<IncomePage>();
  auto* ausgaben = expenses->findChild<QLineEdit*>("ausgabenK");
  auto* einnahmen = income->findChild<QLineEdit*>("einnahmenK");
  ASSERT_TRUE(ausgaben && einnahmen);
  EXPECT_EQ(ausgaben->text(), "1745");
  EXPECT_EQ(einnahmen->text(), "1850");
  QStringList labels;
  for (QLabel* label : income->findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("K"));
  Team().AddEinnahme({"Trinkgeld", 1100});
  Team().SetTeamModified();
  EXPECT_EQ(einnahmen->text(), "1851");
}

// A new match is shown as number n+1; a deleted one takes its row away and the later
// matches keep their numbers until the page is filled again (MatchRows.NumberedWhenFilled).
// Catches renumbering at once, which makes the numbers on the coach's printed list and on
// the screen disagree mid-season.
TEST_F(ListPagesTest, NewAndDeletedMatches) {
  auto page = Show<MatchesPage>({1000, 400});
  const QAbstractItemModel* model = page->List()->model();
  MatchEntry orkland;
  orkland.gegner = "Orkland";
  orkland.eigeneTore = 1;
  orkland.liga = 1;
  orkland.inEinnahmen = false;
  ASSERT_TRUE(RecordMatch(Team(), orkland).applied);
  ASSERT_EQ(model->rowCount(), 16);
  EXPECT_EQ(Cell(model, 15, kMatchNr), "16L");

  ClickRow(page->List(), 5);
  test::MessageRecorder messages;
  ASSERT_TRUE(DeleteMatch(Team(), 2).applied);
  ASSERT_EQ(model->rowCount(), 15);
  EXPECT_EQ(Cell(model, 2, kMatchGegner), "Elfenwind Lanzen");
  EXPECT_EQ(Cell(model, 2, kMatchNr), "4L");
  EXPECT_EQ(Cell(model, 14, kMatchNr), "16L");
  EXPECT_EQ(page->SelectedRow(), -1);
  EXPECT_FALSE(page->IsCommandEnabled(PageCommand::Delete));
}

// The logo path on one line, cut at its end with "…" when it does not fit; the whole
// path in its tooltip; shown again when it changes.
TEST_F(ListPagesTest, LogoPathCutToFit) {
  auto page = Show<MiscPage>({700, 400});
  QLabel* logo = page->findChild<QLabel*>("logo");
  const QString path = QString::fromStdString(Team().m_strLogo);
  EXPECT_EQ(page->LogoPath(), path);
  EXPECT_EQ(logo->toolTip(), path);
  page->resize(1600, 400);
  QApplication::processEvents();
  EXPECT_EQ(logo->text(), path);
  page->resize(420, 400);
  QApplication::processEvents();
  EXPECT_TRUE(logo->text().endsWith(QChar(0x2026))) << logo->text().toStdString();
  EXPECT_TRUE(path.startsWith(logo->text().chopped(1)));
  EXPECT_LE(logo->fontMetrics().horizontalAdvance(logo->text()), logo->contentsRect().width());

  Team().m_strLogo = "/tmp/x.bmp";
  page->RefreshPage();
  EXPECT_EQ(logo->text(), "/tmp/x.bmp");
  Team().m_strLogo.clear();
  page->RefreshPage();
  EXPECT_EQ(logo->text(), "");
  EXPECT_EQ(page->LogoPath(), "");
}

}  // namespace
}  // namespace krv
