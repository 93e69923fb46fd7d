#include "printout/TeamSheet.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "settings/KrvDat.h"
#include "model/Dib.h"
#include "model/Gold.h"
#include "model/Team.h"
#include "roster/TeamHeader.h"
#include "printout/BitmapPixels.h"
#include "printout/PageBuilder.h"

namespace krv {

const char* const kLogoPlaceholderText = "Hier kann Ihr Team-Logo stehen!";

namespace {

enum RosterColumn {
  kNr,
  kName,
  kPosition,
  kBW,
  kST,
  kGE,
  kRW,
  kSkills,
  kVerl,
  kPass,
  kTD,
  kABG,
  kVSA,
  kSDT,
  kSSP,
  kWert
};

constexpr std::array<const char*, kRosterColumns> kRosterHeadings{
    "Nr.",   "Name",    "Position", "BW",     "ST",     "GE",     "RW",  "Fertigkeiten",
    "Verl.", "Pass\n1", "TD\n3",    "ABG\n2", "VSA\n2", "SDT\n5", "SSP", "Wert"};

struct ColumnBox {
  int32_t left, right;
  TextAlign align;
};

constexpr std::array<ColumnBox, kRosterColumns> kRosterBoxes{{
    {40, 130, TextAlign::kCenter},
    {140, 490, TextAlign::kLeft},
    {500, 690, TextAlign::kLeft},
    {700, 780, TextAlign::kCenter},
    {790, 870, TextAlign::kCenter},
    {880, 960, TextAlign::kCenter},
    {970, 1050, TextAlign::kCenter},
    {1060, 1770, TextAlign::kLeft},
    {1780, 1930, TextAlign::kLeft},
    {1940, 2030, TextAlign::kCenter},
    {2040, 2130, TextAlign::kCenter},
    {2140, 2230, TextAlign::kCenter},
    {2240, 2330, TextAlign::kCenter},
    {2340, 2430, TextAlign::kCenter},
    {2440, 2530, TextAlign::kCenter},
    {2540, 2680, TextAlign::kRight},
}};

// Column lines from the heading down to the end of the roster unless they go further.
struct ColumnLine {
  int32_t x, bottom;
};
constexpr std::array<ColumnLine, 15> kRosterColumnLines{{
    {135, -1380},
    {495, -1380},
    {695, -2000},
    {785, -1380},
    {875, -1380},
    {965, -1380},
    {1055, -2000},
    {1775, -2000},
    {1935, -1380},
    {2035, -1380},
    {2135, -1380},
    {2235, -1920},
    {2335, -1920},
    {2435, -1380},
    {2535, -1920},
}};

constexpr int32_t kRowHeight = 78;
constexpr int32_t kRosterTop = -55;
constexpr int32_t kLowerTop = -1380;
constexpr int32_t kTableLeft = 35;
constexpr int32_t kTableRight = 2700;
constexpr Rgb kGrey{180, 180, 180};
constexpr PageRect kLogoRect{50, -1385, 685, -1984};
constexpr PageRect kLogoTextBox{40, -1614, 690, -1926};

std::string Number(int64_t value) { return std::to_string(value); }

// Active players in number order, equal numbers in list order; negative numbers are never
// printed. At most 16 of them.
std::vector<const CKRSpieler*> PrintedPlayers(const CKRTeam& team) {
  std::vector<const CKRSpieler*> players;
  for (const auto& s : team.m_Spieler)
    if (s && s->IsActive() && s->m_nNummer >= 0) players.push_back(s.get());
  std::stable_sort(players.begin(), players.end(),
                   [](const CKRSpieler* a, const CKRSpieler* b) { return a->m_nNummer < b->m_nNummer; });
  if (players.size() > kRosterRows - 1) players.resize(kRosterRows - 1);
  return players;
}

// A statistics cell under the two print settings.
std::string StatisticsCell(int32_t value, const SheetPrintSettings& settings) {
  if (settings.skipValues) return {};
  if (settings.skipZeroValues && value == 0) return {};
  return Number(value);
}

void FillRosterRow(std::array<std::string, kRosterColumns>& row, const CKRSpieler& s,
                   const SheetPrintSettings& settings) {
  row[kNr] = Number(s.m_nNummer);
  row[kName] = s.m_strName;
  row[kPosition] = s.m_strPosition;
  row[kBW] = Number(s.m_nBW);
  row[kST] = Number(s.m_nST);
  row[kGE] = Number(s.m_nGE);
  row[kRW] = Number(s.m_nRW);
  row[kSkills] = s.m_strFertigkeiten;
  row[kVerl] = s.m_strVerletzung;
  const int32_t statistics[] = {s.m_nPass, s.m_nTD, s.m_nABG, s.m_nVSA, s.m_nSDT, s.m_nSSP};
  for (int i = 0; i < 6; ++i) row[kPass + i] = StatisticsCell(statistics[i], settings);
  row[kWert] = Number(s.m_nWert);
}

size_t CountRecords(const auto& list) {
  return static_cast<size_t>(
      std::count_if(list.begin(), list.end(), [](const auto& entry) { return entry != nullptr; }));
}

// One row of the staff and cost columns: label, count, unit price, total.
void FillCostRow(std::array<std::string, kLowerColumns>& row, const char* label, int64_t count, int64_t unitPrice) {
  row[2] = label;
  row[3] = Number(count);
  row[4] = FormatGoldNumber(unitPrice);
  row[5] = FormatGoldNumber(count * unitPrice);
}

SheetFont RosterFont(int row, int column) {
  if (row == 0) {
    if (column <= kSkills) return SheetFont::kSheetHeading;
    return column == kVerl ? SheetFont::kSheetBody : SheetFont::kSheetSmallBold;
  }
  if (column == kNr) return SheetFont::kSheetLargeBold;
  return column == kSkills ? SheetFont::kSheetSmall : SheetFont::kSheetBody;
}

void AddRoster(SheetPage& page, const TeamSheetContent& content) {
  for (int r = 0; r < kRosterRows; ++r) {
    const int32_t top = kRosterTop - kRowHeight * r;
    const int32_t bottom = top - kRowHeight;
    if (r >= 1) AddLine(page, kTableLeft, top + 1, kTableRight, top + 1);
    for (int c = 0; c < kRosterColumns; ++c) {
      const ColumnBox& box = kRosterBoxes[static_cast<size_t>(c)];
      std::string text = content.roster[static_cast<size_t>(r)][static_cast<size_t>(c)];
      int32_t boxBottom = bottom;
      if (c == kSkills) {
        text = ReplaceAll(text, ",", ", ");
        boxBottom = top - 71;
      }
      AddText(page, {box.left, top, box.right, boxBottom}, std::move(text), RosterFont(r, c), box.align);
    }
  }
  AddLine(page, kTableLeft, kLowerTop, kTableRight, kLowerTop);
  AddLine(page, kTableLeft, kLowerTop + 1, kTableRight, kLowerTop + 1);
}

void AddLogo(SheetPage& page, const std::string& path) {
  if (!path.empty()) {
    try {
      CDib dib;
      dib.Read(path);
      if (std::optional<PixelImage> pixels = DecodeDib(dib)) {
        AddBitmap(page, kLogoRect, std::make_shared<const PixelImage>(std::move(*pixels)));
        return;
      }
    } catch (const DibError&) {
      // Missing, unreadable or not a bitmap: the invitation instead, without a message.
    }
  }
  AddText(page, kLogoTextBox, kLogoPlaceholderText, SheetFont::kSheetLargeBold, TextAlign::kCenter);
}

void AddLowerBlock(SheetPage& page, const TeamSheetContent& content) {
  for (int r = 0; r < kLowerRows; ++r) {
    const auto& row = content.lower[static_cast<size_t>(r)];
    const int32_t top = kLowerTop - kRowHeight * r;
    const int32_t bottom = top - kRowHeight;
    if (r >= 2) AddLine(page, 695, top + 5, kTableRight, top + 5);
    if (r == 1) AddLine(page, 1775, top + 5, kTableRight, top + 5);
    // The team name label and the first four values stand two rows high.
    AddText(page, {700, top, 1050, r == 0 ? bottom - kRowHeight : bottom}, row[0], SheetFont::kSheetLargeBold,
            TextAlign::kLeft);
    AddText(page, {1060, top, 1770, r <= 3 ? top - 2 * kRowHeight : bottom}, row[1], SheetFont::kSheetBody,
            TextAlign::kLeft);
    if (r < kLowerRows - 1) {
      AddText(page, {1780, top, 2230, bottom}, row[2], SheetFont::kSheetBody, TextAlign::kLeft);
      AddText(page, {2240, top, 2330, bottom}, row[3], SheetFont::kSheetBody, TextAlign::kCenter);
      AddText(page, {2340, top, 2530, bottom}, row[4], SheetFont::kSheetBody, TextAlign::kRight);
      AddText(page, {2540, top, 2680, bottom}, row[5], SheetFont::kSheetBody, TextAlign::kRight);
    } else {
      AddText(page, {2460, -1926, 2680, -2004}, row[5], SheetFont::kSheetBody, TextAlign::kRight);
      AddText(page, {1780, -1926, 2680, -2004}, row[2], SheetFont::kSheetBody, TextAlign::kLeft);
    }
  }
}

}  // namespace

SheetPrintSettings SheetPrintSettingsFrom(const ProgramSettings& settings) {
  return {settings.m_bSkipZeroValues != 0, settings.m_bSkipValues != 0};
}

RemainingRerolls ComputeRemainingRerolls(const CKRTeam& team) {
  const int64_t lost = std::max<int64_t>(team.m_nMarkenAbzug, 0);
  RemainingRerolls left{team.m_nMarken, team.m_nMarken2};
  if (lost <= left.doublePrice) {
    left.doublePrice -= lost;
  } else {
    left.normal -= lost - left.doublePrice;
    left.doublePrice = 0;
  }
  return left;
}

TeamSheetContent CollectTeamSheet(CKRTeam& team, const SheetPrintSettings& settings) {
  team.Recalculate();
  TeamSheetContent content;
  for (auto& row : content.roster) row.fill(" ");
  for (size_t c = 0; c < kRosterColumns; ++c) content.roster[0][c] = kRosterHeadings[c];
  const std::vector<const CKRSpieler*> players = PrintedPlayers(team);
  for (size_t i = 0; i < players.size(); ++i) FillRosterRow(content.roster[i + 1], *players[i], settings);

  const TeamHeaderTexts header = MakeTeamHeader(team);
  const RemainingRerolls rerolls = ComputeRemainingRerolls(team);
  auto& lower = content.lower;
  lower[0][0] = "TEAM";
  lower[0][1] = team.m_strName;
  FillCostRow(lower[0], "Trainingsmarken (x1)", rerolls.normal, team.m_nMarkenPreis);
  FillCostRow(lower[1], "Trainingsmarken (x2)", rerolls.doublePrice, team.m_nMarkenPreis2);
  lower[2][0] = "VOLK";
  lower[2][1] = header.race;
  FillCostRow(lower[2], "Fan-Faktor", team.FanFactorInForce(), 10000);
  lower[3][0] = "TEAMWERT";
  lower[3][1] = header.teamValue;
  FillCostRow(lower[3], "Cotrainer", static_cast<int64_t>(CountRecords(team.m_CoTrainer)), 10000);
  lower[4][0] = "Goldstücke";
  lower[4][1] = header.gold;
  FillCostRow(lower[4], "Cheerleader", static_cast<int64_t>(CountRecords(team.m_Cheerleader)), 10000);
  lower[5][0] = "Cheftrainer";
  lower[5][1] = team.m_strTrainer;
  FillCostRow(lower[5], "Sanitäter", team.m_bSani ? 1 : 0, 50000);
  if (team.m_bSani) {
    lower[6][0] = "Sanitäter";
    lower[6][1] = team.m_strSani;
  }
  FillCostRow(lower[6], "Zauberer", team.m_bZauberer ? 1 : 0, 150000);
  if (team.m_bZauberer) {
    lower[7][0] = "Zauberer";
    lower[7][1] = team.m_strZauberer;
  }
  lower[7][2] = "GESAMTWERT DES TEAMS";
  lower[7][5] = FormatGoldNumber(team.m_nGesamtwert);
  content.logoPath = team.m_strLogo;
  return content;
}

SheetPage LayoutTeamSheet(const TeamSheetContent& content) {
  SheetPage page;
  page.ops.reserve(400);
  AddFill(page, {kTableLeft, kRosterTop, kTableRight, -133}, kGrey);
  AddFill(page, {kTableLeft, kRosterTop, 135, kLowerTop}, kGrey);
  // The frame is drawn twice, one unit apart, outward on every side.
  AddFrame(page, {kTableLeft, kRosterTop, kTableRight, -2000}, {35, 34, 2700, 2701}, {-55, -54, -2000, -2001});
  for (const ColumnLine& line : kRosterColumnLines) AddLine(page, line.x, kRosterTop, line.x, line.bottom);
  AddRoster(page, content);
  AddLogo(page, content.logoPath);
  AddLowerBlock(page, content);
  return page;
}

}  // namespace krv
