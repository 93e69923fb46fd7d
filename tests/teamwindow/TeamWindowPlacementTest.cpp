// The rules for storing and restoring a team window's placement.

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>

#include "teamwindow/TeamWindowPlacement.h"

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

// A stored placement comes back inside the main window's area. Catches a window stored in a
// large main window reopened in a smaller one with its figures out of sight, a window moved
// off the top left, shrunk below its smallest size, or fitted to an area not laid out yet.
TEST(TeamWindowPlacement, RestoredInsideTheArea) {
  const PlacementArea area{1000, 700, 400, 300};
  const struct {
    FramePlacement stored;
    std::array<int32_t, 4> restored;
  } cases[] = {
      {{24, 24, 700, 500}, {24, 24, 700, 500}},      // fits: unchanged
      {{0, 0, 1400, 1100}, {0, 0, 1000, 700}},       // larger than the area
      {{600, 400, 700, 500}, {300, 200, 700, 500}},  // reaches beyond right and bottom
      {{900, 650, 1200, 900}, {0, 0, 1000, 700}},    // both
      {{-50, -20, 700, 500}, {0, 0, 700, 500}},      // beyond the top left
      {{100, 100, 2000, 200}, {0, 100, 1000, 300}},  // too wide, lower than its smallest
  };
  for (const auto& c : cases) {
    const FramePlacement p = KeepInsideArea(c.stored, area);
    EXPECT_EQ((std::array{p.left, p.top, p.sizeX, p.sizeY}), c.restored) << c.stored.left << "," << c.stored.top;
  }
  const FramePlacement p = KeepInsideArea({0, 0, 1400, 1100}, {300, 200, 400, 300});  // smaller than the form
  EXPECT_EQ((std::array{p.left, p.top, p.sizeX, p.sizeY}), (std::array<int32_t, 4>{0, 0, 400, 300}));
  const FramePlacement kept = KeepInsideArea({50, 60, 1400, 1100}, {0, 0, 400, 300});
  EXPECT_EQ((std::array{kept.left, kept.top, kept.sizeX, kept.sizeY}), (std::array<int32_t, 4>{50, 60, 1400, 1100}));
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
  // Where the next window goes after `previous` (none: the first), as left, top, width, height.
  const auto placed = [&request](std::optional<FramePlacement> previous) {
    request.previous = previous ? &*previous : nullptr;
    const FramePlacement p = CascadePlacement(request);
    return std::array{p.left, p.top, p.sizeX, p.sizeY};
  };
  using A = std::array<int32_t, 4>;
  EXPECT_EQ(placed(std::nullopt), (A{0, 0, 700, 500}));  // the first window
  EXPECT_EQ(placed(FramePlacement{0, 0, 700, 500}), (A{24, 24, 700, 500}));
  // The coach moved the window opened before.
  EXPECT_EQ(placed(FramePlacement{200, 100, 650, 480}), (A{224, 124, 700, 500}));

  // Near the edge the new window gets smaller, down to the form's smallest size.
  EXPECT_EQ(placed(FramePlacement{500, 350, 700, 500}), (A{524, 374, 476, 326}));
  EXPECT_EQ(placed(FramePlacement{580, 380, 400, 300}), (A{0, 0, 700, 500}));

  // A previous window pushed off the top left goes back to the corner as well; an area
  // smaller than the form gets the form's smallest size.
  EXPECT_EQ(placed(FramePlacement{-100, 10, 700, 500}), (A{0, 0, 700, 500}));
  request.areaWidth = 300;
  request.areaHeight = 200;
  EXPECT_EQ(placed(std::nullopt), (A{0, 0, 400, 300}));
}

}  // namespace
}  // namespace krv
