#include "create/qt/NewTeamFlow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "create/qt/CountSpinBox.h"
#include "create/qt/RassenAuswahlDlg.h"
#include "create/qt/TeamErstellenDlg.h"
#include "gui/CreationDialogDriver.h"
#include "model/Team.h"
#include "model/TeamFile.h"
#include "support/MessageRecorder.h"

namespace krv {
namespace {

using test::Child;
using test::WhenModal;

// Chooses the race in the race selection and takes it over.
void ChooseRace(int32_t race) {
  WhenModal<CRassenAuswahlDlg>([race](CRassenAuswahlDlg* dialog) {
    Child<QComboBox>(dialog, QStringLiteral("race"))->setCurrentIndex(race);
    Child<QPushButton>(dialog, QStringLiteral("uebernehmen"))->click();
  });
}

// Enters the Menschen worked example into the creation dialog and presses "&Erstellen".
void EnterMenschenTeam() {
  WhenModal<CTeamErstellenDlg>([](CTeamErstellenDlg* dialog) {
    QTest::keyClicks(Child<QLineEdit>(dialog, QStringLiteral("teamName")), QStringLiteral("Altdorfer Greifen"));
    Child<CountSpinBox>(dialog, QStringLiteral("rowCount1"))->setValue(11);
    Child<CountSpinBox>(dialog, QStringLiteral("rowCount3"))->setValue(2);
    Child<CountSpinBox>(dialog, QStringLiteral("rowCount4"))->setValue(2);
    Child<CountSpinBox>(dialog, QStringLiteral("rerolls"))->setValue(1);
    Child<CountSpinBox>(dialog, QStringLiteral("fanFactor"))->setValue(3);
    Child<CountSpinBox>(dialog, QStringLiteral("cheerleaders"))->setValue(5);
    Child<QPushButton>(dialog, QStringLiteral("erstellen"))->click();
  });
}

// Race selection, creation dialog and the built team in one run: the team carries the
// chosen race, the name, the players and the staff. Dialogs handed the wrong race or a
// team built from the wrong fields would show here.
TEST(NewTeamFlow, CreatesTeam) {
  test::MessageRecorder recorder;
  ChooseRace(8);
  EnterMenschenTeam();
  std::unique_ptr<CKRTeam> team = RunTeamCreation(nullptr, 1000000);
  ASSERT_NE(team, nullptr);
  EXPECT_TRUE(recorder.requests.empty()) << recorder.Texts().join("|").toStdString();
  EXPECT_EQ(team->m_nRasse, 8);
  EXPECT_EQ(team->m_strName, "Altdorfer Greifen");
  EXPECT_FALSE(team->m_strErstellt.empty());
  ASSERT_EQ(team->m_Spieler.size(), 15u);
  EXPECT_EQ(team->m_Spieler.front()->m_nID, 100);
  EXPECT_EQ(team->m_Spieler.back()->m_strName, "Blitzer2");
  EXPECT_EQ(team->m_Cheerleader.size(), 5u);
  EXPECT_EQ(team->m_strTrainer, "Der Trainer");
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

  ChooseRace(3);
  WhenModal<CTeamErstellenDlg>([](CTeamErstellenDlg* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Neues Team erstellen (Echsenmenschen)");
    Child<QPushButton>(dialog, QStringLiteral("abbruch"))->click();
  });
  EXPECT_EQ(RunTeamCreation(nullptr, 1000000), nullptr);
  ASSERT_EQ(recorder.requests.size(), 2u);
  EXPECT_EQ(recorder.requests[1].text, "Sie haben die Team-\nErstellung abgebrochen!");
}

// The demo writes the created team to the file the coach names, adding ".krt"; the file
// reads back with its figures. Cancelling the file requester writes nothing.
TEST(NewTeamFlow, DemoWritesTeamFile) {
  test::MessageRecorder recorder;
  QTemporaryDir dir;
  const QString base = dir.filePath(QStringLiteral("greifen"));
  ChooseRace(8);
  EnterMenschenTeam();
  WhenModal<QFileDialog>([base](QFileDialog* requester) {
    requester->selectFile(base);
    static_cast<QDialog*>(requester)->accept();
  });
  EXPECT_EQ(RunNewTeamDemo(1000000), 0);
  EXPECT_TRUE(recorder.requests.empty()) << recorder.Texts().join("|").toStdString();
  std::unique_ptr<CKRTeam> saved = LoadTeamFile((base + ".krt").toStdString());
  EXPECT_EQ(saved->m_strName, "Altdorfer Greifen");
  EXPECT_EQ(saved->m_Spieler.size(), 15u);
  EXPECT_EQ(saved->m_strGold, "0");
  EXPECT_EQ(saved->m_strTeamwert, "100");  // everything bought counts, 10,000 gold a point

  ChooseRace(8);
  EnterMenschenTeam();
  WhenModal<QFileDialog>([](QFileDialog* requester) { requester->reject(); });
  EXPECT_EQ(RunNewTeamDemo(1000000), 1);
}

}  // namespace
}  // namespace krv
