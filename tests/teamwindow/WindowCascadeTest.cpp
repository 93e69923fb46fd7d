#include "teamwindow/WindowCascade.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

CascadeRequest Window(int32_t width, int32_t height) {
  CascadeRequest r;
  r.width = width;
  r.height = height;
  r.minWidth = 400;
  r.minHeight = 300;
  r.areaWidth = 1000;
  r.areaHeight = 700;
  r.step = 25;
  return r;
}

// Each window a step further, at its own size; one that would reach beyond the area only as
// much smaller as it must; a cascade that runs out of room starts again at the corner.
// Catches "Überlappend" shrinking every window to its smallest size.
TEST(WindowCascade, OwnSizesAStepApart) {
  const std::vector<FramePlacement> placed = CascadeWindows({Window(800, 500), Window(700, 600), Window(990, 400)});
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(placed[0].left, 0);
  EXPECT_EQ(placed[0].sizeX, 800);
  EXPECT_EQ(placed[0].sizeY, 500);
  EXPECT_EQ(placed[1].left, 25);
  EXPECT_EQ(placed[1].top, 25);
  EXPECT_EQ(placed[1].sizeX, 700);
  EXPECT_EQ(placed[1].sizeY, 600);
  EXPECT_EQ(placed[2].left, 50);
  EXPECT_EQ(placed[2].sizeX, 950);  // cut to the area's edge, not to 400

  std::vector<CascadeRequest> many(20, Window(500, 350));
  const std::vector<FramePlacement> crowded = CascadeWindows(many);
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
