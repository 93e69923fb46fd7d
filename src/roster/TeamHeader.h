#pragma once
// The six fields at the top of a team window, the two the coach types in, and the no-fans
// check: the changes that can move the fan factor (the matches) run it, and the window runs
// it once when it first shows a team.

#include <string>

#include "model/ChangeOutcome.h"

namespace krv {

class CKRTeam;

struct TeamHeaderTexts {
  std::string name;           // "Team:"
  std::string race;           // "Volk:"
  std::string teamValue;      // "Teamwert:"
  std::string gold;           // "Gold:", with thousands points
  std::string rerolls;        // "Trainingsmarken:", normal/double/lost
  std::string fanFactor;      // "Fan-Faktor:", the fan factor in force
  bool raceEditable = false;  // only the own race names itself
};

// The header as it shows the team now. A standard race shows its upper-case table name; the
// own race (15) shows the team's own race name; a race number outside the table shows "???".
TeamHeaderTexts MakeTeamHeader(const CKRTeam& team);

// The notice shown when the fan factor in force drops below 1.
extern const char* const kKeineFansText;
extern const char* const kKeineFansSound;

// The fan check: with at least one fan it clears `m_bKeineFans`; below one it returns true
// (the notice is due: sound and message) once per drop and sets the flag.
bool FanNoticeDue(CKRTeam& team);

// The fan check at a team's first display (created, opened or read again): the outcome's
// `fansGone` is set when the notice is due; nothing else changes.
ChangeOutcome RunFanCheck(CKRTeam& team);

// The two header fields the coach types in. Each takes the text over and runs the modified
// routine when it differs; the race name only for the own race (15), which names itself.
ChangeOutcome RenameTeam(CKRTeam& team, const std::string& name);
ChangeOutcome RenameOwnRace(CKRTeam& team, const std::string& raceName);

}  // namespace krv
