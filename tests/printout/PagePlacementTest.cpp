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
// size, centred on the paper; asymmetric margins move it inside, never off the edge; a
// printable area smaller than the layout scales it down rather than cutting it off. Catches
// the original's corner origin, which cut the right edge off on Letter.
TEST(PagePlacement, WholeLayoutInsideThePrintableArea) {
  for (const MmRect& paper : {kA4, kLetter}) {
    const MmRect printable = Inset(paper, 4.2, 4.2, 4.2, 4.2);
    const PagePlacement p = PlaceLayout(paper, printable);
    EXPECT_DOUBLE_EQ(p.scale, 1);
    ExpectInside(p, printable);
    const MmRect box = PlacedBounds(p);
    EXPECT_NEAR(box.left, paper.width - box.left - box.width, 1e-9);  // centred across
  }
  // Letter with quarter-inch margins leaves exactly the layout's width: a hair of scaling.
  const MmRect tight = Inset(kLetter, 6.35, 6.35, 6.35, 6.35);
  PagePlacement p = PlaceLayout(kLetter, tight);
  EXPECT_GT(p.scale, 0.999);
  ExpectInside(p, tight);

  // A large unprintable strip at the bottom pushes the sheet up, still at real size.
  const MmRect lopsided = Inset(kA4, 3, 3, 3, 10);
  p = PlaceLayout(kA4, lopsided);
  EXPECT_DOUBLE_EQ(p.scale, 1);
  ExpectInside(p, lopsided);

  // Wide margins: the layout shrinks to fit.
  const MmRect wide = Inset(kLetter, 20, 20, 20, 20);
  p = PlaceLayout(kLetter, wide);
  EXPECT_LT(p.scale, 1);
  ExpectInside(p, wide);
}

}  // namespace
}  // namespace krv
