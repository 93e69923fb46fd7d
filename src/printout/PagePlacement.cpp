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

// Where the layout's point 0 goes along one axis of the printable area: at its start, as the
// printer's own origin puts it, moved back only as far as the far edge needs (eating into the
// layout's blank margin `boundsStart` first), and with `scale` below 1 when even that is too
// little.
struct AxisPlacement {
  double origin;
  double scale;
};

AxisPlacement Place(double printableStart, double printableSize, double boundsStart, double boundsSize) {
  if (boundsStart + boundsSize <= printableSize) return {printableStart, 1};
  if (boundsSize <= printableSize) return {printableStart + printableSize - boundsStart - boundsSize, 1};
  return {printableStart, std::max(0.0, printableSize / boundsSize)};
}

}  // namespace

PagePlacement PlaceLayout(const MmRect& /*paper*/, const MmRect& printable) {
  const AxisPlacement x = Place(printable.left, printable.width, kBoundsLeft, kBoundsWidth);
  const AxisPlacement y = Place(printable.top, printable.height, kBoundsTop, kBoundsHeight);
  PagePlacement placement;
  placement.scale = std::min(x.scale, y.scale);
  if (placement.scale < 1) {  // too large: scaled down with its bounds at the printable corner
    placement.originX = printable.left - kBoundsLeft * placement.scale;
    placement.originY = printable.top - kBoundsTop * placement.scale;
  } else {
    placement.originX = x.origin;
    placement.originY = y.origin;
  }
  return placement;
}

MmRect PlacedBounds(const PagePlacement& placement) {
  return {placement.originX + kBoundsLeft * placement.scale, placement.originY + kBoundsTop * placement.scale,
          kBoundsWidth * placement.scale, kBoundsHeight * placement.scale};
}

}  // namespace krv
