#include "teamwindow/MatchRows.h"

#include "model/Format.h"
#include "model/Gold.h"

namespace krv {

const std::array<ListColumn, kMatchColumnCount> kMatchColumns = {{
    {"Nr", 40, true},
    {"Gegner", 200, false},
    {"Stand", 60, false},
    {"Zuschauer", 60, true},
    {"Einnahmen", 60, true},
    {"Datum", 60, false},
    {"Verletzungen", 150, false},
    {"Besonderheiten", 200, false},
    {"Gestiegen", 80, false},
}};

std::string MatchNumberText(int32_t number, int32_t liga) {
  std::string text = Format("%ld", static_cast<long>(number));
  if (liga != 0) text += "L";
  return text;
}

std::string FanChangeWord(int32_t change) {
  switch (change) {
    case kFanRises: return "Ja";
    case kFanFalls: return "Sinkt";
    default: return "Nein";
  }
}

std::string MatchCellText(const CKRGames& game, int column) {
  switch (column) {
    case kMatchNr: return MatchNumberText(game.m_nNummer, game.m_bLiga);
    case kMatchGegner: return game.m_strGegner;
    case kMatchStand: return game.m_strErgebnis;
    case kMatchZuschauer: return FormatGoldNumber(game.m_nZuschauer);
    case kMatchEinnahmen: return FormatGoldNumber(game.m_nEinnahmen);
    case kMatchDatum: return game.m_strDatum;
    case kMatchVerletzungen: return game.m_strVerletzungen;
    case kMatchBesonderheiten: return game.m_strBesonderheit;
    case kMatchGestiegen: return FanChangeWord(game.m_nFanFaktor);
    default: return {};
  }
}

void NumberMatches(CKRTeam& team) {
  int32_t number = 1;
  for (const auto& game : team.m_Games)
    if (game) game->m_nNummer = number++;
}

}  // namespace krv
