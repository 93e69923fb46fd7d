// The matches page: running numbers with "L" for league games, the columns and their
// texts, the fan-factor words, and the numbering after new and deleted matches.

#include <gtest/gtest.h>

#include "gui/teamwindow/PageTestSupport.h"
#include "season/MatchEntry.h"
#include "teamwindow/MatchRows.h"
#include "teamwindow/qt/MatchesPage.h"
#include "support/MessageRecorder.h"
#include "support/SeasonTeam.h"

namespace krv {
namespace {

using test::Cell;
using test::Row;

class MatchesPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc = test::DocumentWith(test::MakeSeasonTeam());
    ASSERT_TRUE(m_doc);
    m_page = test::ShownPage<CMyPropertyPage5>(m_doc.get(), {1000, 400});
  }

  CKRTeam& Team() { return m_doc->Team(); }
  const QAbstractItemModel* Model() { return m_page->List()->model(); }

  std::unique_ptr<KrashballDoc> m_doc;
  std::unique_ptr<CMyPropertyPage5> m_page;
};

TEST_F(MatchesPageTest, Columns) {
  EXPECT_EQ(test::Headings(Model()), QStringList({"Nr", "Gegner", "Stand", "Zuschauer", "Einnahmen", "Datum",
                                                  "Verletzungen", "Besonderheiten", "Gestiegen"}));
  for (int column = 0; column < kMatchColumnCount; ++column) {
    EXPECT_GE(m_page->List()->columnWidth(column), kMatchColumns[column].width);
    EXPECT_EQ(Model()->data(Model()->index(0, column), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              kMatchColumns[column].rightAligned ? Qt::AlignRight : Qt::AlignLeft)
        << column;
  }
}

// Numbers 1 to n with "L" for league games; spectators and income grouped; fan words.
TEST_F(MatchesPageTest, RowTexts) {
  ASSERT_EQ(Model()->rowCount(), 15);
  EXPECT_EQ(Row(Model(), 0),
            QStringList({"1", "Zwergenstürmer", "2:1", "12.500", "45.000", "16.09.06", "Uglúk: -1 BW", "Regen", "Ja"}));
  EXPECT_EQ(Row(Model(), 1),
            QStringList({"2L", "Altdorfer Adler", "1:1", "18.000", "50.000", "30.09.06", "", "", "Nein"}));
  EXPECT_EQ(Cell(Model(), 2, kMatchGestiegen), "Sinkt");
  EXPECT_EQ(Cell(Model(), 3, kMatchNr), "4L");
  EXPECT_EQ(Cell(Model(), 14, kMatchEinnahmen), "100.000");
  // The page gives the matches their running numbers.
  for (int i = 0; i < 15; ++i) EXPECT_EQ(Team().m_Games[static_cast<size_t>(i)]->m_nNummer, i + 1);
}

// A new match is shown as number n+1 after the recalculation; a deleted one takes its row
// away and the later matches keep their numbers until the page is filled again
// (MatchRows.NumberedWhenFilled). Catches renumbering at once, which makes the numbers on the coach's printed list and
// on the screen disagree mid-season.
TEST_F(MatchesPageTest, NewAndDeletedMatches) {
  MatchEntry orkland;
  orkland.gegner = "Orkland";
  orkland.eigeneTore = 1;
  orkland.liga = 1;
  orkland.inEinnahmen = false;
  ASSERT_TRUE(RecordMatch(Team(), orkland).applied);
  ASSERT_EQ(Model()->rowCount(), 16);
  EXPECT_EQ(Cell(Model(), 15, kMatchNr), "16L");
  EXPECT_EQ(Cell(Model(), 15, kMatchGegner), "Orkland");
  EXPECT_EQ(Team().m_Games.back()->m_nNummer, 16);

  test::ClickRow(m_page->List(), 5);
  test::MessageRecorder messages;
  messages.answers = {0};  // "&Löschen"
  ASSERT_TRUE(DeleteMatch(Team(), 2).applied);
  ASSERT_EQ(Model()->rowCount(), 15);
  EXPECT_EQ(Cell(Model(), 2, kMatchGegner), "Elfenwind Lanzen");
  EXPECT_EQ(Cell(Model(), 2, kMatchNr), "4L");
  EXPECT_EQ(Cell(Model(), 14, kMatchNr), "16L");
  EXPECT_EQ(m_page->SelectedRow(), -1);
  EXPECT_FALSE(m_page->IsCommandEnabled(PageCommand::Delete));
}

// A changed match shows its new values at once.
TEST_F(MatchesPageTest, ChangedMatch) {
  Team().m_Games[0]->m_nFanFaktor = kFanFalls;
  Team().m_Games[0]->m_bLiga = 1;
  Team().SetTeamModified();
  EXPECT_EQ(Cell(Model(), 0, kMatchNr), "1L");
  EXPECT_EQ(Cell(Model(), 0, kMatchGestiegen), "Sinkt");
}

TEST_F(MatchesPageTest, Enabling) {
  test::ExpectCommandsNeedARow(m_page.get(), 7, {"&Neues Spiel", "Spiel &löschen", "Spiel &ändern"});
}

}  // namespace
}  // namespace krv
