#include "printout/PagePlan.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/Team.h"
#include "printout/PageQuery.h"
#include "printout/TeamPrintout.h"

namespace krv {
namespace {

// The first match of each printed page; -1 for the team sheet.
std::vector<long> Starts(PrintMode mode, size_t matches) {
  std::vector<long> starts;
  for (int p = 1; p <= PrintedPageCount(mode, matches); ++p) {
    const PlannedPage page = PlanPage(mode, p);
    starts.push_back(page.teamSheet ? -1 : static_cast<long>(page.firstMatch));
  }
  return starts;
}

// Page counts and start matches for duplex printing. Catches an off-by-one in the integer
// divisions, even and odd pages swapped, and a job of zero pages.
TEST(PagePlan, PagesPerMode) {
  using V = std::vector<long>;
  EXPECT_EQ(Starts(PrintMode::kAllPages, 30), (V{-1, 0, 24}));
  EXPECT_EQ(Starts(PrintMode::kEvenPages, 30), (V{0}));
  EXPECT_EQ(Starts(PrintMode::kOddPages, 30), (V{24}));
  EXPECT_EQ(Starts(PrintMode::kSheetOnly, 30), (V{-1}));

  EXPECT_EQ(Starts(PrintMode::kEvenPages, 100), (V{0, 48, 96}));
  EXPECT_EQ(Starts(PrintMode::kOddPages, 100), (V{24, 72}));
  EXPECT_EQ(PrintedPageCount(PrintMode::kAllPages, 100), 6);

  // 20 matches have no odd match page: one page that stays blank (it starts past the end).
  EXPECT_EQ(Starts(PrintMode::kOddPages, 20), (V{24}));
  // No matches: the sheet alone in every mode that prints it.
  EXPECT_EQ(Starts(PrintMode::kAllPages, 0), (V{-1}));
  EXPECT_EQ(PrintedPageCount(PrintMode::kEvenPages, 0), 1);
  // Page boundaries: 24 matches fill one page, 25 need two.
  EXPECT_EQ(PrintedPageCount(PrintMode::kAllPages, 24), 2);
  EXPECT_EQ(PrintedPageCount(PrintMode::kAllPages, 25), 3);
  EXPECT_EQ(PrintedPageCount(PrintMode::kOddPages, 25), 1);
  EXPECT_EQ(PrintedPageCount(PrintMode::kAllPages, 10000), 418);
}

// The whole printout: the sheet first, then match pages numbered on from the right match;
// a blank page in odd mode for a short season. Catches pages built from the wrong start.
TEST(PagePlan, PrintoutPages) {
  CKRTeam team, shortSeason;
  for (int i = 0; i < 30; ++i) {
    const CKRGames game{.m_strGegner = "G", .m_strErgebnis = "1:0", .m_bLiga = 1, .m_bGewonnen = 1};
    team.AddGame(game);
    if (i < 20) shortSeason.AddGame(game);
  }
  const TeamPrintout all(team, PrintMode::kAllPages, {});
  ASSERT_EQ(all.PageCount(), 3);
  EXPECT_EQ(test::TextIn(all.Page(1), 1780, -1926), "GESAMTWERT DES TEAMS");
  EXPECT_EQ(test::TextIn(all.Page(2), 40, -133), "1");  // the first match's number
  EXPECT_EQ(test::TextIn(all.Page(3), 40, -133), "25");

  const TeamPrintout odd(shortSeason, PrintMode::kOddPages, {});
  ASSERT_EQ(odd.PageCount(), 1);
  EXPECT_TRUE(odd.Page(1).ops.empty());
}

}  // namespace
}  // namespace krv
