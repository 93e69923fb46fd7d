#pragma once
// The two ledgers' entries after the team was created: new income, changing an entry's text
// and amount, and deleting one with the undoing of what an expense bought. The first entry
// of each ledger ("Startkapital", "Team-Aufstellung") can be neither changed nor deleted.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Team.h"
#include "model/ChangeOutcome.h"

namespace krv {

enum class Ledger { Expenses, Income };

// Longest ledger text the entry dialog takes.
constexpr int kMaxLedgerText = 80;
// The entry dialog's text for a new entry, and what the team pick button puts before a name.
inline constexpr const char* kGameIncomePrefix = "Spiel gegen: ";

// Why the first row (or a row that is not there) is refused; the window only beeps on a
// change and does nothing on a delete.
extern const char* const kFirstLedgerRowRefusal;

// "Spiel gegen: %s"
std::string GameIncomeText(const std::string& opponent);

// A new income entry: a value of 0 (or less) adds nothing and changes nothing; otherwise the
// entry, the modified routine and "Sounds/NeueEinnahme.wav".
ChangeOutcome AddIncome(CKRTeam& team, const std::string& text, int32_t value);

// Whether the row (0 = first shown) may be changed or deleted: not the first, and there.
bool LedgerRowEditable(const CKRTeam& team, Ledger ledger, size_t row);

// Gives the entry a new text and amount (an expense keeps its kind). The first row is
// refused (the window beeps). An expense changed to 0 (or less) is left as it was;
// an income entry takes any value, 0 included.
ChangeOutcome ChangeLedgerEntry(CKRTeam& team, Ledger ledger, size_t row, const std::string& text, int32_t value);

// The question asked before deleting the row ("%s zu %ld Goldstücken.\nWirklich löschen?..."
// for expenses, "%s\nzu %ld Goldstücken.\n\nWirklich löschen?" for income).
std::string DeleteLedgerQuestion(const CKRTeam& team, Ledger ledger, size_t row);

// Deletes the row after the coach agreed. An expense undoes what it bought by its kind:
// re-rolls (12, 13) are counted down, never below 0 ("Minuswerte?" when one would be);
// apothecary (17) and wizard (14-16) leave with an event "... (Nachträgliche Änderung)" and
// their sound; assistant coaches, cheerleaders and entries without kind undo nothing.
// The first row is refused (the window does nothing).
ChangeOutcome DeleteLedgerEntry(CKRTeam& team, Ledger ledger, size_t row);

}  // namespace krv
