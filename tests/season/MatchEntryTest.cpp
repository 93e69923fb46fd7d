// Recording, changing and deleting matches, and the typing aids of the match dialog.

#include "season/MatchEntry.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/StringArray.h"
#include "support/HostedSampleTeam.h"
#include "support/FakeTeamHost.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

MatchEntry Match(const char* gegner, int32_t own, int32_t other, int32_t fan = kFanNone) {
  return {.gegner = gegner, .eigeneTore = own, .gegnerTore = other, .datum = "01.05.07", .fanFaktor = fan};
}

// A draw is no win and plays nothing; the won flag must follow the score (not stay as the
// dialog opened) and the score text keeps the own score first.
TEST(MatchResult, WordFlagAndSound) {
  // Own and other score; word, won flag and sound.
  const std::tuple<int32_t, int32_t, const char*, int32_t, const char*> results[] = {
      {2, 2, "Unentschieden", 0, ""},
      {3, 1, "Gewonnen", 1, "Sounds/Gewonnen.wav"},
      {0, 1, "Verloren", 0, "Sounds/Verloren.wav"}};
  for (const auto& [own, other, word, won, sound] : results)
    EXPECT_EQ(std::tuple(ResultWord(own, other), WonFlag(own, other), ResultSound(own, other)),
              std::tuple(word, won, sound));
  EXPECT_EQ(ScoreText(3, 1), "3:1");

  CKRGames game;
  game.m_strErgebnis = "12:3";
  const MatchEntry back = MatchEntryFromGame(game);
  EXPECT_EQ(std::tuple(back.eigeneTore, back.gegnerTore, back.inEinnahmen), std::tuple(12, 3, false));
}

// Scores beyond 0..16 and dates longer than 8 characters are refused before anything is
// written. The date counts characters: "03. März" is 8 (9 bytes in UTF-8, 8 in the file).
TEST(MatchResult, FieldChecks) {
  EXPECT_EQ(CheckMatchEntry(Match("Orks", 16, 0)), "");
  EXPECT_EQ(CheckMatchEntry(Match("Orks", 17, 0)), ScoreRangeMessage());
  EXPECT_EQ(CheckMatchEntry(Match("Orks", 0, -1)), ScoreRangeMessage());
  MatchEntry longDate = Match("Orks", 1, 0);
  longDate.datum = "01.05.2007";
  EXPECT_EQ(CheckMatchEntry(longDate), DateLengthMessage());
  longDate.datum = "03. März";
  EXPECT_EQ(CheckMatchEntry(longDate), "");
  EXPECT_EQ(TodayMatchDate().size(), 8u);
}

class Matches : public test::HostedSampleTeamTest {};

// A new match gets the next number and, when asked, its takings as income: the treasury
// rises by exactly the takings. Changing it later must not add income a second time.
TEST_F(Matches, RecordWithIncomeAndChangeWithout) {
  const int64_t gold = Team().m_nGold;
  const int32_t incomeK = Team().m_nEinnahmenK;
  MatchEntry entry = Match("Orkland", 3, 1);
  entry.einnahmen = 60000;
  entry.liga = 1;
  const ChangeOutcome outcome = RecordMatch(Team(), entry);
  EXPECT_EQ(outcome.sound, "Sounds/Gewonnen.wav");
  const CKRGames& game = *Team().m_Games.back();
  EXPECT_EQ(std::tie(game.m_nNummer, game.m_strErgebnis, game.m_bGewonnen, game.m_bLiga), std::tuple(2, "3:1", 1, 1));
  const CKREinnahmen& income = *Team().m_Einnahmen.back();
  EXPECT_EQ(std::tie(income.m_strText, income.m_nBetrag), std::tuple("Spiel gegen: Orkland", 60000));
  EXPECT_EQ(std::tie(Team().m_nEinnahmenK, Team().m_nGold), std::tuple(incomeK + 60, gold + 60000));

  const size_t incomes = Team().m_Einnahmen.size();
  MatchEntry changed = MatchEntryFromGame(game);
  changed.einnahmen = 90000;
  changed.gegnerTore = 3;
  changed.inEinnahmen = true;  // ignored: a change never books income
  EXPECT_EQ(ChangeMatch(Team(), 1, changed).sound, "");
  const CKRGames& after = *Team().m_Games.back();
  EXPECT_EQ(std::tie(after.m_nEinnahmen, after.m_bGewonnen, after.m_nNummer), std::tuple(90000, 0, 2));
  EXPECT_EQ(Team().m_Einnahmen.size(), incomes);

  MatchEntry without = Match("Zwerge", 1, 1);
  without.inEinnahmen = false;
  RecordMatch(Team(), without);
  EXPECT_EQ(Team().m_Einnahmen.size(), incomes);
  EXPECT_TRUE(RecordMatch(Team(), Match("Zwerge", 20, 1)).Refused());
  EXPECT_EQ(Team().m_Games.size(), 3u);
  EXPECT_EQ(m_host.Count("modified"), 3u);
}

// A remark typed with plain line feeds is stored with "\r\n", like every multi-line text of
// the team, so the printed list joins its lines; also when the match is changed. Catches
// "Regen\nZweite Zeile" in the file, which prints on two lines.
TEST_F(Matches, RemarkWithWindowsLineEnds) {
  MatchEntry entry = Match("Orkland", 1, 0);
  entry.besonderheit = "Regen\nZweite Zeile";
  RecordMatch(Team(), entry);
  EXPECT_EQ(Team().m_Games.back()->m_strBesonderheit, "Regen\r\nZweite Zeile");
  entry.besonderheit = "Sonne\nWind";
  ChangeMatch(Team(), 1, entry);
  EXPECT_EQ(Team().m_Games.back()->m_strBesonderheit, "Sonne\r\nWind");
}

// The fan factor in force counts rises and falls of all matches; deleting the fall must
// take its -1 away again (a stored adjustment would keep it).
TEST_F(Matches, FanFactorFollowsTheMatches) {
  Team().m_Games.clear();
  const int32_t base = Team().m_nFanFaktor;
  RecordMatch(Team(), Match("A", 1, 0, kFanRises));
  RecordMatch(Team(), Match("B", 1, 0, kFanRises));
  RecordMatch(Team(), Match("C", 0, 1, kFanFalls));
  EXPECT_EQ(Team().m_nFanFactorAdjustment, 1);
  EXPECT_EQ(Team().FanFactorInForce(), base + 1);
  EXPECT_EQ(DeleteMatchQuestion(Team(), 2), "Das Spiel gegen C wirklich löschen?");
  const size_t incomes = Team().m_Einnahmen.size();
  EXPECT_TRUE(DeleteMatch(Team(), 2).applied);
  EXPECT_EQ(Team().m_nFanFactorAdjustment, 2);
  EXPECT_EQ(Team().m_Einnahmen.size(), incomes);  // its income entry stays
}

// Catches a match change that does not run the fan check (the window would never tell that
// the fans are gone), or one that tells it again while they stay gone or not after they came
// back and went again.
TEST_F(Matches, FanCheckWithTheMatches) {
  Team().m_Games.clear();
  Team().m_nFanFaktor = 1;
  EXPECT_FALSE(RecordMatch(Team(), Match("A", 1, 0)).fansGone);
  EXPECT_TRUE(RecordMatch(Team(), Match("B", 0, 1, kFanFalls)).fansGone);
  EXPECT_FALSE(RecordMatch(Team(), Match("C", 0, 1, kFanFalls)).fansGone);  // told once per drop
  EXPECT_FALSE(DeleteMatch(Team(), 2).fansGone);                            // back to 0: still none
  EXPECT_FALSE(DeleteMatch(Team(), 1).fansGone);                            // one fan again
  MatchEntry fall = MatchEntryFromGame(*Team().m_Games[0]);
  fall.fanFaktor = kFanFalls;
  EXPECT_TRUE(ChangeMatch(Team(), 0, fall).fansGone);
}

// The unknown-opponent question: asked for a name the list lacks, never for an empty one,
// and not for a name that differs from a known one only in case.
TEST(OpponentList, KnownIgnoringCase) {
  CKRStringArray list;
  list.m_Items = {"Orkland", "Zwergenstürmer"};
  EXPECT_FALSE(OpponentNeedsAdding(list, "orkland"));
  EXPECT_FALSE(OpponentNeedsAdding(list, ""));
  EXPECT_TRUE(OpponentNeedsAdding(list, "Orklan"));
}

// Typing "o" completes to the first fitting name with the added part selected, and so does
// every further letter: the length typed decides, not the completed name's (which left every
// other keystroke uncompleted). The Backspace that takes the completed rest away must not
// complete again, or the coach could never delete.
TEST(OpponentList, CompletionWhileTyping) {
  const std::vector<std::string> list = {"Zwerge", "Orkland", "Orks"};
  // Completed, the text and where its selected part starts.
  OpponentCompletion c = CompleteOpponent(list, "o", {});
  EXPECT_EQ(std::tie(c.completed, c.text, c.selectionStart), std::tuple(true, "Orkland", 1u));
  c = CompleteOpponent(list, "Or", c.typing);  // "r" typed over the selected "rkland"
  EXPECT_EQ(std::tie(c.completed, c.text, c.selectionStart), std::tuple(true, "Orkland", 2u));
  c = CompleteOpponent(list, "Or", c.typing);  // Backspace removes the selected "kland"
  EXPECT_EQ(std::tie(c.completed, c.text), std::tuple(false, "Or"));
  EXPECT_EQ(CompleteOpponent(list, "Ork", c.typing).text, "Orkland");
  // Deleting within a typed name: shorter than typed, no completion.
  c = CompleteOpponent(list, "Ork", {4, false});
  EXPECT_EQ(std::tie(c.completed, c.typing.typed), std::tuple(false, 3u));
  // One letter typed over another: as long as before, completed.
  EXPECT_EQ(CompleteOpponent(list, "orks", {4, false}).text, "Orks");
  EXPECT_FALSE(CompleteOpponent(list, "Elfen", {}).completed);
  EXPECT_FALSE(CompleteOpponent({}, "O", {}).completed);
}

// The empty date and every beginning of "xx.xx.xx" become the unknown date; a real date not.
TEST(MatchDate, UnknownDateShortcut) {
  for (const char* text : {"", "x", "X", "xx.", "xX.xx.x", "xx.xx.xx"}) EXPECT_TRUE(DateShortcutApplies(text)) << text;
  for (const char* text : {"0", "x1", "xx.xx.xxx", "01.05.07"}) EXPECT_FALSE(DateShortcutApplies(text)) << text;
}

}  // namespace
}  // namespace krv
