// What the main window leaves for later: printing and sounds are loaded when first used, the
// toolbar's pictures looked up when first painted, not while the window comes up (each test
// runs in a process of its own, so nothing else has loaded them before).

#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStyle>

#include "app/qt/MainWindow.h"
#include "gui/roster/RosterTestSupport.h"
#include "ui/DeferredStandardIcon.h"

namespace krv {
namespace {

bool Loaded(const QString& library) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && QString::fromLatin1(maps.readAll()).contains(library);
}

// The kind of engine that draws icon: QIcon keeps it to itself but writes its name first.
std::string EngineOf(const QIcon& icon) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out << icon;
  QDataStream in(bytes);
  QString key;
  in >> key;
  return key.toStdString();
}

class MainWindowStart : public test::ProgramTest {};

// Would catch a printer made with the main window (it loads the print service's plugin, which
// asks the print server for its printers) or the sound player linked into the program: both
// cost start-up time for something the first window does not show.
TEST_F(MainWindowStart, LoadsPrintingAndSoundsOnlyWhenFirstUsed) {
  MainWindow frame(m_app.get());
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

// Would catch a picture of the toolbar or the menus looked up while the main window is built
// (the first look-up reads the desktop's icon theme and holds the window back by about as
// long as the rest of it takes): every command's picture must still be a deferred one then.
// And a deferred picture that draws other than the style's own or the theme's, in a state the
// buttons show (greyed while no team is open).
TEST_F(MainWindowStart, LooksUpToolbarPicturesOnlyWhenPainted) {
  const int lookupsBefore = DeferredStandardIconLookups();
  MainWindow frame(m_app.get());
  EXPECT_EQ(DeferredStandardIconLookups(), lookupsBefore);
  for (const QAction* action : frame.findChildren<QAction*>()) {
    if (action->icon().isNull()) continue;
    EXPECT_EQ(EngineOf(action->icon()), "KrvDeferredStandardIcon") << action->objectName().toStdString();
  }
  ShowMain(frame);
  frame.grab();
  EXPECT_GT(DeferredStandardIconLookups(), lookupsBefore);

  QStyle* style = frame.style();
  const struct {
    QIcon deferred, direct;
  } pictures[] = {
      {DeferredStandardIcon(QStyle::SP_DialogSaveButton), style->standardIcon(QStyle::SP_DialogSaveButton)},
      {DeferredStandardIcon(QStyle::SP_ArrowBack, QStringLiteral("edit-undo")),
       QIcon::fromTheme(QStringLiteral("edit-undo"), style->standardIcon(QStyle::SP_ArrowBack))},
  };
  for (const auto& picture : pictures)
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active})
      for (const int size : {16, 24}) {
        const QSize square(size, size);
        EXPECT_EQ(picture.deferred.pixmap(square, mode).toImage(), picture.direct.pixmap(square, mode).toImage())
            << "mode " << mode << ", size " << size;
      }
}

}  // namespace
}  // namespace krv
