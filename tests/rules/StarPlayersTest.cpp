#include "rules/StarPlayers.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/Windows1252.h"
#include "rules/Skills.h"

namespace krv {
namespace {

std::vector<std::string> NamesFor(int32_t race) {
  std::vector<std::string> names;
  for (const SStarplayer* row : StarplayersForRace(race)) names.emplace_back(row->m_pszName);
  return names;
}

size_t RowOf(const SStarplayer* row) { return row ? static_cast<size_t>(row - g_Starplayer.data()) : kStarplayerCount; }

TEST(StarPlayers, CatalogueShape) {
  ASSERT_EQ(g_Starplayer.size(), 29u);

  // Star codes identify the row a player came from: unique, never 222 (the coach's own
  // star player), 200 to 299 for star players and 300 on for big guys, whose names say so.
  std::set<int32_t> codes;
  for (const SStarplayer& row : g_Starplayer) {
    ASSERT_NE(row.m_pszName, nullptr);
    EXPECT_NE(row.m_pszName[0], '\0');  // an empty name would end every loop early
    EXPECT_TRUE(codes.insert(row.m_nCode).second) << row.m_pszName;
    EXPECT_NE(row.m_nCode, 222) << row.m_pszName;
    EXPECT_GE(row.m_nCode, 200) << row.m_pszName;
    const bool namedBigGuy = std::string(row.m_pszName).find("(Brocken)") != std::string::npos;
    EXPECT_EQ(IsBigGuyCode(row.m_nCode), namedBigGuy) << row.m_pszName;
    EXPECT_LE(Utf8ToWindows1252(row.m_pszName).size(), 79u);
    EXPECT_LE(Utf8ToWindows1252(row.m_pszSkills).size(), 199u);
    EXPECT_NE(row.m_nRaces, 0u) << row.m_pszName;
  }
}

TEST(StarPlayers, RaceMask) {
  // One distinct bit per race; the Echsenmenschen have 65536 and race 0 has 2, so a plain
  // 1 << race would give the wrong races their star players.
  std::set<uint32_t> bits;
  for (int32_t race = 0; race < 16; ++race) {
    const uint32_t bit = StarplayerRaceMask(race);
    EXPECT_NE(bit, 0u);
    EXPECT_EQ(bit & (bit - 1), 0u) << race;  // a single bit
    EXPECT_TRUE(bits.insert(bit).second) << race;
  }
  EXPECT_EQ(StarplayerRaceMask(0), 2u);
  EXPECT_EQ(StarplayerRaceMask(3), 65536u);
  // Invalid races have no bit and are offered nobody.
  EXPECT_EQ(StarplayerRaceMask(-1), 0u);
  EXPECT_EQ(StarplayerRaceMask(16), 0u);
  EXPECT_TRUE(StarplayersForRace(16).empty());
}

TEST(StarPlayers, OffersPerRace) {
  using Names = std::vector<std::string>;
  // Echsenmenschen get their two only; Morg 'n' Thorg plays for everyone else.
  // (The creation offers of races 3, 4, 9 and 12 are checked with the star offer.)
  EXPECT_EQ(NamesFor(15), (Names{"Morg 'n' Thorg"}));

  // Offers come in catalogue order (the selection list shows them so).
  for (int32_t race = 0; race < 16; ++race) {
    const auto rows = StarplayersForRace(race);
    for (size_t i = 1; i < rows.size(); ++i) EXPECT_LT(rows[i - 1], rows[i]) << race;
    bool morg = false;
    for (const SStarplayer* row : rows) morg |= std::string(row->m_pszName) == "Morg 'n' Thorg";
    EXPECT_EQ(morg, race != 3) << race;
  }
}

TEST(StarPlayers, BigGuys) {
  // Limits: Goblins and Halblinge may have two, Oger none, everyone else one.
  EXPECT_EQ(BigGuyAllowance(6), 2);
  EXPECT_EQ(BigGuyAllowance(9), 0);
  EXPECT_EQ(BigGuyAllowance(15), 1);

  // The boundary between star players and big guys. (300 itself, the Kroxigor: CatalogueShape.)
  EXPECT_FALSE(IsBigGuyCode(299));
}

TEST(StarPlayers, FindRows) {
  // A list entry is found by the first name it contains. "Rattenoger (Brocken)" contains
  // "oger (Brocken)" but not "Oger (Brocken)": a case-insensitive search would take the
  // Oger for the Rattenoger.
  EXPECT_EQ(RowOf(FindStarplayerInText("Oger (Brocken)")), 25u);
  EXPECT_EQ(RowOf(FindStarplayerInText("Rattenoger (Brocken)")), 26u);
  // The entry may carry more than the name.
  EXPECT_EQ(RowOf(FindStarplayerInText("  Troll (Brocken)\t100.000")), 28u);
  EXPECT_EQ(FindStarplayerInText("Troll"), nullptr);

  EXPECT_EQ(RowOf(FindStarplayerByCode(305)), 28u);
  EXPECT_EQ(FindStarplayerByCode(222), nullptr);
}

// (How the skill texts become abbreviations, with the slips they carry: Skills.SkillTextToAbbreviations.)
TEST(StarPlayers, SkillsAreInTheCatalogue) {
  // Every written skill name is in the catalogue: each comma-separated part of a skills text
  // (item, "Brocken" and "Hechtsprung" aside) must be a catalogue name, or the player would
  // silently lose it.
  for (const SStarplayer& row : g_Starplayer) {
    std::string text = row.m_pszSkills;
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find(", ", start);
      if (end == std::string::npos) end = text.size();
      const std::string part = text.substr(start, end - start);
      start = end + 2;
      if (part.empty() || part.front() == '<' || part == "Brocken" || part == "Hechtsprung") continue;
      EXPECT_NE(FindSkillByName(part), nullptr) << row.m_pszName << ": " << part;
    }
  }
}

}  // namespace
}  // namespace krv
