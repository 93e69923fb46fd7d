// The names "Bearbeiten" gives the steps of commands that add records.

#include "teamwindow/StepNames.h"

#include <gtest/gtest.h>

#include "season/ExpenseEntry.h"
#include "support/RosterChanges.h"
#include "support/SeasonTeam.h"

namespace krv {
namespace {

// Catches a step named after the list's newest record instead of the player the command
// added (bought as an expense, hired, built, revived: "Rückgängig: Ausgabe … eintragen" for a
// star player), and a command that added no player named after the newest one.
TEST(StepNames, CommandThatAddsRecordsIsNamedAfterWhatItAdded) {
  for (const test::RosterChange& kind : test::kRosterChanges) {
    if (!kind.step) continue;
    SCOPED_TRACE(kind.kind);
    std::unique_ptr<CKRTeam> team = test::MakeSeasonTeam();
    const size_t players = team->m_Spieler.size();
    kind.change(*team);
    EXPECT_EQ(NewRecordStepName(*team, kind.list, kind.command, players), kind.step);
  }
  std::unique_ptr<CKRTeam> team = test::MakeSeasonTeam();
  BookExpense(*team, {8, "", "Zaun", 20000});
  EXPECT_EQ(NewRecordStepName(*team, TeamList::kExpenses, PageCommand::New, team->m_Spieler.size()),
            "Ausgabe „Zaun“ eintragen");
}

}  // namespace
}  // namespace krv
