// The rows of a page's list over a record list, and the commands' enabling rules.

#include <gtest/gtest.h>

#include "properties/EventRows.h"
#include "properties/PageCommands.h"
#include "properties/RecordRows.h"

namespace krv {
namespace {

TEST(RecordRows, ListWithoutEmptyEntries) {
  CKRTeam team;
  team.AddEreignis("eins", 1);
  team.AddEreignis("zwei", 0);
  RecordRows<CKREreignisse> rows;
  EXPECT_EQ(rows.Count(), 0u);
  EXPECT_EQ(rows.At(team.m_Ereignisse, 0), nullptr);
  rows.Rebuild(team.m_Ereignisse);
  ASSERT_EQ(rows.Count(), 2u);
  EXPECT_EQ(rows.ListSize(), 2u);
  EXPECT_EQ(rows.At(team.m_Ereignisse, 1)->m_strText, "zwei");
  EXPECT_EQ(rows.At(team.m_Ereignisse, 2), nullptr);
}

// Empty entries from a file are no rows; row i is the i-th record that is there, as the
// team's own index operations count.
TEST(RecordRows, EmptyEntriesAreSkipped) {
  CKRTeam team;
  team.m_Ereignisse.push_back(nullptr);
  team.AddEreignis("eins", 1);
  team.m_Ereignisse.push_back(nullptr);
  team.AddEreignis("zwei", 1);
  RecordRows<CKREreignisse> rows;
  rows.Rebuild(team.m_Ereignisse);
  ASSERT_EQ(rows.Count(), 2u);
  EXPECT_EQ(rows.ListSize(), 4u);
  EXPECT_EQ(rows.At(team.m_Ereignisse, 0), team.GetEreignis(0));
  EXPECT_EQ(rows.At(team.m_Ereignisse, 1), team.GetEreignis(1));
}

// A row asked for after the list shrank behind the rows' back is no record, never a
// dangling one.
TEST(RecordRows, ShrunkListGivesNoRecord) {
  CKRTeam team;
  team.AddEreignis("eins", 1);
  team.AddEreignis("zwei", 1);
  RecordRows<CKREreignisse> rows;
  rows.Rebuild(team.m_Ereignisse);
  team.m_Ereignisse.pop_back();
  EXPECT_NE(rows.At(team.m_Ereignisse, 0), nullptr);
  EXPECT_EQ(rows.At(team.m_Ereignisse, 1), nullptr);
  team.m_Ereignisse.clear();
  EXPECT_EQ(rows.At(team.m_Ereignisse, 0), nullptr);
}

// "&Löschen" and "&Ändern" need a selected row; nothing is enabled without its action.
TEST(PageCommands, Enabling) {
  for (PageCommand c : {PageCommand::New, PageCommand::Zombie, PageCommand::Logo, PageCommand::SortByNumber}) {
    EXPECT_FALSE(NeedsSelection(c));
    EXPECT_TRUE(CommandEnabled(c, true, false));
    EXPECT_TRUE(CommandEnabled(c, true, true));
    EXPECT_FALSE(CommandEnabled(c, false, true));
  }
  for (PageCommand c : {PageCommand::Delete, PageCommand::Change}) {
    EXPECT_TRUE(NeedsSelection(c));
    EXPECT_FALSE(CommandEnabled(c, true, false));
    EXPECT_TRUE(CommandEnabled(c, true, true));
    EXPECT_FALSE(CommandEnabled(c, false, true));
  }
}

TEST(EventRows, Columns) {
  EXPECT_STREQ(kEventColumns[kEventText].heading, "Ereignisse");
  EXPECT_EQ(kEventColumns[kEventText].width, 500);
  EXPECT_STREQ(kEventListName, "VerschListe");
}

}  // namespace
}  // namespace krv
