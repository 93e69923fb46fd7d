#include "model/FileNameText.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

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
