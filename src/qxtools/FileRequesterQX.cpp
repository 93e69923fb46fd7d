#include "qxtools/FileRequesterQX.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>

#include "qxtools/FileListModel.h"
#include "qxtools/FolderTreeModel.h"
#include "qxtools/RequesterMessages.h"
#include "qxtools/RequesterPaths.h"

using namespace qxtools;

namespace {

// The window a requester without parent belongs to: an open modal dialog, else the main window.
QWidget* DefaultOwner() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(widget) && widget->isVisible()) return widget;
  return QApplication::activeWindow();
}

}  // namespace

CFileRequesterQX::CFileRequesterQX(QWidget* owner, bool save) : m_owner(owner), m_save(save) {
  setObjectName(QStringLiteral("fileRequester"));
  m_folder = DocumentsFolder();
  m_types = ParseFileFilter(QString());
  BuildActions();
  BuildWindow();
  for (const FileType& type : m_types) m_filterCombo->addItem(type.text);
  ApplyFilter(0);
  ApplyMode();
  RememberPlacement(this, QStringLiteral("FileRequester"));
}

// The models read the file system in a thread of their own that uses the icon provider: they
// go first, the provider after them.
CFileRequesterQX::~CFileRequesterQX() {
  m_places->setCompleter(nullptr);
  delete m_fileModel;
  delete m_treeModel;
  delete m_dirModel;
}

// ---------------------------------------------------------------------------------------------
// Properties

void CFileRequesterQX::SetProperties(bool open, const QString& path, const QString& filter, const QString& key,
                                     long flags) {
  m_save = !open;
  m_key = key;
  m_flags = flags;
  const StartLocation start = SplitStartPath(path, flags & 4);
  m_folder = start.folder;
  m_nameEdit->setText(start.name);

  m_types = ParseFileFilter(filter);
  {
    const QSignalBlocker blocker(m_filterCombo);
    m_filterCombo->clear();
    for (const FileType& type : m_types) m_filterCombo->addItem(type.text);
    m_filterCombo->setCurrentIndex(0);
  }
  ApplyFilter(0);
  ApplyMode();
}

void CFileRequesterQX::SetTitle(const QString& title) {
  m_title = title;
  ApplyMode();
}

// Caption, OK button, selection, preview and the remembered view of the current mode.
void CFileRequesterQX::ApplyMode() {
  if (!m_title.isEmpty()) setWindowTitle(m_title);
  else setWindowTitle(m_save ? QStringLiteral("Speichern unter") : QStringLiteral("Öffnen"));
  m_ok->setText(m_save ? QStringLiteral("&Speichern") : QStringLiteral("Ö&ffnen"));

  const auto selection = MultiSelect() ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection;
  m_details->setSelectionMode(selection);
  m_list->setSelectionMode(selection);
  m_previewBox->setVisible(PreviewWanted());

  m_view = LoadViewSettings(ModeName());
  ApplyView(m_view.view);
  ShowTree(m_view.treeShown);
  m_favourites = LoadFavourites(ModeName());
}

void CFileRequesterQX::ApplyFilter(int index) {
  if (index < 0 || index >= m_types.size()) return;
  m_fileModel->setNameFilters(m_types[index].patterns);
}

void CFileRequesterQX::ApplyView(ListView view) {
  m_view.view = view;
  switch (view) {
    case ListView::Details:
      m_detailsAction->setChecked(true);
      m_views->setCurrentWidget(m_details);
      break;
    case ListView::List:
      m_listAction->setChecked(true);
      m_list->setViewMode(QListView::ListMode);
      m_list->setFlow(QListView::TopToBottom);
      m_list->setWrapping(true);
      m_list->setResizeMode(QListView::Adjust);
      m_list->setIconSize(QSize(16, 16));
      m_list->setGridSize(QSize());
      m_list->setSpacing(1);
      m_views->setCurrentWidget(m_list);
      break;
    case ListView::Icons:
      m_iconsAction->setChecked(true);
      m_list->setViewMode(QListView::IconMode);
      m_list->setFlow(QListView::LeftToRight);
      m_list->setWrapping(true);
      m_list->setResizeMode(QListView::Adjust);
      m_list->setMovement(QListView::Static);
      m_list->setIconSize(QSize(48, 48));
      m_list->setGridSize(QSize(100, 84));
      m_list->setWordWrap(true);
      m_views->setCurrentWidget(m_list);
      break;
  }
}

void CFileRequesterQX::ShowTree(bool shown) {
  m_view.treeShown = shown;
  m_treeAction->setChecked(shown);
  m_tree->setVisible(shown);
}

void CFileRequesterQX::StoreView() { StoreViewSettings(ModeName(), m_view); }

// ---------------------------------------------------------------------------------------------
// Running

bool CFileRequesterQX::Run() {
  m_paths.clear();
  m_readPos = -1;
  QWidget* owner = m_owner ? m_owner.data() : DefaultOwner();
  if (owner == this) owner = nullptr;
  setParent(owner, windowFlags());
  OpenFolder(m_folder, false);
  m_nameEdit->setFocus();
  m_nameEdit->selectAll();
  const int result = exec();
  setParent(nullptr, windowFlags());
  return result == QDialog::Accepted;
}

QString CFileRequesterQX::NextPath(bool first) {
  if (first) m_readPos = 0;
  else if (m_readPos < m_paths.size()) ++m_readPos;
  return m_paths.value(m_readPos);
}

void CFileRequesterQX::done(int result) {
  SetLastFolder(m_folder);
  QDialog::done(result);
}

// Closing with OK: a typed folder opens, a pattern filters the list, a file name (or several)
// becomes the result; in save mode an existing file is only taken when the user agrees.
void CFileRequesterQX::OnOk() {
  QStringList names = SplitTypedNames(m_nameEdit->text());
  if (names.isEmpty()) {
    const QModelIndex current = ActiveView()->currentIndex();
    if (current.isValid() && m_fileModel->isDir(current)) OpenFolder(m_fileModel->filePath(current), true);
    return;
  }
  if (!MultiSelect()) names = {names.first()};

  if (names.size() == 1) {
    const QString& name = names.first();
    const QString path = CombinePath(m_folder, name);
    const QFileInfo info(path);
    if (info.isDir()) {
      OpenFolder(path, true);
      m_nameEdit->clear();
      return;
    }
    if (HasWildcard(name) && !info.exists()) {
      m_fileModel->setNameFilters({QFileInfo(name).fileName()});
      if (!QFileInfo(info.path()).isDir() || !OpenFolder(info.path(), true))
        ShowNotice(this, QStringLiteral("Dies ist kein gültiges Verzeichnis!"));
      m_nameEdit->clear();
      return;
    }
    if (name.endsWith(QLatin1Char('/')) || !QFileInfo(info.path()).isDir()) {
      ShowNotice(this, QStringLiteral("Dies ist kein gültiges Verzeichnis!"));
      m_nameEdit->setFocus();
      m_nameEdit->selectAll();
      return;
    }
    if (m_save && info.exists() && !ConfirmOverwrite(path)) {
      m_nameEdit->setFocus();
      m_nameEdit->selectAll();
      return;
    }
    m_paths = {path};
  } else {
    QStringList paths;
    for (const QString& name : names) {
      const QString path = CombinePath(m_folder, name);
      if (!QFileInfo(path).isDir()) paths << path;
    }
    if (paths.isEmpty()) return;
    m_paths = paths;
  }
  accept();
}

bool CFileRequesterQX::ConfirmOverwrite(const QString& path) {
  return AskQuestion(
      this, QStringLiteral("%1\nDiese Datei ist bereits vorhanden.\nMöchten Sie die Datei überschreiben?").arg(path));
}
