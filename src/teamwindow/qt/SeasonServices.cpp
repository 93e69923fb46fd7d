#include "teamwindow/qt/SeasonServices.h"

#include "teamwindow/qt/KrashballDoc.h"
#include "model/ChangeOutcome.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramServices.h"

namespace krv {

std::vector<std::string> SystemTeamList(const KrashballDoc* doc) {
  return doc->Services().m_Settings.m_Teamliste.m_Items;
}

void AppendToSystemTeamList(KrashballDoc* doc, const std::string& name) {
  ProgramServices& services = doc->Services();
  services.m_Settings.m_Teamliste.m_Items.push_back(name);
  services.SetSettingsChanged();
}

bool UseOwnFileRequester(const KrashballDoc* doc) { return doc->Services().m_Settings.m_bEigenerDateidialog != 0; }

QString DataFolderPath(const KrashballDoc* doc) { return doc->Services().DataFolder(); }

bool ShowOutcome(QWidget* parent, KrashballDoc* doc, const ChangeOutcome& outcome) {
  return doc->Services().ShowOutcome(parent, outcome);
}

}  // namespace krv
