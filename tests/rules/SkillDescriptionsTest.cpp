#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/Windows1252.h"
#include "rules/Skills.h"

namespace krv {
namespace {

TEST(SkillDescriptions, EveryRowHasItsOwnReadableText) {
  // Every row gets a text the coach can read: not a stub, not an essay, storable in the
  // program's character set, and no two rows sharing one (a row pointing at its
  // neighbour's text would show the wrong rule).
  std::set<std::string> seen;
  for (const SFertigkeit& skill : g_Fertigkeiten) {
    ASSERT_NE(skill.m_pszDescription, nullptr) << skill.m_pszName;
    const std::string text = skill.m_pszDescription;
    EXPECT_TRUE(IsWindows1252Representable(text)) << skill.m_pszName;
    const size_t characters = Utf8ToWindows1252(text).size();
    EXPECT_GE(characters, 50u) << skill.m_pszName;
    EXPECT_LE(characters, 1050u) << skill.m_pszName;
    EXPECT_NE(text.front(), ' ') << skill.m_pszName;
    EXPECT_NE(text.back(), ' ') << skill.m_pszName;
    EXPECT_TRUE(seen.insert(text).second) << skill.m_pszName;
  }
}

}  // namespace
}  // namespace krv
