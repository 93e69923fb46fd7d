#include "teamwindow/qt/LedgerModel.h"

namespace krv {

TeamListModel* MakeLedgerModel(Ledger ledger, QObject* parent) {
  if (ledger == Ledger::Expenses)
    return new LedgerModel<CKRAusgaben>(kExpenseColumns.data(), &CKRTeam::m_Ausgaben, parent);
  return new LedgerModel<CKREinnahmen>(kIncomeColumns.data(), &CKRTeam::m_Einnahmen, parent);
}

}  // namespace krv
