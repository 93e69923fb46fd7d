// Recording a player's advancement and the career-log entry it writes.

#include "roster/PlayerChange.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

constexpr const char* kHeader = "Am 14.04.07 wurden folgende Werte verändert:\r\n";

struct Fixture {
  CKRTeam team;
  CKRSpieler* player;
  Fixture() {
    team.AddSpieler(7, "Grischnak", "Blitzer", 6, 3, 3, 9, 80000, "Blk", 100, 28);
    player = team.m_Spieler.back().get();
    player->m_nTD = 5;
    player->m_nSSP = 20;
    player->m_strLebenslauf = "Alt.";
  }
  // Applies the sheet with the change made by `edit`, log setting as given.
  ChangeOutcome Apply(void (*edit)(PlayerChange&), bool careerLogAuto = true) {
    PlayerChange change = PlayerChangeFrom(*player);
    edit(change);
    return ApplyPlayerChange(team, *player, change, careerLogAuto, "14.04.07");
  }
  std::string Entry() const { return player->m_strLebenslauf.substr(4); }
};

// Catches any byte of the entry going astray: the pair of characteristics on one line with
// its line break, the name line, no statistics item, the closing blank line.
TEST(CareerLog, StrengthAndAgilityPair) {
  Fixture f;
  f.Apply([](PlayerChange& c) {
    c.m_nST = 4;
    c.m_nGE = 4;
  });
  EXPECT_EQ(f.Entry(),
            std::string(kHeader) + "Stärke von 3 auf 4, Geschicklichkeit von 3 auf 4, \r\n" + "\r\nGrischnak \r\n\r\n");
  EXPECT_EQ(f.player->m_nST, 4);
}

// Catches counters logged as the new total or as a negative amount: the difference, also
// when a counter was lowered.
TEST(CareerLog, TouchdownsOnlyAndLowered) {
  Fixture f;
  f.player->m_nTD = 2;
  f.Apply([](PlayerChange& c) { c.m_nTD = 5; });
  EXPECT_EQ(f.Entry(), std::string(kHeader) + "\r\nGrischnak erzielte 3 Touchdowns, \r\n\r\n");

  Fixture lowered;
  lowered.Apply([](PlayerChange& c) { c.m_nTD = 3; });
  EXPECT_EQ(lowered.Entry(), std::string(kHeader) + "\r\nGrischnak erzielte 2 Touchdowns, \r\n\r\n");
}

// Catches wrong line breaks among many items: star player points open the first pair,
// armour closes without comma, the statistics go two to a line, the award last; the name
// is the one before the sheet.
TEST(CareerLog, EverythingChanged) {
  Fixture f;
  f.Apply([](PlayerChange& c) {
    c.m_strName = "Grischnak der Große";
    c.m_nSSP = 40;
    c.m_nST = 4;
    c.m_nGE = 4;
    c.m_nRW = 8;
    c.m_nTD = 6;
    c.m_nPass = 2;
    c.m_nVSA = 1;
    c.m_nABG = 1;
    c.m_nSDT = 1;
  });
  EXPECT_EQ(f.Entry(), std::string(kHeader) +
                           "Starspielerpunkte von 20 auf 40, Stärke von 3 auf 4, \r\n"
                           "Geschicklichkeit von 3 auf 4, Rüstung von 9 auf 8 \r\n"
                           "\r\nGrischnak erzielte 1 Touchdowns, warf 2 Pässe/Pass, \r\n"
                           "schickte 1 Spieler vom Platz, fing 1 Pässe/Pass ab, \r\n"
                           "wurde Spieler des Tages.\r\n\r\n");
  EXPECT_EQ(f.player->m_strName, "Grischnak der Große");
}

// Catches an entry written although nothing recordable changed, or with the setting off;
// the values and the typed career text are stored in every case.
TEST(CareerLog, NoEntry) {
  Fixture f;
  f.Apply([](PlayerChange& c) {
    c.m_nBW = 7;
    c.m_strName = "Neu";
  });
  EXPECT_EQ(f.player->m_strLebenslauf, "Alt.");
  EXPECT_EQ(f.player->m_nBW, 7);
  EXPECT_EQ(f.player->m_strName, "Neu");

  Fixture off;
  off.Apply(
      [](PlayerChange& c) {
        c.m_nST = 5;
        c.m_strLebenslauf = "Selbst geschrieben";
      },
      false);
  EXPECT_EQ(off.player->m_strLebenslauf, "Selbst geschrieben");
  EXPECT_EQ(off.player->m_nST, 5);
}

// Catches off-by-one ranges and an out-of-range value that still changes the player.
TEST(PlayerChange, RangesAndImprovements) {
  Fixture f;
  const ChangeOutcome refused = f.Apply([](PlayerChange& c) {
    c.m_nSSP = 701;
    c.m_nTD = 9;
  });
  ASSERT_TRUE(refused.Refused());
  EXPECT_EQ(refused.focusField, static_cast<int>(ChangeField::kSSP));
  EXPECT_EQ(refused.refusal,
            (Notice{NoticeKind::Warning, "Bitte geben Sie für „SSP“ eine Zahl zwischen 0 und 700 ein."}));
  EXPECT_EQ(f.player->m_nTD, 5);
  EXPECT_FALSE(f.Apply([](PlayerChange& c) {
                  c.m_nSSP = 700;
                  c.m_nBW = 12;
                  c.m_nRW = 4;
                }).Refused());
  EXPECT_EQ(f.Apply([](PlayerChange& c) { c.m_nGE = 7; }).focusField, static_cast<int>(ChangeField::kGE));
  EXPECT_EQ(f.Apply([](PlayerChange& c) { c.m_nST = 0; }).focusField, static_cast<int>(ChangeField::kST));

  EXPECT_EQ(Improvements(0), 0);
  EXPECT_EQ(Improvements(5), 0);
  EXPECT_EQ(Improvements(6), 1);
  EXPECT_EQ(Improvements(16), 2);
  EXPECT_EQ(Improvements(375), 10);
  EXPECT_EQ(Improvements(376), 11);
  EXPECT_EQ(Improvements(700), 11);
  EXPECT_TRUE(IsStarCodeLocked(200));
  EXPECT_TRUE(IsStarCodeLocked(306));
  EXPECT_FALSE(IsStarCodeLocked(307));
  EXPECT_FALSE(IsStarCodeLocked(199));
}

// Catches the sheet opening for a former player, or a dead player's reason text not given.
TEST(PlayerChange, EntryCheck) {
  Fixture f;
  EXPECT_FALSE(PlayerChangeEntryRefusal(*f.player).Refused());
  f.player->m_nStatus = kStatusVerstorben;
  EXPECT_EQ(PlayerChangeEntryRefusal(*f.player).refusal,
            (Notice{NoticeKind::Error, "Grischnak ist kein aktiver Spieler mehr!\nGrund: Er/Sie/Es ist Mausetot!"}));
  f.player->m_nStatus = kStatusSonstiges;
  f.player->m_strVerletzung = "Ausgewandert";
  EXPECT_EQ(PlayerChangeEntryRefusal(*f.player).refusal.text,
            "Grischnak ist kein aktiver Spieler mehr!\nGrund: Ausgewandert");
}

}  // namespace
}  // namespace krv
