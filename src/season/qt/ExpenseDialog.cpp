#include "season/qt/ExpenseDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "season/LedgerEntries.h"
#include "season/qt/AmountField.h"
#include "ui/MessageBoxes.h"
#include "ui/NumberEdit.h"

namespace krv {

ExpenseDialog::ExpenseDialog(const CKRTeam& team, bool playerPurchase, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ExpenseDialog"));
  setWindowTitle(QStringLiteral("Ausgabe"));
  auto* group = new QGroupBox(QStringLiteral("Kaufen / Verluste"), this);
  m_pGroup = new QButtonGroup(this);
  const auto options = ExpenseOptions(team);
  auto* grid = new QGridLayout(group);
  for (int choice = 0; choice < kExpenseChoiceCount; ++choice) {
    const ExpenseOption& option = options[static_cast<size_t>(choice)];
    auto* radio = new QRadioButton(QString::fromStdString(option.text), group);
    radio->setObjectName(QStringLiteral("wahl%1").arg(choice));
    const bool purchase = choice == kWahlStarspieler || choice == kWahlSpieler;
    radio->setEnabled(option.enabled && (playerPurchase || !purchase));
    if (!option.enabled) radio->setToolTip(QString::fromStdString(option.reason));
    m_pGroup->addButton(radio, choice);
    m_Choices[static_cast<size_t>(choice)] = radio;
    grid->addWidget(radio, choice, 0);
  }
  m_pText = new QLineEdit(group);
  m_pText->setObjectName(QStringLiteral("text"));
  m_pText->setAccessibleName(QStringLiteral("Text des Verlusts"));
  m_pText->setMaxLength(kMaxLedgerText);
  m_pWert = new NumberEdit(group);
  m_pWert->setObjectName(QStringLiteral("wert"));
  m_pWert->setAccessibleName(QStringLiteral("Wert des Verlusts"));
  auto* lossRow = new QHBoxLayout;
  lossRow->addWidget(m_pText, 2);
  lossRow->addWidget(m_pWert, 1);
  lossRow->addWidget(new QLabel(QStringLiteral(" Goldst."), group));
  grid->addLayout(lossRow, kWahlVerlust, 1);
  grid->setColumnStretch(1, 1);

  auto* buttons = new QDialogButtonBox(this);
  m_pOk = buttons->addButton(QStringLiteral("&Übernehmen"), QDialogButtonBox::AcceptRole);
  m_pOk->setObjectName(QStringLiteral("uebernehmen"));
  m_pOk->setDefault(true);
  QPushButton* zurueck = buttons->addButton(QStringLiteral("&Zurück"), QDialogButtonBox::RejectRole);
  zurueck->setObjectName(QStringLiteral("zurueck"));
  connect(buttons, &QDialogButtonBox::accepted, this, &ExpenseDialog::Accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_pGroup, &QButtonGroup::idClicked, this, &ExpenseDialog::ChoiceClicked);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);

  // The choice taken last time, when it can be taken now.
  const int last = team.m_nLetzteAusgabeArt;
  if (last >= 0 && last < kExpenseChoiceCount && Choice(last)->isEnabled()) Choice(last)->setChecked(true);
  const bool loss = m_pGroup->checkedId() == kWahlVerlust;
  m_pText->setEnabled(loss);
  m_pWert->setEnabled(loss);
}

void ExpenseDialog::ChoiceClicked(int choice) {
  const bool loss = choice == kWahlVerlust;
  m_pText->setEnabled(loss);
  m_pWert->setEnabled(loss);
  if (choice == kWahlMarke) InformationBox(this, QString::fromUtf8(kNormalRerollNote));
}

void ExpenseDialog::Accept() {
  if (m_pGroup->checkedId() < 0) {
    RulesMessageBox(this, QString::fromUtf8(kNoChoiceMessage));
    return;
  }
  if (m_pGroup->checkedId() == kWahlVerlust && !AmountFits(this, m_pWert)) return;
  m_nWahl = m_pGroup->checkedId();
  m_strText = m_pText->text();
  m_nWert = m_pWert->Value();
  accept();
}

}  // namespace krv
