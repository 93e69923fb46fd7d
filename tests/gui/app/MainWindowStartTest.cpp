// What the main window leaves for later: printing and sounds are loaded when first used, the
// toolbar's pictures looked up when first painted, not while the window comes up (each test
// runs in a process of its own, so nothing else has loaded them before).

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStyle>

#include "app/qt/MainFrame.h"
#include "gui/roster/RosterTestSupport.h"
#include "ui/DeferredStandardIcon.h"

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

// Would catch the toolbar's and menus' pictures looked up while the main window is built (the
// first look-up reads the desktop's icon theme and holds the window back by about as long as
// the rest of it takes), and a deferred picture that draws other than the style's own in a
// state the buttons show (greyed while no team is open).
TEST_F(MainWindowStart, LooksUpToolbarPicturesOnlyWhenPainted) {
  const int lookupsBefore = DeferredStandardIconLookups();
  CMainFrame frame(m_app.get());
  EXPECT_EQ(DeferredStandardIconLookups(), lookupsBefore);
  ShowMain(frame);
  frame.grab();
  EXPECT_GT(DeferredStandardIconLookups(), lookupsBefore);

  for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active})
    for (const int size : {16, 24}) {
      const QSize square(size, size);
      EXPECT_EQ(DeferredStandardIcon(QStyle::SP_DialogSaveButton).pixmap(square, mode).toImage(),
                frame.style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(square, mode).toImage())
          << "mode " << mode << ", size " << size;
    }
}

}  // namespace
}  // namespace krv
