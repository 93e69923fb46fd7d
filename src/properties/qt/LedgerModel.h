#pragma once
// The expense and income lists: text and amount of every entry, in order of entry.

#include "properties/LedgerRows.h"
#include "properties/qt/TeamListModel.h"

namespace krv {

class ExpensesModel : public RecordListModel<CKRAusgaben> {
 public:
  explicit ExpensesModel(QObject* parent = nullptr);

 protected:
  const RecordList<CKRAusgaben>& Records(const CKRTeam& team) const override { return team.m_Ausgaben; }
  QString CellText(int row, int column) const override;
};

class IncomeModel : public RecordListModel<CKREinnahmen> {
 public:
  explicit IncomeModel(QObject* parent = nullptr);

 protected:
  const RecordList<CKREinnahmen>& Records(const CKRTeam& team) const override { return team.m_Einnahmen; }
  QString CellText(int row, int column) const override;
};

}  // namespace krv
