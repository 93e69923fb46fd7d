#include "rules/Races.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "model/Windows1252.h"
#include "rules/PositionNames.h"
#include "rules/SortText.h"

namespace krv {
namespace {

int32_t RowOf(const SKaderPosition* row) { return row ? static_cast<int32_t>(row - g_Kader.data()) : -1; }

std::string AsciiUpper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

TEST(Races, NameArrays) {
  // Race numbers are the alphabetical order of the display names; a swapped pair would
  // give teams the wrong race on loading.
  ASSERT_EQ(g_RassenAnzeige.size(), 16u);
  ASSERT_EQ(g_RassenNamen.size(), 16u);
  for (int32_t race = 1; race < 15; ++race)
    EXPECT_LT(CompareSortText(g_RassenAnzeige[race - 1], g_RassenAnzeige[race]), 0) << race;

  // The upper-case names are the display names in capitals, except for the own race,
  // whose upper-case name is empty (the team's own race name is shown instead).
  for (int32_t race = 0; race < 15; ++race) EXPECT_EQ(g_RassenNamen[race], AsciiUpper(g_RassenAnzeige[race])) << race;
  EXPECT_STREQ(g_RassenNamen[15], "");
  EXPECT_STREQ(g_RassenAnzeige[15], "Eigenes Team");
}

TEST(Races, GetRaceRoster) {
  // Outside 0 to 15 there is no roster (a cancelled creation leaves race -1).
  EXPECT_FALSE(GetRaceRoster(-1).has_value());
  EXPECT_FALSE(GetRaceRoster(16).has_value());

  // Every slice holds rows of its own race only, and together the slices cover each of the
  // 55 rows exactly once: a wrong first row or count would show another race's players.
  std::vector<int> covered(g_Kader.size(), 0);
  for (int32_t race = 0; race < kRaceCount; ++race) {
    const auto roster = GetRaceRoster(race);
    ASSERT_TRUE(roster.has_value()) << race;
    ASSERT_GE(roster->m_nPositions, 1) << race;
    ASSERT_LE(roster->m_nFirstRow + roster->m_nPositions, static_cast<int32_t>(g_Kader.size()));
    for (int32_t k = 0; k < roster->m_nPositions; ++k) {
      const int32_t row = roster->m_nFirstRow + k;
      EXPECT_EQ(g_Kader[row].m_nRace, race) << "row " << row;
      ++covered[row];
    }
  }
  for (size_t row = 0; row < covered.size(); ++row) EXPECT_EQ(covered[row], 1) << "row " << row;

  // The Echsenmenschen live at the end, behind the own race's six rows; no race has more
  // than the six position rows of the creation dialog.
  EXPECT_EQ(GetRaceRoster(3)->m_nFirstRow, 53);
  EXPECT_EQ(GetRaceRoster(15)->m_nFirstRow, 47);
  EXPECT_EQ(GetRaceRoster(15)->m_nPositions, 6);
  for (int32_t race = 0; race < 15; ++race) EXPECT_LE(GetRaceRoster(race)->m_nPositions, 5);
}

TEST(Races, FindPositionByCode) {
  // Codes are not row numbers: rows 10 and 11 (and 2 and 3) carry each other's code.
  EXPECT_EQ(RowOf(FindPositionByCode(10)), 11);
  EXPECT_EQ(RowOf(FindPositionByCode(11)), 10);
  EXPECT_EQ(RowOf(FindPositionByCode(2)), 3);

  // Star players, big guys and unknown codes are not roster rows.
  for (int32_t code : {222, 300, 55, -1}) EXPECT_EQ(FindPositionByCode(code), nullptr) << code;

  // Every code 0 to 54 belongs to exactly one row, so finding by code and addressing by
  // row number reach the same rows.
  for (int32_t code = 0; code < 55; ++code) {
    int count = 0;
    for (const SKaderPosition& row : g_Kader) count += row.m_nCode == code;
    EXPECT_EQ(count, 1) << "code " << code;
  }
  // The own-race template k is code 47 + k.
  for (int32_t k = 0; k < 6; ++k) EXPECT_EQ(FindPositionByCode(47 + k)->m_nRace, 15);
}

TEST(Races, RowTexts) {
  // Field sizes of the roster: name 51, skills 199, abbreviations 99 characters.
  for (const SKaderPosition& row : g_Kader) {
    EXPECT_LE(Utf8ToWindows1252(row.m_pszName).size(), 51u) << row.m_pszName;
    EXPECT_LE(Utf8ToWindows1252(row.m_pszSkills).size(), 199u) << row.m_pszName;
    EXPECT_LE(Utf8ToWindows1252(row.m_pszAbbreviations).size(), 99u) << row.m_pszName;
    EXPECT_TRUE(IsWindows1252Representable(row.m_pszName)) << row.m_pszName;
  }

  // Standard positions without skills say "Keine" and give new players an empty text;
  // the Saurus alone has an empty skills text.
  for (int32_t row = 0; row < 47; ++row)
    EXPECT_EQ(std::string(g_Kader[row].m_pszSkills) == "Keine", std::string(g_Kader[row].m_pszAbbreviations).empty())
        << "row " << row;
  EXPECT_STREQ(g_Kader[54].m_pszSkills, "");

  // Slips that players and printed lists have always carried stay as they are: new Oger
  // get the blanks and the trailing comma; the lists show the misspellings.
  EXPECT_STREQ(g_Kader[23].m_pszAbbreviations, "KnBr, Robu, Blöd, Mit.werf,");
  EXPECT_STREQ(g_Kader[23].m_pszSkills, "Knochenbrecher, Robust, Blöd, Mitspieler werden");
  EXPECT_STREQ(g_Kader[11].m_pszAbbreviations, "Fangs, Sprinten");
  EXPECT_STREQ(g_Kader[7].m_pszName, "Blizer");
  EXPECT_STREQ(g_Kader[26].m_pszSkills, "Ballgefühel, Wurfsicher");

  // The own race's rows give only labels and limits; their skills are the team's own.
  const int32_t ownMax[6] = {12, 2, 2, 2, 4, 4};
  for (int32_t k = 0; k < 6; ++k) {
    EXPECT_EQ(g_Kader[47 + k].m_nMaxCount, ownMax[k]);
    EXPECT_STREQ(g_Kader[47 + k].m_pszSkills, "");
  }
}

TEST(Races, GetRerollPrice) {
  // The mutation surcharge belongs to the own race only.
  EXPECT_EQ(GetRerollPrice(15, false), 50000);
  EXPECT_EQ(GetRerollPrice(15, true), 70000);
  EXPECT_EQ(GetRerollPrice(14, true), 40000);
  // Invalid race numbers cost nothing instead of reading past the table.
  EXPECT_EQ(GetRerollPrice(-1, false), 0);
  EXPECT_EQ(GetRerollPrice(16, true), 0);
}

TEST(Races, StaffByRace) {
  // The wizard slot keeps its price and place but is called differently for three races;
  // the Untote hire neither apothecary nor wizard.
  for (int32_t race = -1; race <= 16; ++race) {
    const std::string name = WizardSlotName(race);
    if (race == 1 || race == 14) EXPECT_EQ(name, "Alchemist");
    else if (race == 6) EXPECT_EQ(name, "Meisterkoch");
    else EXPECT_EQ(name, "Zauberer") << race;
    EXPECT_EQ(MayHireApothecaryAndWizard(race), race != 12) << race;
  }
}

TEST(PositionNames, LooksUpRosterThenStarsThenBuilt) {
  // Roster rows by code, up to the last one. (Code 10, on row 11: RaceRepair.RowsAndAssigningPositionCodes.)
  EXPECT_STREQ(PositionNameForCode(54), "Saurus");

  // Star players and big guys fall back to the star catalogue.
  EXPECT_STREQ(PositionNameForCode(223), "Silibili");
  EXPECT_STREQ(PositionNameForCode(300), "Kroxigor (Brocken)");

  // The coach's own star player has no row anywhere.
  EXPECT_STREQ(PositionNameForCode(222), "Eigener Starplayer");

  // Codes nobody carries.
  for (int32_t code : {55, 306, -1}) EXPECT_STREQ(PositionNameForCode(code), "???") << code;
}

}  // namespace
}  // namespace krv
