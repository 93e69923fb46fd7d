#include "roster/qt/RaceChangeDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/Spieler.h"
#include "model/Team.h"
#include "roster/RaceRepair.h"

namespace krv {
namespace {

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

RaceChangeDialog::RaceChangeDialog(const CKRTeam& team, QWidget* parent)
    : QDialog(parent), m_team(team), m_repair(StartRaceRepair(team)) {
  setWindowTitle(QStringLiteral("Volk ändern"));
  setProperty("helpTopic", QStringLiteral("#VOLK_AENDERN"));
  setObjectName(QStringLiteral("RaceChangeDialog"));

  auto* explanation = new QLabel(
      QStringLiteral("Da einige Rassen nachträglich hinzugefügt wurden, kann es bei bestehenden Teams zu Fehlern "
                     "kommen. So kann es z.B. sein, dass \"Untote\" plötzlich als \"Orks\"angezeigt werden. Hiermit "
                     "bereinigen Sie dieses wieder."),
      this);
  explanation->setWordWrap(true);

  m_pRasse = new QComboBox(this);
  m_pRasse->setObjectName(QStringLiteral("race"));
  for (const std::string& race : RaceChoices()) m_pRasse->addItem(FromStd(race));
  m_pRasse->setMaxVisibleItems(16);
  m_pRasse->setCurrentIndex(m_repair.race);

  m_pEigene = new QLineEdit(FromStd(m_repair.ownRaceName), this);
  m_pEigene->setObjectName(QStringLiteral("ownRace"));
  m_pEigene->setEnabled(team.m_nRasse == kEigeneRasse);
  auto* eigeneLabel = new QLabel(QStringLiteral("Eigene: "), this);
  eigeneLabel->setBuddy(m_pEigene);

  m_pSpieler = new QTreeWidget(this);
  m_pSpieler->setObjectName(QStringLiteral("players"));
  m_pSpieler->setRootIsDecorated(false);
  m_pSpieler->setUniformRowHeights(true);
  m_pSpieler->setAllColumnsShowFocus(true);
  m_pSpieler->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_pSpieler->setHeaderLabels(
      {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Position"), QStringLiteral("Position nach ID")});
  const int widths[] = {40, 140, 100, 100};
  for (int column = 0; column < 4; ++column) m_pSpieler->setColumnWidth(column, widths[column]);
  m_pSpieler->setMinimumWidth(40 + 140 + 100 + 100 + 24);

  m_pSpielertyp = new QComboBox(this);
  m_pSpielertyp->setObjectName(QStringLiteral("positionType"));
  for (const std::string& entry : PositionTypeChoices()) m_pSpielertyp->addItem(FromStd(entry));
  m_pSpielertyp->setMaxVisibleItems(20);
  m_pSpielertyp->setCurrentIndex(-1);
  m_pSpielertyp->setEnabled(false);
  auto* typLabel = new QLabel(QStringLiteral("Spielertyp zuweisen:"), this);
  typLabel->setBuddy(m_pSpielertyp);

  auto* close = new QPushButton(QStringLiteral("Schließen"), this);
  close->setObjectName(QStringLiteral("close"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* raceRow = new QHBoxLayout;
  raceRow->addWidget(m_pRasse, 1);
  raceRow->addSpacing(12);
  raceRow->addWidget(eigeneLabel);
  raceRow->addWidget(m_pEigene, 1);
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(typLabel);
  typeRow->addWidget(m_pSpielertyp, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(explanation);
  layout->addLayout(raceRow);
  layout->addWidget(m_pSpieler, 1);
  layout->addLayout(typeRow);
  layout->addLayout(buttons);

  connect(m_pRasse, &QComboBox::activated, this, &RaceChangeDialog::OnRaceChosen);
  connect(m_pEigene, &QLineEdit::textEdited, this, [this](const QString& text) {
    m_repair.ownRaceName = text.toStdString();
    m_repair.changed = true;
  });
  connect(m_pSpieler, &QTreeWidget::itemSelectionChanged, this, &RaceChangeDialog::OnSelectionChanged);
  connect(m_pSpieler, &QTreeWidget::itemDoubleClicked, this, [this] {
    if (m_pSpielertyp->isEnabled()) m_pSpielertyp->showPopup();
  });
  connect(m_pSpielertyp, &QComboBox::activated, this, &RaceChangeDialog::OnPositionTypeChosen);

  FillPlayers();
  resize(sizeHint().width(), 420);
}

void RaceChangeDialog::OnRaceChosen() {
  m_repair.race = m_pRasse->currentIndex();
  m_pEigene->setEnabled(m_repair.race == kEigeneRasse);
  m_repair.changed = true;
}

void RaceChangeDialog::OnSelectionChanged() {
  m_pSpielertyp->setEnabled(!m_pSpieler->selectedItems().isEmpty());
  m_pSpielertyp->setCurrentIndex(-1);
}

void RaceChangeDialog::OnPositionTypeChosen(int entry) {
  std::vector<size_t> selected;
  for (int row = 0; row < m_pSpieler->topLevelItemCount(); ++row)
    if (m_pSpieler->topLevelItem(row)->isSelected()) selected.push_back(static_cast<size_t>(row));
  if (selected.empty() || !AssignPositionType(m_repair, selected, entry)) return;
  FillPlayers();
}

void RaceChangeDialog::FillPlayers() {
  // The list keeps its scroll position and its selection across the refill; its rows stay
  // the same players.
  const int scroll = m_pSpieler->verticalScrollBar()->value();
  QSet<int> selected;
  for (int row = 0; row < m_pSpieler->topLevelItemCount(); ++row)
    if (m_pSpieler->topLevelItem(row)->isSelected()) selected.insert(row);

  m_pSpieler->clear();
  QList<QTreeWidgetItem*> items;
  for (const RaceRepairRow& row : RaceRepairRows(m_team, m_repair)) {
    auto* item = new QTreeWidgetItem(
        {FromStd(row.nummer), FromStd(row.name), FromStd(row.position), FromStd(row.positionByCode)});
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    items << item;
  }
  m_pSpieler->addTopLevelItems(items);
  for (int row : selected)
    if (row < items.size()) items[row]->setSelected(true);
  m_pSpieler->verticalScrollBar()->setValue(scroll);
}

}  // namespace krv
