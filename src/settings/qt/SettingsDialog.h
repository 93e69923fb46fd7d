#pragma once
// "Einstellungen": the settings sheet with the pages "Team-Liste", "Verschiedenes" and
// "Drucken". OK checks the pages and takes everything over; Cancel discards everything,
// the team list page's changes included.

#include <QDialog>

#include "model/ChangeOutcome.h"

class QTabWidget;

namespace krv {

class MiscSettingsPage;
class PrintSettingsPage;
class TeamListPage;
class ProgramServices;

class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLayoutName = "Prefs";

  explicit SettingsDialog(ProgramServices& services, QWidget* parent = nullptr);

  QTabWidget* Tabs() const { return m_pTabs; }
  // What the last OK reported (refusal, bank notice, sound).
  const ChangeOutcome& LastOutcome() const { return m_Outcome; }

  void accept() override;
  void done(int result) override;

 private:
  ProgramServices& m_Services;
  QTabWidget* m_pTabs;
  TeamListPage* m_pTeams;
  MiscSettingsPage* m_pVerschiedenes;
  PrintSettingsPage* m_pDrucken;
  ChangeOutcome m_Outcome;
};

// "Einstellungen...": runs the sheet; after OK the open windows follow the new settings.
void RunSettingsSheet(QWidget* parent, ProgramServices& services);

}  // namespace krv
