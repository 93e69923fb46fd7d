// "krashball --neues-team": the creation dialogs alone, then the save requester; the exit
// status says whether a team file was written.

#include <gtest/gtest.h>

#include <QFileInfo>

#include "app/qt/StartOptions.h"
#include "gui/NewTeamDriver.h"
#include "gui/TestServices.h"
#include "model/TeamFile.h"
#include "support/MessageRecorder.h"
#include "support/TempFolder.h"
#include "teamwindow/qt/TeamDocument.h"

namespace krv {
namespace {

class NewTeamOption : public test::TempFolderTest {
 protected:
  void TearDown() override {
    TeamDocument::SetAskSavePathFunction(nullptr);
    test::TempFolderTest::TearDown();
  }
};

// Would catch the option starting the whole program (or doing nothing) instead of creating
// and saving the team, a saved file without the team's computed figures, and a cancelled
// save reported as success.
TEST_F(NewTeamOption, SavesTheCreatedTeamOrReportsNothingSaved) {
  test::MessageRecorder messages;
  const QString target = QString::fromStdString(Path("Greifen"));
  TeamDocument::SetAskSavePathFunction([&](QWidget*, const QString&) { return target; });
  test::CreateMenschenTeam();
  EXPECT_EQ(RunNewTeamOnly(test::TestServices()), 0);
  const std::unique_ptr<CKRTeam> saved = LoadTeamFile(Path("Greifen.krt"));
  EXPECT_EQ(saved->m_strName, "Altdorfer Greifen");
  EXPECT_EQ(saved->m_Spieler.size(), 15u);
  EXPECT_EQ(saved->m_strTeamwert, "100");

  TeamDocument::SetAskSavePathFunction([](QWidget*, const QString&) { return QString(); });
  test::CreateMenschenTeam();
  EXPECT_EQ(RunNewTeamOnly(test::TestServices()), 1);
  EXPECT_FALSE(QFileInfo::exists(test::TestServices().DataFolder() + "/Altdorfer Greifen.krt"));
  EXPECT_TRUE(messages.requests.empty()) << messages.Texts().join("|").toStdString();
}

}  // namespace
}  // namespace krv
