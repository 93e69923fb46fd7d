#include "properties/qt/IncomePage.h"

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

CMyPropertyPage4::CMyPropertyPage4(KrashballDoc* doc, QWidget* parent)
    : RecordListPage(doc, "#TEAM_EINNAHMEN", parent), m_pModel(new IncomeModel(this)) {
  setObjectName(QStringLiteral("CMyPropertyPage4"));
  setWindowTitle(QStringLiteral("Einnahmen"));
  SetUpList(m_pModel, kIncomeColumns.data(), kLedgerColumnCount, kIncomeListName);

  AddMenuEntry(PageCommand::New, QStringLiteral("&Neue Einnahme"));
  AddMenuEntry(PageCommand::Delete, QStringLiteral("&Löschen"));
  AddMenuEntry(PageCommand::Change, QStringLiteral("&Ändern"));

  QHBoxLayout* bottom = AddListButtons();
  bottom->addStretch(1);
  m_pTotal = AddLedgerTotal(this, bottom, QStringLiteral("Einnahmen:"), QStringLiteral("einnahmenK"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(List(), 1);
  layout->addLayout(bottom);

  SetCommandHandler(PageCommand::New, [this] { NewIncome(this); });
  SetCommandHandler(PageCommand::Change, [this] { ChangeLedgerRow(this, Ledger::Income); });
  SetCommandHandler(PageCommand::Delete, [this] { DeleteLedgerRow(this, Ledger::Income); });
  RefreshPage();
}

void CMyPropertyPage4::RefreshPage() {
  RefreshList();
  m_pTotal->setText(QString::fromStdString(LedgerTotalText(Team().m_nEinnahmenK)));
}

}  // namespace krv
