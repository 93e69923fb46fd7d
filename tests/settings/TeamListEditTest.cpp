#include "settings/TeamListEdit.h"

#include <gtest/gtest.h>

#include <tuple>

namespace krv {
namespace {

CKRStringArray List(std::vector<std::string> names) {
  CKRStringArray list;
  list.m_Items = std::move(names);
  return list;
}

// Whether the name was added, the page beeps, and the row pointed at.
std::tuple<bool, bool, int> Added(TeamListEdit& edit, const std::string& typed) {
  const TeamListEdit::AddResult result = edit.Add(typed);
  return {result.added, result.beep, result.row};
}

// The page opens sorted and keeps new names in sorted place; an umlaut sorts beside its
// letter. Catches a list appended at the end or sorted by bytes (Ö after Z), and a count line
// with the wrong singular or plural ("1 Teams").
TEST(TeamListEdit, OpensSortedAndAddsInPlace) {
  EXPECT_EQ(TeamCountText(0), "0 Teams");
  EXPECT_EQ(TeamCountText(1), "1 Team");
  TeamListEdit edit(List({"Zwergenstürmer", "orkland", "Altdorf"}));
  EXPECT_EQ(edit.Names(), (std::vector<std::string>{"Altdorf", "orkland", "Zwergenstürmer"}));
  EXPECT_EQ(Added(edit, "Östliche Wölfe"), std::tuple(true, false, 2));
  EXPECT_EQ(edit.Names(), (std::vector<std::string>{"Altdorf", "orkland", "Östliche Wölfe", "Zwergenstürmer"}));
  EXPECT_EQ(edit.Add("Bretonia").row, 1);
  EXPECT_EQ(edit.CountText(), "5 Teams");
}

// The prefix rule: a name that begins an existing one (any case) is "present": the first
// such name is pointed at, the page beeps and adds nothing. Empty and over-long names beep.
// Catches duplicates such as Orkland/orkland, and names beyond the 80 characters the file keeps.
TEST(TeamListEdit, PrefixRuleEmptyAndLongNames) {
  TeamListEdit edit(List({"Orkland", "Altdorf"}));
  // The name typed and the row pointed at.
  const std::pair<std::string, int> refused[] = {{"orkland", 1}, {"Ork", 1}, {"ORKLAND", 1},
                                                 {"a", 0},       {"", -1},   {std::string(81, 'x'), -1}};
  for (const auto& [typed, row] : refused) EXPECT_EQ(Added(edit, typed), std::tuple(false, true, row)) << typed;
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
