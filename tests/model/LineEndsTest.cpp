#include "model/LineEnds.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

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

}  // namespace
}  // namespace krv
