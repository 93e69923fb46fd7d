#include "teamwindow/qt/SeasonServices.h"

#include "teamwindow/qt/TeamDocument.h"
#include "model/ChangeOutcome.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramServices.h"

namespace krv {

std::vector<std::string> SystemTeamList(const TeamDocument* doc) {
  return doc->Services().m_Settings.m_Teamliste.m_Items;
}

void AppendToSystemTeamList(TeamDocument* doc, const std::string& name) {
  ProgramServices& services = doc->Services();
  services.m_Settings.m_Teamliste.m_Items.push_back(name);
  services.SetSettingsChanged();
}

bool UseOwnFileRequester(const TeamDocument* doc) { return doc->Services().m_Settings.m_bEigenerDateidialog != 0; }

QString DataFolderPath(const TeamDocument* doc) { return doc->Services().DataFolder(); }

bool ShowOutcome(QWidget* parent, TeamDocument* doc, const ChangeOutcome& outcome) {
  return doc->Services().ShowOutcome(parent, outcome);
}

}  // namespace krv
