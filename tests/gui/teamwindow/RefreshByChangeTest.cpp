// After a change the team window redraws only what the change touched: a keystroke in the
// team name no list, a changed player its row, a recorded match one new row in the matches
// and income lists. What the lists report to their views, and the texts they show, must
// still be the team as it is now.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <vector>

#include "gui/CreationDialogDriver.h"
#include "gui/teamwindow/PageTestSupport.h"
#include "teamwindow/LedgerRows.h"
#include "teamwindow/qt/PlayersModel.h"
#include "roster/PlayerChange.h"
#include "teamwindow/qt/TeamView.h"
#include "support/MessageRecorder.h"
#include "support/SeasonTeam.h"

namespace krv {
namespace {

// The sheet's pages in tab order.
enum Tab { kStaffTab, kPlayersTab, kExpensesTab, kIncomeTab, kMatchesTab, kEventsTab };

// Counts what a list model announced to its view.
struct ModelSignals {
  explicit ModelSignals(QAbstractItemModel* model)
      : changed(model, &QAbstractItemModel::dataChanged),
        inserted(model, &QAbstractItemModel::rowsInserted),
        reset(model, &QAbstractItemModel::modelReset) {}
  int Total() const { return static_cast<int>(changed.count() + inserted.count() + reset.count()); }
  QSignalSpy changed;
  QSignalSpy inserted;
  QSignalSpy reset;
};

// The list's rows as they are on the screen: the window's backing store, which keeps what was
// last painted (a row nobody repainted stays as it was).
QImage OnScreen(QTableView* list) {
  QWidget* rows = list->viewport();
  const auto* store = dynamic_cast<QImage*>(rows->window()->backingStore()->paintDevice());
  if (!store) return {};
  const QPoint at = rows->mapTo(rows->window(), QPoint(0, 0));
  return store->copy(QRect(at, rows->size())).convertToFormat(QImage::Format_RGB32);
}

// The same rows painted anew from the model, as they ought to look.
QImage DrawnAnew(QTableView* list) { return list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Whether the screen comes to show the list as it is. New rows are laid out on a timer and
// drawn after that, so the window gets a moment; rows nobody repaints stay wrong for good.
bool ScreenShowsTheList(QTableView* list) {
  return QTest::qWaitFor([list] { return OnScreen(list) == DrawnAnew(list); }, 2000);
}

class RefreshByChangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc = test::DocumentWith(test::MakeSeasonTeam());
    ASSERT_NE(m_doc, nullptr);
    m_view = std::make_unique<TeamView>(m_doc.get());
    m_view->resize(1000, 800);
    m_view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
    m_sheet = m_view->Pages();
    ASSERT_NE(m_sheet, nullptr);
  }
  void TearDown() override {
    if (m_doc) m_doc->SetModifiedFlag(false);
    m_view.reset();
    m_doc.reset();
  }

  CKRTeam& Team() { return m_doc->Team(); }
  QTableView* List(int tab) { return static_cast<RecordListPage*>(m_sheet->widget(tab))->List(); }
  QAbstractItemModel* Model(int tab) { return List(tab)->model(); }
  void Bring(int tab) {
    m_sheet->setCurrentIndex(tab);
    QApplication::processEvents();
  }
  QString Field(const char* name) { return test::Child<QLineEdit>(m_view.get(), QString::fromLatin1(name))->text(); }
  // Listens to the players', expenses', income, matches' and events' lists, in that order.
  std::vector<std::unique_ptr<ModelSignals>> SpyOnAllLists() {
    std::vector<std::unique_ptr<ModelSignals>> spies;
    for (const int tab : {kPlayersTab, kExpensesTab, kIncomeTab, kMatchesTab, kEventsTab})
      spies.push_back(std::make_unique<ModelSignals>(Model(tab)));
    return spies;
  }

  test::MessageRecorder m_messages;  // the missing-opponents question at the first display
  std::unique_ptr<TeamDocument> m_doc;
  std::unique_ptr<TeamView> m_view;
  TeamPages* m_sheet = nullptr;
};

// Catches: a keystroke in the team name redrawing, extending or re-reading a list (then its
// cost grows with the rows of the page in front), or the header and the totals not showing
// the team afterwards.
TEST_F(RefreshByChangeTest, TeamNameTouchesNoList) {
  for (const int tab : {kPlayersTab, kMatchesTab}) {
    Bring(tab);
    const auto spies = SpyOnAllLists();
    auto* name = test::Child<QLineEdit>(m_view.get(), QStringLiteral("teamName"));
    name->setFocus();
    name->end(false);
    QTest::keyClick(name, Qt::Key_X);
    EXPECT_EQ(Team().m_strName, "Grünhaut Gröhlerx");
    EXPECT_TRUE(m_doc->IsModified());
    for (const auto& spy : spies) EXPECT_EQ(spy->Total(), 0) << tab;
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(Team().m_strName, "Grünhaut Gröhler");
  }
  EXPECT_EQ(Field("gesamtSSP"), QString::number(Team().m_nSSPGesamt));
}

// Catches: a changed player's row left as it was (or another row redrawn instead, e.g. the
// row of his place in the list while the rows are sorted by number), the whole list redrawn,
// or "Gesamt SSP:" and the header figures not following the change.
TEST_F(RefreshByChangeTest, ChangedPlayerRedrawsHisRow) {
  Bring(kPlayersTab);
  CKRSpieler& player = *Team().m_Spieler[0];
  ASSERT_TRUE(player.IsActive());
  player.m_nNummer = 99;  // sorted by number, the first player of the list is shown last
  Team().SetTeamModified();
  auto* page = m_sheet->Players();
  page->SortByNumber();
  QApplication::processEvents();
  PlayersModel* model = page->Model();
  int row = -1;
  for (int r = 0; r < model->rowCount(); ++r)
    if (model->Player(r) == &player) row = r;
  ASSERT_GT(row, 0);
  const int32_t total = Team().m_nSSPGesamt;
  const QString valueBefore = Field("teamValue");

  ModelSignals players(model);
  ModelSignals matches(Model(kMatchesTab));
  PlayerChange change = PlayerChangeFrom(player);
  change.m_strName = "Schädelspalter";
  change.m_nSSP += 30;
  change.m_nST += 1;
  ASSERT_TRUE(ApplyPlayerChange(Team(), player, change, false, "01.06.07").applied);

  ASSERT_EQ(players.changed.count(), 1);
  EXPECT_EQ(players.changed[0][0].value<QModelIndex>().row(), row);
  EXPECT_EQ(players.changed[0][1].value<QModelIndex>().row(), row);
  EXPECT_EQ(players.inserted.count() + players.reset.count(), 0);
  EXPECT_EQ(matches.Total(), 0);
  EXPECT_EQ(test::Cell(model, row, kPlayerName), "Schädelspalter");
  EXPECT_EQ(Field("gesamtSSP"), QString::number(total + 30));
  EXPECT_NE(Field("teamValue"), valueBefore);  // thirty more star player points: six more
}

// Catches: a recorded match not appearing as the last row with the next number (or appearing
// only after a full re-read that loses the selection), the income entry missing from its
// page, totals and treasury not following, or the rows already shown being redrawn.
TEST_F(RefreshByChangeTest, RecordedMatchAppendsOneRow) {
  Bring(kMatchesTab);
  QTableView* matchList = List(kMatchesTab);
  QAbstractItemModel* matches = Model(kMatchesTab);
  QAbstractItemModel* income = Model(kIncomeTab);
  const int matchRows = matches->rowCount();
  const int incomeRows = income->rowCount();
  matchList->selectRow(2);
  const QString goldBefore = Field("gold");

  ModelSignals matchSignals(matches);
  ModelSignals incomeSignals(income);
  ModelSignals players(Model(kPlayersTab));
  MatchEntry entry = test::LeagueMatch("Orkland", 2, 60000);
  entry.fanFaktor = kFanRises;
  ASSERT_TRUE(RecordMatch(Team(), entry).applied);

  ASSERT_EQ(matchSignals.inserted.count(), 1);
  EXPECT_EQ(matchSignals.inserted[0][1].toInt(), matchRows);
  EXPECT_EQ(matchSignals.inserted[0][2].toInt(), matchRows);
  EXPECT_EQ(matchSignals.changed.count() + matchSignals.reset.count(), 0);
  EXPECT_EQ(test::Cell(matches, matchRows, 0), QString::number(matchRows + 1) + "L");
  EXPECT_EQ(test::Cell(matches, matchRows, 1), "Orkland");
  EXPECT_EQ(matchList->selectionModel()->selectedRows().value(0).row(), 2);  // the selection stays

  ASSERT_EQ(incomeSignals.inserted.count(), 1);
  EXPECT_EQ(income->rowCount(), incomeRows + 1);
  EXPECT_EQ(test::Cell(income, incomeRows, 0), "Spiel gegen: Orkland");
  EXPECT_EQ(incomeSignals.changed.count() + incomeSignals.reset.count(), 0);
  EXPECT_EQ(players.Total(), 0);

  EXPECT_EQ(test::Child<QLineEdit>(m_sheet->Income(), QStringLiteral("einnahmenK"))->text(),
            QString::fromStdString(LedgerTotalText(Team().m_nEinnahmenK)));
  EXPECT_NE(Field("gold"), goldBefore);
  EXPECT_EQ(Field("fanFactor"), QString::number(Team().FanFactorInForce()));
}

// Catches: the list drawing only the appended rows (to keep recording a match cheap) leaving
// the new row undrawn, a gap, or the scroll bar not following; and that shortcut surviving a
// change that moves every row (a re-sort), which would leave the old order on the screen.
TEST_F(RefreshByChangeTest, AppendedRowsReachTheScreen) {
  Bring(kMatchesTab);
  QTableView* matchList = List(kMatchesTab);
  // First the proof that the comparison can fail: a match changed behind the list's back
  // stays on the screen as it was.
  ASSERT_FALSE(OnScreen(matchList).isNull());
  EXPECT_TRUE(ScreenShowsTheList(matchList));
  const std::string opponent = Team().m_Games[0]->m_strGegner;
  Team().m_Games[0]->m_strGegner = "Ganz andere Gegner";
  EXPECT_FALSE(ScreenShowsTheList(matchList));
  Team().m_Games[0]->m_strGegner = opponent;
  for (int n = 0; n < 40; ++n) {  // past the bottom edge: the list must scroll further
    ASSERT_TRUE(RecordMatch(Team(), test::LeagueMatch("Orkland " + std::to_string(n), n % 4, 1000)).applied);
    ASSERT_TRUE(ScreenShowsTheList(matchList)) << n;
  }
  EXPECT_TRUE(QTest::qWaitFor([matchList] { return matchList->verticalScrollBar()->maximum() > 0; }, 2000));
  matchList->scrollToBottom();
  EXPECT_TRUE(ScreenShowsTheList(matchList));

  Bring(kPlayersTab);
  QTableView* playerList = List(kPlayersTab);
  PlayersPage* page = m_sheet->Players();
  Team().m_Spieler.push_back(std::make_unique<CKRSpieler>(*Team().m_Spieler[0]));
  Team().m_Spieler.back()->m_nID = 9999;
  Team().m_Spieler.back()->m_nNummer = 0;
  Team().m_Spieler.back()->m_strName = "Neuzugang";
  Team().SetTeamModified(TeamChange::TeamFields());
  page->SortByNumber();  // before the list is laid out again; the new player moves to the top
  EXPECT_TRUE(ScreenShowsTheList(playerList));
}

// Catches: a change that does not say what it touched (most of the program's changes) being
// taken as touching nothing: every list must then draw all its rows again.
TEST_F(RefreshByChangeTest, UnsaidChangeRedrawsEveryList) {
  Bring(kPlayersTab);
  const auto spies = SpyOnAllLists();
  Team().m_Spieler[1]->m_nNummer = 77;  // as any core operation might, then:
  Team().SetTeamModified();
  for (size_t i = 0; i < spies.size(); ++i) {
    ASSERT_EQ(spies[i]->changed.count(), 1) << i;
    EXPECT_EQ(spies[i]->changed[0][0].value<QModelIndex>().row(), 0);
    const QAbstractItemModel* model = spies[i]->changed[0][1].value<QModelIndex>().model();
    EXPECT_EQ(spies[i]->changed[0][1].value<QModelIndex>().row(), model->rowCount() - 1);
  }
}

}  // namespace
}  // namespace krv
