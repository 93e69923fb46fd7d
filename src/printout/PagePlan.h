#pragma once
// Which pages a printout has: the team sheet and the match pages of 24 matches each. For
// printing on both sides of the paper a coach can print the even or the odd match pages
// alone.

#include <cstddef>
#include <cstdint>

namespace krv {

enum class PrintMode : int32_t {
  kSheetOnly = 0,  // "Nur Seite &1"
  kEvenPages = 1,  // "Seite &2, 4, 6, ...": match pages that are pages 2, 4, 6 of the full printout
  kOddPages = 2,   // "Seite &3, 5 ,7, ...": match pages that are pages 3, 5, 7
  kAllPages = 3,   // "All&e Seiten"
};

// The radio button text and the quick help of a mode in the page-choice dialog "Drucken".
struct PrintModeTexts {
  const char* label;
  const char* quickHelp;
};
PrintModeTexts GetPrintModeTexts(PrintMode mode);
constexpr int kPrintModeCount = 4;

// Pages of a printout of `matches` matches; at least 1 (a job without pages prints one
// blank page, as a printer expects at least one).
int PrintedPageCount(PrintMode mode, size_t matches);

struct PlannedPage {
  bool teamSheet = false;
  size_t firstMatch = 0;  // for a match page; beyond the last match the page stays blank
};

// Page `page` (counted from 1) of a printout in `mode`.
PlannedPage PlanPage(PrintMode mode, int page);

}  // namespace krv
