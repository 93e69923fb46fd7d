// The own-race dialog "Eigene Spieler erstellen" with its builders driven as modal dialogs.

#include "create/qt/OwnRaceDialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "create/qt/StarPlayerBuilderDialog.h"
#include "gui/CreationDialogDriver.h"
#include "model/Team.h"
#include "support/MessageRecorder.h"
#include "ui/AppSettings.h"

namespace krv {
namespace {

constexpr int32_t kCapital = 1000000;

using test::Child;

QString Text(OwnRaceDialog& dialog, int slot) {
  return Child<QLineEdit>(dialog, QStringLiteral("text%1").arg(slot))->text();
}

bool MayAccept(OwnRaceDialog& dialog) { return Child<QPushButton>(dialog, "uebernehmen")->isEnabled(); }

// What the coach does in the builder a position button opened; returns whether to buy.
using BuilderScript = std::function<bool(StarPlayerBuilderDialog&)>;

// Presses the position button and lets `script` work in the builder that comes up: true
// presses "&Kaufen", false "&Abbruch". The builder seen is recorded for the caller.
void Design(OwnRaceDialog& dialog, int slot, const BuilderScript& script, PlayerBuilder* seen = nullptr) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    auto* builder = qobject_cast<StarPlayerBuilderDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(builder, nullptr);
    ran = true;
    if (seen) *seen = builder->Builder();
    const bool buy = script(*builder);
    builder->findChild<QPushButton*>(buy ? "kaufen" : "abbruch")->click();
    // A refused purchase leaves the builder open; the coach gives up then.
    if (builder->isVisible()) builder->findChild<QPushButton*>("abbruch")->click();
  });
  Child<QPushButton>(dialog, QStringLiteral("position%1").arg(slot))->click();
  EXPECT_TRUE(ran);
}

const BuilderScript kAsPreset = [](StarPlayerBuilderDialog&) { return true; };

// "&Übernehmen" follows the four required positions: three are not enough, the fourth
// enables it, a cancelled builder takes a position back, and Gen.1/Gen.2 are optional.
// (The rule itself, also for a builder refused by its point limit, and the templates' codes
// and texts: OwnRace.) A builder opened for the wrong kind, its result not written into the
// team or not shown, or a button not following the rule shows here.
TEST(OwnRaceDialog, RequiredPositionsEnableUebernehmen) {
  test::MessageRecorder recorder;
  CKRTeam team;
  OwnRaceDialog dialog(&team, kCapital);
  dialog.show();
  EXPECT_FALSE(MayAccept(dialog));

  // The Feldspieler with "Blocken" (6 points, 60000), the others as the builder presets them.
  const BuilderScript blocken = [](StarPlayerBuilderDialog& b) {
    test::FindItem(Child<QTreeWidget>(b, "skills"), "Blocken")->setSelected(true);
    return true;
  };
  const int32_t kinds[] = {kKindFeldspieler, kKindFaenger, kKindWerfer, kKindSuperspieler};
  PlayerBuilder seen;
  for (int slot = 0; slot < 4; ++slot) {
    EXPECT_FALSE(MayAccept(dialog)) << slot;  // three required positions are not enough
    Design(dialog, slot, slot == 0 ? blocken : kAsPreset, &seen);
    EXPECT_EQ(seen.m_nKind, kinds[slot]);
  }
  EXPECT_EQ(Text(dialog, 0), "6,3,3,8,60000,Blk");
  EXPECT_EQ(Text(dialog, 3), "6,3,3,8,50000,");
  EXPECT_TRUE(MayAccept(dialog));  // Gen.1 and Gen.2 still empty

  // Cancelling the builder of the defined Fänger takes the position back.
  Design(dialog, 1, [](StarPlayerBuilderDialog&) { return false; });
  EXPECT_EQ(Text(dialog, 1), "");
  EXPECT_FALSE(MayAccept(dialog));
  Design(dialog, 1, kAsPreset);
  EXPECT_TRUE(MayAccept(dialog));

  // A name typed for Gen.1 names the position.
  Design(dialog, 4, [](StarPlayerBuilderDialog& b) {
    Child<QLineEdit>(b, "name")->setText("Sumpfkriecher");
    return true;
  });
  EXPECT_EQ(team.m_Positionen[4].m_strName, "Sumpfkriecher");

  Child<QPushButton>(dialog, "uebernehmen")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(team.m_bMutation);
}

// With the mutation box ticked the builders see body traits as allowed and the team takes
// the flag on "&Übernehmen"; "Abbruch" leaves the flag alone.
// A builder opened without the box's state, or the flag written on cancel, shows here.
TEST(OwnRaceDialog, MutationReachesBuilderAndTeam) {
  CKRTeam team;
  {
    OwnRaceDialog dialog(&team, kCapital);
    Child<QCheckBox>(dialog, "mutation")->setChecked(true);
    PlayerBuilder seen;
    for (int slot = 0; slot < 4; ++slot) Design(dialog, slot, kAsPreset, &seen);
    EXPECT_TRUE(seen.m_bMutation);
    Child<QPushButton>(dialog, "abbruch")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(team.m_bMutation);
  }
  OwnRaceDialog again(&team, kCapital);
  EXPECT_EQ(Text(again, 0), "6,3,3,8,50000,");  // the earlier round is shown and counts
  EXPECT_TRUE(MayAccept(again));
  Child<QCheckBox>(again, "mutation")->setChecked(true);  // what the builder greys: StarPlayerBuilderDialog
  Child<QPushButton>(again, "uebernehmen")->click();
  EXPECT_EQ(again.result(), QDialog::Accepted);
  EXPECT_TRUE(team.m_bMutation);
}

// Without a team the dialog says so once it is open, and nothing can be taken.
TEST(OwnRaceDialog, NoTeamNotice) {
  test::MessageRecorder recorder;
  OwnRaceDialog dialog(nullptr, kCapital);
  dialog.show();
  QApplication::processEvents();
  ASSERT_EQ(recorder.requests.size(), 1u);
  EXPECT_EQ(recorder.requests[0].text, "m_TheTeam = NULL??????");
  EXPECT_FALSE(MayAccept(dialog));
}

// The dialog comes back in the size it was left in, under its own layout name.
TEST(OwnRaceDialog, RemembersSize) {
  CKRTeam team;
  int height = 0;
  {
    OwnRaceDialog dialog(&team, kCapital);
    dialog.show();
    height = dialog.height();
    dialog.resize(820, height + 100);  // only the width grows
    EXPECT_EQ(dialog.height(), height);
    dialog.hide();
  }
  EXPECT_TRUE(AppSettings().contains("EigeneSpieler/Right"));
  OwnRaceDialog again(&team, kCapital);
  again.show();
  EXPECT_EQ(again.size(), QSize(820, height));
}

}  // namespace
}  // namespace krv
