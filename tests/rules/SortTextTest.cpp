#include "rules/SortText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace krv {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(SortText, ComparesFoldedWindows1252Bytes) {
  // Case of ASCII letters is ignored: a case-sensitive comparison would order these.
  EXPECT_EQ(CompareSortText("Blk", "blk"), 0);
  EXPECT_EQ(CompareSortText("ROBU", "robu"), 0);
  EXPECT_NE(CompareSortText("Hörner", "HÖrner"), 0);  // umlauts are not folded

  // Each first text sorts before the second. Letters are folded to lower case, not upper: "_"
  // (0x5F) lies between "Z" and "a", so folding the wrong way (or not at all) would put "Ax"
  // first. A prefix sorts first; the empty text before everything. Umlauts sort after every
  // ASCII letter; "Ä" (0xC4) before "ä" (0xE4). The order is that of the Windows-1252 bytes,
  // not of the UTF-8 bytes: "€" is 0x80 there but starts with 0xE2 in UTF-8, after the 0xC3 of
  // "ä". Bytes compare unsigned: a signed char comparison would put umlauts before "A".
  const std::pair<const char*, const char*> ordered[] = {
      {"_x", "Ax"}, {"Sprint", "Sprinten"}, {"", " "}, {"Zerq", "Ärger"}, {"Ä", "ä"}, {"Hyp.Bl", "Hörner"},
      {"€", "ä"},   {"x€", "xß"},           {"A", "ü"}};
  for (const auto& [first, second] : ordered) EXPECT_LT(CompareSortText(first, second), 0) << first << " " << second;

  // Antisymmetric for a few mixed pairs.
  const std::vector<std::string> texts = {"", "a", "B", "ä", "€", "2Köpfe", "Sp.sich", "Sprinten"};
  for (const std::string& a : texts)
    for (const std::string& b : texts)
      EXPECT_EQ(Sign(CompareSortText(a, b)), -Sign(CompareSortText(b, a))) << a << " / " << b;
}

TEST(SortText, SortStringListIsTheExchangeSort) {
  // The exchange sort moves equal-comparing texts: "b" is swapped with "a" and lands after
  // "B". A stable sort would give a, b, B; this catches replacing it by std::stable_sort.
  std::vector<std::string> list = {"b", "B", "a"};
  SortStringList(list);
  EXPECT_EQ(list, (std::vector<std::string>{"a", "B", "b"}));

  // Empty and single-entry lists are left alone (no out-of-range access on i + 1).
  std::vector<std::string> empty;
  SortStringList(empty);
  EXPECT_TRUE(empty.empty());

  // A realistic abbreviation list: digits first, "." before letters, umlaut words after
  // their ASCII neighbours, case ignored.
  list = {"Hörner", "Sprinten", "blk", "Sp.sich", "2Köpfe", "Hyp.Bl", "", "Abroll"};
  SortStringList(list);
  EXPECT_EQ(list, (std::vector<std::string>{"", "2Köpfe", "Abroll", "blk", "Hyp.Bl", "Hörner", "Sp.sich", "Sprinten"}));
}

}  // namespace
}  // namespace krv
