#include "settings/qt/TeamChoiceDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/NameOrder.h"
#include "ui/WindowPlacement.h"

namespace krv {

TeamChoiceDialog::TeamChoiceDialog(const std::vector<std::string>& names, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TeamChoiceDialog"));
  setWindowTitle(QStringLiteral("Team-Auswahl"));
  m_pList = new QListWidget(this);
  m_pList->setObjectName(QStringLiteral("teams"));
  m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
  std::vector<std::string> sorted = names;
  SortNames(sorted);
  for (const std::string& name : sorted) m_pList->addItem(QString::fromStdString(name));

  auto* buttons = new QDialogButtonBox(this);
  m_pNehmen = buttons->addButton(QStringLiteral("&Nehmen"), QDialogButtonBox::AcceptRole);
  m_pNehmen->setObjectName(QStringLiteral("nehmen"));
  m_pNehmen->setEnabled(false);
  QPushButton* abbruch = buttons->addButton(QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
  abbruch->setObjectName(QStringLiteral("abbruch"));
  connect(m_pNehmen, &QPushButton::clicked, this, &TeamChoiceDialog::Take);
  connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_pList, &QListWidget::itemSelectionChanged, this,
          [this] { m_pNehmen->setEnabled(!m_pList->selectedItems().isEmpty()); });
  connect(m_pList, &QListWidget::itemDoubleClicked, this, &TeamChoiceDialog::Take);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pList, 1);
  layout->addWidget(buttons);
  resize(260, 320);
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

void TeamChoiceDialog::Take() {
  const QList<QListWidgetItem*> selected = m_pList->selectedItems();
  if (selected.isEmpty()) return;
  m_strGewaehlt = selected.first()->text();
  accept();
}

std::optional<QString> PickTeam(QWidget* parent, const std::vector<std::string>& names) {
  TeamChoiceDialog dlg(names, parent);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.m_strGewaehlt;
}

}  // namespace krv
