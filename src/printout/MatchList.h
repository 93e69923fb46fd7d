#pragma once
// One page of the match list: 24 matches with opponent, score, date, injuries, spectators,
// winnings and special events.

#include <array>
#include <cstddef>
#include <string>

#include "printout/PageOps.h"

namespace krv {

class CKRTeam;

constexpr int kMatchListRows = 25;  // the heading row and 24 matches
constexpr int kMatchListColumns = 8;
constexpr size_t kMatchesPerPage = kMatchListRows - 1;

struct MatchListContent {
  bool printed = true;  // false: the page starts beyond the last match and stays blank
  std::array<std::array<std::string, kMatchListColumns>, kMatchListRows> cells;
};

// The page that starts at match index `start` (0 is the team's first match).
MatchListContent CollectMatchList(const CKRTeam& team, size_t start);

SheetPage LayoutMatchList(const MatchListContent& content);

}  // namespace krv
