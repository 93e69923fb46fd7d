#include "create/RaceInformation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "rules/Races.h"

namespace krv {
namespace {

using Row = RaceInformationRow;

TEST(RaceInformation, ElfenList) {
  // The Elfen rows as the list shows them, top to bottom: added last comes first. Codes
  // 10 and 11 sit on each other's rows, so looking up by row number instead of code would
  // swap Fänger and Werfer.
  const std::vector<Row> expected = {
      {"", "12", "60000", "Feldspieler", "6", "3", "4", "7", "Keine"},
      {"", "2", "110000", "Blitzer", "7", "3", "4", "8", "Blocken, Gewandt"},
      {"", "2", "70000", "Werfer", "6", "3", "4", "7", "Wurfsicher"},
      {"", "4", "100000", "Fänger", "8", "3", "4", "7", "Fangsicher, Sprinten"},
      {"Zauberer", "1", "150000", "", "", "", "", "", ""},
      {"Sani", "1", "50000", "", "", "", "", "", ""},
      {"Trainingsmarke", "8", "50000", "", "", "", "", "", ""},
  };
  EXPECT_EQ(RaceInformationRows(4), expected);
  std::vector<Row> added = expected;
  std::reverse(added.begin(), added.end());
  EXPECT_EQ(RaceInformationRowsAdded(4), added);
}

TEST(RaceInformation, OwnRaceList) {
  // Race 15 shows six fixed rows with "x" for the characteristics, the surcharge note on
  // the re-roll row, and the staff rows.
  const std::vector<Row> expected = {
      {"Feldspieler", "12", "max. 80K", "", "x", "x", "x", "x", "Allgemeine"},
      {"Werfer", "2", "max. 100K", "", "x", "x", "x", "x", "Allge./Pass."},
      {"Fänger", "2", "max. 100K", "", "x", "x", "x", "x", "Allg./Geschicklichkeit"},
      {"Gen. 1", "2", "max. 80K", "", "x", "x", "x", "x", "Allgemeine"},
      {"Gen. 2", "2", "max. 80K", "", "x", "x", "x", "x", "Allgemeine"},
      {"Superspieler", "2", "max. 120K", "", "x", "x", "x", "x", "Allge./Stärke./Geschick."},
      {"Zauberer", "1", "150000", "", "", "", "", "", ""},
      {"Sani", "1", "50000", "", "", "", "", "", ""},
      {"Trainingsmarke", "8", "50000", "+20K bei Mutanten", "", "", "", "", ""},
  };
  EXPECT_EQ(RaceInformationRows(15), expected);
}

TEST(RaceInformation, EveryRace) {
  // Every race lists its re-roll price, its staff (not the Untote's), and exactly the
  // positions of its own roster slice with no "????" row; the wizard slot carries the
  // race's name for it. A mistyped code in the insertion lists would show another race's
  // position or a "????" row.
  for (int32_t race = 0; race < 15; ++race) {
    SCOPED_TRACE(race);
    const std::vector<Row> added = RaceInformationRowsAdded(race);
    const RaceRoster roster = *GetRaceRoster(race);
    const bool staff = race != 12;
    ASSERT_EQ(added.size(), static_cast<size_t>(1 + (staff ? 2 : 0) + roster.m_nPositions));
    EXPECT_EQ(added[0],
              (Row{"Trainingsmarke", "8", std::to_string(GetRerollPrice(race, false)), "", "", "", "", "", ""}));
    if (staff) {
      EXPECT_EQ(added[1].m_strBezeichnung, "Sani");
      EXPECT_EQ(added[2].m_strBezeichnung, WizardSlotName(race));
      EXPECT_EQ(added[2].m_strKosten, "150000");
    }
    std::set<std::string> shown, slice;
    for (size_t i = 1 + (staff ? 2 : 0); i < added.size(); ++i) {
      EXPECT_EQ(added[i].m_strBezeichnung, "");
      shown.insert(added[i].m_strPosition + "/" + added[i].m_strKosten);
    }
    for (int32_t k = 0; k < roster.m_nPositions; ++k) {
      const SKaderPosition& p = g_Kader[roster.m_nFirstRow + k];
      slice.insert(std::string(p.m_pszName) + "/" + std::to_string(p.m_nCost));
    }
    EXPECT_EQ(shown, slice);
  }

  // The insertion order of the Orks: 26, 27, 28, 29, 25, so shown as 25, 29, 28, 27, 26.
  const auto orks = RaceInformationRows(10);
  std::vector<std::string> names;
  for (size_t i = 0; i < 5; ++i) names.push_back(orks[i].m_strPosition);
  EXPECT_EQ(names, (std::vector<std::string>{"Feldspieler", "Goblins", "Blitzer", "Schwarzorks", "Werfer"}));
}

TEST(RaceInformation, UntoteAndUnknownCodes) {
  // The Untote show only the re-roll row besides their positions; an unknown code gives
  // a "????" row instead of reading a missing position; a race number outside 0 to 15
  // gives no rows at all.
  const auto untote = RaceInformationRows(12);
  ASSERT_EQ(untote.size(), 6u);
  EXPECT_EQ(untote.back(), (Row{"Trainingsmarke", "8", "70000", "", "", "", "", "", ""}));
  EXPECT_EQ(PositionInformationRow(999), (Row{"????", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(PositionInformationRow(222), (Row{"????", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(PositionInformationRow(54), (Row{"", "6", "80000", "Saurus", "6", "4", "1", "9", ""}));
  EXPECT_TRUE(RaceInformationRows(-1).empty());
  EXPECT_TRUE(RaceInformationRows(16).empty());
}

}  // namespace
}  // namespace krv
