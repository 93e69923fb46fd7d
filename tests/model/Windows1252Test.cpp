#include "model/Windows1252.h"

#include <gtest/gtest.h>

#include <map>

#include "model/Archive.h"
#include "model/StringArray.h"

namespace krv {
namespace {

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
  // Overlong forms were decoded ("\xC0\xAF" stored as "/", a way round any check for "/"),
  // as were surrogate halves; each is one malformed character now.
  replaced = 0;
  EXPECT_EQ(Utf8ToWindows1252("a\xC0\xAF"
                              "b\xE0\x80\xAF"
                              "c\xED\xA0\x80"
                              "d\xF4\x90\x80\x80",
                              &replaced),
            "a?b?c?d?");
  EXPECT_EQ(replaced, 4u);
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3", "\xFF"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  EXPECT_TRUE(IsValidUtf8("Zdeněk Łukasz 🏈 ä"));
  // Appending keeps what was there and counts only its own replacements.
  std::string out = "vorher ";
  EXPECT_EQ(AppendUtf8AsWindows1252("Grün 龍", out), 1u);
  EXPECT_EQ(out, "vorher Gr\xFCn ?");
}

// Conversion both ways with the non-ASCII character at every place of texts up to 24 bytes
// long: the ASCII fast path looks at eight bytes at a time and must hand over to the
// character-wise conversion exactly where the first non-ASCII byte stands.
TEST(Windows1252, NonAsciiAtEveryPlace) {
  for (size_t length = 0; length <= 24; ++length) {
    const std::string ascii(length, 'k');
    EXPECT_EQ(Windows1252ToUtf8(ascii), ascii);
    EXPECT_EQ(Utf8ToWindows1252(ascii), ascii);
    EXPECT_EQ(AsciiPrefixLength(ascii), length);
    for (size_t at = 0; at < length; ++at) {
      const std::string bytes = ascii.substr(0, at) + "\xE4" + ascii.substr(at + 1) + "\x80";
      const std::string utf8 = ascii.substr(0, at) + "ä" + ascii.substr(at + 1) + "€";
      EXPECT_EQ(AsciiPrefixLength(bytes), at);
      EXPECT_EQ(Windows1252ToUtf8(bytes), utf8) << length << " " << at;
      EXPECT_EQ(Utf8ToWindows1252(utf8), bytes) << length << " " << at;
    }
  }
}

// Every code point (below U+3000, sampled above), written as UTF-8, becomes its Windows-1252 byte when it has one and
// "?" otherwise; the table that writes and the table that reads must agree character for character, or a saved text
// would come back as another. So every one of the 256 bytes, the five Windows-1252 leaves undefined included, comes
// back unchanged after the trip through UTF-8 (or re-saving would alter files). (A reused buffer leaving old bytes
// behind when a text is read: TeamFile.EachKindOfFileReadsBackToTheSameBytes.)
TEST(Windows1252, EveryCodePointMapsAsTheReaderReadsIt) {
  std::map<std::string, char> byteOfCharacter;
  for (int b = 0; b < 256; ++b)
    byteOfCharacter[Windows1252ToUtf8(std::string(1, static_cast<char>(b)))] = static_cast<char>(b);
  ASSERT_EQ(byteOfCharacter.size(), 256u);
  EXPECT_EQ(Windows1252ToUtf8("\x80\x84\x9F\xE4\xDF"), "€„Ÿäß");
  auto utf8Of = [](char32_t cp) {
    std::string s;
    if (cp < 0x80) s += static_cast<char>(cp);
    else if (cp < 0x800) s += {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
    else if (cp < 0x10000)
      s += {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
            static_cast<char>(0x80 | (cp & 0x3F))};
    else
      s += {static_cast<char>(0xF0 | (cp >> 18)), static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
            static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), static_cast<char>(0x80 | (cp & 0x3F))};
    return s;
  };
  size_t mismatches = 0;
  size_t representable = 0;
  // Every character Windows-1252 holds lies below U+2200; above it a sample suffices.
  for (char32_t cp = 0; cp <= 0x10FFFF; cp += cp < 0x3000 ? 1 : 0x3FF) {
    const std::string utf8 = utf8Of(cp);
    const auto known = byteOfCharacter.find(utf8);
    size_t replaced = 0;
    const std::string written = Utf8ToWindows1252(utf8, &replaced);
    const std::string expected = known != byteOfCharacter.end() ? std::string(1, known->second) : "?";
    if (written != expected || replaced != (known == byteOfCharacter.end() ? 1u : 0u)) ++mismatches;
    if (replaced == 0) ++representable;
  }
  EXPECT_EQ(mismatches, 0u);
  EXPECT_EQ(representable, 256u);
}

// The system team list finds names whatever the case of ASCII letters, but umlauts must match.
TEST(StringArray, ContainsIgnoresAsciiCase) {
  CKRStringArray list;
  EXPECT_FALSE(list.Contains(""));
  list.m_Items = {"Orks", "Grün"};
  for (const auto& [text, found] : {std::pair{"ORKS", true}, {"GRüN", true}, {"GRÜN", false}, {"Ork", false}})
    EXPECT_EQ(list.Contains(text), found) << text;
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
