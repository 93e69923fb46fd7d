#pragma once
// The figures of the team statistics dialog ("Eigenschaften").

#include <cstdint>
#include <string>
#include <string_view>

namespace krv {

class CKRTeam;

struct TeamStatistics {
  std::string erstellt;   // creation stamp, "(xx.xx.xx) xx:xx:xx" when unknown
  std::string geaendert;  // modification stamp
  int32_t spiele = 0;     // won + lost + drawn
  int32_t gewonnen = 0;
  int32_t verloren = 0;
  int32_t unentschieden = 0;
  int32_t spieler = 0;  // active players
  int32_t stars = 0;    // active players with a star player code (200 to 299)
  int32_t tote = 0;     // dead players
};

// A result is a draw when the number at its start equals the number after its first ":"
// ("2:2", " 1 : 1"). Numbers are read as the program always read them: leading blanks and a
// sign, digits up to the first other character, none read as 0. A text without ":" is no draw.
bool IsDrawResult(std::string_view result);

// Counts the team's matches and players. An empty modification stamp is first set to the
// current time (the dialog has always done so); that is the only change to the team.
TeamStatistics CountTeamStatistics(CKRTeam& team);

}  // namespace krv
