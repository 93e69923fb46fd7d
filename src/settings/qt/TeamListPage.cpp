#include "settings/qt/TeamListPage.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/QuickHelp.h"

namespace krv {
namespace {

constexpr const char* kUebernehmenHelp =
    "Übernimmt diesen Namen\nin die Team-Liste.\n\x01 Diese Team-Liste kann in manchen\nDialogen als PopUp-Liste "
    "eingeblendet\nwerden, um einen Team-Namen zu\nwählen.";

}  // namespace

TeamListPage::TeamListPage(const CKRStringArray& teams, QWidget* parent) : QWidget(parent), m_Teams(teams) {
  setObjectName(QStringLiteral("TeamListPage"));
  auto* nameLabel = new QLabel(QStringLiteral("&Name"), this);
  m_pName = new QLineEdit(this);
  m_pName->setObjectName(QStringLiteral("name"));
  m_pName->setMaxLength(int(kMaxTeamNameChars));
  nameLabel->setBuddy(m_pName);
  auto* uebernehmen = new QPushButton(QStringLiteral("&Übernehmen"), this);
  uebernehmen->setObjectName(QStringLiteral("uebernehmen"));
  uebernehmen->setToolTip(QuickHelpText(kUebernehmenHelp));
  m_pList = new QListWidget(this);
  m_pList->setObjectName(QStringLiteral("teams"));
  m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_pLoeschen = new QPushButton(QStringLiteral("&Löschen"), this);
  m_pLoeschen->setObjectName(QStringLiteral("loeschen"));
  m_pLoeschen->setToolTip(QStringLiteral("Löscht alle selektierten Einträge!!!"));
  m_pLoeschen->setEnabled(false);
  m_pCount = new QLabel(this);
  m_pCount->setObjectName(QStringLiteral("count"));

  auto* layout = new QGridLayout(this);
  layout->addWidget(nameLabel, 0, 0);
  layout->addWidget(m_pName, 0, 1);
  layout->addWidget(uebernehmen, 0, 2);
  layout->addWidget(m_pList, 1, 0, 1, 2);
  auto* side = new QVBoxLayout;
  side->addWidget(m_pLoeschen);
  side->addStretch(1);
  side->addWidget(m_pCount);
  layout->addLayout(side, 1, 2);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(1, 1);

  // Return in the name field adds the name; it must not reach the sheet's OK.
  m_pName->installEventFilter(this);
  connect(uebernehmen, &QPushButton::clicked, this, &TeamListPage::OnUebernehmen);
  connect(m_pLoeschen, &QPushButton::clicked, this, &TeamListPage::OnLoeschen);
  connect(m_pList, &QListWidget::itemSelectionChanged, this,
          [this] { m_pLoeschen->setEnabled(!m_pList->selectedItems().isEmpty()); });
  connect(m_pList, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { m_pName->setText(item->text()); });
  FillList();
}

bool TeamListPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_pName && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      OnUebernehmen();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TeamListPage::FillList() {
  m_pList->clear();
  QStringList names;  // added in one go: far faster than one by one for a long list
  names.reserve(static_cast<qsizetype>(m_Teams.Names().size()));
  for (const std::string& name : m_Teams.Names()) names << QString::fromStdString(name);
  m_pList->addItems(names);
  m_pCount->setText(QString::fromStdString(m_Teams.CountText()));
}

void TeamListPage::OnUebernehmen() {
  const TeamListEdit::AddResult result = m_Teams.Add(m_pName->text().toStdString());
  if (result.added) {
    FillList();
    m_pList->setCurrentRow(result.row, QItemSelectionModel::NoUpdate);
    m_pList->scrollToItem(m_pList->item(result.row));
    m_pName->clear();
  } else if (result.row >= 0) {
    m_pList->clearSelection();
    m_pList->setCurrentRow(result.row, QItemSelectionModel::ClearAndSelect);
    m_pName->setFocus();
    m_pName->selectAll();
  }
  if (result.beep) QApplication::beep();
}

void TeamListPage::OnLoeschen() {
  std::vector<int> rows;
  for (QListWidgetItem* item : m_pList->selectedItems()) rows.push_back(m_pList->row(item));
  m_Teams.Remove(rows);
  FillList();  // leaves nothing selected, so "&Löschen" is disabled again
  m_pLoeschen->setEnabled(false);
}

}  // namespace krv
