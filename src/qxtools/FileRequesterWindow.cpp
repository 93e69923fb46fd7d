// The requester's window: its actions, tool buttons, "Ort:", tree, list, preview and buttons.

#include "qxtools/FileRequesterQX.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "qxtools/FileListModel.h"
#include "qxtools/FolderTreeModel.h"
#include "qxtools/RequesterPaths.h"

using namespace qxtools;

namespace {

QToolButton* MakeToolButton(QAction* action, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setDefaultAction(action);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

}  // namespace

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

  m_standardFavouritesAction =
      makeAction(QStringLiteral("&Standard Favoriten"), QStringLiteral("standardFavouritesAction"));
  connect(m_standardFavouritesAction, &QAction::triggered, this, &CFileRequesterQX::RestoreStandardFavourites);
  m_deleteFavouritesAction =
      makeAction(QStringLiteral("Favoriten &löschen..."), QStringLiteral("deleteFavouritesAction"));
  connect(m_deleteFavouritesAction, &QAction::triggered, this, &CFileRequesterQX::DeleteFavourites);
  m_addFavouriteAction =
      makeAction(QStringLiteral("&Aktuelles Verzeichnis aufnehmen"), QStringLiteral("addFavouriteAction"));
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
  m_dirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives | QDir::Hidden);
  m_dirModel->setRootPath(QDir::rootPath());
  m_treeModel = new FolderTreeModel(m_dirModel, this);
  m_tree = new QTreeView(this);
  m_tree->setObjectName(QStringLiteral("folderTree"));
  m_tree->setModel(m_treeModel);
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

  for (QAbstractItemView* view :
       {static_cast<QAbstractItemView*>(m_details), static_cast<QAbstractItemView*>(m_list)}) {
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
  const int buttonWidth =
      qMax(m_cancel->sizeHint().width(), fontMetrics().horizontalAdvance(QStringLiteral("Speichern")) + 32);
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
