// Recording a player's advancement, the career-log entry it writes, and choosing new skills.

#include "roster/NewSkills.h"
#include "roster/PlayerChange.h"
#include "rules/SortText.h"
#include "support/PlayerLine.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

constexpr const char* kHeader = "Am 14.04.07 wurden folgende Werte verändert:\r\n";

struct Fixture {
  CKRTeam team;
  CKRSpieler* player;
  Fixture() {
    test::AddPlayer(team, 7, "Grischnak", "Blitzer", 6, 3, 3, 9, 80000, "Blk", 100, 28);
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
};

// The entry each change writes below the old career text. Catches any byte going astray:
// a pair of characteristics on one line with its line break, the name line (the name
// before the sheet), counters logged as the new total or as a negative amount instead of
// the difference, wrong line breaks among many items (star player points open the first
// pair, armour closes without comma, the statistics go two to a line, the award last); and
// an entry written although nothing recordable changed. The values are stored in every case.
TEST(CareerLog, EntryPerChange) {
  // the change, the entry ("" for none), the player afterwards ("": not compared)
  const std::tuple<void (*)(PlayerChange&), std::string, std::string> rows[] = {
      {[](PlayerChange& c) {
         c.m_nST = 4;
         c.m_nGE = 4;
       },
       "Stärke von 3 auf 4, Geschicklichkeit von 3 auf 4, \r\n\r\nGrischnak \r\n\r\n",
       "7 Grischnak (Blitzer) 6/4/4/9 80000 [Blk] #100 28"},
      {[](PlayerChange& c) { c.m_nTD = 8; }, "\r\nGrischnak erzielte 3 Touchdowns, \r\n\r\n", ""},
      {[](PlayerChange& c) { c.m_nTD = 3; }, "\r\nGrischnak erzielte 2 Touchdowns, \r\n\r\n", ""},
      {[](PlayerChange& c) {
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
       },
       "Starspielerpunkte von 20 auf 40, Stärke von 3 auf 4, \r\n"
       "Geschicklichkeit von 3 auf 4, Rüstung von 9 auf 8 \r\n"
       "\r\nGrischnak erzielte 1 Touchdowns, warf 2 Pässe/Pass, \r\n"
       "schickte 1 Spieler vom Platz, fing 1 Pässe/Pass ab, \r\n"
       "wurde Spieler des Tages.\r\n\r\n",
       "7 Grischnak der Große (Blitzer) 6/4/4/8 80000 [Blk] #100 28"},
      {[](PlayerChange& c) {
         c.m_nBW = 7;
         c.m_strName = "Neu";
       },
       "", "7 Neu (Blitzer) 7/3/3/9 80000 [Blk] #100 28"},
  };
  for (const auto& [edit, entry, line] : rows) {
    Fixture f;
    f.Apply(edit);
    EXPECT_EQ(f.player->m_strLebenslauf, entry.empty() ? "Alt." : "Alt." + std::string(kHeader) + entry);
    if (!line.empty()) EXPECT_EQ(test::PlayerLine(*f.player), line);
  }

  // With the setting off no entry is written; the typed career text is stored.
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

  for (const auto& [ssp, improvements] : {std::pair{0, 0}, {5, 0}, {6, 1}, {16, 2}, {375, 10}, {376, 11}, {700, 11}})
    EXPECT_EQ(Improvements(ssp), improvements) << ssp;
  for (int32_t code : {199, 200, 306, 307}) EXPECT_EQ(IsStarCodeLocked(code), code >= 200 && code <= 306) << code;
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

// Catches the list offering the four last catalogue rows or losing its name order.
TEST(NewSkills, OfferedRows) {
  const auto rows = NewSkillRows();
  ASSERT_EQ(rows.size(), 53u);
  for (size_t i = 1; i < rows.size(); ++i) EXPECT_LE(CompareSortText(rows[i - 1]->m_pszName, rows[i]->m_pszName), 0);
  for (const SFertigkeit* row : rows)
    for (const char* hidden : {"Tobende Bestie", "Nimmersatt", "Saublöd", "Wurzeln schlagen"})
      EXPECT_STRNE(row->m_pszName, hidden);
  EXPECT_EQ(NewSkillDescription(rows[0]->m_pszAbbreviation), rows[0]->m_pszDescription);
}

// Catches the refusals in the wrong order or the substring search turned into a whole-word
// match: "Blk" counts as had when the player has "MehrBlk".
TEST(NewSkills, Refusals) {
  std::vector<std::string> chosen;
  EXPECT_EQ(ChooseNewSkill(chosen, "Blk", "Ausw,MehrBlk").value_or(""), kPlayerHasSkill);
  EXPECT_FALSE(ChooseNewSkill(chosen, "Tackle", "Ausw,MehrBlk"));
  EXPECT_EQ(ChooseNewSkill(chosen, "Tackle", "Ausw,MehrBlk,Tackle").value_or(""), kSkillAlreadyChosen);
  EXPECT_EQ(chosen, std::vector<std::string>{"Tackle"});
}

// Catches empty entries or a wrong order in the combined skill text.
TEST(NewSkills, CombinedText) {
  const std::vector<std::string> chosen = {"Tackle", "Ausw"};
  const std::string result = NewSkillsResult(chosen, "Blk");
  EXPECT_EQ(result, ",Tackle,Ausw");
  EXPECT_EQ(SkillTextWithNewSkills("Blk", result), "Ausw,Blk,Tackle");
  EXPECT_EQ(SkillTextWithNewSkills("", result), "Ausw,Tackle");
}

}  // namespace
}  // namespace krv
