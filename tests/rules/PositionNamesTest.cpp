#include "rules/PositionNames.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

TEST(PositionNames, LooksUpRosterThenStarsThenBuilt) {
  // Roster rows by code, not by row number (code 10 is row 11).
  EXPECT_STREQ(PositionNameForCode(10), "Fänger");
  EXPECT_STREQ(PositionNameForCode(54), "Saurus");

  // Star players and big guys fall back to the star catalogue.
  EXPECT_STREQ(PositionNameForCode(223), "Silibili");
  EXPECT_STREQ(PositionNameForCode(300), "Kroxigor (Brocken)");

  // The coach's own star player has no row anywhere.
  EXPECT_STREQ(PositionNameForCode(222), "Eigener Starplayer");

  // Codes nobody carries.
  for (int32_t code : {55, 306, -1}) EXPECT_STREQ(PositionNameForCode(code), "???") << code;
}

}  // namespace
}  // namespace krv
