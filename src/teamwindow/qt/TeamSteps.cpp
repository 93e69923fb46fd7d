#include "teamwindow/qt/TeamSteps.h"

#include <QLineEdit>
#include <utility>

#include "history/TeamState.h"
#include "teamwindow/StepNames.h"

namespace krv {

TeamSteps::TeamSteps(std::function<CKRTeam&()> team, QObject* parent) : QObject(parent), m_Team(std::move(team)) {
  m_Recorder.setSingleShot(true);
  m_Recorder.setInterval(0);
  connect(&m_Recorder, &QTimer::timeout, this, [this] {
    if (!m_pField && m_nCommands == 0) Close();
  });
}

void TeamSteps::Reset(bool clean) {
  m_Recorder.stop();
  m_bOpen = false;
  m_pField = nullptr;
  m_Namer = nullptr;
  m_nCommands = 0;
  m_History.Reset(TeamState(m_Team()), clean);
  emit StepsChanged();
}

void TeamSteps::ChangeMade() {
  const bool opened = !m_bOpen;
  m_bOpen = true;
  if (!m_pField) m_Recorder.start();
  if (opened) emit StepsChanged();
}

std::string TeamSteps::UndoName() const {
  if (!m_bOpen) return m_History.UndoName();
  return m_Namer ? m_Namer() : std::string(kUnnamedStep);
}

void TeamSteps::BeginCommand(Namer namer) {
  if (m_nCommands++ > 0) return;  // a command inside another is part of its step
  Close();
  m_Namer = std::move(namer);
}

void TeamSteps::EndCommand() {
  if (--m_nCommands > 0) return;
  Close();
}

void TeamSteps::FieldEdited(const void* field, const std::string& name) {
  if (m_pField == field || m_nCommands > 0) return;
  Close();
  m_Namer = [name] { return name; };
  m_pField = field;
}

void TeamSteps::FieldLeft(const void* field) {
  if (m_pField == field) Close();
}

void TeamSteps::Close() {
  m_Recorder.stop();
  m_pField = nullptr;
  // Inside a command the namer stays for the command's own step.
  const Namer namer = m_nCommands == 0 ? std::exchange(m_Namer, nullptr) : m_Namer;
  if (!m_bOpen) return;
  m_bOpen = false;
  m_History.Record(TeamState(m_Team()), namer ? namer() : std::string(kUnnamedStep));
  emit StepsChanged();
}

const std::string& TeamSteps::Undo() {
  Close();
  const std::string& state = m_History.Undo();
  emit StepsChanged();
  return state;
}

const std::string& TeamSteps::Redo() {
  Close();
  const std::string& state = m_History.Redo();
  emit StepsChanged();
  return state;
}

void TeamSteps::Saved() {
  Close();
  m_History.MarkClean();
}

std::string TeamSteps::CurrentState() { return m_bOpen ? TeamState(m_Team()) : m_History.Current(); }

void KeepFieldSteps(TeamSteps& steps, QLineEdit* field, std::function<std::string()> fieldName) {
  QObject::connect(field, &QLineEdit::textEdited, &steps,
                   [&steps, field, fieldName] { steps.FieldEdited(field, FieldStepName(fieldName())); });
  QObject::connect(field, &QLineEdit::editingFinished, &steps, [&steps, field] { steps.FieldLeft(field); });
}

}  // namespace krv
