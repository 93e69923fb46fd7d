#pragma once
// What a change to the season record did, for the window (or krv) to show: a refusal that
// left the team untouched, or the notices, sound and page refreshes that follow a change.

#include <string>
#include <vector>

namespace krv {

struct SeasonOutcome {
  // True when the team was changed (its modified routine has run).
  bool changed = false;
  // Set when the change was refused and nothing changed. The text is shown to the coach;
  // an empty refusal text asks only for the warning beep.
  bool refused = false;
  std::string refusal;
  // Plain notices to show after the change, in order (e.g. "Minuswerte?").
  std::vector<std::string> notices;
  // The sound to play afterwards, e.g. "Sounds/NeueAusgabe.wav"; empty for none.
  std::string sound;
  // The staff or events lists changed: the staff and events pages show them again.
  bool staffOrEventsChanged = false;

  static SeasonOutcome Refused(std::string text) {
    SeasonOutcome outcome;
    outcome.refused = true;
    outcome.refusal = std::move(text);
    return outcome;
  }
};

}  // namespace krv
