#include "sound/SoundModule.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void krv_play_sound(const char* path) {
  if (QMediaDevices::audioOutputs().isEmpty()) return;  // no audio device: silent
  // One effect for the whole run, as one sound follows another; it goes with the application.
  static QSoundEffect* const effect = new QSoundEffect(QCoreApplication::instance());
  effect->setSource(QUrl::fromLocalFile(QFile::decodeName(path)));
  effect->play();
}
