#include "settings/qt/SettingsDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>
#include <optional>

#include "settings/SettingsFields.h"
#include "settings/qt/SettingsPages.h"
#include "settings/qt/TeamListPage.h"
#include "ui/AppSettings.h"
#include "ui/OkCancelButtons.h"
#include "ui/PageSwitchKeys.h"
#include "ui/ProgramServices.h"
#include "ui/WaitCursor.h"
#include "ui/WindowPlacement.h"
#include "update/qt/UpdateServerSetting.h"

namespace krv {

SettingsDialog::SettingsDialog(ProgramServices& services, QWidget* parent) : QDialog(parent), m_Services(services) {
  setObjectName(QStringLiteral("SettingsDialog"));
  setWindowTitle(QStringLiteral("Einstellungen"));
  setProperty("helpTopic", QStringLiteral("#EINSTELLUNGEN"));
  const SettingsPageFields fields = SettingsPageFieldsFrom(services.m_Settings);
  m_pTabs = new QTabWidget(this);
  m_pTeams = new TeamListPage(services.m_Settings.m_Teamliste, m_pTabs);
  m_pVerschiedenes = new MiscSettingsPage(fields, StoredUpdateServer(), RecoveryEnabled(), m_pTabs);
  m_pDrucken = new PrintSettingsPage(fields, m_pTabs);
  m_pTabs->addTab(m_pTeams, QStringLiteral("Team-Liste"));
  m_pTabs->addTab(m_pVerschiedenes, QStringLiteral("Verschiedenes"));
  m_pTabs->addTab(m_pDrucken, QStringLiteral("Drucken"));
  m_pTabs->setCurrentIndex(services.m_nLetzteEinstellungsSeite);
  AddPageSwitchKeys(m_pTabs);

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pTabs, 1);
  layout->addWidget(buttons);
  resize(560, 460);
  RememberPlacement(this, QString::fromLatin1(kLayoutName));
}

void SettingsDialog::accept() {
  std::optional<WaitCursor> wait(std::in_place);  // a long team list takes a moment to check
  SettingsPageFields fields = SettingsPageFieldsFrom(m_Services.m_Settings);
  m_pVerschiedenes->Read(fields);
  m_pDrucken->Read(fields);
  m_Outcome = ApplySettingsSheet(m_Services.m_Settings, fields, m_pTeams->Teams());
  wait.reset();
  if (m_Outcome.Refused()) {
    m_Services.ShowOutcome(this, m_Outcome);
    m_pTabs->setCurrentWidget(m_pVerschiedenes);
    return;  // the sheet stays open with what was typed
  }
  StoreUpdateServer(m_pVerschiedenes->UpdateServerText());
  SetRecoveryEnabled(m_pVerschiedenes->RecoveryChecked());
  QDialog::accept();
  m_Services.SetSettingsChanged();
  m_Services.ShowOutcome(parentWidget(), m_Outcome);
}

void SettingsDialog::done(int result) {
  m_Services.m_nLetzteEinstellungsSeite = m_pTabs->currentIndex();
  QDialog::done(result);
}

void RunSettingsSheet(QWidget* parent, ProgramServices& services) {
  // A team list of a million names takes seconds to fill: the coach sees that it is working.
  auto wait = std::make_unique<WaitCursor>();
  SettingsDialog sheet(services, parent);
  wait.reset();
  sheet.exec();
}

}  // namespace krv
