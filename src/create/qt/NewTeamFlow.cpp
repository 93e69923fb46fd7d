#include "create/qt/NewTeamFlow.h"

#include "create/TeamBuilder.h"
#include "create/qt/RaceChoiceDialog.h"
#include "create/qt/TeamCreationDialog.h"
#include "model/Team.h"
#include "ui/MessageBoxes.h"

namespace krv {

const char* const kCreationCancelledMessage = "Sie haben die Team-\nErstellung abgebrochen!";

namespace {

std::unique_ptr<CKRTeam> Cancelled(QWidget* parent) {
  InformationBox(parent, QString::fromUtf8(kCreationCancelledMessage));
  return nullptr;
}

}  // namespace

std::unique_ptr<CKRTeam> RunTeamCreation(QWidget* parent, int32_t startkapital) {
  auto team = std::make_unique<CKRTeam>();

  RaceChoiceDialog raceSelection(parent);
  raceSelection.m_TheTeam = team.get();
  raceSelection.m_Startkapital = startkapital;
  if (raceSelection.exec() != QDialog::Accepted) return Cancelled(parent);

  PrepareNewTeam(*team, raceSelection.m_Rasse);
  TeamCreationDialog creation(parent);
  creation.m_Rasse = raceSelection.m_Rasse;
  creation.m_TheTeam = team.get();
  creation.m_Startkapital = startkapital;
  creation.m_Restgold = startkapital;
  if (creation.exec() != QDialog::Accepted) return Cancelled(parent);

  BuildNewTeam(*team, creation);
  return team;
}

}  // namespace krv
