// A coach's first evening: a team created through the real dialogs, saved, closed and
// opened again is the same team.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "teamwindow/qt/ChildFrame.h"
#include "app/qt/KrashballApp.h"
#include "teamwindow/qt/KrashballDoc.h"
#include "app/qt/MainFrame.h"
#include "gui/NewTeamDriver.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "support/MessageRecorder.h"
#include "support/TempFolder.h"

namespace krv {
namespace {

class EndToEnd : public test::TempFolderTest {};

TEST_F(EndToEnd, CreateSaveCloseReopen) {
  ::setenv("KRV_DATEN", Path("Daten").c_str(), 1);
  CKrashballApp app(QString::fromStdString(m_dir.string()));
  test::MessageRecorder messages;
  const QString target = QString::fromStdString(Path("Greifen"));
  KrashballDoc::SetAskSavePathFunction([&](QWidget*, const QString&) { return target; });
  CMainFrame frame(&app);

  test::CreateMenschenTeam();
  CChildFrame* created = frame.OnFileNew();
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->windowTitle(), "Altdorfer Greifen.krt *");
  EXPECT_EQ(created->Document()->Team().m_strTeamwert, "100");  // computed at first display

  ASSERT_TRUE(created->Document()->Save(&frame));  // never saved: asks, appends ".krt"
  const std::string path = Path("Greifen.krt");
  const std::string saved = ReadWholeFile(path);
  EXPECT_EQ(created->windowTitle(), "Greifen.krt");
  ASSERT_TRUE(created->close());  // unmodified: no question
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frame.TeamWindows().isEmpty());

  CChildFrame* reopened = frame.OpenDocumentFile(QString::fromStdString(path));
  ASSERT_NE(reopened, nullptr);
  CKRTeam& team = reopened->Document()->Team();
  EXPECT_EQ(team.m_strName, "Altdorfer Greifen");
  EXPECT_EQ(team.m_Spieler.size(), 15u);
  EXPECT_EQ(SerializeTeam(team), saved);  // the same team, to the byte
  EXPECT_TRUE(messages.requests.empty()) << messages.Texts().join("|").toStdString();
  KrashballDoc::SetAskSavePathFunction(nullptr);
}

}  // namespace
}  // namespace krv
