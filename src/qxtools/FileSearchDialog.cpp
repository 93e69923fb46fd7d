#include "qxtools/FileSearchDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qxtools/RequesterPaths.h"

namespace qxtools {
namespace {

constexpr int kMaxFound = 2000;

}  // namespace

FileSearchDialog::FileSearchDialog(const QString& folder, const QStringList& patterns, QWidget* parent)
    : QDialog(parent), m_folder(folder) {
  setWindowTitle(QStringLiteral("Dateien suchen"));
  setObjectName(QStringLiteral("fileSearchDialog"));

  auto* where = new QLabel(folder, this);
  where->setTextInteractionFlags(Qt::TextSelectableByMouse);
  where->setWordWrap(true);
  m_pattern = new QLineEdit(patterns.join(QLatin1Char(';')), this);
  m_pattern->setObjectName(QStringLiteral("searchPattern"));
  m_subfolders = new QCheckBox(QStringLiteral("&Unterordner durchsuchen"), this);
  m_subfolders->setObjectName(QStringLiteral("searchSubfolders"));
  m_subfolders->setChecked(true);
  m_search = new QPushButton(QStringLiteral("&Suchen"), this);
  m_search->setObjectName(QStringLiteral("searchButton"));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Suchen in:"), where);
  auto* patternRow = new QHBoxLayout;
  patternRow->addWidget(m_pattern, 1);
  patternRow->addWidget(m_search);
  auto* patternLabel = new QLabel(QStringLiteral("&Dateiname:"), this);
  patternLabel->setBuddy(m_pattern);
  form->addRow(patternLabel, patternRow);
  form->addRow(QString(), m_subfolders);

  m_results = new QListWidget(this);
  m_results->setObjectName(QStringLiteral("searchResults"));
  m_results->installEventFilter(this);
  m_count = new QLabel(this);
  m_count->setObjectName(QStringLiteral("searchCount"));

  auto* buttons = new QDialogButtonBox(this);
  m_take = buttons->addButton(QStringLiteral("Ü&bernehmen"), QDialogButtonBox::AcceptRole);
  m_take->setObjectName(QStringLiteral("takeButton"));
  buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);

  connect(m_search, &QPushButton::clicked, this, &FileSearchDialog::Search);
  connect(m_take, &QPushButton::clicked, this, &FileSearchDialog::Take);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_results, &QListWidget::itemDoubleClicked, this, &FileSearchDialog::Take);
  connect(m_results, &QListWidget::currentRowChanged, this, &FileSearchDialog::UpdateButtons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_results, 1);
  layout->addWidget(m_count);
  layout->addWidget(buttons);
  resize(520, 380);
  m_search->setDefault(true);
  UpdateButtons();
}

QStringList FileSearchDialog::Find(const QString& folder, const QStringList& patterns, bool subfolders, int limit) {
  QStringList filters;
  for (const QString& pattern : patterns) {
    const QString one = pattern.trimmed();
    if (one.isEmpty()) continue;
    filters << (HasWildcard(one) ? one : QLatin1Char('*') + one + QLatin1Char('*'));
  }
  if (filters.isEmpty()) filters << QStringLiteral("*");
  QDirIterator it(folder, filters, QDir::Files | QDir::NoDotAndDotDot,
                  subfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
  QStringList found;
  while (it.hasNext() && found.size() < limit) found << it.next();
  found.sort(Qt::CaseInsensitive);
  return found;
}

void FileSearchDialog::Search() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QStringList found =
      Find(m_folder, m_pattern->text().split(QLatin1Char(';')), m_subfolders->isChecked(), kMaxFound);
  QApplication::restoreOverrideCursor();
  m_results->clear();
  const QDir base(m_folder);
  for (const QString& path : found) {
    auto* item = new QListWidgetItem(base.relativeFilePath(path), m_results);
    item->setData(Qt::UserRole, path);
  }
  m_count->setText(QStringLiteral("Gefundene Dateien: %1").arg(static_cast<long>(found.size())));
  if (m_results->count() > 0) {
    m_results->setCurrentRow(0);
    m_results->setFocus();
  }
  UpdateButtons();
}

void FileSearchDialog::Take() {
  QListWidgetItem* item = m_results->currentItem();
  if (!item) return;
  m_chosen = item->data(Qt::UserRole).toString();
  accept();
}

void FileSearchDialog::UpdateButtons() {
  const bool chosen = m_results->currentItem() != nullptr;
  m_take->setEnabled(chosen);
}

bool FileSearchDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_results && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Take();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace qxtools
