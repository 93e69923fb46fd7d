#include "properties/qt/LedgerModel.h"

namespace krv {
namespace {

template <typename T>
QString LedgerCell(const T* entry, int column) {
  if (!entry) return {};
  if (column == kLedgerText) return QString::fromStdString(entry->m_strText);
  return QString::fromStdString(LedgerAmountText(entry->m_nBetrag));
}

}  // namespace

ExpensesModel::ExpensesModel(QObject* parent)
    : RecordListModel<CKRAusgaben>(kExpenseColumns.data(), kLedgerColumnCount, parent) {}

QString ExpensesModel::CellText(int row, int column) const { return LedgerCell(Record(row), column); }

IncomeModel::IncomeModel(QObject* parent)
    : RecordListModel<CKREinnahmen>(kIncomeColumns.data(), kLedgerColumnCount, parent) {}

QString IncomeModel::CellText(int row, int column) const { return LedgerCell(Record(row), column); }

}  // namespace krv
