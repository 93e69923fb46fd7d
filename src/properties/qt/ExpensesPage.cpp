#include "properties/qt/ExpensesPage.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt/KrashballDoc.h"
#include "properties/LedgerRows.h"
#include "properties/qt/LedgerCommands.h"
#include "properties/qt/LedgerModel.h"
#include "properties/qt/LedgerPageParts.h"

namespace krv {

CMyPropertyPage3::CMyPropertyPage3(KrashballDoc* doc, QWidget* parent)
    : RecordListPage(doc, "#TEAM_AUSGABEN", parent), m_pModel(new ExpensesModel(this)) {
  setObjectName(QStringLiteral("CMyPropertyPage3"));
  setWindowTitle(QStringLiteral("Ausgaben"));
  SetUpList(m_pModel, kExpenseColumns.data(), kLedgerColumnCount, kExpenseListName);

  AddMenuEntry(PageCommand::New, QStringLiteral("&Neue Ausgabe"));
  AddMenuEntry(PageCommand::Delete, QStringLiteral("&Löschen"));
  AddMenuEntry(PageCommand::Change, QStringLiteral("&Ändern"));

  QHBoxLayout* bottom = AddListButtons();
  bottom->addStretch(1);
  m_pTotal = AddLedgerTotal(this, bottom, QStringLiteral("Ausgaben:"), QStringLiteral("ausgabenK"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(List(), 1);
  layout->addLayout(bottom);

  SetCommandHandler(PageCommand::New, [this] { NewExpense(this); });
  SetCommandHandler(PageCommand::Change, [this] { ChangeLedgerRow(this, Ledger::Expenses); });
  SetCommandHandler(PageCommand::Delete, [this] { DeleteLedgerRow(this, Ledger::Expenses); });
  RefreshPage();
}

void CMyPropertyPage3::RefreshPage() {
  RefreshList();
  m_pTotal->setText(QString::fromStdString(LedgerTotalText(Team().m_nAusgabenK)));
}

}  // namespace krv
