#include "model/Windows1252.h"

#include <gtest/gtest.h>

#include "model/Archive.h"
#include "model/StringArray.h"

namespace krv {
namespace {

// Every one of the 256 bytes must come back unchanged after the trip through UTF-8,
// including the five Windows-1252 leaves undefined; otherwise re-saving alters files.
TEST(Windows1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  size_t replaced = 0;
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all), &replaced), all);
  EXPECT_EQ(replaced, 0u);
  EXPECT_EQ(Windows1252ToUtf8("\x80\x84\x9F\xE4\xDF"), "€„Ÿäß");
}

// Characters outside Windows-1252 and broken UTF-8 become "?" and are counted, never dropped.
TEST(Windows1252, UnrepresentableCharactersAreCounted) {
  size_t replaced = 0;
  EXPECT_EQ(Utf8ToWindows1252("Ork 🏈 Ωmega", &replaced), "Ork ? ?mega");
  EXPECT_EQ(replaced, 2u);
  EXPECT_EQ(Utf8ToWindows1252("a\xC3", &replaced), "a?");  // cut-off sequence
  EXPECT_EQ(Utf8ToWindows1252("\xFFz", &replaced), "?z");
  EXPECT_EQ(replaced, 4u);
  EXPECT_TRUE(IsWindows1252Representable("Grün € Œ"));
  EXPECT_FALSE(IsWindows1252Representable("Ğ"));
}

// The system team list finds names whatever the case of ASCII letters, but umlauts must match.
TEST(StringArray, ContainsIgnoresAsciiCase) {
  CKRStringArray list;
  EXPECT_FALSE(list.Contains(""));
  list.m_Items = {"Orks", "Grün"};
  EXPECT_TRUE(list.Contains("ORKS"));
  EXPECT_TRUE(list.Contains("GRüN"));
  EXPECT_FALSE(list.Contains("GRÜN"));
  EXPECT_FALSE(list.Contains("Ork"));
}

// The system team list is stored as an object of its own class with schema 2; a damaged
// count must fail before anything is allocated, and leave the list as it was.
TEST(StringArray, SerializesAsObject) {
  CKRStringArray list;
  list.m_Items = {"Orks", "Zwergenstürmer"};
  ArchiveWriter w;
  w.WriteObjectTag(CKRStringArray::kClassName, CKRStringArray::kSchema);
  list.Serialize(w);
  const std::string expected = std::string("\xFF\xFF\x02\x00\x0E\x00", 6) + "CKRStringArray" +
                               std::string("\x02\x00\x04", 3) + "Orks" + "\x0E" + "Zwergenst\xFCrmer";
  EXPECT_EQ(w.Bytes(), expected);

  ArchiveReader r(w.Bytes(), {CKRStringArray::kClassName});
  EXPECT_EQ(r.ReadObjectTag(), CKRStringArray::kClassName);
  CKRStringArray read;
  read.Deserialize(r);
  EXPECT_EQ(read.m_Items, list.m_Items);

  const std::string hugeCount("\xFF\xFF\xFF\xFF\xFF\x0F\x00", 7);
  ArchiveReader damaged(hugeCount, {});
  EXPECT_THROW(read.Deserialize(damaged), ArchiveError);
  EXPECT_EQ(read.m_Items, list.m_Items);
}

}  // namespace
}  // namespace krv
