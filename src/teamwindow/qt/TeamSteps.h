#pragma once
// The steps of one team window that "&Bearbeiten" takes back and does again. Every change
// to the team marks a step; the step is recorded as the team's whole state once control
// returns to the event loop, so that all changes of one command form one step. A field the
// coach types in holds its step open until he leaves the field: one step per visit, not per
// letter. Taking a step back rebuilds the team from the earlier state.

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "history/StepHistory.h"

class QLineEdit;

namespace krv {

class CKRTeam;

class TeamSteps : public QObject {
  Q_OBJECT
 public:
  using Namer = std::function<std::string()>;
  // `team` gives the team as it stands now (the document replaces it on undo).
  explicit TeamSteps(std::function<CKRTeam&()> team, QObject* parent = nullptr);

  // Starts over with the team as it stands: no steps. `clean`: it is the team file's.
  void Reset(bool clean);
  // The team was changed (its modified routine ran).
  void ChangeMade();
  // A command runs: all its changes form one step named by `namer`, asked when the step is
  // recorded at EndCommand() (a new record exists only then). Commands may nest.
  void BeginCommand(Namer namer);
  void EndCommand();
  // A change typed into `field`: the step stays open, named `name`, until FieldLeft(field).
  void FieldEdited(const void* field, const std::string& name);
  void FieldLeft(const void* field);
  // Records a step still open.
  void Close();

  // A step still open can be taken back too (it is recorded first); it ends what could be
  // done again.
  bool CanUndo() const { return m_bOpen || m_History.CanUndo(); }
  bool CanRedo() const { return !m_bOpen && m_History.CanRedo(); }
  std::string UndoName() const;
  std::string RedoName() const { return m_bOpen ? std::string() : m_History.RedoName(); }
  // The state the team is to take now; only when CanUndo/CanRedo after Close().
  const std::string& Undo();
  const std::string& Redo();
  // The team was saved: its state is the clean one.
  void Saved();
  // The team file is gone: no state is the saved one any more.
  void FileLost() { m_History.ForgetClean(); }
  bool IsClean() const { return m_History.IsClean(); }
  // The team's current state, recorded or not.
  std::string CurrentState();

 signals:
  // Steps were recorded, taken back or done again: the menu's texts follow.
  void StepsChanged();

 private:
  std::function<CKRTeam&()> m_Team;
  StepHistory m_History;
  QTimer m_Recorder;  // records a step outside commands once control is back in the event loop
  bool m_bOpen = false;
  int m_nCommands = 0;             // commands running
  const void* m_pField = nullptr;  // the field holding the open step
  Namer m_Namer;
};

// One command's step, for the lifetime of this object.
class StepCommand {
 public:
  StepCommand(TeamSteps& steps, TeamSteps::Namer namer) : m_Steps(steps) { m_Steps.BeginCommand(std::move(namer)); }
  // A step named once, whatever the command does.
  StepCommand(TeamSteps& steps, std::string name) : StepCommand(steps, [name] { return name; }) {}
  ~StepCommand() { m_Steps.EndCommand(); }
  StepCommand(const StepCommand&) = delete;
  StepCommand& operator=(const StepCommand&) = delete;

 private:
  TeamSteps& m_Steps;
};

// Typing in `field` makes one step per visit, named after `fieldName` ("Teamname"). Set up
// before the field's own change handler, so that the step is named before the change.
void KeepFieldSteps(TeamSteps& steps, QLineEdit* field, std::function<std::string()> fieldName);

}  // namespace krv
