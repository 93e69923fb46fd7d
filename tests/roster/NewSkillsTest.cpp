// Choosing new skills for a player.

#include "roster/NewSkills.h"

#include <gtest/gtest.h>

#include "rules/SortText.h"

namespace krv {
namespace {

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
