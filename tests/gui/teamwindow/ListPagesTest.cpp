// The list pages over the season team: columns, the row texts as the coach compares them,
// former players grey, the totals, the logo path, "Nach Nr. sortieren", the enabling of the
// commands and the context menu; and the list models under them. (How a list follows a
// change on the screen: RefreshByChangeTest.)

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <span>

#include "gui/CreationDialogDriver.h"
#include "gui/teamwindow/PageTestSupport.h"
#include "support/MessageRecorder.h"
#include "support/PlayerLine.h"
#include "support/SeasonTeam.h"
#include "teamwindow/EventRows.h"
#include "teamwindow/LedgerRows.h"
#include "teamwindow/MatchRows.h"
#include "teamwindow/PlayerRows.h"
#include "teamwindow/qt/EventsModel.h"
#include "teamwindow/qt/LedgerModel.h"
#include "teamwindow/qt/PlayersModel.h"
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
    EXPECT_EQ(Row(model, -1), p.headings);
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
// the figures the coach compares. (The running numbers the matches page gives: MatchRows.NumberedWhenFilled.)
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

// Every page: only "neu" until a row is clicked, then all three, in the menu too; a click
// beside the rows takes the selection away again. Catches delete or change without a row.
// The players page hands on the selected player, and a double click is "&Ändern".
TEST_F(ListPagesTest, CommandsNeedARow) {
  auto players = Show<PlayersPage>({1200, 1000});  // room below the rows
  auto expenses = Show<ExpensesPage>({700, 1000});
  auto income = Show<IncomePage>({700, 1000});
  auto matches = Show<MatchesPage>({1000, 1000});
  auto misc = Show<MiscPage>({700, 400});
  QApplication::processEvents();
  const struct {
    RecordListPage* page;
    int row;
    QStringList menu;
  } pages[] = {
      {players.get(), 3, {"&Neuer Spieler", "Spieler &Löschen", "Spielerwerte &ändern", "Nach Nr. sortieren"}},
      {expenses.get(), 1, {"&Neue Ausgabe", "&Löschen", "&Ändern"}},
      {income.get(), 1, {"&Neue Einnahme", "&Löschen", "&Ändern"}},
      {matches.get(), 7, {"&Neues Spiel", "Spiel &löschen", "Spiel &ändern"}},
      {misc.get(), 1, {"&Neu", "&Löschen", "Ändern"}},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE(p.menu.first().toStdString());
    for (PageCommand c : {PageCommand::New, PageCommand::Delete, PageCommand::Change, PageCommand::Zombie})
      p.page->SetCommandHandler(c, [] {});
    EXPECT_EQ(test::EnabledButtons(p.page), "neu");
    ClickRow(p.page->List(), p.row);
    EXPECT_EQ(test::EnabledButtons(p.page), "neu loeschen aendern");
    EXPECT_EQ(test::MenuTexts(p.page), p.menu);
    EXPECT_TRUE(p.page->CommandAction(PageCommand::Change)->isEnabled());
    ClickRow(p.page->List(), -1);
    EXPECT_EQ(test::EnabledButtons(p.page), "neu");
    p.page->ContextMenu();
    EXPECT_FALSE(p.page->CommandAction(PageCommand::Delete)->isEnabled());
  }
  EXPECT_EQ(players->SelectedPlayer(), nullptr);
  ClickRow(players->List(), 3);
  EXPECT_EQ(players->SelectedPlayer(), Team().m_Spieler[3].get());
  EXPECT_TRUE(players->CommandButton(PageCommand::Zombie)->isEnabled());
  EXPECT_TRUE(players->CommandAction(PageCommand::SortByNumber)->isEnabled());
  int changes = 0;
  players->SetCommandHandler(PageCommand::Change, [&changes] { ++changes; });
  test::DoubleClickRow(players->List(), 5);
  players->CommandAction(PageCommand::Change)->trigger();
  EXPECT_EQ(changes, 2);
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

// The totals are the team's ledger sums in thousands, with the unit "K" beside them. (How
// the sums are cut to thousands: LedgerEntries.IncomeCountsOnly...; that they follow a new
// entry: RefreshByChangeTest.RecordedMatchAppendsOneRow.)
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
}

// A deleted match takes its row away and the later matches keep their numbers until the page
// is filled again (MatchRows.NumberedWhenFilled). Catches renumbering at once, which makes the
// numbers on the coach's printed list and on the screen disagree mid-season. (A new match as
// number n+1: RefreshByChangeTest.RecordedMatchAppendsOneRow.)
TEST_F(ListPagesTest, DeletedMatchKeepsTheNumbers) {
  auto page = Show<MatchesPage>({1000, 400});
  const QAbstractItemModel* model = page->List()->model();
  ClickRow(page->List(), 5);
  test::MessageRecorder messages;
  ASSERT_TRUE(DeleteMatch(Team(), 2).applied);
  ASSERT_EQ(model->rowCount(), 14);
  EXPECT_EQ(Cell(model, 2, kMatchGegner), "Elfenwind Lanzen");
  EXPECT_EQ(Cell(model, 2, kMatchNr), "4L");
  EXPECT_EQ(Cell(model, 13, kMatchNr), "15");
  EXPECT_EQ(page->SelectedRow(), -1);
  EXPECT_FALSE(page->IsCommandEnabled(PageCommand::Delete));
}

// The logo path on one line, cut at its end with "…" when it does not fit; the whole
// path in its tooltip; shown again when it changes. The logo button works without a row.
TEST_F(ListPagesTest, LogoPathCutToFit) {
  auto page = Show<MiscPage>({700, 400});
  page->SetCommandHandler(PageCommand::Logo, [] {});
  EXPECT_TRUE(test::Child<QPushButton>(page.get(), "logoButton")->isEnabled());
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

using Update = TeamListModel::Update;

// An unchanged list is only redrawn (the view keeps selection and scroll position); a
// longer one gets rows at the end; a shorter one is read afresh.
TEST(ListModels, RefreshKinds) {
  auto team = test::MakeSeasonTeam();
  std::unique_ptr<TeamListModel> owned(MakeLedgerModel(Ledger::Expenses, nullptr));
  TeamListModel& model = *owned;
  model.SetTeam(team.get());
  ASSERT_EQ(model.rowCount(), 13);
  QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
  QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

  EXPECT_EQ(model.Refresh(), Update::Redrawn);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(resets.count(), 0);

  team->AddAusgabe({"Verlust", 1000, kAusgabeVerlust});
  team->AddAusgabe({"Verlust", 2000, kAusgabeVerlust});
  EXPECT_EQ(model.Refresh(), Update::Appended);
  ASSERT_EQ(inserts.count(), 1);
  EXPECT_EQ(inserts[0][1].toInt(), 13);
  EXPECT_EQ(inserts[0][2].toInt(), 14);
  EXPECT_EQ(model.rowCount(), 15);
  EXPECT_EQ(test::Cell(owned.get(), 14, 1), "2.000");

  team->m_Ausgaben.erase(team->m_Ausgaben.begin() + 1);
  EXPECT_EQ(model.Refresh(), Update::Reset);
  EXPECT_EQ(resets.count(), 1);
  EXPECT_EQ(model.rowCount(), 14);
  EXPECT_EQ(test::Cell(owned.get(), 1, 0), "Trainningsmarke");

  // Another team is read afresh.
  auto other = test::MakeSeasonTeam();
  other->m_Ausgaben.resize(1);
  model.SetTeam(other.get());
  EXPECT_EQ(model.rowCount(), 1);
  model.SetTeam(nullptr);
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.Refresh(), Update::Unchanged);  // no rows: nothing to redraw
}

// Appending after empty entries (possible in damaged files) still works. (Their skipping:
// RecordRows.EmptyEntriesSkippedAndShrunkListGivesNoRecord.)
TEST(ListModels, AppendAfterEmptyEntries) {
  CKRTeam team;
  team.AddEreignis({"eins", 1});
  team.m_Ereignisse.push_back(nullptr);
  team.AddEreignis({"zwei", 1});
  EventsModel model;
  model.SetTeam(&team);
  team.AddEreignis({"drei", 0});
  EXPECT_EQ(model.Refresh(), Update::Appended);
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(test::Cell(&model, 2, 0), "drei");
  EXPECT_EQ(test::Cell(&model, 3, 0), "");
  EXPECT_FALSE(model.data(model.index(5, 0)).isValid());
}

}  // namespace
}  // namespace krv
