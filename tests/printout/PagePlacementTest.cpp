#include "printout/PagePlacement.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

MmRect Inset(const MmRect& paper, double left, double top, double right, double bottom) {
  return {paper.left + left, paper.top + top, paper.width - left - right, paper.height - top - bottom};
}

// The whole layout lies inside the printable area.
void ExpectInside(const PagePlacement& placement, const MmRect& printable) {
  const MmRect box = PlacedBounds(placement);
  EXPECT_GE(box.left, printable.left - 1e-9);
  EXPECT_GE(box.top, printable.top - 1e-9);
  EXPECT_LE(box.left + box.width, printable.left + printable.width + 1e-9);
  EXPECT_LE(box.top + box.height, printable.top + printable.height + 1e-9);
}

const MmRect kA4{0, 0, 297, 210};
const MmRect kLetter{0, 0, 279.4, 215.9};

// On landscape A4 and US Letter with a printer's usual margins the sheet prints at its real
// size with its point (0, 0) at the printable area's top-left corner, neither centred nor
// scaled. Where that would run over the far edge it moves back just enough (Letter with
// quarter-inch margins), and a printable area smaller than the layout scales it down from the
// corner rather than cutting it off.
TEST(PagePlacement, CornerOriginUnlessTheSheetDoesNotFit) {
  for (const MmRect& paper : {kA4, kLetter}) {
    const MmRect printable = Inset(paper, 4.2, 4.2, 4.2, 4.2);
    const PagePlacement p = PlaceLayout(paper, printable);
    EXPECT_DOUBLE_EQ(p.scale, 1);
    EXPECT_DOUBLE_EQ(p.originX, 4.2);
    EXPECT_DOUBLE_EQ(p.originY, 4.2);
    ExpectInside(p, printable);
  }
  // A printable area a little narrower than the layout with its blank margin: moved left by
  // what it lacks, at real size.
  const MmRect narrow = Inset(kA4, 4.2, 4.2, 24, 4.2);
  PagePlacement p = PlaceLayout(kA4, narrow);
  EXPECT_DOUBLE_EQ(p.scale, 1);
  EXPECT_LT(p.originX, 4.2);
  EXPECT_DOUBLE_EQ(p.originY, 4.2);
  ExpectInside(p, narrow);
  // Letter with quarter-inch margins leaves the layout's width less its pen: a hair of scaling.
  const MmRect tight = Inset(kLetter, 6.35, 6.35, 6.35, 6.35);
  p = PlaceLayout(kLetter, tight);
  EXPECT_GT(p.scale, 0.999);
  ExpectInside(p, tight);

  // A large unprintable strip at the bottom: still at the corner, it fits.
  const MmRect lopsided = Inset(kA4, 3, 3, 3, 10);
  p = PlaceLayout(kA4, lopsided);
  EXPECT_DOUBLE_EQ(p.scale, 1);
  EXPECT_DOUBLE_EQ(p.originX, 3);
  ExpectInside(p, lopsided);

  // Wide margins: the layout shrinks to fit, starting at the corner.
  const MmRect wide = Inset(kLetter, 20, 20, 20, 20);
  p = PlaceLayout(kLetter, wide);
  EXPECT_LT(p.scale, 1);
  ExpectInside(p, wide);
  EXPECT_NEAR(PlacedBounds(p).left, 20, 1e-9);
  EXPECT_NEAR(PlacedBounds(p).top, 20, 1e-9);
}

}  // namespace
}  // namespace krv
