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

// Catches: new windows covering each other exactly, a window cascaded out of the area, a
// window shrunk below its form's smallest size, a cascade that never starts again at the top.
TEST(TeamWindowPlacement, NewWindowsCascade) {
  CascadeRequest request;
  request.width = 700;
  request.height = 500;
  request.minWidth = 400;
  request.minHeight = 300;
  request.areaWidth = 1000;
  request.areaHeight = 700;
  request.step = 24;
  const auto expect = [](const FramePlacement& p, int32_t left, int32_t top, int32_t width, int32_t height) {
    EXPECT_EQ(p.left, left);
    EXPECT_EQ(p.top, top);
    EXPECT_EQ(p.sizeX, width);
    EXPECT_EQ(p.sizeY, height);
  };
  expect(CascadePlacement(request), 0, 0, 700, 500);  // the first window

  const FramePlacement first{0, 0, 700, 500};
  request.previous = &first;
  expect(CascadePlacement(request), 24, 24, 700, 500);
  const FramePlacement moved{200, 100, 650, 480};  // the coach moved the window opened before
  request.previous = &moved;
  expect(CascadePlacement(request), 224, 124, 700, 500);

  // Near the edge the new window gets smaller, down to the form's smallest size.
  const FramePlacement nearEdge{500, 350, 700, 500};
  request.previous = &nearEdge;
  expect(CascadePlacement(request), 524, 374, 476, 326);
  const FramePlacement atEdge{580, 380, 400, 300};
  request.previous = &atEdge;
  expect(CascadePlacement(request), 0, 0, 700, 500);

  // A previous window pushed off the top left goes back to the corner as well; an area
  // smaller than the form gets the form's smallest size.
  const FramePlacement offLeft{-100, 10, 700, 500};
  request.previous = &offLeft;
  expect(CascadePlacement(request), 0, 0, 700, 500);
  request.previous = nullptr;
  request.areaWidth = 300;
  request.areaHeight = 200;
  expect(CascadePlacement(request), 0, 0, 400, 300);
}

}  // namespace
}  // namespace krv
