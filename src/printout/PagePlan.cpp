#include "printout/PagePlan.h"

#include <algorithm>

namespace krv {

PrintModeTexts GetPrintModeTexts(PrintMode mode) {
  switch (mode) {
    case PrintMode::kSheetOnly:
      return {"Nur Seite &1", "Es wird nur der Team-Bogen gedruckt.\nDie Liste der Spiele fällt hier weg."};
    case PrintMode::kEvenPages:
      return {"Seite &2, 4, 6, ...",
              "Es wird die Liste der Spiele gedruckt.\nBeginnend bei Seite 2, darauf folgen alle geraden Seiten."};
    case PrintMode::kOddPages:
      return {"Seite &3, 5 ,7, ...",
              "Es wird die Liste der Spiele gedruckt.\nBeginnend bei Seite 3, darauf folgen alle ungeraden Seiten."};
    case PrintMode::kAllPages: break;
  }
  return {"All&e Seiten", "Es werden alle Seite hintereinander gedruckt."};
}

int PrintedPageCount(PrintMode mode, size_t matches) {
  size_t pages = 1;
  switch (mode) {
    case PrintMode::kSheetOnly: pages = 1; break;
    case PrintMode::kEvenPages: pages = matches > 0 ? (matches + 47) / 48 : 0; break;
    case PrintMode::kOddPages: pages = matches > 24 ? (matches + 23) / 48 : 0; break;
    case PrintMode::kAllPages: pages = matches > 0 ? 1 + (matches + 23) / 24 : 1; break;
  }
  return static_cast<int>(std::clamp<size_t>(pages, 1, 1'000'000'000));
}

PlannedPage PlanPage(PrintMode mode, int page) {
  const size_t p = static_cast<size_t>(std::max(page, 1));
  switch (mode) {
    case PrintMode::kSheetOnly: return {true, 0};
    case PrintMode::kEvenPages: return {false, 48 * (p - 1)};
    case PrintMode::kOddPages: return {false, 48 * p - 24};
    case PrintMode::kAllPages: return p == 1 ? PlannedPage{true, 0} : PlannedPage{false, 24 * (p - 2)};
  }
  return {true, 0};
}

}  // namespace krv
