#include "teamwindow/LedgerRows.h"

#include "model/Format.h"
#include "model/Gold.h"

namespace krv {

const std::array<ListColumn, kLedgerColumnCount> kExpenseColumns = {{{"Ausgaben", 400, false}, {"Wert", 80, true}}};
const std::array<ListColumn, kLedgerColumnCount> kIncomeColumns = {{{"Einnahmen", 400, false}, {"Wert", 80, true}}};

std::string LedgerAmountText(int32_t amount) { return FormatGoldNumber(amount); }

std::string LedgerTotalText(int32_t thousands) { return Format("%ld", static_cast<long>(thousands)); }

}  // namespace krv
