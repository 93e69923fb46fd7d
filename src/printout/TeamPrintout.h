#pragma once
// A whole printout of a team in one page mode: its page count and each page's drawing list.
// The team sheet's texts are collected once at the start (after recalculating the team); the
// match pages are built one at a time, so a long career needs no more memory than one page.

#include "printout/PagePlan.h"
#include "printout/TeamSheet.h"

namespace krv {

class TeamPrintout {
 public:
  // The team must outlive the printout and must not change while it is printed.
  TeamPrintout(CKRTeam& team, PrintMode mode, const SheetPrintSettings& settings);

  PrintMode Mode() const { return m_mode; }
  int PageCount() const { return m_pageCount; }
  // Page `page`, counted from 1.
  SheetPage Page(int page) const;

 private:
  const CKRTeam& m_team;
  PrintMode m_mode;
  int m_pageCount;
  TeamSheetContent m_sheet;
};

// The number of matches a printout counts.
size_t CountMatches(const CKRTeam& team);

}  // namespace krv
