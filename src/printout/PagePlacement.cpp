#include "printout/PagePlacement.h"

#include <algorithm>

#include "printout/PageOps.h"

namespace krv {
namespace {

// The layout's extent in mm, half a line width added on every side for the frame's pen.
constexpr double kPenMargin = 0.05;
constexpr double kBoundsLeft = kLayoutBounds.left / 10.0 - kPenMargin;
constexpr double kBoundsTop = -kLayoutBounds.top / 10.0 - kPenMargin;  // y turned downward
constexpr double kBoundsWidth = (kLayoutBounds.right - kLayoutBounds.left) / 10.0 + 2 * kPenMargin;
constexpr double kBoundsHeight = (kLayoutBounds.top - kLayoutBounds.bottom) / 10.0 + 2 * kPenMargin;

// The start of a span of `size` centred in `outer`, kept inside `inner` when it fits there.
double Centre(double outerStart, double outerSize, double innerStart, double innerSize, double size) {
  const double centred = outerStart + (outerSize - size) / 2;
  return std::clamp(centred, innerStart, std::max(innerStart, innerStart + innerSize - size));
}

}  // namespace

PagePlacement PlaceLayout(const MmRect& paper, const MmRect& printable) {
  PagePlacement placement;
  double left = 0, top = 0;
  if (kBoundsWidth <= printable.width && kBoundsHeight <= printable.height) {
    left = Centre(paper.left, paper.width, printable.left, printable.width, kBoundsWidth);
    top = Centre(paper.top, paper.height, printable.top, printable.height, kBoundsHeight);
  } else {
    placement.scale = std::max(0.0, std::min(printable.width / kBoundsWidth, printable.height / kBoundsHeight));
    left = printable.left + (printable.width - kBoundsWidth * placement.scale) / 2;
    top = printable.top + (printable.height - kBoundsHeight * placement.scale) / 2;
  }
  placement.originX = left - kBoundsLeft * placement.scale;
  placement.originY = top - kBoundsTop * placement.scale;
  return placement;
}

MmRect PlacedBounds(const PagePlacement& placement) {
  return {placement.originX + kBoundsLeft * placement.scale, placement.originY + kBoundsTop * placement.scale,
          kBoundsWidth * placement.scale, kBoundsHeight * placement.scale};
}

}  // namespace krv
