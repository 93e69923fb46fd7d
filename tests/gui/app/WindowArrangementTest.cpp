// "&Fenster" → "Alle Minimieren" and "Über&lappend" with the team windows maximised or not.

#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>

#include "app/qt/KrashballApp.h"
#include "app/qt/MainFrame.h"
#include "gui/roster/RosterTestSupport.h"
#include "teamwindow/qt/ChildFrame.h"

namespace krv {
namespace {

class WindowArrangementTest : public test::ProgramTest {
 protected:
  QList<CChildFrame*> OpenTeams(CMainFrame& main, std::initializer_list<const char*> names) {
    QList<CChildFrame*> frames;
    for (const char* name : names) frames << main.OpenDocumentFile(WriteSampleTeam(std::string(name) + ".krt", name));
    return frames;
  }
};

// Catches "Alle Minimieren" doing nothing while the windows are maximised: minimising the
// active one maximised (and restored) the next.
TEST_F(WindowArrangementTest, MinimiseAllWhileMaximised) {
  CMainFrame main(m_app.get());
  ShowMain(main);
  const QList<CChildFrame*> frames = OpenTeams(main, {"Orks", "Zwerge", "Elfen"});
  ASSERT_EQ(frames.size(), 3);
  frames.last()->showMaximized();
  main.Action("minimizeAll")->trigger();
  for (CChildFrame* frame : frames) EXPECT_TRUE(frame->isMinimized()) << frame->windowTitle().toStdString();
  main.Action("restoreAll")->trigger();
  for (CChildFrame* frame : frames) EXPECT_FALSE(frame->isMinimized() || frame->isMaximized());
  for (CChildFrame* frame : frames) Discard(frame);
}

// "Über&lappend" keeps every window at its own size, a title bar apart, the active one on top;
// a maximised window comes down to its normal size. Catches windows shrunk to their smallest.
TEST_F(WindowArrangementTest, CascadeKeepsTheSizes) {
  CMainFrame main(m_app.get());
  ShowMain(main, QSize(1300, 950));
  const QList<CChildFrame*> frames = OpenTeams(main, {"Chaos", "Goblins"});
  ASSERT_EQ(frames.size(), 2);
  frames[0]->resize(frames[0]->minimumSizeHint() + QSize(120, 60));
  frames[1]->resize(frames[1]->minimumSizeHint() + QSize(180, 90));
  const QSize sizes[] = {frames[0]->size(), frames[1]->size()};
  main.MdiArea()->setActiveSubWindow(frames[0]);
  frames[0]->showMaximized();
  main.Action("cascade")->trigger();
  EXPECT_FALSE(frames[0]->isMaximized());
  EXPECT_EQ(frames[1]->geometry(), QRect(QPoint(0, 0), sizes[1]));
  EXPECT_EQ(frames[0]->size(), sizes[0]);
  EXPECT_GT(frames[0]->y(), 0);
  EXPECT_EQ(frames[0]->x(), frames[0]->y());
  EXPECT_EQ(main.MdiArea()->subWindowList(QMdiArea::StackingOrder).last(), frames[0]);
  for (CChildFrame* frame : frames) Discard(frame);
}

}  // namespace
}  // namespace krv
