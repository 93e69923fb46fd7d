#pragma once
// Page "Ausgaben" of the properties sheet: the expense ledger with the amounts, its total in
// thousands ("K"), and the commands for new, deleted and changed expenses.

#include "properties/qt/RecordListPage.h"

class QLineEdit;

namespace krv {

class ExpensesModel;

class CMyPropertyPage3 : public RecordListPage {
  Q_OBJECT
 public:
  explicit CMyPropertyPage3(KrashballDoc* doc, QWidget* parent = nullptr);

  // Shows the entries and the total (`m_nAusgabenK`) as the team has them now.
  void RefreshPage() override;

  ExpensesModel* Model() const { return m_pModel; }

 private:
  ExpensesModel* m_pModel;
  QLineEdit* m_pTotal;
};

}  // namespace krv
