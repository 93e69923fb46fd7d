#include "properties/PlayerRows.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

CKRSpieler MakePlayer() {
  CKRSpieler p;
  p.m_nNummer = 7;
  p.m_strName = "Grischnak";
  p.m_strPosition = "Ork-Blitzer";
  p.m_nBW = 6;
  p.m_nST = 3;
  p.m_nGE = 3;
  p.m_nRW = 9;
  p.m_strFertigkeiten = "Blk,Tackle";
  p.m_strVerletzung = "-1 BW";
  p.m_nPass = 2;
  p.m_nTD = 5;
  p.m_nABG = 1;
  p.m_nVSA = 3;
  p.m_nSDT = 0;
  p.m_nSSP = 23;
  p.m_nWert = 110000;
  p.m_nID = 123;
  return p;
}

// Each column's text as the list has always written it; a wrong width or format would
// shift the figures the coach compares.
TEST(PlayerRows, CellTexts) {
  const CKRSpieler p = MakePlayer();
  EXPECT_EQ(PlayerCellText(p, kPlayerNr), " 7");
  EXPECT_EQ(PlayerCellText(p, kPlayerName), "Grischnak");
  EXPECT_EQ(PlayerCellText(p, kPlayerPosition), "Ork-Blitzer");
  EXPECT_EQ(PlayerCellText(p, kPlayerBW), " 6");
  EXPECT_EQ(PlayerCellText(p, kPlayerST), " 3");
  EXPECT_EQ(PlayerCellText(p, kPlayerGE), " 3");
  EXPECT_EQ(PlayerCellText(p, kPlayerRW), " 9");
  EXPECT_EQ(PlayerCellText(p, kPlayerFertigkeiten), "Blk,Tackle");
  EXPECT_EQ(PlayerCellText(p, kPlayerVerletzung), "-1 BW");
  EXPECT_EQ(PlayerCellText(p, kPlayerPaesse), "  2");
  EXPECT_EQ(PlayerCellText(p, kPlayerTDs), "  5");
  EXPECT_EQ(PlayerCellText(p, kPlayerABGs), "  1");
  EXPECT_EQ(PlayerCellText(p, kPlayerVSAs), "  3");
  EXPECT_EQ(PlayerCellText(p, kPlayerSDTs), "  0");
  EXPECT_EQ(PlayerCellText(p, kPlayerSSP), " 23");
  EXPECT_EQ(PlayerCellText(p, kPlayerWert), "110.000");
  EXPECT_EQ(PlayerCellText(p, kPlayerID), "123");
  EXPECT_EQ(PlayerCellText(p, kPlayerColumnCount), "");
  EXPECT_EQ(PlayerCellText(p, -1), "");
}

// Numbers wider than the format keep all their digits.
TEST(PlayerRows, WideNumbersAreNotCut) {
  CKRSpieler p = MakePlayer();
  p.m_nNummer = 123;
  p.m_nSSP = 1234;
  p.m_nWert = -5000;
  EXPECT_EQ(PlayerCellText(p, kPlayerNr), "123");
  EXPECT_EQ(PlayerCellText(p, kPlayerSSP), "1234");
  EXPECT_EQ(PlayerCellText(p, kPlayerWert), "-5.000");
}

// A former player shows why he is gone instead of his injury.
TEST(PlayerRows, StatusWords) {
  CKRSpieler p = MakePlayer();
  EXPECT_EQ(PlayerInjuryText(p), "-1 BW");
  p.m_nStatus = kStatusVerkauft;
  EXPECT_EQ(PlayerInjuryText(p), "Verkauft");
  p.m_nStatus = kStatusVerstorben;
  EXPECT_EQ(PlayerCellText(p, kPlayerVerletzung), "Verstorben");
  p.m_nStatus = kStatusCotrainer;
  EXPECT_EQ(PlayerInjuryText(p), "Cotrainer");
  p.m_nStatus = kStatusSonstiges;
  p.m_strVerletzung = "Zur Konkurrenz gewechselt";
  EXPECT_EQ(PlayerInjuryText(p), "Zur Konkurrenz gewechselt");
}

// The list tidies the skill texts it shows; other players' texts stay as they are.
TEST(PlayerRows, SkillTextsAreTrimmed) {
  EXPECT_EQ(TrimBlanks("  Blk,Tackle \t"), "Blk,Tackle");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks("Blk, Tackle"), "Blk, Tackle");

  CKRTeam team;
  team.AddSpieler(1, "A", "Linie", 5, 3, 3, 8, 50000, " Blk ", 100, 25);
  team.AddSpieler(2, "B", "Linie", 5, 3, 3, 8, 50000, "Blk", 101, 25);
  team.m_Spieler.push_back(nullptr);  // an empty entry from a file
  EXPECT_TRUE(TrimSkillTexts(team));
  EXPECT_EQ(team.m_Spieler[0]->m_strFertigkeiten, "Blk");
  EXPECT_EQ(team.m_Spieler[1]->m_strFertigkeiten, "Blk");
  EXPECT_FALSE(TrimSkillTexts(team));
}

// "Nach Nr. sortieren": ascending, equal numbers in list order.
TEST(PlayerRows, OrderByNumber) {
  EXPECT_EQ(OrderByNumber({5, 1, 12, 1, 3}), (std::vector<size_t>{1, 3, 4, 0, 2}));
  EXPECT_TRUE(OrderByNumber({}).empty());
}

TEST(PlayerRows, ZombieButtonOnlyForUndead) {
  for (int32_t race = -1; race <= 15; ++race) EXPECT_EQ(ZombieButtonVisible(race), race == 12) << race;
}

TEST(PlayerRows, Columns) {
  EXPECT_STREQ(kPlayerColumns[kPlayerNr].heading, "Nr.");
  EXPECT_EQ(kPlayerColumns[kPlayerNr].width, 40);
  EXPECT_STREQ(kPlayerColumns[kPlayerPaesse].heading, "Pässe");
  EXPECT_STREQ(kPlayerColumns[kPlayerVerletzung].heading, "Verl.");
  EXPECT_TRUE(kPlayerColumns[kPlayerWert].rightAligned);
  EXPECT_EQ(kPlayerColumns[kPlayerWert].width, 80);
  EXPECT_EQ(kPlayerColumns[kPlayerID].width, 0);
  int rightAligned = 0;
  for (const ListColumn& c : kPlayerColumns) rightAligned += c.rightAligned ? 1 : 0;
  EXPECT_EQ(rightAligned, 1);
  EXPECT_STREQ(kPlayerListName, "SpielerListe");
}

}  // namespace
}  // namespace krv
