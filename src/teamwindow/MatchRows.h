#pragma once
// The matches list: running number with "L" for league games, opponent, score,
// spectators and income with "." grouping, date, injuries, remark and the fan-factor word.

#include <array>
#include <cstdint>
#include <string>

#include "model/Records.h"
#include "model/Team.h"
#include "teamwindow/ListColumn.h"

namespace krv {

enum MatchColumn : int {
  kMatchNr,
  kMatchGegner,
  kMatchStand,
  kMatchZuschauer,
  kMatchEinnahmen,
  kMatchDatum,
  kMatchVerletzungen,
  kMatchBesonderheiten,
  kMatchGestiegen,
  kMatchColumnCount
};

extern const std::array<ListColumn, kMatchColumnCount> kMatchColumns;

inline constexpr const char* kMatchListName = "SpieleListe";

// "4" or, for a league game, "4L".
std::string MatchNumberText(int32_t number, int32_t liga);

// The fan-factor change as the "Gestiegen" column says it: "Nein", "Ja" or "Sinkt".
// A value a damaged file may hold counts as no change, as it does in the fan factor.
std::string FanChangeWord(int32_t change);

// The running numbers 1 to n, in list order, that the matches page gives when it is filled: when
// a team window takes its team (new, opened or read again). A deleted match leaves a gap until
// then; a new one is numbered after the rows there are (RecordMatch).
void NumberMatches(CKRTeam& team);

// The text of one cell.
std::string MatchCellText(const CKRGames& game, int column);

}  // namespace krv
