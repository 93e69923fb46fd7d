#pragma once
// The two ledger lists, expenses and income: an entry's text and its amount with "."
// between groups of three digits, and the ledger's total in thousands.

#include <array>
#include <cstdint>
#include <string>

#include "teamwindow/ListColumn.h"

namespace krv {

enum LedgerColumn : int { kLedgerText, kLedgerWert, kLedgerColumnCount };

extern const std::array<ListColumn, kLedgerColumnCount> kExpenseColumns;  // "Ausgaben", "Wert"
extern const std::array<ListColumn, kLedgerColumnCount> kIncomeColumns;   // "Einnahmen", "Wert"

inline constexpr const char* kExpenseListName = "AusgabenListe";
inline constexpr const char* kIncomeListName = "EinnahmenListe";

// "Wert": 150000 shows as "150.000".
std::string LedgerAmountText(int32_t amount);

// The total field beside "Ausgaben:" / "Einnahmen:" (in thousands, the unit "K" beside it).
std::string LedgerTotalText(int32_t thousands);

}  // namespace krv
