// What the main window leaves for later: printing and sounds are loaded when first used, not
// while the window comes up (each test runs in a process of its own, so nothing else has
// loaded them before).

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>

#include "app/qt/MainFrame.h"
#include "gui/roster/RosterTestSupport.h"

namespace krv {
namespace {

bool Loaded(const QString& library) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && QString::fromLatin1(maps.readAll()).contains(library);
}

class MainWindowStart : public test::ProgramTest {};

// Would catch a printer made with the main window (it loads the print service's plugin, which
// asks the print server for its printers) or the sound player linked into the program: both
// cost start-up time for something the first window does not show.
TEST_F(MainWindowStart, LoadsPrintingAndSoundsOnlyWhenFirstUsed) {
  CMainFrame frame(m_app.get());
  ShowMain(frame);
  EXPECT_FALSE(Loaded(QStringLiteral("libcupsprintersupport")));
  EXPECT_FALSE(Loaded(QStringLiteral("libQt6Multimedia")));

  frame.Printing().Printer();
  const QString cups =
      QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/printsupport/libcupsprintersupport.so");
  if (QFileInfo::exists(cups)) {
    EXPECT_TRUE(Loaded(QStringLiteral("libcupsprintersupport")));
  }
}

}  // namespace
}  // namespace krv
