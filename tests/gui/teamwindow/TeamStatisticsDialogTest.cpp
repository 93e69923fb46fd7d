// The team statistics dialog ("Eigenschaften").

#include <gtest/gtest.h>

#include "gui/roster/RosterTestSupport.h"
#include "teamwindow/qt/TeamStatisticsDialog.h"
#include "support/SampleTeams.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

class TeamStatisticsDialogTest : public test::ProgramTest {};

// Catches: a draw counted by the record's won flag, sold or dead players counted as players,
// the dead not counted, big guys counted as star players, missing stamps left empty.
TEST_F(TeamStatisticsDialogTest, DrawWinLossAndADeadPlayer) {
  auto team = test::MakeSampleTeam();  // one match won 2:1
  team->AddGame({.m_strGegner = "Elfenpracht",
                 .m_strErgebnis = "1:1",
                 .m_strDatum = "12.03.07",
                 .m_nZuschauer = 1000,
                 .m_bLiga = 1,
                 .m_bGewonnen = 1});  // drawn though flagged won
  team->AddGame({.m_strGegner = "Nurgles Faule",
                 .m_strErgebnis = "0:2",
                 .m_strDatum = "19.03.07",
                 .m_nZuschauer = 1000,
                 .m_bLiga = 1});
  test::AddPlayer(*team, 3, "Morg", "Star", 5, 4, 3, 9, 150000, "", team->m_nNaechsteID++, 207);
  test::AddPlayer(*team, 4, "Troll", "Troll", 4, 5, 1, 9, 110000, "", team->m_nNaechsteID++, 301);
  test::AddPlayer(*team, 5, "Gorbag", "Linienork", 5, 3, 3, 9, 50000, "", team->m_nNaechsteID++, 25);
  team->m_Spieler.back()->m_nStatus = kStatusVerstorben;
  test::AddPlayer(*team, 6, "Snaga", "Linienork", 5, 3, 3, 9, 50000, "", team->m_nNaechsteID++, 25);
  team->m_Spieler.back()->m_nStatus = kStatusVerkauft;

  TeamStatisticsDialog dialog(*team);
  EXPECT_EQ(dialog.Value("erstellt"), "(01.02.07) 10:11:12");
  EXPECT_EQ(dialog.Value("geaendert"), "(03.04.07) 13:14:15");
  EXPECT_EQ(dialog.Value("spiele"), "3");
  EXPECT_EQ(dialog.Value("gewonnen"), "1");
  EXPECT_EQ(dialog.Value("verloren"), "1");
  EXPECT_EQ(dialog.Value("unentschieden"), "1");
  EXPECT_EQ(dialog.Value("spieler"), "4");
  EXPECT_EQ(dialog.Value("stars"), "1");
  EXPECT_EQ(dialog.Value("tote"), "1");

  CKRTeam fresh;
  TeamStatisticsDialog unknown(fresh);
  EXPECT_EQ(unknown.Value("erstellt"), "(xx.xx.xx) xx:xx:xx");
  EXPECT_EQ(unknown.Value("geaendert").size(), 19);
  EXPECT_EQ(fresh.m_strGeaendert, unknown.Value("geaendert").toStdString());
  EXPECT_EQ(unknown.Value("spiele"), "0");
}

}  // namespace
}  // namespace krv
