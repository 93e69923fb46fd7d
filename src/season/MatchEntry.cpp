#include "season/MatchEntry.h"

#include <cstdlib>

#include "model/FieldMessages.h"
#include "model/Format.h"
#include "model/LineEnds.h"
#include "model/LocalTime.h"
#include "model/StringArray.h"
#include "model/TextCase.h"
#include "model/Windows1252.h"
#include "roster/TeamHeader.h"
#include "season/LedgerEntries.h"

namespace krv {
namespace {

size_t GameCount(const CKRTeam& team) {
  size_t n = 0;
  for (const auto& g : team.m_Games) n += g ? 1 : 0;
  return n;
}

void WriteGame(CKRGames& game, const MatchEntry& entry) {
  game.m_strGegner = entry.gegner;
  game.m_strErgebnis = ScoreText(entry.eigeneTore, entry.gegnerTore);
  game.m_strVerletzungen = entry.verletzungen;
  game.m_nZuschauer = entry.zuschauer;
  game.m_nEinnahmen = entry.einnahmen;
  game.m_bLiga = entry.liga;
  game.m_bGewonnen = WonFlag(entry.eigeneTore, entry.gegnerTore);
  game.m_nFanFaktor = entry.fanFaktor;
  game.m_strDatum = entry.datum;
  game.m_strBesonderheit = WithWindowsLineEnds(entry.besonderheit);
}

bool StartsWithIgnoringCase(const std::string& name, const std::string& prefix) {
  return name.size() >= prefix.size() &&
         EqualsIgnoringAsciiCase(std::string_view(name).substr(0, prefix.size()), prefix);
}

}  // namespace

std::string ScoreText(int32_t own, int32_t other) {
  return Format("%ld:%ld", static_cast<long>(own), static_cast<long>(other));
}

std::string ResultWord(int32_t own, int32_t other) {
  if (own == other) return "Unentschieden";
  return own > other ? "Gewonnen" : "Verloren";
}

int32_t WonFlag(int32_t own, int32_t other) { return own > other ? 1 : 0; }

std::string ResultSound(int32_t own, int32_t other) {
  if (own == other) return {};
  return own > other ? "Sounds/Gewonnen.wav" : "Sounds/Verloren.wav";
}

std::string TodayMatchDate() { return LocalTimeText("%d.%m.%y"); }

std::string ScoreRangeMessage() { return FieldRangeMessage("Ergebnis", 0, kMaxScore); }

std::string DateLengthMessage() {
  return Format("Das Datum darf höchstens %ld Zeichen lang sein.", static_cast<long>(kMaxMatchDateLength));
}

std::string CheckMatchEntry(const MatchEntry& entry) {
  for (int32_t score : {entry.eigeneTore, entry.gegnerTore})
    if (score < 0 || score > kMaxScore) return ScoreRangeMessage();
  if (CharacterCount(entry.datum) > kMaxMatchDateLength) return DateLengthMessage();
  return {};
}

MatchEntry MatchEntryFromGame(const CKRGames& game) {
  MatchEntry entry;
  entry.gegner = game.m_strGegner;
  const std::string& score = game.m_strErgebnis;
  entry.eigeneTore = static_cast<int32_t>(std::strtol(score.c_str(), nullptr, 10));
  const size_t colon = score.find(':');
  entry.gegnerTore =
      colon == std::string::npos ? 0 : static_cast<int32_t>(std::strtol(score.c_str() + colon + 1, nullptr, 10));
  entry.datum = game.m_strDatum;
  entry.zuschauer = game.m_nZuschauer;
  entry.einnahmen = game.m_nEinnahmen;
  entry.liga = game.m_bLiga;
  entry.fanFaktor = game.m_nFanFaktor;
  entry.verletzungen = game.m_strVerletzungen;
  entry.besonderheit = game.m_strBesonderheit;
  entry.inEinnahmen = false;  // a changed match never adds income
  return entry;
}

bool OpponentNeedsAdding(const CKRStringArray& teamList, const std::string& opponent) {
  return !opponent.empty() && !teamList.Contains(opponent);
}

ChangeOutcome RecordMatch(CKRTeam& team, const MatchEntry& entry) {
  if (std::string refusal = CheckMatchEntry(entry); !refusal.empty())
    return ChangeOutcome::Refuse(refusal, NoticeKind::Warning);
  const auto number = static_cast<int32_t>(GameCount(team) + 1);
  team.AddGame({}, {}, {}, {}, 0, 0, 0, 0, number, 0, {});
  WriteGame(*team.m_Games.back(), entry);
  if (entry.inEinnahmen) team.AddEinnahme(GameIncomeText(entry.gegner), entry.einnahmen);
  team.SetTeamModified(TeamChange::TeamFields());  // the match and its income are appended
  ChangeOutcome outcome;
  outcome.applied = true;
  outcome.sound = ResultSound(entry.eigeneTore, entry.gegnerTore);
  outcome.fansGone = FanNoticeDue(team);
  return outcome;
}

ChangeOutcome ChangeMatch(CKRTeam& team, size_t row, const MatchEntry& entry) {
  CKRGames* game = NthRecord(team.m_Games, row);
  if (!game) return ChangeOutcome::Refuse("Dieses Spiel gibt es nicht.", NoticeKind::Error);
  if (std::string refusal = CheckMatchEntry(entry); !refusal.empty())
    return ChangeOutcome::Refuse(refusal, NoticeKind::Warning);
  WriteGame(*game, entry);
  team.SetTeamModified(TeamChange::Record(*game));
  ChangeOutcome outcome;
  outcome.applied = true;
  outcome.sound = ResultSound(entry.eigeneTore, entry.gegnerTore);
  outcome.fansGone = FanNoticeDue(team);
  return outcome;
}

std::string DeleteMatchQuestion(const CKRTeam& team, size_t row) {
  const CKRGames* game = NthRecord(team.m_Games, row);
  return game ? Format("Das Spiel gegen %s wirklich löschen?", game->m_strGegner.c_str()) : "";
}

ChangeOutcome DeleteMatch(CKRTeam& team, size_t row) {
  CKRGames* game = NthRecord(team.m_Games, row);
  if (!game) return ChangeOutcome::Refuse("Dieses Spiel gibt es nicht.", NoticeKind::Error);
  EraseRecord(team.m_Games, game);
  team.SetTeamModified();
  ChangeOutcome outcome;
  outcome.applied = true;
  outcome.fansGone = FanNoticeDue(team);
  return outcome;
}

OpponentCompletion CompleteOpponent(const std::vector<std::string>& teamList, const std::string& text,
                                    OpponentTyping last) {
  OpponentCompletion result{text, text.size(), {text.size(), false}, false};
  // An empty text would match every name: the field is left empty.
  const bool typedOn = text.size() > last.typed || (text.size() == last.typed && !last.completed);
  if (text.empty() || !typedOn) return result;
  for (const std::string& name : teamList) {
    if (!StartsWithIgnoringCase(name, text)) continue;
    result.text = name;
    result.completed = true;
    result.typing.completed = true;
    return result;
  }
  return result;
}

bool DateShortcutApplies(const std::string& text) {
  const std::string_view unknown(kUnknownDate);
  return text.size() <= unknown.size() && EqualsIgnoringAsciiCase(text, unknown.substr(0, text.size()));
}

}  // namespace krv
