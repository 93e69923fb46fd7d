#pragma once
// The program services the documents of a widget test get: those of the running program
// of a ProgramTest, else one quiet set (sounds off) over a folder of its own.

#include <QDir>
#include <QTemporaryDir>

#include "ui/ProgramServices.h"

namespace krv::test {

// Set by a test that runs a program of its own; null afterwards.
inline ProgramServices*& ServicesOverride() {
  static ProgramServices* services = nullptr;
  return services;
}

inline ProgramServices& TestServices() {
  if (ServicesOverride()) return *ServicesOverride();
  static QTemporaryDir folder;
  static const bool prepared = QDir(folder.path()).mkdir(QStringLiteral("Daten"));  // new teams go there
  static ProgramServices services(folder.path());
  (void)prepared;
  services.m_Settings.m_bSound = 0;
  return services;
}

}  // namespace krv::test
