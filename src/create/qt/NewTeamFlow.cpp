#include "create/qt/NewTeamFlow.h"

#include <QFileDialog>
#include <exception>

#include "create/TeamBuilder.h"
#include "create/qt/RassenAuswahlDlg.h"
#include "create/qt/TeamErstellenDlg.h"
#include "model/Team.h"
#include "model/TeamFile.h"
#include "ui/FileNames.h"
#include "ui/MessageBoxes.h"

namespace krv {

const char* const kCreationCancelledMessage = "Sie haben die Team-\nErstellung abgebrochen!";

namespace {

std::unique_ptr<CKRTeam> Cancelled(QWidget* parent, CKRTeam& team) {
  team.m_nRasse = -1;
  InformationBox(parent, QString::fromUtf8(kCreationCancelledMessage));
  return nullptr;
}

}  // namespace

std::unique_ptr<CKRTeam> RunTeamCreation(QWidget* parent, int32_t startkapital) {
  auto team = std::make_unique<CKRTeam>();
  team->m_nNaechsteID = kFirstPlayerId;

  CRassenAuswahlDlg raceSelection(parent);
  raceSelection.m_TheTeam = team.get();
  raceSelection.m_Startkapital = startkapital;
  if (raceSelection.exec() != QDialog::Accepted) return Cancelled(parent, *team);

  PrepareNewTeam(*team, raceSelection.m_Rasse);
  CTeamErstellenDlg creation(parent);
  creation.m_Rasse = raceSelection.m_Rasse;
  creation.m_TheTeam = team.get();
  creation.m_Startkapital = startkapital;
  creation.m_Restgold = startkapital;
  if (creation.exec() != QDialog::Accepted) return Cancelled(parent, *team);

  BuildNewTeam(*team, creation);
  return team;
}

int RunNewTeamDemo(int32_t startkapital) {
  std::unique_ptr<CKRTeam> team = RunTeamCreation(nullptr, startkapital);
  if (!team) return 1;

  QString path = QFileDialog::getSaveFileName(nullptr, QStringLiteral("Speichern unter"),
                                              QString::fromStdString(team->m_strName) + QStringLiteral(".krt"),
                                              QStringLiteral("Krashball-Teams (*.krt);;Alle Dateien (*)"));
  if (path.isEmpty()) return 1;
  if (!path.endsWith(QStringLiteral(".krt"), Qt::CaseInsensitive)) path += QStringLiteral(".krt");

  // The figures as the team window would compute them on first showing the team.
  team->Recalculate();
  team->CalcTeamwert();
  try {
    const SaveResult result = SaveTeamFile(*team, FileNameBytes(path));
    if (result.replacedCharacters)
      InformationBox(nullptr, QString::fromStdString(
                                  ReplacedCharactersNotice(path.toStdString(), result.replacedCharacters)));
  } catch (const std::exception& error) {
    ErrorBox(nullptr, QString::fromStdString(error.what()));
    return 1;
  }
  return 0;
}

}  // namespace krv
