#include "teamwindow/qt/TeamDocument.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

#include "create/qt/NewTeamFlow.h"
#include "history/TeamState.h"
#include "model/FileIO.h"
#include "model/FileLock.h"
#include "model/TeamFile.h"
#include "roster/TeamHeader.h"
#include "teamwindow/MatchRows.h"
#include "ui/FileChooser.h"
#include "ui/FileNames.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramServices.h"
#include "ui/WaitCursor.h"

namespace krv {
namespace {

// Replacements set by tests; empty: the real dialogs.
TeamDocument::CreateTeamFunction& CreateTeamOverride() {
  static TeamDocument::CreateTeamFunction function;
  return function;
}
TeamDocument::AskSavePathFunction& AskSavePathOverride() {
  static TeamDocument::AskSavePathFunction function;
  return function;
}

std::unique_ptr<CKRTeam> CreateTeam(QWidget* parent, int32_t startkapital) {
  if (CreateTeamOverride()) return CreateTeamOverride()(parent, startkapital);
  return RunTeamCreation(parent, startkapital);
}

QString AskSavePath(QWidget* parent, const ProgramServices& services, const QString& proposed) {
  if (AskSavePathOverride()) return AskSavePathOverride()(parent, proposed);
  return AskFileToSave(parent, services, TeamFileKind(), proposed);
}

QString UnexpectedFileError(const QString& path, const std::exception& e) {
  return QString::fromStdString(UnexpectedFileErrorText(path.toStdString(), e));
}

}  // namespace

void TeamDocument::SetCreateTeamFunction(CreateTeamFunction function) { CreateTeamOverride() = std::move(function); }
void TeamDocument::SetAskSavePathFunction(AskSavePathFunction function) { AskSavePathOverride() = std::move(function); }

TeamDocument::TeamDocument(ProgramServices& services, QObject* parent)
    : QObject(parent),
      m_services(services),
      m_pTeam(std::make_unique<CKRTeam>()),
      m_Steps([this]() -> CKRTeam& { return *m_pTeam; }),
      m_Recovery(*this) {
  m_pTeam->m_pHost = this;
  connect(&m_Watcher, &TeamFileWatcher::ChangedOnDisk, this, &TeamDocument::FileChangedOnDisk);
  // A file deleted behind the window's back is not forgotten: the team is marked modified,
  // so closing asks to save it.
  connect(&m_Watcher, &TeamFileWatcher::DeletedOnDisk, this, [this] {
    m_Steps.FileLost();
    SetModifiedFlag(true);
    m_Recovery.ChangeMade();
  });
}

void TeamDocument::AdoptTeam(std::unique_ptr<CKRTeam> team) {
  m_pTeam->m_pHost = nullptr;
  m_pTeam = std::move(team);
  m_pTeam->m_pHost = this;
  NumberMatches(*m_pTeam);  // the matches page is filled anew
}

TeamDocument::~TeamDocument() { m_pTeam->m_pHost = nullptr; }

QString TeamDocument::Title() const {
  const QString name = m_strPathName.isEmpty() ? QStringLiteral("Krashball") : QFileInfo(m_strPathName).fileName();
  return m_bModified ? name + QStringLiteral(" *") : name;
}

void TeamDocument::SetModifiedFlag(bool modified) {
  if (m_bModified == modified) return;
  m_bModified = modified;
  emit TitleChanged(Title());
}

void TeamDocument::SetPathName(const QString& path) {
  m_strPathName = QFileInfo(path).absoluteFilePath();
  m_bPathIsOwn = true;
  m_Watcher.Watch(m_strPathName);
  emit TitleChanged(Title());
}

bool TeamDocument::OnNewDocument(QWidget* parent) {
  std::unique_ptr<CKRTeam> team = CreateTeam(parent, m_services.m_Settings.m_nStartkapital);
  if (!team) return false;  // the creation has said that it was cancelled
  AdoptTeam(std::move(team));
  const QString folder = m_services.DataFolder();
  QDir().mkpath(folder);
  m_strPathName = folder + "/" + QString::fromStdString(m_pTeam->m_strName) + TeamFileKind().extension;
  m_bModified = true;
  m_bNeu = true;
  m_Steps.Reset(false);
  m_Recovery.ChangeMade();
  // Only proposed: the recent-file list gets it once the team is saved there.
  emit TitleChanged(Title());
  return true;
}

void TeamDocument::AdoptRecoveredTeam(std::unique_ptr<CKRTeam> team, const QString& path, bool neverSaved) {
  AdoptTeam(std::move(team));
  m_Steps.Reset(false);
  m_bNeu = neverSaved;
  if (neverSaved) m_strPathName = QFileInfo(path).absoluteFilePath();
  else SetPathName(path);
  m_bModified = true;
  emit TitleChanged(Title());
  m_Recovery.Update();  // kept again at once, before the file it came from goes
}

bool TeamDocument::OnOpenDocument(const QString& path, QString* error) {
  WaitCursor wait;
  try {
    std::unique_ptr<CKRTeam> team = LoadTeamFile(FileNameBytes(path));
    AdoptTeam(std::move(team));
  } catch (const FileError& e) {
    if (error) *error = QString::fromStdString(e.what());
    return false;
  } catch (const std::exception& e) {
    // Whatever else goes wrong while reading (memory, say) refuses the file, never ends the program.
    if (error) *error = UnexpectedFileError(path, e);
    return false;
  }
  m_bModified = false;
  m_pTeam->Recalculate();  // the steps start from the figures the window shows
  m_Steps.Reset(true);
  SetPathName(path);
  return true;
}

bool TeamDocument::ReloadFromDisk(QString* error) {
  std::unique_ptr<CKRTeam> team;
  try {
    team = LoadTeamFile(FileNameBytes(m_strPathName));
  } catch (const std::exception& e) {
    // The window holds the only good copy now: it stays, and closing asks to save it.
    m_Steps.FileLost();
    SetModifiedFlag(true);
    if (error) {
      const auto* fileError = dynamic_cast<const FileError*>(&e);
      *error = (fileError ? QString::fromStdString(e.what()) : UnexpectedFileError(m_strPathName, e)) +
               QStringLiteral(
                   "\n\nDas Team in diesem Fenster bleibt erhalten und ist als geändert markiert; "
                   "speichern Sie es, um die Datei wieder herzustellen.");
    }
    return false;
  }
  ShowTeamOf(std::move(team));
  m_Watcher.Remember();
  m_Steps.Reset(true);
  m_Recovery.Remove();
  return true;
}

void TeamDocument::ShowTeamOf(std::unique_ptr<CKRTeam> team) {
  AdoptTeam(std::move(team));
  SetModifiedFlag(false);
  // Every page and the header show the loaded team (the recalculation refreshes them);
  // nothing is marked modified.
  m_pTeam->Recalculate();
  emit TeamReadAgain();
}

bool TeamDocument::WriteTo(QWidget* parent, const QString& path) {
  WaitCursor wait;
  emit AboutToSave();
  m_pTeam->Recalculate();  // the file holds the current figures
  const std::string file = FileNameBytes(path);
  SaveResult result;
  std::unique_ptr<CKRTeam> stored;
  try {
    // A krv command changing the file at this moment finishes first (and the watcher then
    // offers its change); never both at once.
    const FileLock lock(file);
    result = SaveTeamFile(*m_pTeam, file);
    // Still under the lock: what the file holds now is this save, not a change from outside.
    if (QFileInfo(path).absoluteFilePath() == m_strPathName) m_Watcher.Remember();
    // Characters written as "?": the window shows what the file holds from now on.
    if (result.replacedCharacters) stored = LoadTeamFile(file);
  } catch (const FileError& e) {
    ErrorBox(parent, QString::fromStdString(e.what()));
    return false;  // the team stays modified: nothing is lost
  } catch (const std::exception& e) {
    ErrorBox(parent, UnexpectedFileError(path, e));
    return false;
  }
  if (stored) ShowTeamOf(std::move(stored));
  if (result.replacedCharacters)
    WarningBox(parent, QString::fromStdString(ReplacedCharactersNotice(file, result.replacedCharacters)));
  return true;
}

bool TeamDocument::Save(QWidget* parent) {
  // Checked on the name's bytes: a name that is not UTF-8 exists as well. A new team's
  // proposed path is only a proposal: a file there (last season's team of the same name) is
  // replaced only after the overwrite question of "Speichern unter".
  const std::string file = FileNameBytes(m_strPathName);
  const bool writable =
      m_bPathIsOwn && !m_strPathName.isEmpty() && ::access(file.c_str(), F_OK) == 0 && !IsReadOnlyFile(file);
  return DoSave(parent, writable ? m_strPathName : QString(), true);
}

bool TeamDocument::DoSave(QWidget* parent, const QString& path, bool replace) {
  QString newName = path;
  if (newName.isEmpty()) {
    newName = AskSavePath(parent, m_services, m_strPathName);
    if (newName.isEmpty()) return false;
    // The extension first: the question is about the file that would really be replaced.
    if (!QFileInfo(newName).fileName().contains('.')) newName += TeamFileKind().extension;
    if (::access(FileNameBytes(newName).c_str(), F_OK) == 0 &&
        !QuestionBox(parent,
                     QStringLiteral("%1\nDiese Datei ist bereits vorhanden.\nDatei überschrieben?").arg(newName)))
      return false;
  }
  if (!WriteTo(parent, newName)) return false;
  m_Steps.Saved();
  m_Recovery.Remove();
  m_bModified = false;
  if (replace) SetPathName(newName);
  else emit TitleChanged(Title());
  emit PathChanged(QFileInfo(newName).absoluteFilePath());  // a file written: one to offer again
  return true;
}

bool TeamDocument::SaveModified(QWidget* parent, bool saveAll) {
  if (saveAll) {
    // Save all: no questions; a team never saved asks for its file name every time.
    if (m_bNeu) DoSave(parent, QString(), true);
    else DoSave(parent, m_strPathName, false);
    return true;
  }
  if (!m_bModified) return true;
  const QString name = QFileInfo(m_strPathName).fileName();
  switch (YesNoCancelBox(parent, QStringLiteral("Änderungen an „%1“ speichern?").arg(name))) {
    case 0: return Save(parent);
    case 1: return true;
    default: return false;
  }
}

void TeamDocument::MarkDocumentModified() {
  SetModifiedFlag(true);
  m_Steps.ChangeMade();
  m_Recovery.ChangeMade();
}

void TeamDocument::Undo() {
  m_Steps.Close();
  if (m_Steps.CanUndo()) TakeState(m_Steps.Undo());
}

void TeamDocument::Redo() {
  m_Steps.Close();
  if (m_Steps.CanRedo()) TakeState(m_Steps.Redo());
}

void TeamDocument::TakeState(const std::string& state) {
  WaitCursor wait;
  AdoptTeam(TeamFromState(state));
  // A drop below one fan was announced when it happened; a step taken back or done again
  // never announces it a second time with the next match.
  FanNoticeDue(*m_pTeam);
  SetModifiedFlag(!m_Steps.IsClean());
  m_Recovery.ChangeMade();
  TeamRecalculated(TeamChange::Everything());
}

void TeamDocument::TeamRecalculated(const TeamChange& change) { emit TeamRecalculatedSignal(change); }

}  // namespace krv
