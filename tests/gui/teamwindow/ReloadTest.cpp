// A team window whose file another program changes (krv spiel) or deletes: the window
// offers to load it again and keeps the coach's work unless he agrees.

#include <gtest/gtest.h>

#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "teamwindow/qt/TeamFrame.h"
#include "app/qt/KrashballApp.h"
#include "teamwindow/qt/TeamDocument.h"
#include "model/TeamFile.h"
#include "teamwindow/qt/MatchesPage.h"
#include "teamwindow/qt/TeamPages.h"
#include "teamwindow/qt/TeamView.h"
#include "support/KrvRunner.h"
#include "support/MessageRecorder.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

constexpr int kNein = 1;

class ReloadTest : public test::KrvToolTest {
 protected:
  void SetUp() override {
    KrvToolTest::SetUp();
    m_app = std::make_unique<KrashballApp>(QString::fromStdString(m_dir.string()));
    m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer", "Orkland"};
    SaveTeamFile(*test::MakeSampleTeam(), Path("team.krt"));
    auto* doc = new TeamDocument(*m_app);
    QString error;
    ASSERT_TRUE(doc->OnOpenDocument(QString::fromStdString(Path("team.krt")), &error)) << error.toStdString();
    m_frame = std::make_unique<TeamFrame>(doc);
    m_frame->setAttribute(Qt::WA_DeleteOnClose, false);
    m_frame->show();
    m_doc = doc;
  }
  void TearDown() override {
    m_doc->SetModifiedFlag(false);
    m_frame.reset();
    m_app.reset();
    KrvToolTest::TearDown();
  }
  void RecordMatchWithKrv() {
    const test::KrvResult r =
        Run({"spiel", Path("team.krt"), "--gegner", "Orkland", "--ergebnis", "2:0", "--einnahmen", "40000"});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  bool Asked() {
    return QTest::qWaitFor([this] { return !m_messages.requests.empty(); }, 5000);
  }
  int MatchRows() { return m_frame->View()->findChild<MatchesPage*>()->List()->model()->rowCount(); }

  test::MessageRecorder m_messages;
  std::unique_ptr<KrashballApp> m_app;
  std::unique_ptr<TeamFrame> m_frame;
  TeamDocument* m_doc = nullptr;
};

// After krv recorded a match the window asks; "Ja" shows the new match at once.
TEST_F(ReloadTest, OffersReloadAfterKrvSpiel) {
  RecordMatchWithKrv();
  ASSERT_TRUE(Asked());
  EXPECT_EQ(m_messages.requests[0].kind, BoxKind::Question);
  EXPECT_TRUE(m_messages.requests[0].text.contains("Soll das Team neu geladen werden?"));
  EXPECT_FALSE(m_messages.requests[0].text.contains("verloren"));
  EXPECT_EQ(m_doc->Team().m_Games.size(), 2u);
  EXPECT_EQ(MatchRows(), 2);
  EXPECT_FALSE(m_doc->IsModified());
  // The program's own save is no change from outside.
  m_messages.requests.clear();
  m_doc->SetModifiedFlag(true);
  ASSERT_TRUE(m_doc->Save(m_frame.get()));
  QTest::qWait(400);
  EXPECT_TRUE(m_messages.requests.empty());
}

// With unsaved changes the question says they would be lost; "Nein" keeps the window's team.
TEST_F(ReloadTest, UnsavedChangesAreNamedAndKeptOnNo) {
  m_doc->Team().AddEreignis({"Ungespeichert", kEreignisSonstiges});
  m_doc->Team().SetTeamModified();
  m_messages.answers = {kNein};
  RecordMatchWithKrv();
  ASSERT_TRUE(Asked());
  EXPECT_TRUE(m_messages.requests[0].text.contains("verloren"));
  EXPECT_EQ(m_doc->Team().m_Games.size(), 1u);
  EXPECT_EQ(m_doc->Team().m_Ereignisse.back()->m_strText, "Ungespeichert");
  EXPECT_TRUE(m_doc->IsModified());
}

// A save that wrote characters as "?" was taken for a change by another program (a second
// box said the coach's changes would be lost), and the window went on showing "ě" and "Ł"
// under a title that said saved. Now only the notice comes, and the window shows what the
// file holds. (No question at closing afterwards: outside_changes_test.sh.)
TEST_F(ReloadTest, OwnSaveWithReplacedCharactersShowsTheFile) {
  m_doc->Team().m_strTrainer = "Zdeněk Łukasz";
  m_doc->Team().SetTeamModified();
  ASSERT_TRUE(m_doc->Save(m_frame.get()));
  QTest::qWait(600);  // longer than the watcher waits for notices to settle
  ASSERT_EQ(m_messages.requests.size(), 1u) << m_messages.Texts().join("\n").toStdString();
  EXPECT_TRUE(m_messages.requests[0].text.contains("2 Zeichen")) << m_messages.requests[0].text.toStdString();
  EXPECT_EQ(m_doc->Team().m_strTrainer, "Zden?k ?ukasz");
  EXPECT_EQ(m_doc->Team().m_strTrainer, LoadTeamFile(Path("team.krt"))->m_strTrainer);
}

// A reload that fails (the file overwritten with garbage) kept the title without "*", so
// closing asked nothing and the team was gone. Now the window keeps its team, marks it
// changed and says so. (Which answer Enter gives, and closing then asking: the program test
// outside_changes_test.sh.)
TEST_F(ReloadTest, FailedReloadKeepsTheTeamModified) {
  std::ofstream(Path("team.krt"), std::ios::trunc) << "kein Team";
  ASSERT_TRUE(Asked());
  ASSERT_EQ(m_messages.requests.size(), 2u);
  EXPECT_EQ(m_messages.requests[1].kind, BoxKind::Error);
  EXPECT_TRUE(m_messages.requests[1].text.contains("bleibt erhalten und ist als geändert markiert"));
  EXPECT_TRUE(m_doc->IsModified());
  EXPECT_EQ(m_doc->Team().m_Games.size(), 1u);
}

// A deleted file is neither recreated nor forgotten: the team stays and is marked modified.
TEST_F(ReloadTest, DeletedFileMarksModified) {
  std::filesystem::remove(Path("team.krt"));
  ASSERT_TRUE(QTest::qWaitFor([this] { return m_doc->IsModified(); }, 5000));
  EXPECT_FALSE(std::filesystem::exists(Path("team.krt")));
  EXPECT_EQ(m_doc->Team().m_Games.size(), 1u);
  EXPECT_TRUE(m_messages.requests.empty());
}

}  // namespace
}  // namespace krv
