#pragma once
// What a change to a team reports back to the command that asked for it. The core decides
// every text and sound; the window only shows and plays what it gets, in this order:
// the refusal (then nothing changed), the sound, the notices.

#include <string>
#include <utility>
#include <vector>

namespace krv {

// The box a refusal or notice belongs in.
enum class NoticeKind {
  Information,  // a notice with the information sign
  Plain,        // a notice with the program's name as caption, "OK" and no sign
  Rules,        // "Hey Trainer! So nicht!": a rule of the game
  Bank,         // "Die Bank sagt...": not enough gold
  Error,        // something that could not be done
  Warning,      // a field the dialog cannot take (FieldRangeMessage)
};

struct Notice {
  NoticeKind kind = NoticeKind::Information;
  std::string text;
  bool operator==(const Notice&) const = default;
};

struct ChangeOutcome {
  bool applied = false;               // the team was changed and the modified routine has run
  Notice refusal;                     // why nothing was changed; empty text when not refused
  std::vector<Notice> notices;        // shown after the change, in order ("Minuswerte?")
  std::string sound;                  // a file of the sound folder to play, e.g. "Sounds/Sa-geht.wav"
  bool staffOrEventsChanged = false;  // the staff and events pages must show their lists again

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
  // Nothing to change (no such entry): no refusal to show either.
  static ChangeOutcome Nothing() { return {}; }

  ChangeOutcome& Notify(std::string text, NoticeKind kind = NoticeKind::Information) {
    notices.push_back({kind, std::move(text)});
    return *this;
  }
};

}  // namespace krv
