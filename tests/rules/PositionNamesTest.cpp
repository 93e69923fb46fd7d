#include "rules/PositionNames.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

TEST(PositionNames, LooksUpRosterThenStarsThenBuilt) {
  // Roster rows by code, not by row number (code 10 is row 11).
  EXPECT_STREQ(PositionNameForCode(10), "Fänger");
  EXPECT_STREQ(PositionNameForCode(11), "Werfer");
  EXPECT_STREQ(PositionNameForCode(0), "Tiermenschen");
  EXPECT_STREQ(PositionNameForCode(54), "Saurus");
  EXPECT_STREQ(PositionNameForCode(47), "Feldspieler");

  // Star players and big guys fall back to the star catalogue.
  EXPECT_STREQ(PositionNameForCode(200), "Fungus Wahnwitz");
  EXPECT_STREQ(PositionNameForCode(223), "Silibili");
  EXPECT_STREQ(PositionNameForCode(300), "Kroxigor (Brocken)");

  // The coach's own star player has no row anywhere.
  EXPECT_STREQ(PositionNameForCode(222), "Eigener Starplayer");

  // Codes nobody carries.
  EXPECT_STREQ(PositionNameForCode(999), "???");
  EXPECT_STREQ(PositionNameForCode(55), "???");
  EXPECT_STREQ(PositionNameForCode(306), "???");
  EXPECT_STREQ(PositionNameForCode(-1), "???");
}

}  // namespace
}  // namespace krv
