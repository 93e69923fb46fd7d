#include "printout/TeamSheet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "model/Team.h"
#include "printout/BitmapPixels.h"
#include "printout/PageQuery.h"
#include "support/BitmapFiles.h"
#include "support/PlayerLine.h"
#include "support/TempFolder.h"

namespace krv {
namespace {

using test::OpsOfKind;
using test::TextAt;
using test::TextIn;
using test::TextsIn;
using V = std::vector<std::string>;

// Left edges of the roster columns and the lower block's columns, as the paper has them.
enum Roster { kNr = 40, kName = 140, kBW = 700, kSkills = 1060, kPass = 1940, kTD = 2040, kSSP = 2440, kWert = 2540 };
enum Lower { kA = 700, kB = 1060, kC = 1780, kD = 2240, kE = 2340, kF = 2540 };
int32_t RosterTop(int row) { return -55 - 78 * row; }
int32_t LowerTop(int row) { return -1380 - 78 * row; }

CKRSpieler& AddPlayer(CKRTeam& team, int32_t number, const std::string& name, int32_t status = kStatusAktiv) {
  test::AddPlayer(team, number, name, "Linienork", 5, 3, 3, 9, 50000, "", team.m_nNaechsteID++, 25);
  team.m_Spieler.back()->m_nStatus = status;
  return *team.m_Spieler.back();
}

SheetPage Sheet(CKRTeam& team, SheetPrintSettings settings = {}) {
  return LayoutTeamSheet(CollectTeamSheet(team, settings));
}

// Players print in number order whatever their list order; gone players never print, and
// no more than 16 rows are filled. Catches a list-order roster, a status filter that lets
// sold, dead or retired players through, and a 17th player written over the lower block.
TEST(TeamSheet, RosterRowsInNumberOrderActiveOnlyAtMostSixteen) {
  CKRTeam team;
  const std::tuple<int32_t, const char*, int32_t> players[] = {
      {3, "Drei", kStatusAktiv},     {2, "Verkauft", kStatusVerkauft},   {1, "Eins", kStatusAktiv},
      {4, "Tot", kStatusVerstorben}, {5, "Cotrainer", kStatusCotrainer}, {6, "Gegangen", kStatusSonstiges},
      {12, "Zwölf", kStatusAktiv},   {12, "Zwölf II", kStatusAktiv}};
  for (const auto& [number, name, status] : players) AddPlayer(team, number, name, status);
  SheetPage page = Sheet(team);
  EXPECT_EQ(TextIn(page, kNr, RosterTop(0)), "Nr.");
  EXPECT_EQ(TextsIn(page, RosterTop(1), {kNr, kName}), (V{"1", "Eins"}));
  EXPECT_EQ(TextIn(page, kNr, RosterTop(2)), "3");
  // Equal numbers keep their list order.
  EXPECT_EQ(TextsIn(page, RosterTop(3), {kNr, kName}), (V{"12", "Zwölf"}));
  EXPECT_EQ(TextsIn(page, RosterTop(4), {kNr, kName}), (V{"12", "Zwölf II"}));
  for (int row = 5; row <= 16; ++row) EXPECT_EQ(TextIn(page, kName, RosterTop(row)), " ") << row;
  EXPECT_EQ(TextAt(page, kNr, RosterTop(17)), nullptr);

  // 17 active players, the highest number first in the list: 1 to 16 print, 17 does not.
  CKRTeam full;
  for (int32_t n = 17; n >= 1; --n) AddPlayer(full, n, "Spieler" + std::to_string(n));
  page = Sheet(full);
  EXPECT_EQ(TextIn(page, kNr, RosterTop(16)), "16");
  for (const DrawOp* op : OpsOfKind(page, DrawKind::kText)) EXPECT_NE(op->text, "Spieler17");
}

// The two print settings govern the six statistics cells only; "Wert" always prints.
// Catches the settings swapped, zero values printed or hidden under the wrong setting, and
// the player value hidden with the statistics.
TEST(TeamSheet, PrintSettingsHideStatisticsButNeverTheValue) {
  CKRTeam team;
  CKRSpieler& p = AddPlayer(team, 1, "Werfer");
  p.m_nPass = 2;
  p.m_nSSP = 7;
  SheetPage page = Sheet(team, {.skipZeroValues = true, .skipValues = false});
  EXPECT_EQ(TextsIn(page, RosterTop(1), {kPass, kTD, kSSP, kWert}), (V{"2", "", "7", "50000"}));
  page = Sheet(team, {.skipZeroValues = false, .skipValues = false});
  EXPECT_EQ(TextIn(page, kTD, RosterTop(1)), "0");
  for (bool skipZero : {false, true}) {
    page = Sheet(team, {.skipZeroValues = skipZero, .skipValues = true});
    EXPECT_EQ(TextsIn(page, RosterTop(1), {kPass, kTD, kSSP, kWert}), (V{"", "", "", "50000"}));
  }
  // The headings stay whatever the settings.
  EXPECT_EQ(TextIn(page, kPass, RosterTop(0)), "Pass\n1");
}

// A skill text joined by bare commas prints with a blank after each; the characteristics
// print as numbers. Catches skills running together into one unbreakable word.
TEST(TeamSheet, SkillsGetABlankAfterEveryComma) {
  CKRTeam team;
  AddPlayer(team, 1, "Blitzer").m_strFertigkeiten = "Blk,Ausw.,Tackle";
  const SheetPage page = Sheet(team);
  const DrawOp* skills = TextAt(page, kSkills, RosterTop(1));
  ASSERT_NE(skills, nullptr);
  EXPECT_EQ(skills->text, "Blk, Ausw., Tackle");
  EXPECT_EQ(skills->rect.bottom, RosterTop(1) - 71);
  EXPECT_EQ(skills->font, SheetFont::kSheetSmall);
  EXPECT_EQ(TextIn(page, kBW, RosterTop(1)), "5");
}

// Lost re-rolls come off the double-price ones first, then off the normal ones; each count
// is printed with its price and product. Catches lost re-rolls taken from the wrong kind.
TEST(TeamSheet, RemainingRerollsDoublePriceFirst) {
  CKRTeam team;
  team.m_nMarken = 3;
  team.m_nMarken2 = 2;
  team.m_nMarkenPreis = 60000;
  team.m_nMarkenPreis2 = 120000;
  // Re-rolls lost; count and product of the normal row, then of the double-price row.
  const std::pair<int32_t, V> cases[] = {
      {3, {"2", "120.000", "0", "0"}}, {1, {"3", "180.000", "1", "120.000"}}, {0, {"3", "180.000", "2", "240.000"}}};
  for (const auto& [lost, counts] : cases) {
    team.m_nMarkenAbzug = lost;
    const SheetPage page = Sheet(team);
    V texts = TextsIn(page, LowerTop(0), {kD, kF});
    for (const std::string& text : TextsIn(page, LowerTop(1), {kD, kF})) texts.push_back(text);
    EXPECT_EQ(texts, counts) << lost;
  }
  EXPECT_EQ(TextsIn(Sheet(team), LowerTop(0), {kC, kE}), (V{"Trainingsmarken (x1)", "60.000"}));
}

// The figures are recalculated before they are read, staff print with counts and costs, and
// a team without medic or wizard prints empty labels and "0". Catches stale team values
// from the file, a medic label printed for a team without one, and missing thousands points.
TEST(TeamSheet, LowerBlockFiguresAndStaff) {
  CKRTeam team;
  team.m_nRasse = 10;
  team.m_strName = "Grünhaut Gröhler";
  team.m_strTrainer = "Ugluk";
  team.m_nFanFaktor = 3;
  team.m_strTeamwert = "999";  // stale figures as a file may hold them
  team.m_nGesamtwert = 1;
  team.AddCoTrainer({"Gorbag"});
  team.AddCheerleader({"Lugdusch"});
  team.AddCheerleader({"Mauhúr"});
  team.AddEinnahme({"Startkapital", 1234567});
  team.AddGame({.m_strGegner = "Zwerge", .m_strErgebnis = "2:1", .m_bGewonnen = 1, .m_nFanFaktor = kFanRises});
  AddPlayer(team, 1, "Eins").m_nWert = 1000000;
  SheetPage page = Sheet(team);
  EXPECT_EQ(TextsIn(page, LowerTop(0), {kA, kB}), (V{"TEAM", "Grünhaut Gröhler"}));
  EXPECT_EQ(TextsIn(page, LowerTop(2), {kB, kD, kF}), (V{"ORKS", "4", "40.000"}));  // fan factor 3 and one rise
  EXPECT_EQ(TextsIn(page, LowerTop(4), {kB, kD, kF}), (V{"1.234.000", "2", "20.000"}));
  // 1000000 + 10000 + 20000 + 40000 = 1070000: current, not the stale file figures.
  EXPECT_EQ(TextsIn(page, LowerTop(3), {kB, kD, kE}), (V{"107", "1", "10.000"}));
  EXPECT_EQ(TextsIn(page, -1926, {kC, 2460}), (V{"GESAMTWERT DES TEAMS", "1.070.000"}));
  // No medic, no wizard.
  EXPECT_EQ(TextsIn(page, LowerTop(5), {kB, kC, kD, kE, kF}), (V{"Ugluk", "Sanitäter", "0", "50.000", "0"}));
  EXPECT_EQ(TextsIn(page, LowerTop(6), {kA, kB, kF}), (V{"", "", "0"}));
  EXPECT_EQ(TextIn(page, kA, LowerTop(7)), "");

  team.m_bSani = 1;
  team.m_strSani = "Doc";
  team.m_bZauberer = 1;
  team.m_strZauberer = "Grimbart";
  team.m_nRasse = kEigeneRasse;
  team.m_strRassenName = "Sumpfgnome";
  page = Sheet(team);
  EXPECT_EQ(TextsIn(page, LowerTop(5), {kD, kF}), (V{"1", "50.000"}));
  EXPECT_EQ(TextsIn(page, LowerTop(6), {kA, kB, kF}), (V{"Sanitäter", "Doc", "150.000"}));
  EXPECT_EQ(TextsIn(page, LowerTop(7), {kA, kB}), (V{"Zauberer", "Grimbart"}));
  EXPECT_EQ(TextIn(page, kB, LowerTop(2)), "Sumpfgnome");  // the own race as the coach wrote it
  EXPECT_EQ(TextIn(page, 2460, -1926), "1.270.000");
}

// The logo: a readable bitmap is stretched into its fixed rectangle; no logo, a missing file
// or a file that is no bitmap gives the invitation text instead, with no failure. Catches a
// crash or an empty corner for a logo that went missing.
class TeamSheetLogo : public test::TempFolderTest {};

TEST_F(TeamSheetLogo, BitmapOrInvitation) {
  CKRTeam team;
  auto invitation = [](const SheetPage& page) {
    const DrawOp* text = TextAt(page, 40, -1614);
    return text && text->text == kLogoPlaceholderText && text->rect == PageRect{40, -1614, 690, -1926} &&
           OpsOfKind(page, DrawKind::kBitmap).empty();
  };
  EXPECT_TRUE(invitation(Sheet(team)));
  team.m_strLogo = Path("fehlt.bmp");
  EXPECT_TRUE(invitation(Sheet(team)));
  std::ofstream(Path("text.bmp")) << "kein Bild";
  team.m_strLogo = Path("text.bmp");
  EXPECT_TRUE(invitation(Sheet(team)));

  // A 2 x 1 24-bit bitmap: blue, then red.
  const std::string pixels("\xFF\0\0\0\0\xFF\0\0", 8);
  std::ofstream(Path("logo.bmp"), std::ios::binary) << test::BitmapBytes({40, 2, 1, 24, 0, {}, "", pixels});
  team.m_strLogo = Path("logo.bmp");
  const SheetPage page = Sheet(team);
  const auto bitmaps = OpsOfKind(page, DrawKind::kBitmap);
  ASSERT_EQ(bitmaps.size(), 1u);
  EXPECT_EQ(bitmaps[0]->rect, (PageRect{50, -1385, 685, -1984}));
  EXPECT_EQ(page.images.at(bitmaps[0]->image)->pixels, (std::vector<uint32_t>{0xFF0000FF, 0xFFFF0000}));
  EXPECT_EQ(TextAt(page, 40, -1614), nullptr);
}

// The fixed parts of the page: the grey heading row and number column first, the frame, and
// the fonts of the heading row. Catches fills drawn over the text and lost frame lines.
TEST(TeamSheet, FixedPartsOfThePage) {
  CKRTeam team;
  const SheetPage page = Sheet(team);
  ASSERT_GE(page.ops.size(), 2u);
  EXPECT_EQ(page.ops[0].kind, DrawKind::kFill);
  EXPECT_EQ(page.ops[0].rect, (PageRect{35, -55, 2700, -133}));
  EXPECT_EQ(page.ops[1].rect, (PageRect{35, -55, 135, -1380}));
  EXPECT_EQ(page.ops[1].color.red, 180);
  int outerFrame = 0;
  for (const DrawOp* line : OpsOfKind(page, DrawKind::kLine)) {
    const PageRect& r = line->rect;
    if ((r.left == 34 || r.left == 2701) && r.left == r.right && r.top == -55 && r.bottom == -2000) ++outerFrame;
    if ((r.top == -54 || r.top == -2001) && r.top == r.bottom && r.left == 35 && r.right == 2700) ++outerFrame;
  }
  EXPECT_EQ(outerFrame, 4);
  EXPECT_EQ(TextAt(page, kName, RosterTop(0))->font, SheetFont::kSheetHeading);
  EXPECT_EQ(TextAt(page, 1780, RosterTop(0))->font, SheetFont::kSheetBody);  // "Verl."
  EXPECT_EQ(TextAt(page, kWert, RosterTop(0))->font, SheetFont::kSheetSmallBold);
  EXPECT_EQ(TextAt(page, kNr, RosterTop(1))->font, SheetFont::kSheetLargeBold);
  EXPECT_EQ(TextAt(page, kA, LowerTop(0))->rect.bottom, -1536);  // "TEAM" two rows high
  // Every drawing stays inside the area the painter fits onto the paper.
  for (const DrawOp& op : page.ops) {
    EXPECT_GE(std::min(op.rect.left, op.rect.right), kLayoutBounds.left);
    EXPECT_LE(std::max(op.rect.left, op.rect.right), kLayoutBounds.right);
    EXPECT_LE(std::max(op.rect.top, op.rect.bottom), kLayoutBounds.top);
    EXPECT_GE(std::min(op.rect.top, op.rect.bottom), kLayoutBounds.bottom);
  }
}

}  // namespace
}  // namespace krv
