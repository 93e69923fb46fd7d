#include "properties/qt/SeasonServices.h"

#include <QApplication>

#include "app/qt/KrashballApp.h"
#include "app/qt/KrashballDoc.h"
#include "properties/SeasonOutcome.h"
#include "ui/MessageBoxes.h"

namespace krv {

std::vector<std::string> SystemTeamList() {
  const CKrashballApp* app = CKrashballApp::Instance();
  return app ? app->m_Settings.m_Teamliste.m_Items : std::vector<std::string>{};
}

void AppendToSystemTeamList(const std::string& name) {
  CKrashballApp* app = CKrashballApp::Instance();
  if (!app) return;
  app->m_Settings.m_Teamliste.m_Items.push_back(name);
  app->SetSettingsChanged();
}

bool UseOwnFileRequester() {
  const CKrashballApp* app = CKrashballApp::Instance();
  return !app || app->m_Settings.m_bEigenerDateidialog != 0;
}

QString DataFolderPath() {
  const CKrashballApp* app = CKrashballApp::Instance();
  return app ? app->DataFolder() : QString();
}

bool ShowOutcome(QWidget* parent, KrashballDoc* doc, const SeasonOutcome& outcome) {
  if (outcome.refused) {
    if (outcome.refusal.empty()) QApplication::beep();
    else ErrorBox(parent, QString::fromStdString(outcome.refusal));
    return false;
  }
  if (outcome.staffOrEventsChanged) doc->RefreshStaffAndEventsPages();
  for (const std::string& notice : outcome.notices) InformationBox(parent, QString::fromStdString(notice));
  if (!outcome.sound.empty()) doc->PlaySoundFile(outcome.sound);
  return outcome.changed;
}

}  // namespace krv
