// The step history of a team window: every kind of change taken back gives the exact team
// file of before and done again the exact file of after; the saved state is recognised on
// the way back and forth; the step limit and the memory bound drop the oldest steps only.

#include <gtest/gtest.h>

#include <functional>

#include "history/StepHistory.h"
#include "history/TeamState.h"
#include "roster/TeamHeader.h"
#include "season/EventEntry.h"
#include "season/ExpenseEntry.h"
#include "season/LedgerEntries.h"
#include "season/MatchEntry.h"
#include "season/Staff.h"
#include "support/RosterChanges.h"
#include "support/SeasonTeam.h"
#include "support/VariedLargeTeam.h"

namespace krv {
namespace {

MatchEntry Orkland() {
  return {.gegner = "Orkland",
          .eigeneTore = 2,
          .gegnerTore = 1,
          .datum = "02.06.07",
          .einnahmen = 60000,
          .fanFaktor = kFanRises};
}

const ExpenseBooking kFence{8, "", "Zaun", 20000};
const ExpenseBooking kCoachHired{0, "Muzgasch", "", 0};

struct ChangeKind {
  const char* name;
  std::function<void(CKRTeam&)> change;
};

const ChangeKind kChanges[] = {
    {"team name", [](CKRTeam& t) { RenameTeam(t, "Orkland Orks"); }},
    {"match recorded", [](CKRTeam& t) { RecordMatch(t, Orkland()); }},
    {"match changed", [](CKRTeam& t) { ChangeMatch(t, 0, Orkland()); }},
    {"match deleted", [](CKRTeam& t) { DeleteMatch(t, 3); }},
    {"expense booked", [](CKRTeam& t) { BookExpense(t, kFence); }},
    {"staff hired", [](CKRTeam& t) { BookExpense(t, kCoachHired); }},
    {"income added", [](CKRTeam& t) { AddIncome(t, "Sponsor", 30000); }},
    {"income changed", [](CKRTeam& t) { ChangeLedgerEntry(t, Ledger::Income, 2, "Gönner", 5000); }},
    {"re-roll purchase deleted", [](CKRTeam& t) { DeleteLedgerEntry(t, Ledger::Expenses, 2); }},
    {"event added", [](CKRTeam& t) { AddEvent(t, "Regen", 0); }},
    {"event deleted", [](CKRTeam& t) { DeleteEvent(t, 0); }},
    {"logo removed", [](CKRTeam& t) { RemoveLogo(t); }},
    {"apothecary dismissed", [](CKRTeam& t) { DismissApothecary(t); }},
    {"cheerleader dismissed", [](CKRTeam& t) { DismissCheerleader(t, "Lugdusch"); }},
};

// The change on a fresh season team recorded as one step, taken back and done again.
void ExpectStepGivesBothFilesBack(const char* name, const std::function<void(CKRTeam&)>& change) {
  SCOPED_TRACE(name);
  std::unique_ptr<CKRTeam> team = test::MakeSeasonTeam();
  team->Recalculate();
  const std::string before = TeamState(*team);
  StepHistory history;
  history.Reset(before, true);
  change(*team);
  const std::string after = TeamState(*team);
  if (!history.Record(after, name)) return ADD_FAILURE() << "the change changed nothing";
  EXPECT_FALSE(history.IsClean());

  EXPECT_EQ(TeamState(*TeamFromState(history.Undo())), before);
  EXPECT_TRUE(history.IsClean());
  EXPECT_EQ(TeamState(*TeamFromState(history.Redo())), after);
  EXPECT_EQ(history.UndoName(), name);
}

// Catches a state that misses part of the team (taken back, it would differ), a rebuilt team
// whose recalculation writes other bytes than the saved one, and a delta that misplaces bytes.
TEST(StepHistory, EveryKindOfChangeTakenBackGivesTheFileOfBefore) {
  for (const ChangeKind& kind : kChanges) ExpectStepGivesBothFilesBack(kind.name, kind.change);
  // A purchase taken back gives its gold back exactly: the whole team returns.
  for (const test::RosterChange& kind : test::kRosterChanges) ExpectStepGivesBothFilesBack(kind.kind, kind.change);
}

// Catches a clean mark that follows the position blindly: a saved state taken back and then
// replaced by another change, or dropped with the oldest step, must never count as saved.
TEST(StepHistory, CleanMarkOnlyWhereTheSavedStateIs) {
  StepHistory history(StepLimits{3, size_t{1} << 20});
  history.Reset("a", true);
  history.Record("ab", "1");
  history.Record("abc", "2");
  history.MarkClean();  // saved at "abc"
  history.Undo();
  EXPECT_FALSE(history.IsClean());
  history.Redo();
  EXPECT_TRUE(history.IsClean());
  history.Undo();
  history.Record("abX", "3");  // the saved state cannot be reached any more
  EXPECT_FALSE(history.IsClean());
  history.Undo();
  EXPECT_FALSE(history.IsClean());

  history.Reset("new", false);  // a team never saved has no saved state
  EXPECT_FALSE(history.IsClean());
  history.Reset("read", true);
  history.Record("read1", "1");
  for (const char* state : {"read12", "read123", "read1234"}) history.Record(state, "n");
  while (history.CanUndo()) history.Undo();
  EXPECT_EQ(history.Current(), "read1");  // three steps kept; the read state went with the oldest
  EXPECT_FALSE(history.IsClean());
}

// Catches steps that keep whole states (a hundred would not fit the bound) and a bound that
// drops the only step there is.
TEST(StepHistory, LongCareerStepsStaySmallAndTheBoundKeepsTheNewest) {
  std::unique_ptr<CKRTeam> team = test::MakeVariedLargeTeam();
  team->Recalculate();
  const std::string first = TeamState(*team);
  StepHistory history;
  history.Reset(first, true);
  for (size_t i = 0; i <= StepLimits{}.maxSteps; ++i) {
    team->m_strGeaendert = "(0" + std::to_string(i % 10) + ".06.07) 12:00:00";
    RecordMatch(*team, Orkland());
    history.Record(TeamState(*team), "Spiel");
  }
  EXPECT_EQ(history.UndoCount(), StepLimits{}.maxSteps);
  // A step holds the renumbered references and the new records, far less than a whole state.
  EXPECT_LT(history.StepMemory(), StepLimits{}.maxSteps * (first.size() / 10));
  const std::string last = history.Current();
  while (history.CanUndo()) history.Undo();
  while (history.CanRedo()) history.Redo();
  EXPECT_EQ(history.Current(), last);

  StepHistory bounded(StepLimits{100, 10});
  bounded.Reset(first, false);
  bounded.Record(first + "x", "1");
  bounded.Record("y" + first + "x", "2");
  EXPECT_EQ(bounded.UndoCount(), 1u);  // the newest step, though it alone exceeds the bound
  EXPECT_EQ(bounded.Undo(), first + "x");
}

}  // namespace
}  // namespace krv
