#include "create/qt/NewTeamFlow.h"

#include <gtest/gtest.h>

#include "gui/NewTeamDriver.h"
#include "model/Team.h"
#include "support/MessageRecorder.h"

namespace krv {
namespace {

using test::Child;
using test::WhenModal;

// Cancelling either dialog ends the creation with the notice and no team.
TEST(NewTeamFlow, CancelledEitherDialog) {
  test::MessageRecorder recorder;
  WhenModal<CRassenAuswahlDlg>(
      [](CRassenAuswahlDlg* dialog) { Child<QPushButton>(dialog, QStringLiteral("abbruch"))->click(); });
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
