#pragma once
// The requester window behind CCFileDialog: "Ort:" with the usual places, the folder tree and
// the file list side by side, "Dateiname:" and "Dateityp:", and the tool buttons for the last
// folder, the parent folder, a new folder, the file search, the view and the favourites.

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "qxtools/FileFilter.h"
#include "qxtools/RequesterSettings.h"

class QAbstractItemView;
class QAction;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QModelIndex;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QToolButton;
class QTreeView;

namespace qxtools {
class FallbackIconProvider;
class FileListModel;
class FolderTreeModel;
}  // namespace qxtools

class CFileRequesterQX : public QDialog {
  Q_OBJECT
 public:
  // The owner only places the window while it runs; it does not own the requester.
  CFileRequesterQX(QWidget* owner, bool save);
  ~CFileRequesterQX() override;

  void SetProperties(bool open, const QString& path, const QString& filter, const QString& key, long flags);
  void SetTitle(const QString& title);
  // Runs the window over its owner (the application's main window when none); true for OK.
  bool Run();
  // The chosen paths one by one; first restarts. Empty after the last one.
  QString NextPath(bool first);
  long CountFiles() const { return static_cast<long>(m_paths.size()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  static constexpr int kPreviewSize = 160;  // the preview's smallest side; it grows to twice that

  void BuildActions();
  void BuildWindow();
  void ApplyMode();
  void ApplyFilter(int index);
  void ApplyView(qxtools::ListView view);
  void ShowTree(bool shown);
  void StoreView();

  bool OpenFolder(const QString& folder, bool remember);
  void OpenTypedLocation();
  void FillPlaces();
  void PlaceChosen(int index);
  void GoBack();
  void GoUp();
  void CreateFolder();
  void SearchFiles();
  void UpdateButtons();

  void FillFavouritesMenu();
  void AddCurrentFolderToFavourites();
  void RestoreStandardFavourites();
  void DeleteFavourites();
  void OpenFileManager();
  void SetFavourites(const QStringList& folders);

  void TreeFolderChosen(const QModelIndex& index);
  void ShowCurrentInTree();
  void SelectionChanged();
  void CurrentChanged(const QModelIndex& index);
  void ItemChosen(const QModelIndex& index);
  void UpdatePreview(const QString& path);

  void OnOk();
  bool ConfirmOverwrite(const QString& path);

  QAbstractItemView* ActiveView() const;
  QString ModeName() const { return m_save ? QStringLiteral("SAVE") : QStringLiteral("OPEN"); }
  bool MultiSelect() const { return !m_save && (m_flags & 2); }
  bool PreviewWanted() const { return m_flags & 1; }

  // Window state.
  QPointer<QWidget> m_owner;
  bool m_save;
  QString m_title;
  QString m_folder;
  QString m_key;
  long m_flags = 0;
  QList<qxtools::FileType> m_types;
  QStringList m_paths;
  int m_readPos = -1;
  QStringList m_history;
  QStringList m_favourites;
  qxtools::ViewSettings m_view;
  bool m_navigating = false;

  // Models.
  std::unique_ptr<qxtools::FallbackIconProvider> m_icons;
  QFileSystemModel* m_dirModel = nullptr;
  qxtools::FolderTreeModel* m_treeModel = nullptr;
  qxtools::FileListModel* m_fileModel = nullptr;

  // Widgets.
  QComboBox* m_places = nullptr;
  QToolButton* m_viewButton = nullptr;
  QToolButton* m_favouritesButton = nullptr;
  QMenu* m_favouritesMenu = nullptr;
  QSplitter* m_splitter = nullptr;
  QTreeView* m_tree = nullptr;
  QStackedWidget* m_views = nullptr;
  QTreeView* m_details = nullptr;
  QListView* m_list = nullptr;
  QGroupBox* m_previewBox = nullptr;
  QLabel* m_preview = nullptr;
  QLabel* m_previewInfo = nullptr;
  QLineEdit* m_nameEdit = nullptr;
  QComboBox* m_filterCombo = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;

  // Actions.
  QAction* m_backAction = nullptr;
  QAction* m_upAction = nullptr;
  QAction* m_newFolderAction = nullptr;
  QAction* m_searchAction = nullptr;
  QAction* m_detailsAction = nullptr;
  QAction* m_listAction = nullptr;
  QAction* m_iconsAction = nullptr;
  QAction* m_treeAction = nullptr;
  QAction* m_standardFavouritesAction = nullptr;
  QAction* m_deleteFavouritesAction = nullptr;
  QAction* m_addFavouriteAction = nullptr;
  QAction* m_fileManagerAction = nullptr;
};
