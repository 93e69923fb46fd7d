#include "rules/Skills.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/Windows1252.h"

namespace krv {
namespace {

size_t RowOf(const SFertigkeit* skill) {
  return skill ? static_cast<size_t>(skill - g_Fertigkeiten.data()) : kSkillCount;
}

TEST(Skills, CatalogueShape) {
  // The lists offer prefixes of the catalogue: a moved row would change what they offer.
  ASSERT_EQ(g_Fertigkeiten.size(), 57u);
  EXPECT_STREQ(g_Fertigkeiten[kSkillsForAdvancement - 1].m_pszName, "Blöd");
  EXPECT_STREQ(g_Fertigkeiten[kSkillsForPlayerBuilder - 1].m_pszName, "Saublöd");
  EXPECT_STREQ(g_Fertigkeiten[kSkillsForPlayerBuilder].m_pszName, "Wurzeln schlagen");
  EXPECT_EQ(kSkillsForPlayerBuilder + 1, kSkillCount);

  // Abbreviations identify a skill on a player, so two rows must never share one; names
  // are matched as well. Every row needs all four texts, and a rule text the coach can read:
  // not a stub, not an essay, storable in the program's character set, its own (a row
  // pointing at its neighbour's text would show the wrong rule).
  std::set<std::string> abbreviations, names, descriptions;
  for (const SFertigkeit& skill : g_Fertigkeiten) {
    ASSERT_NE(skill.m_pszName, nullptr);
    ASSERT_NE(skill.m_pszCategory, nullptr);
    ASSERT_NE(skill.m_pszAbbreviation, nullptr);
    ASSERT_NE(skill.m_pszDescription, nullptr);
    EXPECT_TRUE(abbreviations.insert(skill.m_pszAbbreviation).second) << skill.m_pszAbbreviation;
    EXPECT_TRUE(names.insert(skill.m_pszName).second) << skill.m_pszName;
    const std::string text = skill.m_pszDescription;
    EXPECT_TRUE(IsWindows1252Representable(text)) << skill.m_pszName;
    EXPECT_GE(Utf8ToWindows1252(text).size(), 50u) << skill.m_pszName;
    EXPECT_LE(Utf8ToWindows1252(text).size(), 1050u) << skill.m_pszName;
    EXPECT_TRUE(text.front() != ' ' && text.back() != ' ') << skill.m_pszName;
    EXPECT_TRUE(descriptions.insert(text).second) << skill.m_pszName;
  }

  // Only the nine category texts occur; a typo would drop a skill out of the builder's
  // counts, which compare the text.
  const std::set<std::string> categories = {
      "Allgemein",     "Pass",  "Geschicklichkeit",         "Stärke",  "Körpermerkmal",
      "Rassenmerkmal", "Karte", "Nachteil (Rassenmerkmal)", "Nachteil"};
  std::set<std::string> used;
  for (const SFertigkeit& skill : g_Fertigkeiten) used.insert(skill.m_pszCategory);
  EXPECT_EQ(used, categories);

  // The one race trait sits between the body traits. (The misspelled row: FindSkillByName.)
  EXPECT_STREQ(g_Fertigkeiten[41].m_pszCategory, "Rassenmerkmal");
  EXPECT_STREQ(g_Fertigkeiten[40].m_pszCategory, "Körpermerkmal");
  EXPECT_STREQ(g_Fertigkeiten[42].m_pszCategory, "Körpermerkmal");
}

TEST(Skills, FindSkillByNameAndAbbreviation) {
  // Names: exact, whole-text and case-sensitive (a substring or case-insensitive search would
  // find "Blocken" for the wrong texts); the last row is reachable (loop bound); the
  // misspelling is the name to use; umlauts compare as UTF-8 text. Row kSkillCount: none.
  const std::pair<const char*, size_t> names[] = {
      {"Blocken", 1},     {"blocken", kSkillCount},     {"Block", kSkillCount},       {"Wurzeln schlagen", 56},
      {"Hechsprung", 24}, {"Hechtsprung", kSkillCount}, {"Scharfe Krallen/Zähne", 43}};
  for (const auto& [name, row] : names) EXPECT_EQ(RowOf(FindSkillByName(name)), row) << name;
  // Abbreviations: case-sensitive; whole text only (a player's text with blanks, "Fangs,
  // Sprinten", gives " Sprinten"); those that look like other rows' names find the
  // abbreviation's row; one the catalogue never had (older skills) finds nothing.
  const std::pair<const char*, size_t> abbreviations[] = {
      {"Blk", 1},    {"blk", kSkillCount}, {" Sprinten", kSkillCount},
      {"Tackle", 3}, {"Wurzeln", 56},      {"Brocken", kSkillCount}};
  for (const auto& [abbreviation, row] : abbreviations)
    EXPECT_EQ(RowOf(FindSkillByAbbreviation(abbreviation)), row) << abbreviation;
}

TEST(Skills, SkillTextToAbbreviations) {
  // The leading item is kept and followed by ","; names become sorted abbreviations.
  EXPECT_EQ(SkillTextToAbbreviations("<Bombenleger>, Ausweichen, Zielsicher"), "<Bombenleger>,Ausw,Ziels");
  // Sorted by abbreviation, not in the order of the names.
  EXPECT_EQ(SkillTextToAbbreviations("Blocken, Tackle, Robust"), "Blk,Robu,Tackle");
  // An item alone: no trailing comma.
  EXPECT_EQ(SkillTextToAbbreviations("<Morgenstern>"), "<Morgenstern>");

  // Case-sensitive substring search: "Blöd" does not match inside "Saublöd", so both
  // appear once each.
  EXPECT_EQ(SkillTextToAbbreviations("Blöd, Saublöd"), "Blöd,Saublöd");

  // A name inside a longer name matches too; "." sorts before letters.
  EXPECT_EQ(SkillTextToAbbreviations("Tackle durchbrechen"), "T.durch,Tackle");

  // A name given twice is added once.
  EXPECT_EQ(SkillTextToAbbreviations("Mitspieler werfen, Mitspieler werfen"), "Mit.werf");

  // Misspelled names and unknown words contribute nothing, silently.
  EXPECT_EQ(SkillTextToAbbreviations("Hechtsprung, Brocken, Mitspieler werden"), "");
  EXPECT_EQ(SkillTextToAbbreviations("blocken, ROBUST"), "");

  // Only up to the first ">" is the item, and whatever stands before "<" belongs to it;
  // names inside the item count like any other text.
  EXPECT_EQ(SkillTextToAbbreviations("x<a>b>, Robust"), "x<a>,Robu");
  EXPECT_EQ(SkillTextToAbbreviations("<Blocken>"), "<Blocken>,Blk");

  // Windows-1252 order: "2Köpfe" (digit) first, "Hyp.Bl" before "Hörner".
  EXPECT_EQ(SkillTextToAbbreviations("Hörner, Hypnotischer Blick, Zwei Köpfe"), "2Köpfe,Hyp.Bl,Hörner");

  // The output is appended to; a non-empty start gets a "," before the first abbreviation.
  std::string out = "Alt";
  SkillTextToAbbreviations("Robust", out);
  EXPECT_EQ(out, "Alt,Robu");
  out = "Alt";
  SkillTextToAbbreviations("<Helm>, Robust", out);
  EXPECT_EQ(out, "Alt<Helm>,Robu");
}

TEST(Skills, SortAbbreviationText) {
  // Doubled, leading and trailing commas leave empty entries, which sort first and vanish.
  // Blanks stay part of the entries and sort before letters: texts copied from the roster come
  // out reordered, and the Oger's trailing comma is gone. Case is ignored for ordering but kept
  // in the text. A star player's item stays an entry of its own and sorts like text ("<" is
  // 0x3C). `out` is replaced, not appended to (every row starts from the row before's text).
  const std::pair<const char*, const char*> cases[] = {{"Robu,,Blk", "Blk,Robu"},
                                                       {",Robu,Blk,", "Blk,Robu"},
                                                       {",,,", ""},
                                                       {"Tackle", "Tackle"},
                                                       {"", ""},
                                                       {"Fangs, Sprinten", " Sprinten,Fangs"},
                                                       {"KnBr, Robu, Blöd, Mit.werf,", " Blöd, Mit.werf, Robu,KnBr"},
                                                       {"robu,Blk,abroll", "abroll,Blk,robu"},
                                                       {"Ziels,<Bombe>,Ausw", "<Bombe>,Ausw,Ziels"}};
  std::string out = "Alt";
  for (const auto& [text, sorted] : cases) {
    SortAbbreviationText(text, out);
    EXPECT_EQ(out, sorted) << text;
  }
}

}  // namespace
}  // namespace krv
