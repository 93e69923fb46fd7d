#include "app/qt/MainWindow.h"

#include "app/qt/RecentFiles.h"
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QMdiArea>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <optional>
#include <vector>

#include "teamwindow/qt/TeamFrame.h"
#include "settings/qt/SettingsDialog.h"
#include "app/qt/KrashballApp.h"
#include "app/qt/RecentFiles.h"
#include "teamwindow/qt/TeamDocument.h"
#include "teamwindow/qt/TeamView.h"
#include "teamwindow/StepNames.h"
#include "teamwindow/WindowCascade.h"
#include "ui/AppSettings.h"
#include "ui/DeferredStandardIcon.h"
#include "ui/FileChooser.h"
#include "ui/MessageBoxes.h"
#include "update/qt/UpdateCommand.h"

namespace krv {
namespace {}  // namespace

MainWindow::MainWindow(KrashballApp* app, QWidget* parent) : QMainWindow(parent), m_pApp(app) {
  setObjectName("MainFrame");
  m_mdi = new QMdiArea(this);
  m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_mdi);
  CreateMenus();
  CreateToolBar();
  statusBar()->showMessage(QStringLiteral("Bereit"));
  setAcceptDrops(true);
  resize(900, 640);
  connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
    UpdateActions();
    UpdateTitle();
  });
  UpdateActions();
  UpdateTitle();
}

MainWindow::~MainWindow() {
  // The team windows go with the base class; they must not call back into a frame half gone.
  disconnect(m_mdi, nullptr, this, nullptr);
  for (TeamFrame* child : TeamWindows()) {
    disconnect(child, nullptr, this, nullptr);
    disconnect(child->Document(), nullptr, this, nullptr);
    disconnect(&child->Document()->Steps(), nullptr, this, nullptr);
  }
}

QAction* MainWindow::AddAction(QMenu* menu, const QString& name, const QString& text, const QString& statusTip,
                               const QKeySequence& shortcut) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  action->setStatusTip(statusTip.section('\n', 0, 0));
  action->setToolTip(statusTip.section('\n', 1, 1).isEmpty() ? statusTip : statusTip.section('\n', 1, 1));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  if (menu) menu->addAction(action);
  return action;
}

QAction* MainWindow::Action(const QString& objectName) const { return findChild<QAction*>(objectName); }

void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
  m_pNew = AddAction(file, "new", QStringLiteral("&Neu"), QStringLiteral("Erstellt ein neues Team.\nNeues Team"),
                     QKeySequence(Qt::CTRL | Qt::Key_N));
  m_pNew->setIcon(DeferredStandardIcon(QStyle::SP_FileIcon));
  connect(m_pNew, &QAction::triggered, this, &MainWindow::OnFileNew);
  m_pOpen =
      AddAction(file, "open", QStringLiteral("Ö&ffnen..."),
                QStringLiteral("Öffnet ein gespeichertes Team.\nTeam öffnen"), QKeySequence(Qt::CTRL | Qt::Key_O));
  m_pOpen->setIcon(DeferredStandardIcon(QStyle::SP_DialogOpenButton));
  connect(m_pOpen, &QAction::triggered, this, &MainWindow::OnFileOpen);

  m_pClose =
      AddAction(file, "close", QStringLiteral("&Schliessen"), QStringLiteral("Schliesst das aktive Team.\nSchliessen"));
  connect(m_pClose, &QAction::triggered, this, [this] {
    if (TeamFrame* child = ActiveTeamWindow()) child->close();
  });
  m_pSave = AddAction(file, "save", QStringLiteral("S&peichern"),
                      QStringLiteral("Speichert das aktiveTeam.\nKrashball-Team speichern."),
                      QKeySequence(Qt::CTRL | Qt::Key_S));
  m_pSave->setIcon(DeferredStandardIcon(QStyle::SP_DialogSaveButton));
  connect(m_pSave, &QAction::triggered, this, [this] {
    if (TeamFrame* child = ActiveTeamWindow()) child->Document()->Save(this);
  });
  m_pSaveAs = AddAction(file, "saveAs", QStringLiteral("Speichern &unter..."),
                        QStringLiteral("Speichert das aktive Team unter einem neuen Namen.\nSpeichern unter"));
  connect(m_pSaveAs, &QAction::triggered, this, [this] {
    if (TeamFrame* child = ActiveTeamWindow()) child->Document()->DoSave(this, QString(), true);
  });
  m_pSaveAll = AddAction(file, "saveAll", QStringLiteral("Alle speichern"),
                         QStringLiteral("Speichert alle geöffneten Teams.\nSpeichert alle geöffneten Krashball-Team."));
  m_pSaveAll->setIcon(DeferredStandardIcon(QStyle::SP_DriveFDIcon));
  connect(m_pSaveAll, &QAction::triggered, this, &MainWindow::OnSaveAll);
  QAction* teamSeparator = file->addSeparator();
  m_pPrint = AddAction(file, "print", QStringLiteral("&Drucken..."),
                       QStringLiteral("Druckt das aktive Dokument.\nTeam-Bogen ausdrucken."),
                       QKeySequence(Qt::CTRL | Qt::Key_P));
  m_pPrint->setIcon(DeferredStandardIcon(QStyle::SP_FileDialogDetailedView));
  m_pPreview =
      AddAction(file, "preview", QStringLiteral("Sei&tenansicht"), QStringLiteral("Druck-Vorschau.\nSeitenansicht"));
  m_pPreview->setIcon(DeferredStandardIcon(QStyle::SP_FileDialogContentsView));
  QAction* exportPdf =
      AddAction(file, "exportPdf", QStringLiteral("Als PDF &exportieren..."),
                QStringLiteral("Speichert Team-Bogen und Spieleliste als PDF-Datei.\nAls PDF exportieren"));
  connect(m_pPrint, &QAction::triggered, this, [this] { OnPrint(PrintCommand::kPrint); });
  connect(m_pPreview, &QAction::triggered, this, [this] { OnPrint(PrintCommand::kPreview); });
  connect(exportPdf, &QAction::triggered, this, [this] { OnPrint(PrintCommand::kExportPdf); });
  QAction* properties =
      AddAction(file, "properties", QStringLiteral("&Eigenschaften"),
                QStringLiteral("Zeigt die Statistik des Teams.\nEigenschaften"), QKeySequence(Qt::CTRL | Qt::Key_E));
  connect(properties, &QAction::triggered, this, [this] {
    if (TeamFrame* child = ActiveTeamWindow()) child->ShowStatistics();
  });
  QAction* secondSeparator = file->addSeparator();
  m_pPrintSetup = AddAction(file, "printSetup", QStringLiteral("Drucker&einrichtung..."),
                            QStringLiteral("Wählt den Drucker und seine Einstellungen.\nDruckereinrichtung"));
  connect(m_pPrintSetup, &QAction::triggered, this, [this] { m_printing.PrinterSetup(this); });
  file->addSeparator();
  m_recentMenu = file->addMenu(QStringLiteral("&Zuletzt geöffnet"));
  FillRecentFiles();
  file->addSeparator();
  QAction* quit =
      AddAction(file, "quit", QStringLiteral("&Beenden"), QStringLiteral("Beendet die Krashball-Verwaltung.\nBeenden"));
  connect(quit, &QAction::triggered, this, &QWidget::close);
  m_teamActions = {m_pClose, m_pSave,    m_pSaveAs, m_pSaveAll, teamSeparator,
                   m_pPrint, m_pPreview, exportPdf, properties, secondSeparator};

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  m_pUndo = AddAction(edit, "undo", QString(), QStringLiteral("Nimmt die letzte Änderung am Team zurück.\nRückgängig"),
                      QKeySequence(Qt::CTRL | Qt::Key_Z));
  m_pUndo->setIcon(DeferredStandardIcon(QStyle::SP_ArrowBack, QStringLiteral("edit-undo")));
  connect(m_pUndo, &QAction::triggered, this, [this] {
    if (TeamFrame* child = ActiveTeamWindow()) child->Document()->Undo();
  });
  m_pRedo = AddAction(edit, "redo", QString(),
                      QStringLiteral("Führt die zuletzt zurückgenommene Änderung wieder aus.\nWiederholen"));
  m_pRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  m_pRedo->setIcon(DeferredStandardIcon(QStyle::SP_ArrowForward, QStringLiteral("edit-redo")));
  connect(m_pRedo, &QAction::triggered, this, [this] {
    if (TeamFrame* child = ActiveTeamWindow()) child->Document()->Redo();
  });

  m_viewMenu = menuBar()->addMenu(QStringLiteral("&Ansicht"));
  m_pSettings = AddAction(m_viewMenu, "settings", QStringLiteral("Einstellungen..."),
                          QStringLiteral("Ändert die Einstellungen des Programms.\nEinstellungen"),
                          QKeySequence(Qt::CTRL | Qt::Key_G));
  m_pSettings->setIcon(DeferredStandardIcon(QStyle::SP_FileDialogInfoView));
  connect(m_pSettings, &QAction::triggered, this, [this] { RunSettingsSheet(this, *m_pApp); });

  QMenu* window = menuBar()->addMenu(QStringLiteral("&Fenster"));
  connect(AddAction(window, "cascade", QStringLiteral("Über&lappend"),
                    QStringLiteral("Ordnet die Fenster überlappend an.")),
          &QAction::triggered, this, &MainWindow::OnCascade);
  connect(AddAction(window, "tile", QStringLiteral("&Nebeneinander"),
                    QStringLiteral("Ordnet die Fenster nebeneinander an.")),
          &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);
  connect(AddAction(window, "minimize", QStringLiteral("&Minimiert"), QStringLiteral("Minimiert das aktive Fenster.")),
          &QAction::triggered, this, [this] {
            if (TeamFrame* child = ActiveTeamWindow()) child->showMinimized();
          });
  m_pMinimizeAll = AddAction(window, "minimizeAll", QStringLiteral("Alle Minimieren"),
                             QStringLiteral("Minimiert alle Teamfenster."));
  connect(m_pMinimizeAll, &QAction::triggered, this, &MainWindow::OnMinimizeAll);
  m_pRestoreAll = AddAction(window, "restoreAll", QStringLiteral("Alle Maximieren"),
                            QStringLiteral("Stellt alle minimierten Teamfenster wieder her."));
  connect(m_pRestoreAll, &QAction::triggered, this, &MainWindow::OnRestoreAll);
  m_pCloseAll =
      AddAction(window, "closeAll", QStringLiteral("Alle schliessen"), QStringLiteral("Schliesst alle Teamfenster."));
  connect(m_pCloseAll, &QAction::triggered, this, &MainWindow::OnCloseAll);
  m_windowMenu = window;
  connect(window, &QMenu::aboutToShow, this, &MainWindow::FillWindowList);
  m_teamActions << window->menuAction();

  QMenu* help = menuBar()->addMenu(QStringLiteral("&?"));
  connect(AddAction(help, "about", QStringLiteral("Inf&o über Krashball..."),
                    QStringLiteral("Zeigt Programminformationen und die Versionsnummer an.\nInfo")),
          &QAction::triggered, this, [this] { m_pApp->ShowAbout(this); });
  connect(AddAction(help, "help", QStringLiteral("Hilfe...."), QStringLiteral("Öffnet die Hilfe.\nHilfe"),
                    QKeySequence(Qt::Key_F1)),
          &QAction::triggered, this, [this] { m_pApp->ShowHelp(); });
  connect(AddAction(help, "update", QStringLiteral("Test auf neue Version..."),
                    QStringLiteral("Fragt nach, ob es eine neue Version gibt.\nNeue Version")),
          &QAction::triggered, this, [this] { OnCheckForUpdate(this, *m_pApp); });
}

void MainWindow::CreateToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Symbolleiste"));
  bar->setObjectName("toolBar");
  // Save, save all, print and preview belong to the team menu, which is hidden without a
  // team window; their buttons stay on the bar, greyed.
  const auto teamButton = [bar](QAction* action) {
    auto* button = new QToolButton(bar);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(bar->iconSize());
    connect(bar, &QToolBar::iconSizeChanged, button, &QToolButton::setIconSize);
    connect(bar, &QToolBar::toolButtonStyleChanged, button, &QToolButton::setToolButtonStyle);
    bar->addWidget(button);
  };
  bar->addActions({m_pNew, m_pOpen});
  teamButton(m_pSave);
  teamButton(m_pSaveAll);
  bar->addSeparator();
  bar->addActions({m_pUndo, m_pRedo});
  bar->addSeparator();
  teamButton(m_pPrint);
  teamButton(m_pPreview);
  bar->addSeparator();
  bar->addAction(m_pSettings);
  // "&Ansicht" switches the toolbar and the status bar on and off.
  QAction* toolBarToggle = bar->toggleViewAction();
  toolBarToggle->setText(QStringLiteral("&Symbolleiste"));
  auto* statusToggle = new QAction(QStringLiteral("S&tatusleiste"), this);
  statusToggle->setCheckable(true);
  statusToggle->setChecked(true);
  connect(statusToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
  m_viewMenu->insertActions(m_pSettings, {toolBarToggle, statusToggle});
  m_viewMenu->insertSeparator(m_pSettings);
}

QList<TeamFrame*> MainWindow::TeamWindows() const {
  QList<TeamFrame*> windows;
  for (QMdiSubWindow* sub : m_mdi->subWindowList(QMdiArea::CreationOrder))
    if (auto* child = qobject_cast<TeamFrame*>(sub)) windows << child;
  return windows;
}

TeamFrame* MainWindow::ActiveTeamWindow() const { return qobject_cast<TeamFrame*>(m_mdi->activeSubWindow()); }

void MainWindow::UpdateActions() {
  const bool teamActive = ActiveTeamWindow() != nullptr;
  for (QAction* action : m_teamActions) action->setVisible(teamActive);
  const bool several = TeamWindows().size() > 1;
  for (QAction* action : {m_pMinimizeAll, m_pRestoreAll, m_pCloseAll}) action->setEnabled(several);
  for (QAction* action : {m_pClose, m_pSaveAs, m_pSaveAll, m_pPrint, m_pPreview}) action->setEnabled(teamActive);
  // "S&peichern" only while the active team has changes to save.
  m_pSave->setEnabled(teamActive && ActiveTeamWindow()->Document()->IsModified());
  UpdateStepActions();
  FillWindowList();
}

void MainWindow::UpdateStepActions() {
  const TeamFrame* child = ActiveTeamWindow();
  TeamSteps* steps = child ? &child->Document()->Steps() : nullptr;
  m_pUndo->setEnabled(steps && steps->CanUndo());
  m_pRedo->setEnabled(steps && steps->CanRedo());
  m_pUndo->setText(QString::fromStdString(UndoMenuText(steps ? steps->UndoName() : std::string())));
  m_pRedo->setText(QString::fromStdString(RedoMenuText(steps ? steps->RedoName() : std::string())));
}

void MainWindow::FillWindowList() {
  // "&Fenster" ends with the open team windows, numbered, the active one ticked.
  for (QAction* action : std::as_const(m_windowListActions)) delete action;
  m_windowListActions.clear();
  const QList<TeamFrame*> windows = TeamWindows();
  if (windows.isEmpty()) return;
  m_windowListActions << m_windowMenu->addSeparator();
  TeamFrame* active = ActiveTeamWindow();
  for (qsizetype i = 0; i < windows.size(); ++i) {
    TeamFrame* child = windows[i];
    const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
    QAction* action = m_windowMenu->addAction(number + ' ' + child->windowTitle());
    action->setObjectName(QStringLiteral("window%1").arg(i + 1));
    action->setStatusTip(QStringLiteral("Aktiviert dieses Fenster."));
    // Only the active window carries a tick; the others show no empty box.
    action->setCheckable(child == active);
    action->setChecked(child == active);
    connect(action, &QAction::triggered, this, [this, child] {
      if (child->isMinimized()) child->showNormal();
      m_mdi->setActiveSubWindow(child);
    });
    m_windowListActions << action;
  }
}

void MainWindow::UpdateTitle() {
  TeamFrame* child = ActiveTeamWindow();
  if (!child) {
    setWindowTitle(KrashballApp::Title());
    return;
  }
  // A maximised team window has no title bar of its own: the main window's title names it in
  // brackets, the form the toolkit keeps as it is, so the name is not added twice.
  const QString team = child->Document()->Title();
  setWindowTitle(KrashballApp::Title() + (child->isMaximized() ? QStringLiteral(" - [%1]").arg(team) : " - " + team));
}

TeamFrame* MainWindow::AddTeamWindow(TeamDocument* doc) {
  // As in every MDI program, a new window comes up maximised while the active one is; its
  // placement is then the one it returns to when restored.
  const TeamFrame* active = ActiveTeamWindow();
  const bool maximised = active && active->isMaximized();
  std::optional<QRect> previous;
  if (const QList<TeamFrame*> open = TeamWindows(); !open.isEmpty() && open.last()->NormalGeometry().isValid())
    previous = open.last()->NormalGeometry();
  auto* child = new TeamFrame(doc);
  m_mdi->addSubWindow(child);
  connect(doc, &TeamDocument::TitleChanged, this, [this] {
    UpdateTitle();
    UpdateActions();
  });
  connect(doc, &TeamDocument::PathChanged, this, &MainWindow::RememberFile);
  connect(&doc->Steps(), &TeamSteps::StepsChanged, this, &MainWindow::UpdateStepActions);
  connect(child, &QMdiSubWindow::windowStateChanged, this, &MainWindow::UpdateTitle);
  connect(child, &QObject::destroyed, this, [this] {
    UpdateActions();
    UpdateTitle();
  });
  child->PlaceWindow(previous);
  if (maximised) child->showMaximized();
  else child->show();
  m_mdi->setActiveSubWindow(child);
  UpdateActions();
  UpdateTitle();
  return child;
}

TeamFrame* MainWindow::OnFileNew() {
  auto* doc = new TeamDocument(*m_pApp);
  if (!doc->OnNewDocument(this)) {
    delete doc;
    return nullptr;
  }
  return AddTeamWindow(doc);  // its proposed path is listed once the team is saved there
}

TeamFrame* MainWindow::OpenRecoveredTeam(std::unique_ptr<CKRTeam> team, const QString& path, bool neverSaved) {
  auto* doc = new TeamDocument(*m_pApp);
  doc->AdoptRecoveredTeam(std::move(team), path, neverSaved);
  return AddTeamWindow(doc);
}

TeamFrame* MainWindow::OpenDocumentFile(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  for (TeamFrame* child : TeamWindows())
    if (child->Document()->PathName() == absolute) {
      m_mdi->setActiveSubWindow(child);
      return child;
    }
  auto* doc = new TeamDocument(*m_pApp);
  QString error;
  if (!doc->OnOpenDocument(absolute, &error)) {
    delete doc;
    // A file that does not open is no longer offered under "Zuletzt geöffnet".
    RemoveRecentFile(absolute);
    FillRecentFiles();
    ErrorBox(this, error);
    return nullptr;
  }
  RememberFile(absolute);
  return AddTeamWindow(doc);
}

void MainWindow::OnFileOpen() {
  const QString path = AskFileToOpen(this, *m_pApp, TeamFileKind(), m_pApp->DataFolder() + "/");
  if (!path.isEmpty()) OpenDocumentFile(path);
}

void MainWindow::OnPrint(PrintCommand command) {
  TeamFrame* child = ActiveTeamWindow();
  if (!child) return;
  CKRTeam& team = child->Document()->Team();
  if (team.m_nRasse < 0) return;  // a team whose creation was cancelled has nothing to print
  const SheetPrintSettings settings = SheetPrintSettingsFrom(m_pApp->m_Settings);
  switch (command) {
    case PrintCommand::kPrint: m_printing.Print(this, team, settings); break;
    case PrintCommand::kPreview: m_printing.Preview(this, team, settings); break;
    case PrintCommand::kExportPdf: {
      const QString path = child->Document()->PathName();
      const QString proposed = path.isEmpty()
                                   ? m_pApp->DataFolder() + "/" + QString::fromStdString(team.m_strName) + ".pdf"
                                   : QFileInfo(path).absolutePath() + "/" + QFileInfo(path).completeBaseName() + ".pdf";
      m_printing.ExportPdf(this, team, settings, proposed, *m_pApp);
      break;
    }
  }
}

void MainWindow::OnSaveAll() {
  for (TeamFrame* child : TeamWindows()) child->Document()->SaveModified(this, true);
}

void MainWindow::OnMinimizeAll() {
  // Minimising the active window activates the next one, which the area would maximise (and
  // restore, were it minimised) while the windows are maximised: not while all go down.
  const bool maximiseNext = !m_mdi->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
  m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
  for (TeamFrame* child : TeamWindows())
    if (!child->isMinimized()) child->showMinimized();
  m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, !maximiseNext);
}

void MainWindow::OnCascade() {
  // Every window that is not minimised, at the size it has (a maximised one at its normal size);
  // the active one last, on top, so that every title bar stays in sight.
  QList<TeamFrame*> order = TeamWindows();
  if (TeamFrame* active = ActiveTeamWindow()) order.move(order.indexOf(active), order.size() - 1);
  std::vector<TeamFrame*> windows;
  std::vector<CascadeRequest> requests;
  const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  for (TeamFrame* child : order) {
    if (child->isMinimized()) continue;
    if (child->isMaximized()) child->showNormal();
    const QSize smallest = child->minimumSizeHint().expandedTo(child->minimumSize());
    CascadeRequest request;
    request.width = child->width();
    request.height = child->height();
    request.minWidth = smallest.width();
    request.minHeight = smallest.height();
    request.areaWidth = m_mdi->viewport()->width();
    request.areaHeight = m_mdi->viewport()->height();
    request.step = step;
    windows.push_back(child);
    requests.push_back(request);
  }
  const std::vector<FramePlacement> placed = CascadeWindows(requests);
  for (size_t i = 0; i < windows.size(); ++i) {
    windows[i]->setGeometry(placed[i].left, placed[i].top, placed[i].sizeX, placed[i].sizeY);
    windows[i]->raise();
  }
}

void MainWindow::OnRestoreAll() {
  for (TeamFrame* child : TeamWindows())
    if (child->isMinimized()) child->showNormal();
}

void MainWindow::OnCloseAll() {
  // The active window first, then the others; a window that refuses (a cancelled save
  // question) stops the command with the rest still open.
  QList<TeamFrame*> windows = TeamWindows();
  if (TeamFrame* active = ActiveTeamWindow()) windows.move(windows.indexOf(active), 0);
  for (TeamFrame* child : windows)
    if (!child->close()) return;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  for (TeamFrame* child : TeamWindows()) {
    if (!child->Document()->SaveModified(this)) {
      event->ignore();
      return;
    }
  }
  // Every question is answered; the windows go without asking again.
  for (TeamFrame* child : TeamWindows()) child->Document()->SetModifiedFlag(false);
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".krt"), Qt::CaseInsensitive))
      OpenDocumentFile(url.toLocalFile());
  event->acceptProposedAction();
}

void MainWindow::RememberFile(const QString& path) {
  AddRecentFile(path);
  FillRecentFiles();
}

void MainWindow::FillRecentFiles() {
  m_recentMenu->clear();
  const QStringList files = RecentFiles();
  for (int i = 1; i <= files.size(); ++i) {
    const QString file = files[i - 1];
    QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i % 10).arg(QDir::toNativeSeparators(file)));
    connect(action, &QAction::triggered, this, [this, file] { OpenDocumentFile(file); });
  }
  m_recentMenu->setEnabled(!m_recentMenu->isEmpty());
}

}  // namespace krv
