#include "settings/TeamListEdit.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

CKRStringArray List(std::vector<std::string> names) {
  CKRStringArray list;
  list.m_Items = std::move(names);
  return list;
}

// The count line: a wrong singular/plural or "1 Teams" would show. (More than one: the
// count lines below.)
TEST(TeamListEdit, CountTexts) {
  EXPECT_EQ(TeamCountText(0), "0 Teams");
  EXPECT_EQ(TeamCountText(1), "1 Team");
}

// The page opens sorted and keeps new names in sorted place; an umlaut sorts beside its
// letter. Catches a list appended at the end or sorted by bytes (Ö after Z).
TEST(TeamListEdit, OpensSortedAndAddsInPlace) {
  TeamListEdit edit(List({"Zwergenstürmer", "orkland", "Altdorf"}));
  EXPECT_EQ(edit.Names(), (std::vector<std::string>{"Altdorf", "orkland", "Zwergenstürmer"}));
  const auto added = edit.Add("Östliche Wölfe");
  EXPECT_TRUE(added.added);
  EXPECT_FALSE(added.beep);
  EXPECT_EQ(added.row, 2);
  EXPECT_EQ(edit.Names(), (std::vector<std::string>{"Altdorf", "orkland", "Östliche Wölfe", "Zwergenstürmer"}));
  EXPECT_EQ(edit.Add("Bretonia").row, 1);
  EXPECT_EQ(edit.CountText(), "5 Teams");
}

// The prefix rule: a name that begins an existing one (any case) is "present": the first
// such name is pointed at, the page beeps and adds nothing. Empty and over-long names beep.
// Catches duplicates such as Orkland/orkland, and names beyond the 80 characters the file keeps.
TEST(TeamListEdit, PrefixRuleEmptyAndLongNames) {
  TeamListEdit edit(List({"Orkland", "Altdorf"}));
  for (const char* typed : {"orkland", "Ork", "ORKLAND", "a"}) {
    const auto result = edit.Add(typed);
    EXPECT_FALSE(result.added) << typed;
    EXPECT_TRUE(result.beep) << typed;
  }
  EXPECT_EQ(edit.Add("Ork").row, 1);
  EXPECT_EQ(edit.Add("a").row, 0);
  EXPECT_TRUE(edit.Add("").beep);
  EXPECT_EQ(edit.Add("").row, -1);
  EXPECT_TRUE(edit.Add(std::string(81, 'x')).beep);
  EXPECT_EQ(edit.Names().size(), 2u);
  // Longer than an existing name is not its beginning: "Orkland Süd" is new.
  EXPECT_TRUE(edit.Add("Orkland Süd").added);
  // 80 characters with umlauts are more than 80 bytes and still allowed.
  std::string umlauts = "X";
  for (int i = 0; i < 79; ++i) umlauts += "ü";
  EXPECT_TRUE(edit.Add(umlauts).added);
}

// Deleting several rows at once, in any order and twice named, removes exactly those.
// Catches removal by shifting indices (the wrong name goes).
TEST(TeamListEdit, RemovesSeveralRows) {
  TeamListEdit edit(List({"A", "B", "C", "D", "E"}));
  edit.Remove({3, 0, 3, 1, 9});
  EXPECT_EQ(edit.Names(), (std::vector<std::string>{"C", "E"}));
  EXPECT_EQ(edit.CountText(), "2 Teams");
}

// OK replaces the whole system team list with the sorted names, entry order forgotten.
TEST(TeamListEdit, ReplaceSortsSystemList) {
  CKRStringArray system = List({"Zwerge", "Orks", "Bretonia"});
  TeamListEdit edit(system);
  edit.Add("Elfen");
  EXPECT_EQ(system.m_Items.size(), 3u);  // untouched until OK
  ReplaceTeamList(system, edit);
  EXPECT_EQ(system.m_Items, (std::vector<std::string>{"Bretonia", "Elfen", "Orks", "Zwerge"}));
}

}  // namespace
}  // namespace krv
