// Moving through folders: "Ort:", back, up, new folder, search, the tree and the list, and the keys.

#include "qxtools/FileRequesterQX.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeView>
#include <QUrl>

#include "qxtools/FileListModel.h"
#include "qxtools/FolderTreeModel.h"
#include "qxtools/FileSearchDialog.h"
#include "qxtools/RequesterMessages.h"
#include "qxtools/RequesterPaths.h"

using namespace qxtools;

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kHistoryLimit = 50;

// Icons of "Ort:" in one size, so that every line of the list is equally high.
QIcon SmallIcon(const QStyle* look, QStyle::StandardPixmap which) {
  const int size = look->pixelMetric(QStyle::PM_SmallIconSize);
  return QIcon(look->standardIcon(which).pixmap(QSize(size, size)));
}

}  // namespace

bool CFileRequesterQX::OpenFolder(const QString& folder, bool remember) {
  const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
  if (!QFileInfo(clean).isDir()) return false;
  if (remember && !m_folder.isEmpty() && m_folder != clean) {
    m_history << m_folder;
    while (m_history.size() > kHistoryLimit) m_history.removeFirst();
  }
  m_folder = clean;

  m_navigating = true;
  const QModelIndex root = m_fileModel->setRootPath(clean);
  m_details->setRootIndex(root);
  m_list->setRootIndex(root);
  m_details->selectionModel()->clear();
  m_navigating = false;
  ShowCurrentInTree();

  FillPlaces();
  UpdateButtons();
  UpdatePreview(QString());
  return true;
}

// "Ort:" lists the usual places, the way down to the current folder and the favourites.
void CFileRequesterQX::FillPlaces() {
  const QSignalBlocker blocker(m_places);
  QStyle* look = style();
  m_places->clear();
  auto add = [this](const QIcon& icon, const QString& text, const QString& path) {
    m_places->addItem(icon, text, path);
    m_places->setItemData(m_places->count() - 1, path, Qt::ToolTipRole);
  };
  add(SmallIcon(look, QStyle::SP_DesktopIcon), QStringLiteral("Desktop"), DesktopFolder());
  add(SmallIcon(look, QStyle::SP_DirHomeIcon), QStringLiteral("Persönlicher Ordner"),
      QDir::cleanPath(QDir::homePath()));
  add(SmallIcon(look, QStyle::SP_DirIcon), QStringLiteral("Eigene Dateien"), DocumentsFolder());
  add(SmallIcon(look, QStyle::SP_DriveHDIcon), QStringLiteral("Dateisystem"), QDir::rootPath());

  QStringList chain;
  for (QString path = m_folder;;) {
    chain.prepend(path);
    const QString parent = QFileInfo(path).path();
    if (parent == path || parent.isEmpty()) break;
    path = parent;
  }
  m_places->insertSeparator(m_places->count());
  const QIcon folderIcon = SmallIcon(look, QStyle::SP_DirIcon);
  for (qsizetype depth = 0; depth < chain.size(); ++depth) {
    const QString name = depth == 0 ? chain[depth] : QFileInfo(chain[depth]).fileName();
    add(folderIcon, QString(depth * 3, QLatin1Char(' ')) + name, chain[depth]);
  }
  const int current = m_places->count() - 1;

  if (!m_favourites.isEmpty()) {
    m_places->insertSeparator(m_places->count());
    const QIcon favouriteIcon = SmallIcon(look, QStyle::SP_DirLinkIcon);
    for (const QString& folder : m_favourites) add(favouriteIcon, folder, folder);
  }
  m_places->setCurrentIndex(current);
  m_places->setEditText(m_folder);
}

void CFileRequesterQX::PlaceChosen(int index) {
  const QString folder = m_places->itemData(index, kPathRole).toString();
  if (folder.isEmpty() || !OpenFolder(folder, true)) {
    if (!folder.isEmpty()) ShowNotice(this, QStringLiteral("Dies ist kein gültiges Verzeichnis!"));
    FillPlaces();
  }
}

// A folder typed into "Ort:" and confirmed with Enter.
void CFileRequesterQX::OpenTypedLocation() {
  const QString typed = m_places->currentText().trimmed();
  if (typed.isEmpty() || typed == m_folder) return;
  if (!OpenFolder(CombinePath(m_folder, typed), true)) {
    ShowNotice(this, QStringLiteral("Dies ist kein gültiges Verzeichnis!"));
    m_places->setEditText(typed);
    m_places->lineEdit()->selectAll();
  }
}

void CFileRequesterQX::GoBack() {
  while (!m_history.isEmpty())
    if (OpenFolder(m_history.takeLast(), false)) break;
  UpdateButtons();
}

void CFileRequesterQX::GoUp() {
  const QString parent = QFileInfo(m_folder).path();
  if (parent != m_folder) OpenFolder(parent, true);
}

void CFileRequesterQX::CreateFolder() {
  const QString base = QStringLiteral("Neuer Ordner");
  QString name = base;
  for (int number = 2; QFileInfo::exists(QDir(m_folder).filePath(name)) && number < 1000; ++number)
    name = QStringLiteral("%1 (%2)").arg(base).arg(number);
  const QModelIndex parent = m_fileModel->index(m_folder);
  const QModelIndex created =
      QFileInfo(m_folder).isDir() && parent.isValid() ? m_fileModel->mkdir(parent, name) : QModelIndex();
  if (!created.isValid()) {
    ShowNotice(this, QStringLiteral("Verzeichnis konnte nicht erstellt werden."));
    return;
  }
  QAbstractItemView* view = ActiveView();
  view->setCurrentIndex(created);
  view->scrollTo(created);
  view->setFocus();
  view->edit(created);
}

// A file found below the current folder is proposed with its folder opened.
void CFileRequesterQX::SearchFiles() {
  const int type = m_filterCombo->currentIndex();
  FileSearchDialog dialog(m_folder, type >= 0 && type < m_types.size() ? m_types[type].patterns : QStringList(), this);
  if (dialog.exec() != QDialog::Accepted || dialog.ChosenFile().isEmpty()) return;
  const QFileInfo found(dialog.ChosenFile());
  OpenFolder(found.absolutePath(), true);
  m_nameEdit->setText(found.fileName());
  m_nameEdit->setFocus();
}

void CFileRequesterQX::UpdateButtons() {
  m_backAction->setEnabled(!m_history.isEmpty());
  m_upAction->setEnabled(QFileInfo(m_folder).path() != m_folder);
}

void CFileRequesterQX::OpenFileManager() { QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder)); }

// ---------------------------------------------------------------------------------------------
// Tree and list

void CFileRequesterQX::TreeFolderChosen(const QModelIndex& index) {
  if (m_navigating || !index.isValid()) return;
  OpenFolder(m_treeModel->PathOf(index), true);
}

void CFileRequesterQX::ShowCurrentInTree() {
  m_navigating = true;
  m_treeModel->ShowWayTo(m_folder);
  const QModelIndex index = m_treeModel->IndexOf(m_folder);
  if (!index.isValid()) {
    m_navigating = false;
    return;
  }
  m_tree->setCurrentIndex(index);
  m_tree->expand(index);
  m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
  // Sideways only as far as needed to see the start of the folder's name.
  QScrollBar* sideways = m_tree->horizontalScrollBar();
  const int left = m_tree->visualRect(index).left() + sideways->value();
  sideways->setValue(left + 120 > m_tree->viewport()->width() ? left - 2 * m_tree->indentation() : 0);
  m_navigating = false;
}

// Chosen files are written into "Dateiname:", several in double quotes.
void CFileRequesterQX::SelectionChanged() {
  QStringList names;
  const QModelIndexList rows = m_details->selectionModel()->selectedRows(0);
  for (const QModelIndex& row : rows)
    if (!m_fileModel->isDir(row)) names << m_fileModel->fileName(row);
  if (!names.isEmpty()) m_nameEdit->setText(JoinNames(names));
}

void CFileRequesterQX::CurrentChanged(const QModelIndex& index) {
  UpdatePreview(index.isValid() && !m_fileModel->isDir(index) ? m_fileModel->filePath(index) : QString());
}

// A double click or Enter on an entry: a folder opens, a file is taken.
void CFileRequesterQX::ItemChosen(const QModelIndex& index) {
  if (!index.isValid()) return;
  if (m_fileModel->isDir(index)) {
    OpenFolder(m_fileModel->filePath(index), true);
    return;
  }
  SelectionChanged();
  if (SplitTypedNames(m_nameEdit->text()).size() <= 1) m_nameEdit->setText(m_fileModel->fileName(index));
  OnOk();
}

QAbstractItemView* CFileRequesterQX::ActiveView() const {
  return m_views->currentWidget() == m_list ? static_cast<QAbstractItemView*>(m_list)
                                            : static_cast<QAbstractItemView*>(m_details);
}

bool CFileRequesterQX::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == m_places->lineEdit() && enter && key->modifiers() == Qt::NoModifier) {
      OpenTypedLocation();
      return true;
    }
    auto* view = qobject_cast<QAbstractItemView*>(watched);
    // Keys that come up from a name being edited in the list belong to that editor.
    if ((watched == m_details || watched == m_list) && !view->indexWidget(view->currentIndex())) {
      if (enter) {
        const QModelIndex current = ActiveView()->currentIndex();
        if (current.isValid() && m_fileModel->isDir(current) && ActiveView()->selectionModel()->isSelected(current))
          OpenFolder(m_fileModel->filePath(current), true);
        else OnOk();
        return true;
      }
      if (key->key() == Qt::Key_Backspace) {
        GoUp();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}
