#include "create/qt/OwnRaceDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "create/qt/StarPlayerBuilderDialog.h"
#include "model/Team.h"
#include "ui/MessageBoxes.h"
#include "ui/ReadOnlyLook.h"
#include "ui/WindowPlacement.h"

namespace krv {

OwnRaceDialog::OwnRaceDialog(CKRTeam* team, int32_t startingCapital, QWidget* parent)
    : QDialog(parent), m_nStartingCapital(startingCapital) {
  m_Design.m_pTeam = team;
  setWindowTitle(QString::fromUtf8(kOwnRaceCaption));
  setProperty("helpTopic", QString::fromLatin1(kHelpTopic));
  setObjectName(QStringLiteral("OwnRaceDialog"));

  auto* grid = new QGridLayout;
  auto* heading = new QLabel(QString::fromUtf8(kOwnRaceColumnHeading), this);
  heading->setObjectName(QStringLiteral("heading"));
  grid->addWidget(heading, 0, 1);
  for (int slot = 0; slot < kOwnRaceSlotCount; ++slot) {
    const OwnRaceSlot& position = kOwnRaceSlots[static_cast<size_t>(slot)];
    auto* button = new QPushButton(QString::fromUtf8(position.m_pszLabel), this);
    button->setObjectName(QStringLiteral("position%1").arg(slot));
    button->setAutoDefault(false);
    auto* text = new QLineEdit(this);
    text->setObjectName(QStringLiteral("text%1").arg(slot));
    SetReadOnlyLook(text);
    text->setMinimumWidth(360);
    grid->addWidget(button, slot + 1, 0);
    grid->addWidget(text, slot + 1, 1);
    m_pButtons[static_cast<size_t>(slot)] = button;
    m_pTexts[static_cast<size_t>(slot)] = text;
    connect(button, &QPushButton::clicked, this, [this, slot] { PositionButton(slot); });
  }
  grid->setColumnStretch(1, 1);

  m_pMutation = new QCheckBox(QString::fromUtf8(kOwnRaceMutationLabel), this);
  m_pMutation->setObjectName(QStringLiteral("mutation"));
  connect(m_pMutation, &QCheckBox::toggled, this, [this](bool on) { m_Design.m_bMutation = on; });

  auto* buttons = new QDialogButtonBox(this);
  m_pUebernehmen = buttons->addButton(QStringLiteral("&Übernehmen"), QDialogButtonBox::AcceptRole);
  m_pUebernehmen->setObjectName(QStringLiteral("uebernehmen"));
  QPushButton* cancel = buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("abbruch"));
  connect(m_pUebernehmen, &QPushButton::clicked, this, [this] { Uebernehmen(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(m_pMutation);
  layout->addWidget(buttons);
  // Only the text fields have use for more room, and only in width.
  setMaximumHeight(sizeHint().height());

  // A new team has no positions yet, so "&Übernehmen" starts disabled. Positions designed in
  // an earlier, cancelled round stay in the team; they are shown and count.
  if (team)
    for (int slot = 0; slot < kOwnRaceSlotCount; ++slot)
      m_Design.m_Texts[static_cast<size_t>(slot)] = OwnPositionText(team->m_Positionen[static_cast<size_t>(slot)]);
  ShowTexts();
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

void OwnRaceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!m_Design.m_pTeam && !m_bNoTeamShown) {
    m_bNoTeamShown = true;
    QMetaObject::invokeMethod(
        this, [this] { InformationBox(this, QString::fromUtf8(kOwnRaceNoTeamMessage)); }, Qt::QueuedConnection);
  }
}

void OwnRaceDialog::PositionButton(int slot) {
  m_Design.m_bMutation = m_pMutation->isChecked();
  StarPlayerBuilderDialog builder(OwnRaceBuilder(m_Design, slot), m_nStartingCapital, this);
  const bool accepted = builder.exec() == QDialog::Accepted;
  OwnRaceBuilderClosed(m_Design, slot, accepted ? &builder.Builder() : nullptr);
  ShowTexts();
}

void OwnRaceDialog::ShowTexts() {
  for (int slot = 0; slot < kOwnRaceSlotCount; ++slot)
    m_pTexts[static_cast<size_t>(slot)]->setText(QString::fromStdString(m_Design.m_Texts[static_cast<size_t>(slot)]));
  m_pUebernehmen->setEnabled(OwnRaceMayAccept(m_Design));
}

void OwnRaceDialog::Uebernehmen() {
  m_Design.m_bMutation = m_pMutation->isChecked();
  if (AcceptOwnRace(m_Design)) accept();
}

}  // namespace krv
