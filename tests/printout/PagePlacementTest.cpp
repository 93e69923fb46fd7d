#include "printout/PagePlacement.h"

#include <gtest/gtest.h>

#include <array>

namespace krv {
namespace {

const MmRect kA4{0, 0, 297, 210};
const MmRect kLetter{0, 0, 279.4, 215.9};

// The placement on `paper` whose printable area leaves these margins; the whole layout must lie
// inside that area.
PagePlacement Place(const MmRect& paper, double left, double top, double right, double bottom) {
  const MmRect printable{paper.left + left, paper.top + top, paper.width - left - right, paper.height - top - bottom};
  const PagePlacement placement = PlaceLayout(paper, printable);
  const MmRect box = PlacedBounds(placement);
  EXPECT_GE(box.left, printable.left - 1e-9);
  EXPECT_GE(box.top, printable.top - 1e-9);
  EXPECT_LE(box.left + box.width, printable.left + printable.width + 1e-9);
  EXPECT_LE(box.top + box.height, printable.top + printable.height + 1e-9);
  return placement;
}

// On landscape A4 and US Letter with a printer's usual margins the sheet prints at its real
// size with its point (0, 0) at the printable area's top-left corner, neither centred nor
// scaled. Where that would run over the far edge it moves back just enough (Letter with
// quarter-inch margins), and a printable area smaller than the layout scales it down from the
// corner rather than cutting it off.
TEST(PagePlacement, CornerOriginUnlessTheSheetDoesNotFit) {
  for (const MmRect& paper : {kA4, kLetter}) {
    const PagePlacement p = Place(paper, 4.2, 4.2, 4.2, 4.2);
    EXPECT_EQ((std::array{p.scale, p.originX, p.originY}), (std::array{1.0, 4.2, 4.2}));
  }
  // A printable area a little narrower than the layout with its blank margin: moved left by
  // what it lacks, at real size.
  PagePlacement p = Place(kA4, 4.2, 4.2, 24, 4.2);
  EXPECT_EQ((std::array{p.scale, p.originY}), (std::array{1.0, 4.2}));
  EXPECT_LT(p.originX, 4.2);
  // Letter with quarter-inch margins leaves the layout's width less its pen: a hair of scaling.
  EXPECT_GT(Place(kLetter, 6.35, 6.35, 6.35, 6.35).scale, 0.999);
  // A large unprintable strip at the bottom: still at the corner, it fits.
  p = Place(kA4, 3, 3, 3, 10);
  EXPECT_EQ((std::array{p.scale, p.originX}), (std::array{1.0, 3.0}));
  // Wide margins: the layout shrinks to fit, starting at the corner.
  p = Place(kLetter, 20, 20, 20, 20);
  EXPECT_LT(p.scale, 1);
  EXPECT_NEAR(PlacedBounds(p).left, 20, 1e-9);
  EXPECT_NEAR(PlacedBounds(p).top, 20, 1e-9);
}

}  // namespace
}  // namespace krv
