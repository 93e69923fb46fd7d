#pragma once
// The application object: reads and writes KRV.DAT around the program's run and is the one
// ProgramServices object the windows are given, with the program's title and about box.

#include <QString>

#include "ui/ProgramServices.h"

class QWidget;

namespace krv {

class KrashballApp : public ProgramServices {
  Q_OBJECT
 public:
  // `programFolder`: where the program file lies; Dok/, Sounds/ and maybe Daten/ are there.
  explicit KrashballApp(const QString& programFolder, QObject* parent = nullptr);

  // Reads KRV.DAT; a damaged file leaves the defaults and is kept until something changes.
  void LoadSettings();
  // Writes KRV.DAT when something changed (at exit). Returns why it could not be written
  // ("" when written or unchanged); the old file then stays as it was.
  QString SaveSettingsIfChanged();

  void ShowAbout(QWidget* parent);
  // "Krashball-Verwaltung V1.6.0", the main window's title.
  static QString Title();

  QString m_strSettingsProblem;  // why KRV.DAT could not be read, for the start-up notice

 private:
  bool m_bKeepCopyOfKrvDat = false;  // damaged or newer: copied to KRV.DAT.bak before the first write
};

}  // namespace krv
