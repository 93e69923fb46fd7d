#pragma once
// Page "Einnahmen" of the properties sheet: the income ledger with the amounts, its total
// in thousands ("K"), and the commands for new, deleted and changed income entries.

#include "properties/qt/RecordListPage.h"

class QLineEdit;

namespace krv {

class IncomeModel;

class CMyPropertyPage4 : public RecordListPage {
  Q_OBJECT
 public:
  explicit CMyPropertyPage4(KrashballDoc* doc, QWidget* parent = nullptr);

  // Shows the entries and the total (`m_nEinnahmenK`) as the team has them now.
  void RefreshPage() override;

  IncomeModel* Model() const { return m_pModel; }

 private:
  IncomeModel* m_pModel;
  QLineEdit* m_pTotal;
};

}  // namespace krv
