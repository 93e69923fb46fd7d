#include "season/qt/LedgerEntryDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "season/LedgerEntries.h"
#include "season/qt/AmountField.h"
#include "ui/NumberEdit.h"
#include "ui/WindowPlacement.h"

namespace krv {

LedgerEntryDialog::LedgerEntryDialog(QWidget* parent)
    : QDialog(parent), m_strArt(QString::fromLatin1(kGameIncomePrefix)) {
  setObjectName(QStringLiteral("LedgerEntryDialog"));
  m_pArt = new QLineEdit(this);
  m_pArt->setObjectName(QStringLiteral("art"));
  m_pArt->setMaxLength(kMaxLedgerText);
  m_pArt->setMinimumWidth(m_pArt->fontMetrics().averageCharWidth() * 40);
  m_pPick = new QToolButton(this);
  m_pPick->setObjectName(QStringLiteral("teamWaehlen"));
  m_pPick->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
  m_pPick->setToolTip(QStringLiteral("Team aus der System-Teamliste wählen"));
  m_pWert = new NumberEdit(this);
  m_pWert->setObjectName(QStringLiteral("wert"));

  auto* artLabel = new QLabel(QStringLiteral("&Art:"), this);
  artLabel->setBuddy(m_pArt);
  auto* wertLabel = new QLabel(QStringLiteral("&Wert:"), this);
  wertLabel->setBuddy(m_pWert);
  auto* grid = new QGridLayout;
  grid->addWidget(artLabel, 0, 0);
  grid->addWidget(m_pArt, 0, 1);
  grid->addWidget(m_pPick, 0, 2);
  grid->addWidget(wertLabel, 1, 0);
  grid->addWidget(m_pWert, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral(" Goldst."), this), 1, 2);
  grid->setColumnStretch(1, 1);

  auto* buttons = new QDialogButtonBox(this);
  m_pOk = buttons->addButton(QStringLiteral("&Neu"), QDialogButtonBox::AcceptRole);
  m_pOk->setObjectName(QStringLiteral("ok"));
  m_pOk->setDefault(true);
  QPushButton* zurueck = buttons->addButton(QStringLiteral("&Zurück"), QDialogButtonBox::RejectRole);
  zurueck->setObjectName(QStringLiteral("zurueck"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (!AmountFits(this, m_pWert)) return;
    m_strArt = m_pArt->text();
    m_nWert = m_pWert->Value();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_pPick, &QToolButton::clicked, this, [this] {
    if (!m_PickTeam) return;
    if (const auto name = m_PickTeam()) m_pArt->setText(QString::fromLatin1(kGameIncomePrefix) + *name);
  });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch(1);
  layout->addWidget(buttons);
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

int LedgerEntryDialog::exec() {
  setWindowTitle(m_bAusgabe && !m_bNeu ? QStringLiteral("Ausgabe ändern")
                 : m_bAusgabe          ? QStringLiteral("Ausgabe")
                                       : QStringLiteral("Einnahmen"));
  m_pOk->setText(m_bNeu ? QStringLiteral("&Neu") : QStringLiteral("Ä&ndern"));
  m_pPick->setVisible(!m_bAusgabe);
  // A stored text longer than a typed one may be (the program's own bookings can be) is
  // shown and kept whole.
  m_pArt->setMaxLength(std::max<int>(kMaxLedgerText, static_cast<int>(m_strArt.size())));
  m_pArt->setText(m_strArt);
  m_pWert->SetValue(m_nWert);
  m_pArt->setFocus();
  return QDialog::exec();
}

}  // namespace krv
