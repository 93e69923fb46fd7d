#include "printout/MatchList.h"

#include "model/Gold.h"
#include "model/LineEnds.h"
#include "model/Team.h"
#include "printout/PageBuilder.h"

namespace krv {
namespace {

enum MatchColumn { kSpiel, kGegner, kErgebnis, kDatum, kVerl, kZuschauer, kEinnahmen, kBesonderes };

constexpr std::array<const char*, kMatchListColumns> kHeadings{
    "Spiel", "Gegner", "Ergebnis", "Datum", "Verl", "Zuschauer", "Einnahmen", "Besondere Ereignisse"};

struct ColumnBox {
  int32_t left, right;
  TextAlign dataAlign;  // the heading row is always left-aligned
};

constexpr std::array<ColumnBox, kMatchListColumns> kBoxes{{
    {40, 185, TextAlign::kRight},
    {200, 685, TextAlign::kLeft},
    {700, 885, TextAlign::kCenter},
    {900, 1085, TextAlign::kCenter},
    {1100, 1285, TextAlign::kLeft},
    {1300, 1635, TextAlign::kRight},
    {1650, 1985, TextAlign::kRight},
    {2000, 2680, TextAlign::kLeft},
}};

constexpr int32_t kRowHeight = 78;
constexpr int32_t kTop = -55;
constexpr int32_t kBottom = -2000;
constexpr int32_t kLeft = 35;
constexpr int32_t kRight = 2700;

}  // namespace

MatchListContent CollectMatchList(const CKRTeam& team, size_t start) {
  MatchListContent content;
  for (auto& row : content.cells) row.fill(" ");
  for (size_t c = 0; c < kMatchListColumns; ++c) content.cells[0][c] = kHeadings[c];

  size_t index = 0;  // of the matches that are there
  size_t row = 1;
  bool any = false;
  for (const auto& game : team.m_Games) {
    if (!game) continue;
    any = true;
    if (index++ < start) continue;
    if (row >= kMatchListRows) break;
    auto& cells = content.cells[row];
    cells[kSpiel] = std::to_string(start + row);
    cells[kGegner] = game->m_strGegner;
    cells[kErgebnis] = game->m_strErgebnis;
    cells[kDatum] = game->m_strDatum;
    cells[kVerl] = game->m_strVerletzungen;
    cells[kZuschauer] = FormatGoldNumber(game->m_nZuschauer);
    cells[kEinnahmen] = FormatGoldNumber(game->m_nEinnahmen);
    cells[kBesonderes] = game->m_strBesonderheit;
    ++row;
  }
  // A team without matches still gets the headings; a page past the last match stays blank.
  content.printed = !any || row > 1;
  return content;
}

SheetPage LayoutMatchList(const MatchListContent& content) {
  SheetPage page;
  if (!content.printed) return page;
  page.ops.reserve(kMatchListRows * (kMatchListColumns + 1) + 20);
  AddFill(page, {kLeft, kTop, kRight, -133}, Rgb{180, 180, 180});
  // The frame is drawn twice: the left and bottom edges outward, the right and top inward.
  AddFrame(page, {kLeft, kTop, kRight, kBottom}, {35, 34, 2700, 2699}, {-55, -56, -2000, -2001});
  for (int32_t x : {195, 695, 895, 1095, 1295, 1645, 1995}) AddLine(page, x, kTop, x, kBottom);
  for (int r = 0; r < kMatchListRows; ++r) {
    const int32_t top = kTop - kRowHeight * r;
    if (r >= 1) AddLine(page, kLeft, top + 1, kRight, top + 1);
    for (int c = 0; c < kMatchListColumns; ++c) {
      const ColumnBox& box = kBoxes[static_cast<size_t>(c)];
      std::string text = content.cells[static_cast<size_t>(r)][static_cast<size_t>(c)];
      SheetFont font = r == 0 ? SheetFont::kListHeading : SheetFont::kListBody;
      if (r > 0 && c == kBesonderes) {
        font = SheetFont::kListSmall;
        text = ReplaceAll(WithWindowsLineEnds(text), "\r\n", " ");  // also a remark of an older file
      }
      AddText(page, {box.left, top, box.right, top - kRowHeight}, std::move(text), font,
              r == 0 ? TextAlign::kLeft : box.dataAlign);
    }
  }
  return page;
}

}  // namespace krv
