#include "properties/MatchRows.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

CKRGames MakeGame() {
  CKRGames g;
  g.m_strGegner = "Zwergenstürmer";
  g.m_strErgebnis = "2:1";
  g.m_strBesonderheit = "Regen";
  g.m_strVerletzungen = "Blitzer1: -1 BW";
  g.m_strDatum = "05.03.07";
  g.m_nZuschauer = 12500;
  g.m_nEinnahmen = 45000;
  g.m_bLiga = 1;
  g.m_nFanFaktor = kFanRises;
  return g;
}

TEST(MatchRows, CellTexts) {
  const CKRGames g = MakeGame();
  EXPECT_EQ(MatchCellText(g, 4, kMatchNr), "4L");
  EXPECT_EQ(MatchCellText(g, 4, kMatchGegner), "Zwergenstürmer");
  EXPECT_EQ(MatchCellText(g, 4, kMatchStand), "2:1");
  EXPECT_EQ(MatchCellText(g, 4, kMatchZuschauer), "12.500");
  EXPECT_EQ(MatchCellText(g, 4, kMatchEinnahmen), "45.000");
  EXPECT_EQ(MatchCellText(g, 4, kMatchDatum), "05.03.07");
  EXPECT_EQ(MatchCellText(g, 4, kMatchVerletzungen), "Blitzer1: -1 BW");
  EXPECT_EQ(MatchCellText(g, 4, kMatchBesonderheiten), "Regen");
  EXPECT_EQ(MatchCellText(g, 4, kMatchGestiegen), "Ja");
  EXPECT_EQ(MatchCellText(g, 4, kMatchColumnCount), "");
}

TEST(MatchRows, NumbersWithLeagueMark) {
  EXPECT_EQ(MatchNumberText(1, 0), "1");
  EXPECT_EQ(MatchNumberText(12, 1), "12L");
  EXPECT_EQ(MatchNumberText(10000, 0), "10000");
}

// Values other than rise and fall (a damaged file) count as no change, as in the fan factor.
TEST(MatchRows, FanWords) {
  EXPECT_EQ(FanChangeWord(kFanNone), "Nein");
  EXPECT_EQ(FanChangeWord(kFanRises), "Ja");
  EXPECT_EQ(FanChangeWord(kFanFalls), "Sinkt");
  EXPECT_EQ(FanChangeWord(7), "Nein");
  EXPECT_EQ(FanChangeWord(-1), "Nein");
}

// The running numbers skip empty entries of a damaged list.
TEST(MatchRows, NumberMatches) {
  CKRTeam team;
  team.AddGame("A", "1:0", "", "", 0, 0, 0, 1, 17, 0, "xx.xx.xx");
  team.m_Games.push_back(nullptr);
  team.AddGame("B", "0:0", "", "", 0, 0, 0, 0, 3, 0, "xx.xx.xx");
  NumberMatches(team);
  EXPECT_EQ(team.m_Games[0]->m_nNummer, 1);
  EXPECT_EQ(team.m_Games[2]->m_nNummer, 2);
}

TEST(MatchRows, Columns) {
  const char* headings[] = {"Nr",    "Gegner",       "Stand",          "Zuschauer", "Einnahmen",
                            "Datum", "Verletzungen", "Besonderheiten", "Gestiegen"};
  const int widths[] = {40, 200, 60, 60, 60, 60, 150, 200, 80};
  const bool right[] = {true, false, false, true, true, false, false, false, false};
  for (int i = 0; i < kMatchColumnCount; ++i) {
    EXPECT_STREQ(kMatchColumns[i].heading, headings[i]);
    EXPECT_EQ(kMatchColumns[i].width, widths[i]);
    EXPECT_EQ(kMatchColumns[i].rightAligned, right[i]);
  }
  EXPECT_STREQ(kMatchListName, "SpieleListe");
}

}  // namespace
}  // namespace krv
