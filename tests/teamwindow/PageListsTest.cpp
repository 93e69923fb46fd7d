// The rows of a page's list over a record list, and the commands' enabling rules.

#include <gtest/gtest.h>

#include "teamwindow/PageCommands.h"
#include "teamwindow/RecordRows.h"

namespace krv {
namespace {

// Catches: empty entries from a file counted as rows (row i must be the i-th record that is
// there, as the team's own index operations count), rows read before a rebuild, and a row
// asked for after the list shrank behind the rows' back giving a dangling record.
TEST(RecordRows, EmptyEntriesSkippedAndShrunkListGivesNoRecord) {
  CKRTeam team;
  team.m_Ereignisse.push_back(nullptr);
  team.AddEreignis({"eins", 1});
  team.m_Ereignisse.push_back(nullptr);
  team.AddEreignis({"zwei", 1});
  RecordRows<CKREreignisse> rows;
  EXPECT_EQ(rows.At(team.m_Ereignisse, 0), nullptr);
  rows.Rebuild(team.m_Ereignisse);
  ASSERT_EQ(rows.Count(), 2u);
  EXPECT_EQ(rows.ListSize(), 4u);
  EXPECT_EQ(rows.At(team.m_Ereignisse, 0), team.GetEreignis(0));
  EXPECT_EQ(rows.At(team.m_Ereignisse, 1)->m_strText, "zwei");
  EXPECT_EQ(rows.At(team.m_Ereignisse, 2), nullptr);

  team.m_Ereignisse.pop_back();
  EXPECT_NE(rows.At(team.m_Ereignisse, 0), nullptr);
  EXPECT_EQ(rows.At(team.m_Ereignisse, 1), nullptr);
  team.m_Ereignisse.clear();
  EXPECT_EQ(rows.At(team.m_Ereignisse, 0), nullptr);
}

// "&Löschen" and "&Ändern" need a selected row; nothing is enabled without its action.
TEST(PageCommands, Enabling) {
  for (PageCommand c : {PageCommand::New, PageCommand::Zombie, PageCommand::Logo, PageCommand::SortByNumber,
                        PageCommand::Delete, PageCommand::Change}) {
    const bool needs = c == PageCommand::Delete || c == PageCommand::Change;
    EXPECT_EQ(NeedsSelection(c), needs);
    EXPECT_EQ(CommandEnabled(c, true, false), !needs);
    EXPECT_TRUE(CommandEnabled(c, true, true));
    EXPECT_FALSE(CommandEnabled(c, false, true));
  }
}

}  // namespace
}  // namespace krv
