// What the team window adds to the step history and the recovery file: typing in a header
// field is one step per visit, a list page's command names its step after the record, taking
// steps back rebuilds every page and follows the saved state in the title, and the recovery
// file lives exactly as long as unsaved changes do.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "app/qt/KrashballApp.h"
#include "history/RecoveryFiles.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "roster/PlayerPurchase.h"
#include "roster/TeamHeader.h"
#include "support/MessageRecorder.h"
#include "support/SampleTeams.h"
#include "support/TempFolder.h"
#include "teamwindow/qt/TeamFrame.h"
#include "teamwindow/qt/TeamPages.h"
#include "teamwindow/qt/TeamDocument.h"
#include "teamwindow/qt/TeamView.h"
#include "teamwindow/qt/LedgerPage.h"
#include "teamwindow/qt/MatchesPage.h"

namespace krv {
namespace {

class TeamStepsTest : public test::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    m_app = std::make_unique<KrashballApp>(QString::fromStdString(m_dir.string()));
    std::unique_ptr<CKRTeam> team = test::MakeSampleTeam();
    team->Recalculate();  // the file as the program writes it
    SaveTeamFile(*team, Path("team.krt"));
    m_saved = ReadWholeFile(Path("team.krt"));
    auto* doc = new TeamDocument(*m_app);
    ASSERT_TRUE(doc->OnOpenDocument(QString::fromStdString(Path("team.krt")), nullptr));
    m_frame = std::make_unique<TeamFrame>(doc);
    m_frame->setAttribute(Qt::WA_DeleteOnClose, false);
    m_frame->show();
    m_doc = doc;
    QApplication::processEvents();
  }
  void TearDown() override {
    if (m_frame) m_doc->SetModifiedFlag(false);
    m_frame.reset();
    m_app.reset();
    TempFolderTest::TearDown();
  }
  QLineEdit* NameField() { return m_frame->findChild<QLineEdit*>(QStringLiteral("teamName")); }
  MatchesPage* Matches() { return m_frame->findChild<MatchesPage*>(); }
  bool RecoveryKept() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(RecoveryFolder(), ignored))
      if (entry.path().extension() == ".notfall") return true;
    return false;
  }

  test::MessageRecorder m_messages;
  std::unique_ptr<KrashballApp> m_app;
  std::unique_ptr<TeamFrame> m_frame;
  TeamDocument* m_doc = nullptr;
  std::string m_saved;
};

// Catches a step per letter, a step recorded before the field is left (the next letters
// would be a second step), and a title that stays " *" back at the saved state.
TEST_F(TeamStepsTest, TypingIsOneStepPerFieldVisit) {
  const std::string name = m_doc->Team().m_strName;
  NameField()->setFocus();
  NameField()->end(false);
  QTest::keyClicks(NameField(), "abc");
  QApplication::processEvents();
  EXPECT_EQ(m_doc->Steps().UndoName(), "Teamname ändern");
  m_doc->Undo();
  EXPECT_EQ(m_doc->Team().m_strName, name);
  EXPECT_EQ(NameField()->text().toStdString(), name);
  EXPECT_FALSE(m_doc->IsModified());
  EXPECT_FALSE(m_doc->Steps().CanUndo());
  m_doc->Redo();
  EXPECT_EQ(m_doc->Team().m_strName, name + "abc");
  EXPECT_TRUE(m_doc->IsModified());
  m_doc->Undo();
  ASSERT_TRUE(m_doc->Save(m_frame.get()));
  EXPECT_EQ(ReadWholeFile(Path("team.krt")), m_saved);  // taken back, the team file of before
}

// Catches a name taken after the command (the deleted match is gone then) and pages that
// keep showing the team of before the step.
TEST_F(TeamStepsTest, ListCommandNamesItsStepAndUndoShowsThePagesAgain) {
  MatchesPage* page = Matches();
  const int rows = page->List()->model()->rowCount();
  const std::string opponent = NthRecord(m_doc->Team().m_Games, 0)->m_strGegner;
  page->List()->selectRow(0);
  m_messages.answers = {0};  // "&Löschen"
  page->RunCommand(PageCommand::Delete);
  QApplication::processEvents();
  EXPECT_EQ(page->List()->model()->rowCount(), rows - 1);
  EXPECT_EQ(m_doc->Steps().UndoName(), "Spiel gegen " + opponent + " löschen");
  m_doc->Undo();
  EXPECT_EQ(page->List()->model()->rowCount(), rows);
  EXPECT_FALSE(m_doc->IsModified());
  EXPECT_EQ(m_doc->Steps().RedoName(), "Spiel gegen " + opponent + " löschen");
}

// Catches a team rebuilt by a step that forgets the no-fans notice was shown: the next match
// would show it again for the same drop.
TEST_F(TeamStepsTest, StepTakenBackKeepsTheNoFansNoticeShown) {
  m_doc->Team().m_nFanFaktor = -m_doc->Team().m_nFanFactorAdjustment;  // no fans in force
  ASSERT_TRUE(RunFanCheck(m_doc->Team()).fansGone);
  m_doc->Steps().Reset(true);
  NameField()->setFocus();
  QTest::keyClicks(NameField(), "x");
  m_doc->Undo();
  EXPECT_TRUE(m_doc->Team().m_bKeineFans);
}

// Catches a player bought through the expense page named after the expense: the page counts
// the players before its command runs.
TEST_F(TeamStepsTest, CommandThatAddsAPlayerIsNamedAfterHim) {
  auto* page = m_frame->View()->Pages()->Expenses();
  page->SetCommandHandler(PageCommand::New, [this] { BuyPlayer(m_doc->Team(), {"Blitzer", "Grimm", false}, 16); });
  page->RunCommand(PageCommand::New);
  EXPECT_EQ(m_doc->Steps().UndoName(), "Spieler Grimm kaufen");
}

// Catches a recovery file that outlives the unsaved changes (saved, taken back, closed).
TEST_F(TeamStepsTest, RecoveryFileOnlyWhileUnsaved) {
  NameField()->setFocus();
  QTest::keyClicks(NameField(), "x");
  m_doc->Recovery().Update();
  EXPECT_TRUE(RecoveryKept());
  m_doc->Undo();
  m_doc->Recovery().Update();
  EXPECT_FALSE(RecoveryKept());
  m_doc->Redo();
  m_doc->Recovery().Update();
  ASSERT_TRUE(RecoveryKept());
  ASSERT_TRUE(m_doc->Save(m_frame.get()));
  EXPECT_FALSE(RecoveryKept());
  m_doc->Undo();
  m_doc->Recovery().Update();
  EXPECT_TRUE(RecoveryKept());
  m_frame.reset();
  EXPECT_FALSE(RecoveryKept());
}

}  // namespace
}  // namespace krv
