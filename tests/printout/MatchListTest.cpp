#include "printout/MatchList.h"

#include <gtest/gtest.h>

#include "model/Team.h"
#include "printout/PageQuery.h"

namespace krv {
namespace {

using test::TextAt;
using test::TextIn;
using test::TextsIn;
using V = std::vector<std::string>;

enum Column { kSpiel = 40, kGegner = 200, kErgebnis = 700, kZuschauer = 1300, kEinnahmen = 1650, kBesonderes = 2000 };
int32_t RowTop(int row) { return -55 - 78 * row; }

void AddMatches(CKRTeam& team, int count) {
  for (int i = 0; i < count; ++i)
    team.AddGame({.m_strGegner = "Gegner " + std::to_string(i + 1),
                  .m_strErgebnis = "2:1",
                  .m_strBesonderheit = "Regen\r\nund Nebel",
                  .m_strDatum = "01.02.07",
                  .m_nZuschauer = 15000,
                  .m_nEinnahmen = 1234567,
                  .m_bLiga = 1,
                  .m_bGewonnen = 1});
}

SheetPage Page(const CKRTeam& team, size_t start) { return LayoutMatchList(CollectMatchList(team, start)); }

// A page starting at match 24 shows the matches numbered 25 to 48 in list order, with
// thousands points and the line breaks of a remark turned into blanks. Catches numbering
// from the page instead of the team, a skipped or repeated match at the page edge, and
// remarks whose line breaks split the row.
TEST(MatchList, PageFromAStartIndex) {
  CKRTeam team;
  AddMatches(team, 60);
  const SheetPage page = Page(team, 24);
  EXPECT_EQ(TextIn(page, kSpiel, RowTop(0)), "Spiel");
  EXPECT_EQ(TextsIn(page, RowTop(1), {kSpiel, kGegner, kZuschauer, kEinnahmen, kBesonderes}),
            (V{"25", "Gegner 25", "15.000", "1.234.567", "Regen und Nebel"}));
  EXPECT_EQ(TextsIn(page, RowTop(24), {kSpiel, kGegner}), (V{"48", "Gegner 48"}));
  EXPECT_EQ(TextAt(page, kBesonderes, RowTop(1))->font, SheetFont::kListSmall);
  EXPECT_EQ(TextAt(page, kSpiel, RowTop(1))->align, TextAlign::kRight);
  EXPECT_EQ(TextAt(page, kErgebnis, RowTop(1))->align, TextAlign::kCenter);
  EXPECT_EQ(TextAt(page, kErgebnis, RowTop(0))->align, TextAlign::kLeft);
  EXPECT_EQ(TextAt(page, kErgebnis, RowTop(0))->font, SheetFont::kListHeading);
}

// The last page is partly filled; a page past the last match is blank; a team without
// matches still gets the headings. Catches rows filled beyond the list and a blank page that
// prints an empty table.
TEST(MatchList, LastPagePastTheEndAndNoMatches) {
  CKRTeam team;
  AddMatches(team, 30);
  SheetPage page = Page(team, 24);
  EXPECT_EQ(TextIn(page, kSpiel, RowTop(6)), "30");
  EXPECT_EQ(TextIn(page, kSpiel, RowTop(7)), " ");
  EXPECT_TRUE(Page(team, 30).ops.empty());
  EXPECT_TRUE(Page(team, 48).ops.empty());

  CKRTeam empty;
  page = Page(empty, 0);
  EXPECT_EQ(TextIn(page, kGegner, RowTop(0)), "Gegner");
  EXPECT_EQ(TextIn(page, kGegner, RowTop(1)), " ");
  EXPECT_EQ(page.ops.front().kind, DrawKind::kFill);
}

// A null entry (possible only from a damaged file) neither prints nor counts.
TEST(MatchList, MissingRecordsAreSkipped) {
  CKRTeam team;
  AddMatches(team, 2);
  team.m_Games.insert(team.m_Games.begin() + 1, nullptr);
  const SheetPage page = Page(team, 1);
  EXPECT_EQ(TextsIn(page, RowTop(1), {kSpiel, kGegner}), (V{"2", "Gegner 2"}));
}

}  // namespace
}  // namespace krv
