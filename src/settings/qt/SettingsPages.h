#pragma once
// Settings pages "Verschiedenes" (flags, help, quick help, starting capital, maximum players,
// update server, recovery) and "Drucken" (the two print flags). They show page fields and read them
// back; the checks belong to ApplySettingsSheet.

#include <QWidget>

#include "settings/SettingsFields.h"

class QCheckBox;
class QLineEdit;

namespace krv {

class NumberEdit;

class MiscSettingsPage : public QWidget {
  Q_OBJECT
 public:
  // `updateServer` and `recovery` ("Ungesicherte Änderungen für den Notfall sichern") are kept
  // with the program's profile, not in KRV.DAT.
  MiscSettingsPage(const SettingsPageFields& fields, const QString& updateServer, bool recovery,
                   QWidget* parent = nullptr);
  // Writes the page's controls into `fields`.
  void Read(SettingsPageFields& fields) const;
  QString UpdateServerText() const;
  bool RecoveryChecked() const;

 private:
  void UpdateEnabling();

  QCheckBox* m_pSound;
  QCheckBox* m_pFragen;
  QCheckBox* m_pSpielerBehalten;
  QCheckBox* m_pLebenslauf;
  QCheckBox* m_pDateidialog;
  QCheckBox* m_pNotfall;
  QCheckBox* m_pCHM;
  QCheckBox* m_pBrowser;
  QCheckBox* m_pNoQuickHelp;
  QCheckBox* m_pQuickHelpFadeIn;
  QCheckBox* m_pQuickHelpOnce;
  NumberEdit* m_pStartkapital;
  QLineEdit* m_pMaxSpieler;
  QLineEdit* m_pUpdateServer;
};

class PrintSettingsPage : public QWidget {
  Q_OBJECT
 public:
  explicit PrintSettingsPage(const SettingsPageFields& fields, QWidget* parent = nullptr);
  void Read(SettingsPageFields& fields) const;

 private:
  QCheckBox* m_pSkipZeroValues;
  QCheckBox* m_pSkipValues;
};

}  // namespace krv
