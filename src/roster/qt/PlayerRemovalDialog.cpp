#include "roster/qt/PlayerRemovalDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/ProgramServices.h"

namespace krv {

PlayerRemovalDialog::PlayerRemovalDialog(const QString& playerName, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PlayerRemovalDialog"));
  setProperty("helpTopic", QString::fromLatin1(kHelpTopic));
  setWindowTitle(QStringLiteral("Spieler '%1' entfernen").arg(playerName));

  auto* group = new QGroupBox(QStringLiteral("Was ist mit dem Spieler geschehen?"), this);
  m_pVerkauft = new QRadioButton(QStringLiteral("&Verkauft/Entlassen"), group);
  m_pVerkauft->setObjectName(QStringLiteral("verkauft"));
  m_pCotrainer = new QRadioButton(QStringLiteral("&Als Cotrainer übernommen"), group);
  m_pCotrainer->setObjectName(QStringLiteral("cotrainer"));
  m_pVerstorben = new QRadioButton(QStringLiteral("V&erstorben"), group);
  m_pVerstorben->setObjectName(QStringLiteral("verstorben"));
  m_pSonstiges = new QRadioButton(QStringLiteral("&Sonstiges"), group);
  m_pSonstiges->setObjectName(QStringLiteral("sonstiges"));
  m_pText = new QLineEdit(group);
  m_pText->setObjectName(QStringLiteral("text"));
  m_pText->setMaxLength(kMaxRemovalText);
  m_pText->setEnabled(false);
  m_pVerstorben->setChecked(true);
  connect(m_pSonstiges, &QRadioButton::toggled, m_pText, &QWidget::setEnabled);

  auto* other = new QHBoxLayout;
  other->addWidget(m_pSonstiges);
  other->addWidget(m_pText, 1);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(m_pVerkauft);
  groupLayout->addWidget(m_pCotrainer);
  groupLayout->addWidget(m_pVerstorben);
  groupLayout->addLayout(other);

  auto* aendern = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&Ändern"), this);
  aendern->setObjectName(QStringLiteral("aendern"));
  aendern->setDefault(true);
  auto* zurueck =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("&Zurück"), this);
  zurueck->setObjectName(QStringLiteral("zurueck"));
  connect(aendern, &QPushButton::clicked, this, &PlayerRemovalDialog::accept);
  connect(zurueck, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(aendern);
  buttons->addWidget(zurueck);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  setMinimumWidth(420);
}

PlayerRemoval PlayerRemovalDialog::Removal() const {
  PlayerRemoval removal;
  if (m_pVerkauft->isChecked()) removal.m_Reason = RemovalReason::kVerkauft;
  else if (m_pCotrainer->isChecked()) removal.m_Reason = RemovalReason::kCotrainer;
  else if (m_pVerstorben->isChecked()) removal.m_Reason = RemovalReason::kVerstorben;
  else if (m_pSonstiges->isChecked()) removal.m_Reason = RemovalReason::kSonstiges;
  removal.m_strText = m_pText->text().toStdString();
  return removal;
}

void PlayerRemovalDialog::accept() {
  if (const ChangeOutcome check = PlayerRemovalRefusal(Removal()); check.Refused()) {
    ShowNotice(this, check.refusal);
    if (m_pSonstiges->isChecked()) m_pText->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace krv
