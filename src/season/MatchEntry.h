#pragma once
// One match as the dialog "Neues Spiel" enters or changes it: the score text and result
// word, the won flag and the sound, the check of the fields, recording a new match (with its
// takings as income "Spiel gegen: %s" when asked), changing and deleting one; and the two
// typing aids of the dialog, the opponent completion and the unknown-date shortcut.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Team.h"
#include "model/ChangeOutcome.h"

namespace krv {

class CKRStringArray;

constexpr int32_t kMaxScore = 16;
constexpr size_t kMaxMatchDateLength = 8;
// The date of a match nobody remembers.
inline constexpr const char* kUnknownDate = "xx.xx.xx";

// What the dialog hands over.
struct MatchEntry {
  std::string gegner;
  int32_t eigeneTore = 0;  // own score
  int32_t gegnerTore = 0;  // opponent's score
  std::string datum;
  int32_t zuschauer = 0;
  int32_t einnahmen = 0;
  int32_t liga = 0;
  int32_t fanFaktor = kFanNone;
  std::string verletzungen;
  std::string besonderheit;
  bool inEinnahmen = true;  // "Spiel in Einnahmenliste übernehmen"
};

// "%ld:%ld", own score first.
std::string ScoreText(int32_t own, int32_t other);
// "Unentschieden", "Gewonnen" or "Verloren".
std::string ResultWord(int32_t own, int32_t other);
// 1 exactly when the own score is greater.
int32_t WonFlag(int32_t own, int32_t other);
// "Sounds/Gewonnen.wav", "Sounds/Verloren.wav" or "" for a draw.
std::string ResultSound(int32_t own, int32_t other);
// Today as a match date, "%d.%m.%y".
std::string TodayMatchDate();

// The German refusal for a field the dialog may not take, or "" when all are fine.
std::string ScoreRangeMessage();
std::string DateLengthMessage();
std::string CheckMatchEntry(const MatchEntry& entry);

// The dialog's fields filled from a recorded match (scores read back from "2:1").
MatchEntry MatchEntryFromGame(const CKRGames& game);

// True when the opponent is not empty and the system team list does not know it (names
// compare without regard to case): then the coach is asked whether to add it.
bool OpponentNeedsAdding(const CKRStringArray& teamList, const std::string& opponent);

// Appends the new match with the next running number, and, when asked, an income entry
// "Spiel gegen: %s" with the match's takings; then the modified routine and the sound of
// the result. A field out of range is refused and nothing changes. Each of the three changes
// runs the fan check (roster/TeamHeader.h): a match can take the last fans away or bring them back.
ChangeOutcome RecordMatch(CKRTeam& team, const MatchEntry& entry);
// Overwrites the row's match (its number stays); never adds income.
ChangeOutcome ChangeMatch(CKRTeam& team, size_t row, const MatchEntry& entry);
// "Das Spiel gegen %s wirklich löschen?"
std::string DeleteMatchQuestion(const CKRTeam& team, size_t row);
// Deletes the row's match after the coach agreed; its income entry stays.
ChangeOutcome DeleteMatch(CKRTeam& team, size_t row);

// What the opponent completion keeps from one change of the text to the next.
struct OpponentTyping {
  size_t typed = 0;        // length of what the coach typed; a completed name counts its typed part only
  bool completed = false;  // the last change completed a name
};
struct OpponentCompletion {
  std::string text;       // the field's new text
  size_t selectionStart;  // the completed part is selected from here to the end
  OpponentTyping typing;  // to pass in with the next change
  bool completed;
};
// Completes the text from the first list name that begins with it (without regard to case)
// when the coach typed on: a text longer than what he had typed, or as long when the last
// change completed nothing (one character typed over another). A shorter text (a deletion),
// the typed part alone after a completion (the Backspace that removes the completed rest) and
// an empty text are left alone.
OpponentCompletion CompleteOpponent(const std::vector<std::string>& teamList, const std::string& text,
                                    OpponentTyping last);

// True when the date text is (without regard to case) a beginning of "xx.xx.xx", the empty
// text included: the field then shows "xx.xx.xx" with the rest selected.
bool DateShortcutApplies(const std::string& text);

}  // namespace krv
