// The properties sheet: six tabs in their order with pictures and help topics, the refresh
// of all pages, the refresh of staff and events, and no key handling of its own.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

#include "gui/teamwindow/PageTestSupport.h"
#include "support/SampleTeams.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

TEST(TeamPages, SixPagesInOrder) {
  auto doc = test::DocumentWith(test::MakeSampleTeam());
  ASSERT_TRUE(doc);
  TeamPages sheet(doc.get());
  ASSERT_EQ(sheet.count(), 6);
  const QStringList titles{"Personal", "Spieler", "Ausgaben", "Einnahmen", "Spiele", "Sonstiges"};
  const QStringList topics{"#TEAM_PERSONAL",  "#TEAM_PLAYER", "#TEAM_AUSGABEN",
                           "#TEAM_EINNAHMEN", "#TEAM_GAME",   "#TEAM_MISC"};
  const QWidget* pages[] = {sheet.Staff(),  sheet.Players(), sheet.Expenses(),
                            sheet.Income(), sheet.Matches(), sheet.Misc()};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(sheet.tabText(i), titles[i]);
    EXPECT_EQ(sheet.widget(i), pages[i]) << i;
    EXPECT_EQ(sheet.widget(i)->property("helpTopic").toString(), topics[i]);
    EXPECT_EQ(sheet.tabIcon(i).availableSizes().value(0), QSize(16, 16)) << i;
  }
  EXPECT_EQ(sheet.currentIndex(), 0);
}

// The refresh after a change shows every list as it is now, and only reads: a text left in a
// staff field that the team does not hold is replaced, not written back. (The staff fields
// after a dismissal: StaffPageTest.DismissalsAsk.)
TEST(TeamPages, RefreshAllPages) {
  auto doc = test::DocumentWith(test::MakeSampleTeam());
  TeamPages sheet(doc.get());
  CKRTeam& team = doc->Team();
  const std::string trainer = team.m_strTrainer;
  auto* trainerField = sheet.Staff()->findChild<QLineEdit*>("trainer");
  trainerField->setText(QStringLiteral("Grischnakh"));
  const RecordListPage* pages[] = {sheet.Players(), sheet.Expenses(), sheet.Income(), sheet.Matches(), sheet.Misc()};
  std::vector<int> rows;
  for (const RecordListPage* page : pages) rows.push_back(page->List()->model()->rowCount());
  test::AddPlayer(team, 3, "Läufer1", "Läufer", 6, 3, 3, 8, 50000, "", team.m_nNaechsteID++, 27);
  team.AddAusgabe({"Verlust Zaun", 5000, kAusgabeVerlust});
  team.AddEinnahme({"Spiel gegen: Zwerge", 40000});
  team.AddGame({.m_strGegner = "Zwerge",
                .m_strErgebnis = "0:0",
                .m_strDatum = "01.05.07",
                .m_nZuschauer = 9000,
                .m_nEinnahmen = 40000});
  team.AddEreignis({"Der Sanitäter Der Sani verlässt das Team!", kEreignisSonstiges});
  sheet.RefreshAllPages();
  EXPECT_EQ(team.m_strTrainer, trainer);
  EXPECT_EQ(trainerField->text().toStdString(), trainer);
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(pages[i]->List()->model()->rowCount(), rows[i] + 1) << i;
}

// Enter and Escape neither close the sheet nor switch its page.
TEST(TeamPages, NoKeysOfItsOwn) {
  auto doc = test::DocumentWith(test::MakeSampleTeam());
  QWidget window;
  auto* sheet = new TeamPages(doc.get(), &window);
  window.resize(700, 500);
  window.show();
  sheet->setCurrentIndex(2);
  QTest::keyClick(sheet, Qt::Key_Escape);
  QTest::keyClick(sheet, Qt::Key_Return);
  QTest::keyClick(sheet->Staff(), Qt::Key_Escape);
  EXPECT_TRUE(sheet->isVisible());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(sheet->currentIndex(), 2);
}

// Catches: the context-menu prompts missing from the main window's status bar (they stop at
// the menu's own window), or left standing after the menu closed; the events list's one text
// column stopping halfway instead of filling the list's width (the ledgers keep their widths:
// ListPagesTest.ColumnWidthsRestoredAndKept).
TEST(TeamPages, ContextPromptsAndFullWidthLists) {
  auto doc = test::DocumentWith(test::MakeSampleTeam());
  QMainWindow main;
  auto* sheet = new TeamPages(doc.get(), &main);
  main.setCentralWidget(sheet);
  main.resize(1000, 600);
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  const auto prompt = [&main](RecordListPage* page, PageCommand command) {
    main.statusBar()->clearMessage();
    page->CommandAction(command)->hover();
    return main.statusBar()->currentMessage();
  };
  EXPECT_EQ(prompt(sheet->Players(), PageCommand::New), "Neuen Spieler einfügen.");
  EXPECT_EQ(prompt(sheet->Players(), PageCommand::Delete), "Markierten Spieler löschen.");
  EXPECT_EQ(prompt(sheet->Matches(), PageCommand::New), "Neues Spiel eingeben.");
  EXPECT_EQ(prompt(sheet->Matches(), PageCommand::Delete), "Löscht das markierte Spiel.");
  EXPECT_EQ(prompt(sheet->Matches(), PageCommand::Change), "Markiertes Spiel verändern.");
  EXPECT_EQ(prompt(sheet->Misc(), PageCommand::New), "Neues Ereignis einfügen");
  EXPECT_EQ(prompt(sheet->Misc(), PageCommand::Delete), "Markiertes Ereignis löschen.");
  EXPECT_EQ(prompt(sheet->Misc(), PageCommand::Change), "Markiertes Ereignis ändern.");
  emit sheet->Misc()->ContextMenu()->aboutToHide();
  EXPECT_EQ(main.statusBar()->currentMessage(), "");

  sheet->setCurrentWidget(sheet->Misc());
  QCoreApplication::processEvents();
  QTableView* list = sheet->Misc()->List();
  EXPECT_GE(list->horizontalHeader()->length(), list->viewport()->width());
}

}  // namespace
}  // namespace krv
