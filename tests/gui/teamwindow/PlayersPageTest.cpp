// The players page: every player ever with the list's texts, former players grey with
// their status words, the star player point total, the zombie button of undead teams, the
// enabling of the commands and "Nach Nr. sortieren".

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QTimer>
#include <QColor>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "gui/teamwindow/PageTestSupport.h"
#include "teamwindow/qt/PlayersModel.h"
#include "teamwindow/qt/PlayersPage.h"
#include "support/SeasonTeam.h"
#include "ui/AppSettings.h"
#include "ui/ListColumns.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

using test::Cell;
using test::ClickRow;
using test::Row;

class PlayersPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc = test::DocumentWith(test::MakeSeasonTeam());
    ASSERT_TRUE(m_doc);
    m_page = test::ShownPage<CMyPropertyPage2>(m_doc.get(), {1200, 500});
  }

  CKRTeam& Team() { return m_doc->Team(); }
  QTableView* List() { return m_page->List(); }
  const QAbstractItemModel* Model() { return List()->model(); }
  int RowOf(const QString& name) {
    for (int row = 0; row < Model()->rowCount(); ++row)
      if (Cell(Model(), row, kPlayerName) == name) return row;
    return -1;
  }

  std::unique_ptr<KrashballDoc> m_doc;
  std::unique_ptr<CMyPropertyPage2> m_page;
};

// Headings in order, the identity column hidden, every visible column at least as wide
// as the list has always made it.
TEST_F(PlayersPageTest, Columns) {
  EXPECT_EQ(test::Headings(Model()), QStringList({"Nr.", "Name", "Position", "BW", "ST", "GE", "RW", "Fertigkeiten",
                                                  "Verl.", "Pässe", "TDs", "ABGs", "VSAs", "SDTs", "SSP", "Wert", ""}));
  EXPECT_TRUE(List()->isColumnHidden(kPlayerID));
  for (int column = 0; column < kPlayerID; ++column) {
    EXPECT_FALSE(List()->isColumnHidden(column));
    EXPECT_GE(List()->columnWidth(column), kPlayerColumns[column].width) << column;
  }
}

// Every player the team ever had, in list order, with the row texts of the list: a wrong
// width or format would shift the figures the coach compares. Only the value right-aligned.
TEST_F(PlayersPageTest, RowTexts) {
  ASSERT_EQ(Model()->rowCount(), 20);
  EXPECT_EQ(Row(Model(), 0), QStringList({" 1", "Grischnak", "Ork-Blitzer", " 6", " 3", " 3", " 9", "Blk,Tackle", "",
                                          "  0", "  6", "  1", "  4", "  0", " 23", "110.000", "100"}));
  EXPECT_EQ(Cell(Model(), 1, kPlayerVerletzung), "-1 BW");
  EXPECT_EQ(Cell(Model(), 18, kPlayerWert), "190.000");
  for (int column = 0; column < kPlayerID; ++column)
    EXPECT_EQ(Model()->data(Model()->index(0, column), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
              column == kPlayerWert ? Qt::AlignRight : Qt::Alignment())
        << column;
}

// Players who left are drawn grey and show why they left where the injury stood.
TEST_F(PlayersPageTest, FormerPlayersGreyWithStatusWords) {
  const struct {
    const char* name;
    const char* word;
  } former[] = {{"Gorbag", "Verkauft"},
                {"Bolg", "Verstorben"},
                {"Schagrat", "Cotrainer"},
                {"Gothmog", "Zur Konkurrenz gewechselt"},
                {"Ufthak", "Verstorben"}};
  for (const auto& f : former) {
    const int row = RowOf(QString::fromUtf8(f.name));
    ASSERT_GE(row, 0) << f.name;
    EXPECT_EQ(Cell(Model(), row, kPlayerVerletzung), QString::fromUtf8(f.word));
    EXPECT_EQ(Model()->data(Model()->index(row, kPlayerName), Qt::ForegroundRole).value<QColor>(),
              QColor(128, 128, 128));
  }
  EXPECT_FALSE(Model()->data(Model()->index(RowOf("Grischnak"), kPlayerName), Qt::ForegroundRole).isValid());
  EXPECT_EQ(Cell(Model(), RowOf("Muzgasch"), kPlayerVerletzung), "verletzt");
}

// "Gesamt SSP:" shows the team's total of star player points (former players included).
TEST_F(PlayersPageTest, StarPlayerPointTotal) {
  auto* total = m_page->findChild<QLineEdit*>("gesamtSSP");
  ASSERT_TRUE(total);
  EXPECT_EQ(total->text(), "153");
  Team().m_Spieler[0]->m_nSSP += 5;
  Team().Recalculate();
  m_page->RefreshPage();
  EXPECT_EQ(total->text(), "158");
  EXPECT_EQ(Cell(Model(), 0, kPlayerSSP), " 28");
}

// The zombie button: only undead teams (race 12) see it; a repaired race shows or hides it.
TEST_F(PlayersPageTest, ZombieButtonOnlyForUndead) {
  QPushButton* zombie = m_page->findChild<QPushButton*>("zombie");
  ASSERT_TRUE(zombie);
  EXPECT_FALSE(zombie->isVisible());
  Team().m_nRasse = 12;
  m_page->RefreshPage();
  EXPECT_TRUE(zombie->isVisible());

  auto doc = test::DocumentWith(test::MakeSeasonTeam());
  doc->Team().m_nRasse = 12;
  CMyPropertyPage2 undead(doc.get());
  undead.show();
  EXPECT_TRUE(undead.findChild<QPushButton*>("zombie")->isVisible());
}

// The page's commands are all offered while a row is selected; with stand-in actions:
// "&Neu" always, "&Löschen" and "&Ändern" only while a row is
// selected; a click beside the rows disables them again; a double click is "&Ändern".
TEST_F(PlayersPageTest, EnablingBySelection) {
  ClickRow(List(), 0);
  for (PageCommand c : {PageCommand::New, PageCommand::Delete, PageCommand::Change, PageCommand::Zombie})
    EXPECT_TRUE(m_page->CommandButton(c)->isEnabled());
  EXPECT_TRUE(m_page->CommandAction(PageCommand::SortByNumber)->isEnabled());
  ClickRow(List(), -1);

  int changes = 0;
  for (PageCommand c : {PageCommand::New, PageCommand::Delete, PageCommand::Zombie})
    m_page->SetCommandHandler(c, [] {});
  m_page->SetCommandHandler(PageCommand::Change, [&changes] { ++changes; });
  EXPECT_EQ(test::EnabledButtons(m_page.get()), "neu");
  ClickRow(List(), 3);
  EXPECT_EQ(test::EnabledButtons(m_page.get()), "neu loeschen aendern");
  EXPECT_EQ(m_page->SelectedPlayer(), Team().m_Spieler[3].get());
  ClickRow(List(), -1);
  EXPECT_EQ(test::EnabledButtons(m_page.get()), "neu");
  EXPECT_EQ(m_page->SelectedPlayer(), nullptr);

  // The context menu follows the same rule.
  EXPECT_EQ(test::MenuTexts(m_page.get()),
            QStringList({"&Neuer Spieler", "Spieler &Löschen", "Spielerwerte &ändern", "Nach Nr. sortieren"}));
  EXPECT_TRUE(m_page->CommandAction(PageCommand::New)->isEnabled());
  EXPECT_FALSE(m_page->CommandAction(PageCommand::Delete)->isEnabled());
  ClickRow(List(), 2);
  m_page->ContextMenu();
  EXPECT_TRUE(m_page->CommandAction(PageCommand::Delete)->isEnabled());

  test::DoubleClickRow(List(), 5);
  EXPECT_EQ(changes, 1);
  m_page->CommandAction(PageCommand::Change)->trigger();
  EXPECT_EQ(changes, 2);
}

// "Nach Nr. sortieren" orders the rows by number; the selected player stays selected; the
// next filling of the list (a new player) shows list order again. (The order itself, equal
// numbers in list order: PlayerRows.OrderByNumberAndZombieButton.)
TEST_F(PlayersPageTest, SortByNumber) {
  // Numbers out of order, as after changing them.
  Team().m_Spieler[0]->m_nNummer = 18;
  Team().m_Spieler[19]->m_nNummer = 2;
  m_page->RefreshPage();
  ClickRow(List(), 0);  // Grischnak
  m_page->CommandAction(PageCommand::SortByNumber)->trigger();
  EXPECT_EQ(Cell(Model(), 0, kPlayerName), "Uglúk");
  EXPECT_EQ(Cell(Model(), 1, kPlayerName), "Lurtz");
  EXPECT_EQ(Cell(Model(), 19, kPlayerName), "Grischnak");
  EXPECT_EQ(m_page->SelectedPlayer()->m_strName, "Grischnak");
  EXPECT_EQ(Cell(Model(), 19, kPlayerID), "100");

  // A change of values keeps the order; a new player fills the list again.
  Team().m_Spieler[1]->m_strName = "Uglúk der Zweite";
  m_page->RefreshPage();
  EXPECT_EQ(Cell(Model(), 0, kPlayerName), "Uglúk der Zweite");
  test::AddPlayer(Team(), Team().GetFreeNummer(), "Neuer", "Linienork", 5, 3, 3, 9, 50000, "", Team().m_nNaechsteID++,
                  25);
  m_page->RefreshPage();
  EXPECT_EQ(Cell(Model(), 0, kPlayerName), "Grischnak");
  EXPECT_EQ(Cell(Model(), 20, kPlayerName), "Neuer");
}

// A player added to the team shows after the page's refresh; the selection stays; his skill
// text is shown as the recalculation tidied it.
TEST_F(PlayersPageTest, RefreshShowsNewPlayer) {
  ClickRow(List(), 4);
  test::AddPlayer(Team(), Team().GetFreeNummer(), "Snagrod", "Linienork", 5, 3, 3, 9, 50000, " Blk ",
                  Team().m_nNaechsteID++, 25);
  Team().SetTeamModified();
  m_page->RefreshPage();
  ASSERT_EQ(Model()->rowCount(), 21);
  EXPECT_EQ(Row(Model(), 20).mid(0, 9), QStringList({" 6", "Snagrod", "Linienork", " 5", " 3", " 3", " 9", "Blk", ""}));
  EXPECT_EQ(Team().m_Spieler.back()->m_strFertigkeiten, "Blk");
  EXPECT_EQ(m_page->SelectedRow(), 4);

  // A player taken out of the list (a dead one removed completely) is gone after the refresh.
  EraseRecord(Team().m_Spieler, Team().m_Spieler[8].get());
  m_page->RefreshPage();
  EXPECT_EQ(Model()->rowCount(), 20);
  EXPECT_EQ(RowOf("Bolg"), -1);
}

// A right click on a row selects it and opens the menu, telling the view that a row is
// selected; the context-menu key opens it at the page's top left corner.
TEST_F(PlayersPageTest, ContextMenuOpens) {
  int opened = 0;
  bool selected = false;
  QObject::connect(m_page.get(), &RecordListPage::ContextMenuOpening, [&](bool itemSelected) {
    ++opened;
    selected = itemSelected;
  });
  auto closeMenuSoon = [] {
    QTimer::singleShot(0, [] {
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
  };

  const QPoint at = List()->visualRect(Model()->index(2, kPlayerName)).center();
  QTest::mouseClick(List()->viewport(), Qt::RightButton, Qt::NoModifier, at);
  EXPECT_EQ(m_page->SelectedRow(), 2);
  closeMenuSoon();
  QContextMenuEvent mouse(QContextMenuEvent::Mouse, at, List()->viewport()->mapToGlobal(at));
  QApplication::sendEvent(List()->viewport(), &mouse);
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(selected);

  ClickRow(List(), -1);
  closeMenuSoon();
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), List()->mapToGlobal(QPoint()));
  QApplication::sendEvent(List(), &key);
  EXPECT_EQ(opened, 2);
  EXPECT_FALSE(selected);
}

// Widths the coach dragged are restored under "SpielerListe".
TEST_F(PlayersPageTest, RemembersColumnWidths) {
  {
    QSettings settings = AppSettings();
    settings.setValue(ColumnKey("SpielerListe", kPlayerFertigkeiten), 222);
  }
  CMyPropertyPage2 page(m_doc.get());
  EXPECT_EQ(page.List()->columnWidth(kPlayerFertigkeiten), 222);
  QSettings settings = AppSettings();
  settings.remove(ColumnKey("SpielerListe", kPlayerFertigkeiten));
}

}  // namespace
}  // namespace krv
