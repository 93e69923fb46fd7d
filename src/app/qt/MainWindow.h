#pragma once
// The main window: menus, toolbar, status bar and the team windows inside it.

#include <QMainWindow>
#include <memory>

#include "printout/qt/TeamPrinting.h"

class QAction;
class QMdiArea;
class QMenu;

namespace krv {

class TeamFrame;
class CKRTeam;
class KrashballApp;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(KrashballApp* app, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Opens a team file in a new window (or brings its window forward when it is open);
  // a file that cannot be read gives a message and no window.
  TeamFrame* OpenDocumentFile(const QString& path);
  // A team recovered after a program ended without closing its windows, unsaved in a
  // window of its own under its file name `path`.
  TeamFrame* OpenRecoveredTeam(std::unique_ptr<CKRTeam> team, const QString& path, bool neverSaved);
  // "&Neu": the creation dialogs, then the new team's window.
  TeamFrame* OnFileNew();
  void OnFileOpen();
  void OnSaveAll();
  void OnMinimizeAll();
  void OnCascade();
  void OnRestoreAll();
  void OnCloseAll();
  // "&Drucken...", "Sei&tenansicht" and "Als PDF &exportieren..." for the active team.
  enum class PrintCommand { kPrint, kPreview, kExportPdf };
  void OnPrint(PrintCommand command);
  TeamPrinting& Printing() { return m_printing; }

  QList<TeamFrame*> TeamWindows() const;
  TeamFrame* ActiveTeamWindow() const;
  QMdiArea* MdiArea() const { return m_mdi; }
  // An action by its object name ("save", "closeAll", ...), for tests.
  QAction* Action(const QString& objectName) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QAction* AddAction(QMenu* menu, const QString& name, const QString& text, const QString& statusTip,
                     const QKeySequence& shortcut = {});
  void CreateMenus();
  void CreateToolBar();
  void UpdateActions();
  // "&Rückgängig" and "&Wiederholen" as the active team's steps allow, naming the step.
  void UpdateStepActions();
  void UpdateTitle();
  void FillWindowList();
  TeamFrame* AddTeamWindow(class TeamDocument* doc);
  // A file was written or read: first under "Zuletzt geöffnet".
  void RememberFile(const QString& path);
  void FillRecentFiles();

  KrashballApp* m_pApp;
  QMdiArea* m_mdi;
  QMenu* m_recentMenu = nullptr;
  QMenu* m_viewMenu = nullptr;  // gets the toolbar and status bar switches
  QMenu* m_windowMenu = nullptr;
  QList<QAction*> m_windowListActions;  // the open team windows at the end of "&Fenster"
  QList<QAction*> m_teamActions;        // shown only while a team window is active
  QAction* m_pNew = nullptr;
  QAction* m_pOpen = nullptr;
  QAction* m_pClose = nullptr;
  QAction* m_pSave = nullptr;
  QAction* m_pSaveAs = nullptr;
  QAction* m_pSaveAll = nullptr;
  QAction* m_pPrint = nullptr;
  QAction* m_pPreview = nullptr;
  QAction* m_pPrintSetup = nullptr;
  QAction* m_pSettings = nullptr;
  QAction* m_pUndo = nullptr;
  QAction* m_pRedo = nullptr;
  QAction* m_pMinimizeAll = nullptr;
  QAction* m_pRestoreAll = nullptr;
  QAction* m_pCloseAll = nullptr;
  TeamPrinting m_printing;  // printer and page choice, kept for the run
};

}  // namespace krv
