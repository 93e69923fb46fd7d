#pragma once
// Pages "Ausgaben" and "Einnahmen" of the properties sheet: one ledger's entries with their
// amounts, its total in thousands ("K"), and the commands for new, deleted and changed
// entries. The two pages differ only in what their description names.

#include <cstdint>

#include "season/LedgerEntries.h"
#include "teamwindow/qt/RecordListPage.h"

class QLineEdit;

namespace krv {

struct LedgerPageDescription {
  Ledger ledger;
  const char* objectName;
  const char* title;
  const char* helpTopic;
  const char* newEntryMenuText;  // the context menu's first entry
  const char* totalLabel;
  const char* totalFieldName;
  int32_t CKRTeam::*total;  // the ledger's total in thousands, as the recalculation left it
  void (*newEntry)(RecordListPage* page);
};

extern const LedgerPageDescription kExpensesPage;
extern const LedgerPageDescription kIncomePage;

class LedgerPage : public RecordListPage {
  Q_OBJECT
 public:
  LedgerPage(TeamDocument* doc, const LedgerPageDescription& description, QWidget* parent = nullptr);

 protected:
  // The total as the team has it now.
  void ShowFields() override;

 private:
  const LedgerPageDescription& m_description;
  TeamListModel* m_pModel;
  QLineEdit* m_pTotal;
};

class ExpensesPage : public LedgerPage {
 public:
  explicit ExpensesPage(TeamDocument* doc, QWidget* parent = nullptr) : LedgerPage(doc, kExpensesPage, parent) {}
};

class IncomePage : public LedgerPage {
 public:
  explicit IncomePage(TeamDocument* doc, QWidget* parent = nullptr) : LedgerPage(doc, kIncomePage, parent) {}
};

}  // namespace krv
