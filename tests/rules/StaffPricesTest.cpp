#include "rules/StaffPrices.h"

#include <gtest/gtest.h>

#include "rules/Races.h"

namespace krv {
namespace {

TEST(StaffPrices, MenschenStartingTeamSpendsExactlyOneMillion) {
  // A Menschen team of 11 Feldspieler, 2 Werfer, 2 Blitzer, 1 re-roll, fan factor 3 and
  // 5 cheerleaders uses up a starting capital of 1,000,000: a wrong price of a position,
  // of the re-roll or of the extras would leave gold over or short.
  const auto roster = GetRaceRoster(8);
  ASSERT_TRUE(roster.has_value());
  const SKaderPosition* rows = &g_Kader[roster->m_nFirstRow];
  ASSERT_STREQ(rows[0].m_pszName, "Feldspieler");
  ASSERT_STREQ(rows[2].m_pszName, "Werfer");
  ASSERT_STREQ(rows[3].m_pszName, "Blitzer");

  const int64_t spent = 11 * rows[0].m_nCost + 2 * rows[2].m_nCost + 2 * rows[3].m_nCost +
                        1 * GetRerollPrice(8, false) + 3 * kFanFactorPointPrice + 5 * kCheerleaderPrice;
  EXPECT_EQ(spent, 1000000);
}

}  // namespace
}  // namespace krv
