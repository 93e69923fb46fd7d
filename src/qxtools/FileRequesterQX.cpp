#include "qxtools/FileRequesterQX.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include "qxtools/FavouritesDialog.h"
#include "qxtools/FileListModel.h"
#include "qxtools/FileSearchDialog.h"
#include "qxtools/RequesterMessages.h"
#include "qxtools/RequesterPaths.h"

using namespace qxtools;

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kHistoryLimit = 50;
constexpr int kPreviewSize = 160;

// The window a requester without parent belongs to: an open modal dialog, else the main window.
QWidget* DefaultOwner() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(widget) && widget->isVisible()) return widget;
  return QApplication::activeWindow();
}

// Icons of "Ort:" in one size, so that every line of the list is equally high.
QIcon SmallIcon(const QStyle* look, QStyle::StandardPixmap which) {
  const int size = look->pixelMetric(QStyle::PM_SmallIconSize);
  return QIcon(look->standardIcon(which).pixmap(QSize(size, size)));
}

QToolButton* MakeToolButton(QAction* action, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setDefaultAction(action);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
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
  delete m_dirModel;
}

// ---------------------------------------------------------------------------------------------
// Building the window

void CFileRequesterQX::BuildActions() {
  QStyle* look = style();
  auto makeAction = [this](const QString& text, const QString& name) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    return action;
  };

  m_backAction = makeAction(QStringLiteral("Zum zuletzt besuchten Ordner wechseln"), QStringLiteral("backAction"));
  m_backAction->setIcon(look->standardIcon(QStyle::SP_ArrowBack));
  m_backAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
  connect(m_backAction, &QAction::triggered, this, &CFileRequesterQX::GoBack);

  m_upAction = makeAction(QStringLiteral("Übergeordneter Ordner"), QStringLiteral("upAction"));
  m_upAction->setIcon(look->standardIcon(QStyle::SP_FileDialogToParent));
  m_upAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
  connect(m_upAction, &QAction::triggered, this, &CFileRequesterQX::GoUp);

  m_newFolderAction = makeAction(QStringLiteral("Neuen Ordner erstellen"), QStringLiteral("newFolderAction"));
  m_newFolderAction->setIcon(look->standardIcon(QStyle::SP_FileDialogNewFolder));
  m_newFolderAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
  connect(m_newFolderAction, &QAction::triggered, this, &CFileRequesterQX::CreateFolder);

  m_searchAction = makeAction(QStringLiteral("Dateien suchen"), QStringLiteral("searchAction"));
  m_searchAction->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));
  m_searchAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  connect(m_searchAction, &QAction::triggered, this, &CFileRequesterQX::SearchFiles);

  auto* views = new QActionGroup(this);
  m_detailsAction = makeAction(QStringLiteral("&Details"), QStringLiteral("detailsAction"));
  m_listAction = makeAction(QStringLiteral("&Liste"), QStringLiteral("listAction"));
  m_iconsAction = makeAction(QStringLiteral("&Symbole"), QStringLiteral("iconsAction"));
  const std::pair<QAction*, ListView> viewActions[] = {
      {m_detailsAction, ListView::Details}, {m_listAction, ListView::List}, {m_iconsAction, ListView::Icons}};
  for (const auto& [action, view] : viewActions) {
    action->setCheckable(true);
    views->addAction(action);
    connect(action, &QAction::triggered, this, [this, view] {
      ApplyView(view);
      StoreView();
    });
  }
  m_treeAction = makeAction(QStringLiteral("&Ordnerbaum anzeigen"), QStringLiteral("treeAction"));
  m_treeAction->setCheckable(true);
  connect(m_treeAction, &QAction::triggered, this, [this](bool shown) {
    ShowTree(shown);
    StoreView();
  });

  m_standardFavouritesAction = makeAction(QStringLiteral("&Standard Favoriten"), QStringLiteral("standardFavouritesAction"));
  connect(m_standardFavouritesAction, &QAction::triggered, this, &CFileRequesterQX::RestoreStandardFavourites);
  m_deleteFavouritesAction = makeAction(QStringLiteral("Favoriten &löschen..."), QStringLiteral("deleteFavouritesAction"));
  connect(m_deleteFavouritesAction, &QAction::triggered, this, &CFileRequesterQX::DeleteFavourites);
  m_addFavouriteAction = makeAction(QStringLiteral("&Aktuelles Verzeichnis aufnehmen"), QStringLiteral("addFavouriteAction"));
  m_addFavouriteAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  connect(m_addFavouriteAction, &QAction::triggered, this, &CFileRequesterQX::AddCurrentFolderToFavourites);
  m_fileManagerAction = makeAction(QStringLiteral("Hier &Dateimanager öffnen..."), QStringLiteral("fileManagerAction"));
  connect(m_fileManagerAction, &QAction::triggered, this, &CFileRequesterQX::OpenFileManager);

  // The shortcuts work wherever the focus is in the window.
  addActions({m_backAction, m_upAction, m_newFolderAction, m_searchAction, m_addFavouriteAction});
}

void CFileRequesterQX::BuildWindow() {
  setSizeGripEnabled(true);

  // "Ort:" and the tool buttons.
  auto* placesLabel = new QLabel(QStringLiteral("&Ort:"), this);
  m_places = new QComboBox(this);
  m_places->setObjectName(QStringLiteral("placesCombo"));
  m_places->setEditable(true);
  m_places->setInsertPolicy(QComboBox::NoInsert);
  m_places->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_places->setMinimumContentsLength(24);
  m_places->setMaxVisibleItems(20);
  m_places->lineEdit()->installEventFilter(this);
  placesLabel->setBuddy(m_places);
  connect(m_places, qOverload<int>(&QComboBox::activated), this, &CFileRequesterQX::PlaceChosen);

  // Widgets are made in the order Tab visits them.
  QToolButton* backButton = MakeToolButton(m_backAction, this);
  QToolButton* upButton = MakeToolButton(m_upAction, this);
  QToolButton* newFolderButton = MakeToolButton(m_newFolderAction, this);
  QToolButton* searchButton = MakeToolButton(m_searchAction, this);

  auto* viewMenu = new QMenu(this);
  viewMenu->addActions({m_detailsAction, m_listAction, m_iconsAction});
  viewMenu->addSeparator();
  viewMenu->addAction(m_treeAction);
  m_viewButton = new QToolButton(this);
  m_viewButton->setObjectName(QStringLiteral("viewButton"));
  m_viewButton->setText(QStringLiteral("&Ansicht"));
  m_viewButton->setToolTip(QStringLiteral("Ansicht"));
  m_viewButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  m_viewButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  m_viewButton->setPopupMode(QToolButton::InstantPopup);
  m_viewButton->setAutoRaise(true);
  m_viewButton->setMenu(viewMenu);

  m_favouritesMenu = new QMenu(this);
  m_favouritesMenu->setObjectName(QStringLiteral("favouritesMenu"));
  connect(m_favouritesMenu, &QMenu::aboutToShow, this, &CFileRequesterQX::FillFavouritesMenu);
  m_favouritesButton = new QToolButton(this);
  m_favouritesButton->setObjectName(QStringLiteral("favouritesButton"));
  m_favouritesButton->setText(QStringLiteral("Fa&voriten"));
  m_favouritesButton->setToolTip(QStringLiteral("Favoriten"));
  m_favouritesButton->setIcon(style()->standardIcon(QStyle::SP_DirLinkIcon));
  m_favouritesButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  m_favouritesButton->setPopupMode(QToolButton::InstantPopup);
  m_favouritesButton->setAutoRaise(true);
  m_favouritesButton->setMenu(m_favouritesMenu);

  auto* top = new QHBoxLayout;
  top->addWidget(placesLabel);
  top->addWidget(m_places, 1);
  top->addWidget(backButton);
  top->addWidget(upButton);
  top->addWidget(newFolderButton);
  top->addWidget(searchButton);
  top->addWidget(m_viewButton);
  top->addWidget(m_favouritesButton);

  // The folder tree.
  m_icons = std::make_unique<FallbackIconProvider>();
  m_dirModel = new QFileSystemModel(this);
  m_dirModel->setIconProvider(m_icons.get());
  m_dirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  m_dirModel->setRootPath(QDir::rootPath());
  m_tree = new QTreeView(this);
  m_tree->setObjectName(QStringLiteral("folderTree"));
  m_tree->setModel(m_dirModel);
  for (int column = 1; column < m_dirModel->columnCount(); ++column) m_tree->hideColumn(column);
  m_tree->setHeaderHidden(true);
  // Long folder names make the tree scroll sideways instead of being cut short.
  m_tree->header()->setStretchLastSection(false);
  m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  m_tree->setUniformRowHeights(true);
  m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_tree->setDragDropMode(QAbstractItemView::NoDragDrop);
  m_tree->setMinimumWidth(120);
  connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) { TreeFolderChosen(index); });
  // The tree is read in the background: once the way to the current folder is there, show it.
  connect(m_dirModel, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
    if (m_folder == path || m_folder.startsWith(path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/')))
      ShowCurrentInTree();
  });

  // The file list in its three views, sharing model and selection.
  m_fileModel = new FileListModel(this);
  m_fileModel->setIconProvider(m_icons.get());
  m_fileModel->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Drives);
  m_fileModel->setNameFilterDisables(false);
  m_fileModel->setReadOnly(false);  // new folders are named in place

  m_details = new QTreeView(this);
  m_details->setObjectName(QStringLiteral("detailsView"));
  m_details->setModel(m_fileModel);
  m_details->setRootIsDecorated(false);
  m_details->setItemsExpandable(false);
  m_details->setUniformRowHeights(true);
  m_details->setAllColumnsShowFocus(true);
  m_details->setSortingEnabled(true);
  m_details->sortByColumn(0, Qt::AscendingOrder);
  m_details->header()->setSectionsMovable(false);
  m_details->setColumnWidth(0, 240);
  m_details->setColumnWidth(1, 80);
  m_details->setColumnWidth(2, 110);

  m_list = new QListView(this);
  m_list->setObjectName(QStringLiteral("listView"));
  m_list->setModel(m_fileModel);
  QItemSelectionModel* ownSelection = m_list->selectionModel();
  m_list->setSelectionModel(m_details->selectionModel());
  delete ownSelection;

  for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(m_details), static_cast<QAbstractItemView*>(m_list)}) {
    view->setEditTriggers(QAbstractItemView::EditKeyPressed);
    view->setDragDropMode(QAbstractItemView::NoDragDrop);
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::doubleClicked, this, &CFileRequesterQX::ItemChosen);
  }
  connect(m_details->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CFileRequesterQX::SelectionChanged);
  connect(m_details->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) { CurrentChanged(index); });

  m_views = new QStackedWidget(this);
  m_views->addWidget(m_details);
  m_views->addWidget(m_list);

  // The picture preview.
  m_previewBox = new QGroupBox(QStringLiteral("Vorschau"), this);
  m_previewBox->setObjectName(QStringLiteral("previewBox"));
  m_preview = new QLabel(m_previewBox);
  m_preview->setObjectName(QStringLiteral("previewLabel"));
  m_preview->setAlignment(Qt::AlignCenter);
  m_preview->setMinimumSize(kPreviewSize, kPreviewSize);
  m_previewInfo = new QLabel(m_previewBox);
  m_previewInfo->setObjectName(QStringLiteral("previewInfo"));
  m_previewInfo->setAlignment(Qt::AlignCenter);
  auto* previewLayout = new QVBoxLayout(m_previewBox);
  previewLayout->addWidget(m_preview, 1);
  previewLayout->addWidget(m_previewInfo);

  m_splitter = new QSplitter(Qt::Horizontal, this);
  m_splitter->setObjectName(QStringLiteral("splitter"));
  m_splitter->setChildrenCollapsible(false);
  m_splitter->setMinimumHeight(160);
  m_splitter->addWidget(m_tree);
  m_splitter->addWidget(m_views);
  m_splitter->addWidget(m_previewBox);
  m_splitter->setStretchFactor(0, 0);
  m_splitter->setStretchFactor(1, 1);
  m_splitter->setStretchFactor(2, 0);
  m_splitter->setSizes({200, 520, 190});

  // "Dateiname:" and "Dateityp:" with OK and "Abbrechen".
  auto* nameLabel = new QLabel(QStringLiteral("Datei&name:"), this);
  m_nameEdit = new QLineEdit(this);
  m_nameEdit->setObjectName(QStringLiteral("fileNameEdit"));
  nameLabel->setBuddy(m_nameEdit);
  auto* typeLabel = new QLabel(QStringLiteral("Datei&typ:"), this);
  m_filterCombo = new QComboBox(this);
  m_filterCombo->setObjectName(QStringLiteral("filterCombo"));
  m_filterCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  typeLabel->setBuddy(m_filterCombo);
  connect(m_filterCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &CFileRequesterQX::ApplyFilter);

  m_ok = new QPushButton(this);
  m_ok->setObjectName(QStringLiteral("okButton"));
  m_ok->setDefault(true);
  m_ok->setAutoDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &CFileRequesterQX::OnOk);
  m_cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  m_cancel->setObjectName(QStringLiteral("cancelButton"));
  m_cancel->setAutoDefault(false);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  const int buttonWidth = qMax(m_cancel->sizeHint().width(), fontMetrics().horizontalAdvance(QStringLiteral("Speichern")) + 32);
  m_ok->setMinimumWidth(buttonWidth);
  m_cancel->setMinimumWidth(buttonWidth);

  auto* bottom = new QGridLayout;
  bottom->addWidget(nameLabel, 0, 0);
  bottom->addWidget(m_nameEdit, 0, 1);
  bottom->addWidget(m_ok, 0, 2);
  bottom->addWidget(typeLabel, 1, 0);
  bottom->addWidget(m_filterCombo, 1, 1);
  bottom->addWidget(m_cancel, 1, 2);
  bottom->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_splitter, 1);
  layout->addLayout(bottom);

  // Typing a folder into "Ort:" completes from the file system.
  auto* completer = new QCompleter(m_dirModel, this);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  m_places->setCompleter(completer);

  resize(820, 500);
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
  if (!m_title.isEmpty())
    setWindowTitle(m_title);
  else
    setWindowTitle(m_save ? QStringLiteral("Speichern unter") : QStringLiteral("Öffnen"));
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
  if (first)
    m_readPos = 0;
  else if (m_readPos < m_paths.size())
    ++m_readPos;
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

// ---------------------------------------------------------------------------------------------
// Navigation

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
  add(SmallIcon(look, QStyle::SP_DirHomeIcon), QStringLiteral("Persönlicher Ordner"), QDir::cleanPath(QDir::homePath()));
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

// ---------------------------------------------------------------------------------------------
// Favourites

void CFileRequesterQX::FillFavouritesMenu() {
  m_favouritesMenu->clear();
  const QIcon icon = style()->standardIcon(QStyle::SP_DirLinkIcon);
  for (const QString& folder : m_favourites) {
    QAction* action = m_favouritesMenu->addAction(icon, folder);
    connect(action, &QAction::triggered, this, [this, folder] {
      if (!OpenFolder(folder, true)) ShowNotice(this, QStringLiteral("Dies ist kein gültiges Verzeichnis!"));
    });
  }
  if (!m_favourites.isEmpty()) m_favouritesMenu->addSeparator();
  m_deleteFavouritesAction->setEnabled(!m_favourites.isEmpty());
  m_addFavouriteAction->setEnabled(!m_favourites.contains(m_folder));
  m_favouritesMenu->addActions({m_standardFavouritesAction, m_deleteFavouritesAction, m_addFavouriteAction});
  m_favouritesMenu->addSeparator();
  m_favouritesMenu->addAction(m_fileManagerAction);
}

void CFileRequesterQX::SetFavourites(const QStringList& folders) {
  m_favourites = folders;
  StoreFavourites(ModeName(), m_favourites);
  FillPlaces();
}

void CFileRequesterQX::AddCurrentFolderToFavourites() {
  if (m_favourites.contains(m_folder)) return;
  SetFavourites(m_favourites + QStringList{m_folder});
}

void CFileRequesterQX::RestoreStandardFavourites() { SetFavourites(StandardFavourites()); }

void CFileRequesterQX::DeleteFavourites() {
  if (m_favourites.isEmpty()) return;
  FavouritesDialog dialog(m_favourites, this);
  if (dialog.exec() == QDialog::Accepted) SetFavourites(dialog.Remaining());
}

void CFileRequesterQX::OpenFileManager() { QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder)); }

// ---------------------------------------------------------------------------------------------
// Tree and list

void CFileRequesterQX::TreeFolderChosen(const QModelIndex& index) {
  if (m_navigating || !index.isValid()) return;
  OpenFolder(m_dirModel->filePath(index), true);
}

void CFileRequesterQX::ShowCurrentInTree() {
  const QModelIndex index = m_dirModel->index(m_folder);
  if (!index.isValid()) return;
  m_navigating = true;
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

void CFileRequesterQX::UpdatePreview(const QString& path) {
  if (!PreviewWanted()) return;
  m_preview->clear();
  m_previewInfo->clear();
  if (path.isEmpty()) return;
  QImageReader reader(path);
  if (!reader.canRead()) {
    m_preview->setText(QStringLiteral("Keine Vorschau"));
    return;
  }
  const QSize size = reader.size();
  const QSize room = m_preview->size().boundedTo(QSize(kPreviewSize * 2, kPreviewSize * 2));
  if (size.isValid() && (size.width() > room.width() || size.height() > room.height()))
    reader.setScaledSize(size.scaled(room, Qt::KeepAspectRatio));
  const QImage image = reader.read();
  if (image.isNull()) {
    m_preview->setText(QStringLiteral("Keine Vorschau"));
    return;
  }
  m_preview->setPixmap(QPixmap::fromImage(image));
  if (size.isValid()) m_previewInfo->setText(QStringLiteral("%1 x %2 Pixel").arg(size.width()).arg(size.height()));
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
        else
          OnOk();
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
