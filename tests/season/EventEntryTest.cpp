// Special events with the re-roll deduction count, and the team logo.

#include "season/EventEntry.h"

#include <gtest/gtest.h>

#include "support/HostedSampleTeam.h"

namespace krv {
namespace {

// The sample team has two re-rolls bought, one deducted (event row 0).
class Events : public test::HostedSampleTeamTest {};

// With two re-rolls bought and two lost a third deduction is refused and records nothing;
// deleting one deduction gives its re-roll back so the next is allowed. Comparing against
// one price's count only, or not counting down, would get this wrong.
TEST_F(Events, DeductionOnlyWhileRerollsRemain) {
  EXPECT_TRUE(AddEvent(Team(), DeductionText("Orkland"), kEreignisMarkenAbzug).applied);
  EXPECT_EQ(Team().m_nMarkenAbzug, 2);
  EXPECT_EQ(Team().m_Ereignisse.back()->m_strText, "Abzug einer Trainingsmarke im Spiel gegen Orkland");
  const size_t events = Team().m_Ereignisse.size();
  const ChangeOutcome refused = AddEvent(Team(), DeductionText("Zwerge"), kEreignisMarkenAbzug);
  EXPECT_EQ(refused.refusal.text, "Sie haben keine Trainingsmarken mehr!!!");
  EXPECT_EQ(Team().m_nMarkenAbzug, 2);
  EXPECT_EQ(Team().m_Ereignisse.size(), events);

  EXPECT_EQ(DeleteEventQuestion(Team(), 0),
            "Abzug einer Trainingsmarke im Spiel gegen Zwergenstürmer\nDiesen Eintrag wirklich löschen?");
  DeleteEvent(Team(), 0);
  EXPECT_EQ(Team().m_nMarkenAbzug, 1);
  EXPECT_TRUE(AddEvent(Team(), DeductionText("Zwerge"), kEreignisMarkenAbzug).applied);

  // A double-price re-roll counts too.
  Team().m_nMarken2 = 1;
  EXPECT_TRUE(AddEvent(Team(), DeductionText("Elfen"), kEreignisMarkenAbzug).applied);
  EXPECT_EQ(m_host.Count("modified"), 4u);
}

// Deleting a deduction whose count a file left at 0 must not make it negative; other events
// leave the counts alone; changing keeps a deduction a deduction whatever its new text, which
// is stored with the team's "\r\n" line ends.
TEST_F(Events, DeleteAndChangeKeepTheCountsSound) {
  AddEvent(Team(), "Fest", kEreignisSonstiges);
  EXPECT_EQ(Team().m_nMarkenAbzug, 1);
  DeleteEvent(Team(), 1);
  EXPECT_EQ(Team().m_nMarkenAbzug, 1);

  EXPECT_TRUE(ChangeEvent(Team(), 0, "Regen\nund Wind").applied);
  EXPECT_EQ(Team().m_Ereignisse[0]->m_nArt, kEreignisMarkenAbzug);
  EXPECT_EQ(Team().m_Ereignisse[0]->m_strText, "Regen\r\nund Wind");

  Team().m_nMarkenAbzug = 0;
  DeleteEvent(Team(), 0);
  EXPECT_EQ(Team().m_nMarkenAbzug, 0);
  EXPECT_TRUE(Team().m_Ereignisse.empty());
  EXPECT_TRUE(DeleteEvent(Team(), 0).Refused());
}

// The same logo chosen again must not mark the team modified; removing an absent logo
// changes nothing either.
TEST_F(Events, LogoChangesOnlyWhenDifferent) {
  EXPECT_FALSE(SetLogo(Team(), "/home/trainer/Logos/orks.bmp").applied);
  EXPECT_EQ(m_host.Count("modified"), 0u);
  EXPECT_TRUE(SetLogo(Team(), "/home/trainer/Logos/Orks.bmp").applied);
  EXPECT_EQ(Team().m_strLogo, "/home/trainer/Logos/Orks.bmp");
  EXPECT_TRUE(RemoveLogo(Team()).applied);
  EXPECT_TRUE(Team().m_strLogo.empty());
  EXPECT_FALSE(RemoveLogo(Team()).applied);
  EXPECT_EQ(m_host.Count("modified"), 2u);
}

}  // namespace
}  // namespace krv
