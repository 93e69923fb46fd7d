#include "create/qt/NewTeamFlow.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QTemporaryDir>

#include "gui/NewTeamDriver.h"
#include "model/Team.h"
#include "model/TeamFile.h"
#include "support/MessageRecorder.h"

namespace krv {
namespace {

using test::Child;
using test::WhenModal;

// Race selection, creation dialog and the built team in one run, written to the file the
// coach names with ".krt" added; the file reads back with the chosen race, the name, the
// players with their identities from 100, the staff and the figures. Dialogs handed the wrong
// race, a team built from the wrong fields or a missing extension would show here.
// Cancelling the file requester writes nothing.
TEST(NewTeamFlow, DemoWritesTeamFile) {
  test::MessageRecorder recorder;
  QTemporaryDir dir;
  const QString base = dir.filePath(QStringLiteral("greifen"));
  test::CreateMenschenTeam();
  WhenModal<QFileDialog>([base](QFileDialog* requester) {
    requester->selectFile(base);
    static_cast<QDialog*>(requester)->accept();
  });
  EXPECT_EQ(RunNewTeamDemo(1000000), 0);
  EXPECT_TRUE(recorder.requests.empty()) << recorder.Texts().join("|").toStdString();
  std::unique_ptr<CKRTeam> saved = LoadTeamFile((base + ".krt").toStdString());
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->m_nRasse, 8);
  EXPECT_EQ(saved->m_strName, "Altdorfer Greifen");
  EXPECT_FALSE(saved->m_strErstellt.empty());
  ASSERT_EQ(saved->m_Spieler.size(), 15u);
  EXPECT_EQ(saved->m_Spieler.front()->m_nID, 100);
  EXPECT_EQ(saved->m_Spieler.back()->m_strName, "Blitzer2");
  EXPECT_EQ(saved->m_Cheerleader.size(), 5u);
  EXPECT_EQ(saved->m_strTrainer, "Der Trainer");
  EXPECT_EQ(saved->m_strGold, "0");
  EXPECT_EQ(saved->m_strTeamwert, "100");  // everything bought counts, 10,000 gold a point

  test::CreateMenschenTeam();
  WhenModal<QFileDialog>([](QFileDialog* requester) { requester->reject(); });
  EXPECT_EQ(RunNewTeamDemo(1000000), 1);
}

// Cancelling either dialog ends the creation with the notice and no team.
TEST(NewTeamFlow, CancelledEitherDialog) {
  test::MessageRecorder recorder;
  WhenModal<CRassenAuswahlDlg>([](CRassenAuswahlDlg* dialog) {
    Child<QPushButton>(dialog, QStringLiteral("abbruch"))->click();
  });
  EXPECT_EQ(RunTeamCreation(nullptr, 1000000), nullptr);
  ASSERT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(recorder.requests[0].kind, BoxKind::Information);
  EXPECT_EQ(recorder.requests[0].text, "Sie haben die Team-\nErstellung abgebrochen!");

  test::ChooseRace(3);
  WhenModal<CTeamErstellenDlg>([](CTeamErstellenDlg* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Neues Team erstellen (Echsenmenschen)");
    Child<QPushButton>(dialog, QStringLiteral("abbruch"))->click();
  });
  EXPECT_EQ(RunTeamCreation(nullptr, 1000000), nullptr);
  ASSERT_EQ(recorder.requests.size(), 2u);
  EXPECT_EQ(recorder.requests[1].text, "Sie haben die Team-\nErstellung abgebrochen!");
}

}  // namespace
}  // namespace krv
