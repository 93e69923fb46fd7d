#include "printout/TeamPrintout.h"

#include <algorithm>

#include "model/Team.h"
#include "printout/MatchList.h"

namespace krv {

size_t CountMatches(const CKRTeam& team) {
  return static_cast<size_t>(
      std::count_if(team.m_Games.begin(), team.m_Games.end(), [](const auto& game) { return game != nullptr; }));
}

TeamPrintout::TeamPrintout(CKRTeam& team, PrintMode mode, const SheetPrintSettings& settings)
    : m_team(team),
      m_mode(mode),
      m_pageCount(PrintedPageCount(mode, CountMatches(team))),
      m_sheet(CollectTeamSheet(team, settings)) {}

SheetPage TeamPrintout::Page(int page) const {
  const PlannedPage planned = PlanPage(m_mode, page);
  if (planned.teamSheet) return LayoutTeamSheet(m_sheet);
  return LayoutMatchList(CollectMatchList(m_team, planned.firstMatch));
}

}  // namespace krv
