#include "qxtools/FavouritesDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qxtools {

FavouritesDialog::FavouritesDialog(const QStringList& favourites, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Favoriten löschen"));
  setObjectName(QStringLiteral("favouritesDialog"));

  auto* label = new QLabel(QStringLiteral("&Welche Favoriten sollen gelöscht werden?"), this);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("favouritesList"));
  label->setBuddy(m_list);
  for (const QString& folder : favourites) {
    auto* item = new QListWidgetItem(folder, m_list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  if (m_list->count() > 0) m_list->setCurrentRow(0);

  auto* buttons = new QDialogButtonBox(this);
  m_delete = buttons->addButton(QStringLiteral("&Löschen"), QDialogButtonBox::AcceptRole);
  m_delete->setObjectName(QStringLiteral("deleteButton"));
  buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QListWidget::itemChanged, this, &FavouritesDialog::UpdateButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(m_list);
  layout->addWidget(buttons);
  resize(420, 280);
  UpdateButton();
}

QStringList FavouritesDialog::Remaining() const {
  QStringList remaining;
  for (int i = 0; i < m_list->count(); ++i)
    if (m_list->item(i)->checkState() != Qt::Checked) remaining << m_list->item(i)->text();
  return remaining;
}

void FavouritesDialog::UpdateButton() {
  bool anyTicked = false;
  for (int i = 0; i < m_list->count(); ++i) anyTicked = anyTicked || m_list->item(i)->checkState() == Qt::Checked;
  m_delete->setEnabled(anyTicked);
  m_delete->setDefault(anyTicked);
}

}  // namespace qxtools
