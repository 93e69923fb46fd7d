#pragma once
// One open team: owns the team from creation or loading until its window closes, keeps the
// file path, the modified flag and the title, and saves (always crash-safely).

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "model/Team.h"
#include "model/TeamHost.h"
#include "teamwindow/qt/TeamFileWatcher.h"
#include "teamwindow/qt/TeamRecovery.h"
#include "teamwindow/qt/TeamSteps.h"

class QWidget;

namespace krv {

class ProgramServices;

class TeamDocument : public QObject, public TeamHost {
  Q_OBJECT
 public:
  // `services` outlives the document; its view, sheet and pages use them through Services().
  explicit TeamDocument(ProgramServices& services, QObject* parent = nullptr);
  ~TeamDocument() override;

  CKRTeam& Team() { return *m_pTeam; }
  ProgramServices& Services() const { return m_services; }

  // "Neu": runs the creation dialogs and builds the team. False when the coach cancelled.
  bool OnNewDocument(QWidget* parent);
  // "Öffnen": reads the team file. False with a German message naming file and reason.
  bool OnOpenDocument(const QString& path, QString* error);

  // "S&peichern": to the current path when that file exists and is writable, else as
  // "Speichern unter".
  bool Save(QWidget* parent);
  // "Speichern unter..." (`path` empty) or a save to `path`; `replace` makes the saved
  // path the document's path.
  bool DoSave(QWidget* parent, const QString& path, bool replace);
  // Asked before closing; false when the coach cancelled. `saveAll` ("Alle speichern"):
  // no question, every team is written, a team never saved asks for its file name.
  bool SaveModified(QWidget* parent, bool saveAll = false);

  // Loads the team file again after another program changed it; unsaved changes are lost.
  // False with a German message when it cannot be read: the window keeps its team, marked
  // modified (it may be the only good copy left).
  bool ReloadFromDisk(QString* error);

  // Takes over a team recovered from a program that ended without closing its windows: it is
  // unsaved, under its own file name (`neverSaved`: a new team's proposed one).
  void AdoptRecoveredTeam(std::unique_ptr<CKRTeam> team, const QString& path, bool neverSaved);

  // "&Bearbeiten": the steps of this window; Undo and Redo rebuild the team from the state
  // before or after a step, and the title follows the saved state.
  TeamSteps& Steps() { return m_Steps; }
  void Undo();
  void Redo();
  // The team's state as its file would hold it now.
  std::string CurrentState() { return m_Steps.CurrentState(); }
  TeamRecovery& Recovery() { return m_Recovery; }

  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified);
  QString PathName() const { return m_strPathName; }
  // The team was read from or written to PathName() (a new team's path is only proposed).
  bool HasOwnFile() const { return m_bPathIsOwn; }
  QString Title() const;
  bool m_bNeu = false;

  // Where the dialogs come from; tests replace them (an empty function restores the dialogs).
  using CreateTeamFunction = std::function<std::unique_ptr<CKRTeam>(QWidget* parent, int32_t startkapital)>;
  using AskSavePathFunction = std::function<QString(QWidget* parent, const QString& proposed)>;
  static void SetCreateTeamFunction(CreateTeamFunction function);
  static void SetAskSavePathFunction(AskSavePathFunction function);

  // TeamHost
  void MarkDocumentModified() override;
  void TeamRecalculated(const TeamChange& change) override;

 signals:
  void TitleChanged(const QString& title);
  // A file was written (or read) at `path`: one to remember in the recent-file list.
  void PathChanged(const QString& path);
  // The team was recalculated after `change`; header and pages show it.
  void TeamRecalculatedSignal(const krv::TeamChange& change);
  void AboutToSave();  // the window hands over what is still being typed
  // Another program changed the team's file; the window offers to load it again.
  void FileChangedOnDisk();
  // The team was read from its file again: the window shows it as at its first display.
  void TeamReadAgain();

 private:
  bool WriteTo(QWidget* parent, const QString& path);
  // Takes over a created or loaded team; this document becomes its host.
  void AdoptTeam(std::unique_ptr<CKRTeam> team);
  // Takes over a team read from the file and shows it, unmodified.
  void ShowTeamOf(std::unique_ptr<CKRTeam> team);
  void SetPathName(const QString& path);
  // Shows a team rebuilt from a step's state.
  void TakeState(const std::string& state);

  ProgramServices& m_services;
  std::unique_ptr<CKRTeam> m_pTeam;
  QString m_strPathName;
  bool m_bPathIsOwn = false;  // the team was read from or written to m_strPathName
  bool m_bModified = false;
  TeamFileWatcher m_Watcher;
  TeamSteps m_Steps;
  TeamRecovery m_Recovery;
};

}  // namespace krv
