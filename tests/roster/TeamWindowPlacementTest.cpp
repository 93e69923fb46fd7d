// The rules for storing and restoring a team window's placement.

#include <gtest/gtest.h>

#include <limits>

#include "roster/TeamWindowPlacement.h"

namespace krv {
namespace {

// Catches: the section named differently from the profile's, windows pushed off the left or
// top edge stored, empty or negative sizes stored or restored, a team without name restored,
// the right edge overflowing for huge coordinates.
TEST(TeamWindowPlacement, SectionAndRules) {
  EXPECT_EQ(TeamPlacementSection("Grünhaut Gröhler"), "Settings/MainWnd-Grünhaut Gröhler");
  EXPECT_EQ(TeamPlacementSection(""), "Settings/MainWnd-");

  EXPECT_TRUE(IsStorablePlacement({10, 20, 600, 400}));
  EXPECT_TRUE(IsStorablePlacement({-600, -400, 600, 400}));  // right and bottom at 0
  EXPECT_FALSE(IsStorablePlacement({-601, 0, 600, 400}));
  EXPECT_FALSE(IsStorablePlacement({0, -401, 600, 400}));
  EXPECT_FALSE(IsStorablePlacement({0, 0, 0, 400}));
  EXPECT_FALSE(IsStorablePlacement({0, 0, 600, -1}));
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  EXPECT_TRUE(IsStorablePlacement({kMax, kMax, kMax, kMax}));

  EXPECT_TRUE(IsRestorablePlacement("Orks", {0, 0, 600, 400}));
  EXPECT_FALSE(IsRestorablePlacement("", {0, 0, 600, 400}));
  EXPECT_FALSE(IsRestorablePlacement("Orks", {0, 0, 0, 400}));
  EXPECT_FALSE(IsRestorablePlacement("Orks", {0, 0, -5, 400}));
  EXPECT_FALSE(IsRestorablePlacement("Orks", {0, 0, 600, 0}));
}

}  // namespace
}  // namespace krv
