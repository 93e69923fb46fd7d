#pragma once
// What every window of the program may use: the settings and the system team list (both
// kept in KRV.DAT), questions, sounds, the help and the folders. One object is made at
// start-up and handed to each document, which hands it on to its view, sheet and pages;
// nothing fetches it from a global. Tests make their own over a folder of their choice.

#include <QObject>
#include <QString>

#include "settings/KrvDat.h"
#include "sound/SoundModule.h"

class QWidget;

namespace krv {

struct ChangeOutcome;
struct Notice;

// A refusal or notice in its box; a dialog shows the refusal of its own check with it.
void ShowNotice(QWidget* parent, const Notice& notice);

class ProgramServices : public QObject {
  Q_OBJECT
 public:
  // `programFolder`: where the program file lies; Dok/, Sounds/ and maybe Daten/ are there.
  explicit ProgramServices(const QString& programFolder, QObject* parent = nullptr);
  ~ProgramServices() override;

  // The settings and the system team list (`m_Settings.m_Teamliste`). Whoever changes them
  // calls SetSettingsChanged(), so that they are written at exit and open windows follow.
  ProgramSettings m_Settings;
  void SetSettingsChanged();
  bool SettingsChangedSinceLoad() const { return m_bDatGeaendert; }
  // The settings sheet opens on the page it was closed on during this run (first at start).
  int m_nLetzteEinstellungsSeite = 0;

  // Plays a file like "Sounds/Sa-geht.wav" when sounds are on and there is an audio device.
  // The sound player module is loaded with the first sound, not at start.
  void PlaySoundFile(const QString& relativePath);
  // The sound player module's function (loaded now if not yet), null when it is missing.
  PlaySoundFunction SoundPlayer();
  // A question that answers Yes at once when asking before deletions is switched off.
  bool Frage(QWidget* parent, const QString& text);
  // Opens the help at a topic key such as "#TEAM_GAME" (empty: the start page).
  void ShowHelp(const QString& topic = QString());
  // Shows what a change to a team reported: refusal, no-fans notice, sound, notices.
  // Returns whether the team changed.
  bool ShowOutcome(QWidget* parent, const ChangeOutcome& outcome);

  QString ProgramFolder() const { return m_strProgrammOrdner; }
  QString DataFolder() const;
  QString KrvDatFile() const;
  QString ResourceFolder(const QString& name) const;  // "Dok", "Sounds"

 signals:
  // A setting or the system team list changed; open windows show it at once.
  void settingsChanged();

 protected:
  bool m_bDatGeaendert = false;

 private:
  QString m_strProgrammOrdner;
  bool m_bSoundModuleSought = false;
  PlaySoundFunction m_playSound = nullptr;
};

}  // namespace krv
