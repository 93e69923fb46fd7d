#include "model/ControlCharacters.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// ESC, BEL, DEL and the C1 controls (U+0080..U+009F) are control characters everywhere, line
// breaks only in one-line texts; escaped they print as one harmless line. Catches a C1
// control passing as an ordinary two-byte character, or "ä" (C3 A4) taken for one.
TEST(ControlCharacters, FoundAndEscaped) {
  struct Case {
    const char* text;
    bool oneLine, multiLine;
    const char* escaped;
  };
  for (const Case& c : {Case{"Grün Ærger ž", false, false, "Grün Ærger ž"},
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
    EXPECT_EQ(HasControlCharacters(c.text, false), c.oneLine) << c.text;
    EXPECT_EQ(HasControlCharacters(c.text, true), c.multiLine) << c.text;
    EXPECT_EQ(EscapeControlCharacters(c.text), c.escaped);
  }
}

}  // namespace
}  // namespace krv
