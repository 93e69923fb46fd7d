#include "properties/qt/SeasonServices.h"

#include <QApplication>

#include "app/qt/KrashballDoc.h"
#include "properties/SeasonOutcome.h"
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

bool UseOwnFileRequester(const KrashballDoc* doc) {
  return doc->Services().m_Settings.m_bEigenerDateidialog != 0;
}

QString DataFolderPath(const KrashballDoc* doc) { return doc->Services().DataFolder(); }

bool ShowOutcome(QWidget* parent, KrashballDoc* doc, const SeasonOutcome& outcome) {
  if (outcome.refused) {
    if (outcome.refusal.empty()) QApplication::beep();
    else ErrorBox(parent, QString::fromStdString(outcome.refusal));
    return false;
  }
  for (const std::string& notice : outcome.notices) InformationBox(parent, QString::fromStdString(notice));
  if (!outcome.sound.empty()) doc->Services().PlaySoundFile(QString::fromStdString(outcome.sound));
  return outcome.changed;
}

}  // namespace krv
