#include "teamwindow/qt/LedgerPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "teamwindow/qt/TeamDocument.h"
#include "teamwindow/LedgerRows.h"
#include "teamwindow/qt/LedgerCommands.h"
#include "teamwindow/qt/LedgerModel.h"

namespace krv {

const LedgerPageDescription kExpensesPage = {Ledger::Expenses, "ExpensesPage",         "Ausgaben",
                                             "#TEAM_AUSGABEN", "&Neue Ausgabe",        "Ausgaben:",
                                             "ausgabenK",      &CKRTeam::m_nAusgabenK, NewExpense};

const LedgerPageDescription kIncomePage = {Ledger::Income,   "IncomePage", "Einnahmen",  "#TEAM_EINNAHMEN",
                                           "&Neue Einnahme", "Einnahmen:", "einnahmenK", &CKRTeam::m_nEinnahmenK,
                                           NewIncome};

namespace {

// "<label> [total] K"; returns the total field.
QLineEdit* AddTotal(QWidget* page, QHBoxLayout* row, const QString& label, const QString& objectName) {
  auto* total = new QLineEdit(page);
  total->setObjectName(objectName);
  total->setReadOnly(true);
  total->setFocusPolicy(Qt::ClickFocus);
  total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  total->setFixedWidth(total->fontMetrics().horizontalAdvance(QStringLiteral("-00000000")) + 12);
  auto* caption = new QLabel(label, page);
  caption->setBuddy(total);
  row->addWidget(caption);
  row->addWidget(total);
  row->addWidget(new QLabel(QStringLiteral("K"), page));
  return total;
}

}  // namespace

LedgerPage::LedgerPage(TeamDocument* doc, const LedgerPageDescription& description, QWidget* parent)
    : RecordListPage(doc, description.helpTopic, parent),
      m_description(description),
      m_pModel(MakeLedgerModel(description.ledger, this)) {
  setObjectName(QString::fromLatin1(description.objectName));
  setWindowTitle(QString::fromUtf8(description.title));
  const bool expenses = description.ledger == Ledger::Expenses;
  SetUpList(m_pModel, expenses ? kExpenseColumns.data() : kIncomeColumns.data(), kLedgerColumnCount,
            expenses ? kExpenseListName : kIncomeListName);
  // Both columns keep their widths in a wide window: the amounts stay beside their texts.

  AddMenuEntry(PageCommand::New, QString::fromUtf8(description.newEntryMenuText));
  AddMenuEntry(PageCommand::Delete, QStringLiteral("&Löschen"));
  AddMenuEntry(PageCommand::Change, QStringLiteral("&Ändern"));

  QHBoxLayout* bottom = AddListButtons();
  bottom->addStretch(1);
  m_pTotal = AddTotal(this, bottom, QString::fromUtf8(description.totalLabel),
                      QString::fromLatin1(description.totalFieldName));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(List(), 1);
  layout->addLayout(bottom);

  const Ledger ledger = description.ledger;
  SetCommandHandler(PageCommand::New, [this] { m_description.newEntry(this); });
  SetCommandHandler(PageCommand::Change, [this, ledger] { ChangeLedgerRow(this, ledger); });
  SetCommandHandler(PageCommand::Delete, [this, ledger] { DeleteLedgerRow(this, ledger); });
  RefreshPage();
}

void LedgerPage::ShowFields() {
  m_pTotal->setText(QString::fromStdString(LedgerTotalText(Team().*m_description.total)));
}

}  // namespace krv
