#include "model/Archive.h"

#include <gtest/gtest.h>

#include "model/Bytes.h"

namespace krv {
namespace {

using test::Bytes;

std::string Prefix(const std::string& written, size_t length) { return written.substr(0, written.size() - length); }

// Length prefixes switch form at 255 and at 65534 bytes; a reader must follow each form.
TEST(Archive, StringPrefixBoundaries) {
  const std::pair<size_t, std::string> cases[] = {
      {0, Bytes({0x00})},
      {254, Bytes({0xFE})},
      {255, Bytes({0xFF, 0xFF, 0x00})},
      {65533, Bytes({0xFF, 0xFD, 0xFF})},
      {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
      {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
  };
  for (const auto& [length, prefix] : cases) {
    ArchiveWriter w;
    const std::string text(length, 'x');
    w.WriteString(text);
    EXPECT_EQ(Prefix(w.Bytes(), length), prefix) << length;
    ArchiveReader r(w.Bytes(), {});
    EXPECT_EQ(r.ReadString(), text) << length;
    EXPECT_EQ(r.Remaining(), 0u);
  }
}

// Texts are Windows-1252 in the file and UTF-8 in memory; the prefix counts file bytes.
TEST(Archive, StringEncoding) {
  ArchiveWriter w;
  w.WriteString("Fänger €");
  EXPECT_EQ(w.Bytes(), Bytes({8, 'F', 0xE4, 'n', 'g', 'e', 'r', ' ', 0x80}));
  ArchiveReader r(w.Bytes(), {});
  EXPECT_EQ(r.ReadString(), "Fänger €");
  EXPECT_EQ(w.ReplacedCharacters(), 0u);
  w.WriteString("日本");
  EXPECT_EQ(w.ReplacedCharacters(), 2u);
}

// Counts: a word below 0xFFFF, else 0xFFFF and a 32-bit count; an empty list is 00 00.
TEST(Archive, Counts) {
  ArchiveWriter w;
  w.WriteCount(0);
  w.WriteCount(0xFFFE);
  w.WriteCount(0xFFFF);
  EXPECT_EQ(w.Bytes(), Bytes({0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
  ArchiveReader r(w.Bytes(), {});
  EXPECT_EQ(r.ReadCount(0), 0u);
  EXPECT_EQ(r.ReadCount(0), 0xFFFEu);
  EXPECT_EQ(r.ReadCount(0), 0xFFFFu);
}

// Tags: the class block on first use, then 0x8000 + class index; indices count classes
// and objects together from 1.
TEST(Archive, ObjectTags) {
  ArchiveWriter w;
  w.WriteObjectTag("A", 3);  // class 1, object 2
  w.WriteObjectTag("B", 3);  // class 3, object 4
  w.WriteObjectTag("A", 3);  // object 5
  w.WriteNullTag();
  w.WriteObjectTag("B", 3);
  EXPECT_EQ(w.Bytes(), Bytes({0xFF, 0xFF, 3, 0, 1, 0, 'A', 0xFF, 0xFF, 3, 0, 1, 0, 'B', 0x01, 0x80, 0, 0, 0x03, 0x80}));
  ArchiveReader r(w.Bytes(), {"A", "B"});
  EXPECT_EQ(r.ReadObjectTag(), "A");
  EXPECT_EQ(r.ReadObjectTag(), "B");
  EXPECT_EQ(r.ReadObjectTag(), "A");
  EXPECT_EQ(r.ReadObjectTag(), "");
  EXPECT_EQ(r.ReadObjectTag(), "B");
}

// The message the reader gives when `read` fails on `bytes`, or "" when it succeeds.
template <class Read>
std::string Refusal(const std::string& bytes, Read read) {
  ArchiveReader reader(bytes, {"A"});
  try {
    read(reader);
  } catch (const ArchiveError& e) {
    return e.what();
  }
  return {};
}

// Damaged input is refused with a message: unknown classes, references to objects already
// read (one record in two places), indices past the table, class tags naming an object; a
// count or length larger than the rest of the file fails at once (no huge allocation); the
// 16-bit character form is refused, not misread.
TEST(Archive, DamagedInputIsRefused) {
  const std::string classA = Bytes({0xFF, 0xFF, 3, 0, 1, 0, 'A'});
  const auto tags = [](ArchiveReader& r) {
    while (r.Remaining() > 0) r.ReadObjectTag();
  };
  const auto text = [](ArchiveReader& r) { r.ReadString(); };
  EXPECT_EQ(Refusal(classA + Bytes({0x01, 0x80}), tags), "");
  EXPECT_NE(Refusal(Bytes({0xFF, 0xFF, 3, 0, 3, 0, 'X', 'Y', 'Z'}), tags).find("Unbekannte Klasse \"XYZ\""),
            std::string::npos);
  EXPECT_NE(Refusal(classA + Bytes({0x02, 0x00}), tags), "");                 // object read before
  EXPECT_NE(Refusal(classA + Bytes({0xFF, 0x7F, 0x02, 0, 0, 0}), tags), "");  // the same, escaped
  EXPECT_NE(Refusal(classA + Bytes({0x09, 0x80}), tags), "");                 // index past the table
  EXPECT_NE(Refusal(classA + Bytes({0x02, 0x80}), tags), "");                 // class tag naming an object
  EXPECT_NE(Refusal(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}), [](ArchiveReader& r) { r.ReadCount(2); }),
            "");
  EXPECT_NE(Refusal(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}), text), "");
  EXPECT_NE(Refusal(Bytes({0xFF, 0xFE, 0xFF, 0x01, 'a', 0}), text), "");
}

}  // namespace
}  // namespace krv
