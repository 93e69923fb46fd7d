#include "teamwindow/TeamStatistics.h"

#include "model/Spieler.h"
#include "model/Team.h"

namespace krv {
namespace {

// Reads a leading decimal number the way the C library's atol does, without its overflow.
int64_t LeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if (value < 1'000'000'000'000) value = value * 10 + (text[i] - '0');
  return negative ? -value : value;
}

}  // namespace

bool IsDrawResult(std::string_view result) {
  const size_t colon = result.find(':');
  if (colon == std::string_view::npos) return false;
  return LeadingNumber(result) == LeadingNumber(result.substr(colon + 1));
}

TeamStatistics CountTeamStatistics(CKRTeam& team) {
  TeamStatistics stats;
  stats.erstellt = team.m_strErstellt.empty() ? "(xx.xx.xx) xx:xx:xx" : team.m_strErstellt;
  if (team.m_strGeaendert.empty()) team.m_strGeaendert = CurrentTimeStamp();
  stats.geaendert = team.m_strGeaendert;
  for (const auto& game : team.m_Games) {
    if (!game) continue;
    if (IsDrawResult(game->m_strErgebnis)) ++stats.unentschieden;
    else if (game->m_bGewonnen) ++stats.gewonnen;
    else ++stats.verloren;
  }
  stats.spiele = stats.gewonnen + stats.verloren + stats.unentschieden;
  for (const auto& player : team.m_Spieler) {
    if (!player) continue;
    if (player->m_nStatus == kStatusAktiv) {
      ++stats.spieler;
      if (player->m_nPositionCode >= kFirstStarCode && player->m_nPositionCode < kFirstBrockenCode) ++stats.stars;
    } else if (player->m_nStatus == kStatusVerstorben) {
      ++stats.tote;
    }
  }
  return stats;
}

}  // namespace krv
