// Widget tests run without a screen and with a settings store of their own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "ui/ProgramStyle.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  krv::InstallProgramStyle();  // the program's look, disabled pictures included
  QTemporaryDir settingsDir;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  return RUN_ALL_TESTS();
}
