// The rules for storing and restoring a team window's placement, and for cascading windows.

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>

#include "teamwindow/TeamWindowPlacement.h"
#include "teamwindow/WindowCascade.h"

namespace krv {
namespace {

// Catches: the section named differently from the profile's, windows pushed off the left or
// top edge stored, empty or negative sizes stored or restored, a team without name restored,
// the right edge overflowing for huge coordinates.
TEST(TeamWindowPlacement, SectionAndRules) {
  EXPECT_EQ(TeamPlacementSection("Grünhaut Gröhler"), "Settings/MainWnd-Grünhaut Gröhler");
  EXPECT_EQ(TeamPlacementSection(""), "Settings/MainWnd-");

  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  // Stored: right and bottom at 0 still are.
  for (const FramePlacement& p : {FramePlacement{10, 20, 600, 400}, {-600, -400, 600, 400}, {kMax, kMax, kMax, kMax}})
    EXPECT_TRUE(IsStorablePlacement(p)) << p.left;
  for (const FramePlacement& p :
       {FramePlacement{-601, 0, 600, 400}, {0, -401, 600, 400}, {0, 0, 0, 400}, {0, 0, 600, -1}})
    EXPECT_FALSE(IsStorablePlacement(p)) << p.left << "," << p.top;

  EXPECT_TRUE(IsRestorablePlacement("Orks", {0, 0, 600, 400}));
  EXPECT_FALSE(IsRestorablePlacement("", {0, 0, 600, 400}));
  for (const FramePlacement& p : {FramePlacement{0, 0, 0, 400}, {0, 0, -5, 400}, {0, 0, 600, 0}})
    EXPECT_FALSE(IsRestorablePlacement("Orks", p)) << p.sizeX;
}

using Box = std::array<int32_t, 4>;  // left, top, width, height
Box BoxOf(const FramePlacement& p) { return {p.left, p.top, p.sizeX, p.sizeY}; }

// A stored placement comes back inside the main window's area. Catches a window stored in a
// large main window reopened in a smaller one with its figures out of sight, a window moved
// off the top left, shrunk below its smallest size, or fitted to an area not laid out yet.
TEST(TeamWindowPlacement, RestoredInsideTheArea) {
  const struct {
    FramePlacement stored;
    PlacementArea area;
    Box restored;
  } cases[] = {
      {{24, 24, 700, 500}, {1000, 700, 400, 300}, {24, 24, 700, 500}},      // fits: unchanged
      {{0, 0, 1400, 1100}, {1000, 700, 400, 300}, {0, 0, 1000, 700}},       // larger than the area
      {{600, 400, 700, 500}, {1000, 700, 400, 300}, {300, 200, 700, 500}},  // reaches beyond right and bottom
      {{900, 650, 1200, 900}, {1000, 700, 400, 300}, {0, 0, 1000, 700}},    // both
      {{-50, -20, 700, 500}, {1000, 700, 400, 300}, {0, 0, 700, 500}},      // beyond the top left
      {{100, 100, 2000, 200}, {1000, 700, 400, 300}, {0, 100, 1000, 300}},  // too wide, lower than its smallest
      {{0, 0, 1400, 1100}, {300, 200, 400, 300}, {0, 0, 400, 300}},         // an area smaller than the form
      {{50, 60, 1400, 1100}, {0, 0, 400, 300}, {50, 60, 1400, 1100}},       // an area not laid out yet
  };
  for (const auto& c : cases) EXPECT_EQ(BoxOf(KeepInsideArea(c.stored, c.area)), c.restored) << c.stored.left;
}

// Catches: new windows covering each other exactly, a window cascaded out of the area, a
// window shrunk below its form's smallest size, a cascade that never starts again at the top.
TEST(TeamWindowPlacement, NewWindowsCascade) {
  CascadeRequest request{nullptr, 700, 500, 400, 300, 1000, 700, 24};
  // Where the next window goes after `previous` (none: the first).
  const auto placed = [&request](std::optional<FramePlacement> previous) {
    request.previous = previous ? &*previous : nullptr;
    return BoxOf(CascadePlacement(request));
  };
  // The coach moved the window opened before. (A step from an unmoved one and the first
  // window: CascadeOfOpenWindowsKeepsTheirSizes.)
  EXPECT_EQ(placed(FramePlacement{200, 100, 650, 480}), (Box{224, 124, 700, 500}));

  // Near the edge the new window gets smaller, down to the form's smallest size.
  EXPECT_EQ(placed(FramePlacement{500, 350, 700, 500}), (Box{524, 374, 476, 326}));
  EXPECT_EQ(placed(FramePlacement{580, 380, 400, 300}), (Box{0, 0, 700, 500}));

  // A previous window pushed off the top left goes back to the corner as well; an area
  // smaller than the form gets the form's smallest size.
  EXPECT_EQ(placed(FramePlacement{-100, 10, 700, 500}), (Box{0, 0, 700, 500}));
  request.areaWidth = 300;
  request.areaHeight = 200;
  EXPECT_EQ(placed(std::nullopt), (Box{0, 0, 400, 300}));
}

// "Überlappend": each window a step further, at its own size; one that would reach beyond the
// area only as much smaller as it must; a cascade that runs out of room starts again at the
// corner. Catches "Überlappend" shrinking every window to its smallest size.
TEST(TeamWindowPlacement, CascadeOfOpenWindowsKeepsTheirSizes) {
  const auto window = [](int32_t width, int32_t height) {
    return CascadeRequest{nullptr, width, height, 400, 300, 1000, 700, 25};
  };
  const std::vector<FramePlacement> placed = CascadeWindows({window(800, 500), window(700, 600), window(990, 400)});
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(BoxOf(placed[0]), (Box{0, 0, 800, 500}));
  EXPECT_EQ(BoxOf(placed[1]), (Box{25, 25, 700, 600}));
  EXPECT_EQ(BoxOf(placed[2]), (Box{50, 50, 950, 400}));  // cut to the area's edge, not to 400

  const std::vector<FramePlacement> crowded = CascadeWindows(std::vector<CascadeRequest>(20, window(500, 350)));
  for (const FramePlacement& p : crowded) {
    EXPECT_LE(p.left + p.sizeX, 1000);
    EXPECT_LE(p.top + p.sizeY, 700);
    EXPECT_GE(p.sizeX, 400);
  }
  EXPECT_EQ(crowded[16].top, 400);
  EXPECT_EQ(crowded[17].left, 0);  // no room left for the smallest height: back to the corner
}

}  // namespace
}  // namespace krv
