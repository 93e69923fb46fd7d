#pragma once
// What a change to a team reports back to the command that asked for it. The core decides
// every text and sound; the window only shows and plays what it gets, in this order:
// the refusal (then nothing changed), the no-fans notice, the sound, the notices.
// A check that a dialog runs before the change (a value out of range, a full roster)
// answers the same way: a refusal, or nothing.

#include <string>
#include <utility>
#include <vector>

namespace krv {

struct CKRSpieler;

// The box a refusal or notice belongs in.
enum class NoticeKind {
  Information,  // a notice with the information sign
  Plain,        // a notice with the program's name as caption, "OK" and no sign
  Rules,        // "Hey Trainer! So nicht!": a rule of the game
  Bank,         // "Die Bank sagt...": not enough gold
  Error,        // something that could not be done
  Warning,      // a value the dialog cannot take: the warning sign (FieldRangeMessage)
};

struct Notice {
  NoticeKind kind = NoticeKind::Information;
  std::string text;
  bool operator==(const Notice&) const = default;
};

struct ChangeOutcome {
  bool applied = false;           // the team was changed and the modified routine has run
  Notice refusal;                 // why nothing was changed; empty text when not refused
  int focusField = 0;             // a refused value: its field in the dialog's own numbering (0: none)
  std::vector<Notice> notices;    // shown after the change, in order ("Minuswerte?")
  std::string sound;              // a file of the sound folder to play, e.g. "Sounds/Sa-geht.wav"
  CKRSpieler* created = nullptr;  // the player the change added to the team
  // The fan factor in force dropped below one with this change (once per drop): the window
  // shows the no-fans notice with its sound before anything else. krv does not print it.
  bool fansGone = false;

  bool Refused() const { return !refusal.text.empty(); }

  static ChangeOutcome Applied(std::string sound = {}) {
    ChangeOutcome outcome;
    outcome.applied = true;
    outcome.sound = std::move(sound);
    return outcome;
  }
  static ChangeOutcome Refuse(std::string text, NoticeKind kind = NoticeKind::Rules) {
    ChangeOutcome outcome;
    outcome.refusal = {kind, std::move(text)};
    return outcome;
  }
  // Nothing to change (no such entry), or a check that found nothing to refuse.
  static ChangeOutcome Nothing() { return {}; }

  ChangeOutcome& Notify(std::string text, NoticeKind kind = NoticeKind::Information) {
    notices.push_back({kind, std::move(text)});
    return *this;
  }
};

}  // namespace krv
