#pragma once
// The commands of the two ledger pages: a new expense through "Ausgabe" (with the staff
// name asked first), a new income entry, and changing or deleting the selected entry. Each
// asks what must be asked, lets the core change the team and shows the outcome; the pages
// show the team again when it was recalculated.

#include "season/LedgerEntries.h"

namespace krv {

class RecordListPage;

void NewExpense(RecordListPage* page);
void NewIncome(RecordListPage* page);
// The first row only beeps.
void ChangeLedgerRow(RecordListPage* page, Ledger ledger);
// The first row does nothing; else the deletion box, then the undo by kind.
void DeleteLedgerRow(RecordListPage* page, Ledger ledger);

}  // namespace krv
