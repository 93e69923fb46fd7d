// Small text forms: gold amounts, line ends, control characters and file names.

#include "model/Gold.h"
#include "model/LineEnds.h"
#include "model/ControlCharacters.h"
#include "model/FileNameText.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// Grouping from the right with the sign kept in front, beyond 32 bits too; and amounts held
// at the 32-bit ends instead of wrapping. Catches "-.100" and a treasury read as negative.
TEST(Gold, FormatAndClamp) {
  EXPECT_EQ(FormatGoldNumber(0), "0");
  EXPECT_EQ(FormatGoldNumber(999), "999");
  EXPECT_EQ(FormatGoldNumber(1000), "1.000");
  EXPECT_EQ(FormatGoldNumber(1234567), "1.234.567");
  EXPECT_EQ(FormatGoldNumber(-100000), "-100.000");
  EXPECT_EQ(FormatGoldNumber(-999), "-999");
  EXPECT_EQ(FormatGoldNumber(-2147483648LL), "-2.147.483.648");
  EXPECT_EQ(FormatGoldNumber(6442450000LL), "6.442.450.000");
  EXPECT_EQ(ClampedGold(6442450000LL), 2147483647);
  EXPECT_EQ(ClampedGold(-6442450000LL), -2147483647 - 1);
  EXPECT_EQ(ClampedGold(-50000), -50000);
}

// Every kind of line end becomes "\r\n" exactly once. Catches a bare "\n" (what a text field
// gives) stored as it is, and "\r\n" doubled into an empty line.
TEST(LineEnds, AllBecomeWindowsLineEnds) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"", ""},
      {"Regen", "Regen"},
      {"Regen\nZweite Zeile", "Regen\r\nZweite Zeile"},
      {"Regen\r\nZweite Zeile", "Regen\r\nZweite Zeile"},
      {"a\rb", "a\r\nb"},
      {"a\n\nb\r\n", "a\r\n\r\nb\r\n"},
      {"\n\r", "\r\n\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithWindowsLineEnds(c.in), c.out) << c.in;
}

// ESC, BEL, DEL and the C1 controls (U+0080..U+009F) are control characters everywhere, line
// breaks only in one-line texts; escaped they print as one harmless line. Catches a C1
// control passing as an ordinary two-byte character, or "ä" (C3 A4) taken for one.
TEST(ControlCharacters, FoundAndEscaped) {
  // text, control characters in a one-line text, in a multi-line text, escaped
  using Case = std::tuple<const char*, bool, bool, const char*>;
  for (const auto& [text, oneLine, multiLine, escaped] :
       {Case{"Grün Ærger ž", false, false, "Grün Ærger ž"},
        Case{"Zeile 1\r\nZeile 2", true, false, "Zeile 1\\x0d\\x0aZeile 2"},
        Case{"Orks\x1b[2J", true, true, "Orks\\x1b[2J"},
        Case{"Bo\x07"
             "b\x7f",
             true, true, "Bo\\x07b\\x7f"},
        Case{"Tab\there", true, true, "Tab\\x09here"},
        Case{"C1 \xc2\x9b"
             "31m",
             true, true, "C1 \\u009b31m"},
        Case{"NBSP\xc2\xa0", false, false, "NBSP\xc2\xa0"}}) {
    EXPECT_EQ(HasControlCharacters(text, false), oneLine) << text;
    EXPECT_EQ(HasControlCharacters(text, true), multiLine) << text;
    EXPECT_EQ(EscapeControlCharacters(text), escaped);
  }
}

// A name in Latin-1 (from an older system) could not be opened by the program: the windows
// turned the byte \xe4 into U+FFFD and asked for a file that does not exist. Such bytes must
// come back unchanged, valid UTF-8 must become the characters a coach reads.
TEST(FileNameText, BytesSurviveTheWindowForm) {
  EXPECT_EQ(FileNameToUtf16("Grünhaut 龍 \xf0\x9f\x8f\x88.krt"), u"Grünhaut 龍 \U0001F3C8.krt");
  EXPECT_EQ(FileNameFromUtf16(u"Grünhaut 龍 \U0001F3C8.krt"), "Grünhaut 龍 \xf0\x9f\x8f\x88.krt");

  for (const std::string& bytes : {std::string("/tmp/Orks-\xe4.krt"), std::string("\xc3"),  // cut sequence
                                   std::string("\xc0\xaf"),                                 // over-long "/"
                                   std::string("\xed\xa0\x80"),                             // an encoded surrogate
                                   std::string("\xf4\x90\x80\x80"),                         // beyond Unicode
                                   std::string("a\xff\xfe\x80z")}) {
    const std::u16string name = FileNameToUtf16(bytes);
    EXPECT_EQ(FileNameFromUtf16(name), bytes);
    for (char16_t unit : name) EXPECT_TRUE(unit < 0x80 || (unit >= 0xDC80 && unit <= 0xDCFF));
  }
  EXPECT_EQ(FileNameToUtf16("Orks-\xe4"), u"Orks-\xDCE4");
  // A lone surrogate that no file name gives becomes the replacement character.
  EXPECT_EQ(FileNameFromUtf16(std::u16string(1, char16_t{0xD800})), "\xef\xbf\xbd");
}

}  // namespace
}  // namespace krv
