#pragma once
// The application object: settings and system team list (KRV.DAT), the program and data
// folders, and the services every window uses (sounds, questions, help).

#include <QObject>
#include <QString>
#include <memory>

#include "app/KrvDat.h"

class QWidget;
class QSoundEffect;

namespace krv {

class CKrashballApp : public QObject {
  Q_OBJECT
 public:
  // `programFolder`: where the program file lies; Dok/, Sounds/ and maybe Daten/ are there.
  explicit CKrashballApp(const QString& programFolder, QObject* parent = nullptr);
  ~CKrashballApp() override;

  static CKrashballApp* Instance();  // the one running application, or null

  // Reads KRV.DAT; a damaged file leaves the defaults and is kept until something changes.
  void LoadSettings();
  // Writes KRV.DAT when something changed (at exit); failures are silent, as before.
  void SaveSettingsIfChanged();
  void SetSettingsChanged() { m_bDatGeaendert = true; }

  // Plays a file like "Sounds/Sa-geht.wav" when sounds are on and there is an audio device.
  void PlaySoundFile(const QString& relativePath);
  // A question that answers Yes at once when asking before deletions is switched off.
  bool Frage(QWidget* parent, const QString& text);
  // Opens the help at a topic key such as "#TEAM_GAME" (empty: the start page).
  void ShowHelp(const QString& topic = QString());
  void ShowAbout(QWidget* parent);

  QString ProgramFolder() const { return m_strProgrammOrdner; }
  QString DataFolder() const;
  QString KrvDatFile() const;
  QString ResourceFolder(const QString& name) const;  // "Dok", "Sounds"
  QString Title() const { return m_strTitel; }

  ProgramSettings m_Settings;
  QString m_strSettingsProblem;  // why KRV.DAT could not be read, for the start-up notice
  bool m_bDatGeaendert = false;
  bool m_bAlleSpeichern = false;
  static constexpr const char* kVersion = "1.6.0";
  QString m_strVersion = QString::fromLatin1(kVersion);
  QString m_strTitel = QStringLiteral("Krashball-Verwaltung V") + m_strVersion;

 private:
  QString m_strProgrammOrdner;
  QSoundEffect* m_sound = nullptr;
};

}  // namespace krv
