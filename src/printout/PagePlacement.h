#pragma once
// Where the layout goes on the paper. Its point (0, 0) is the printable area's top-left
// corner, the origin a printer gives, and it prints at its real size (it spans 266.7 x 195.1
// mm from 3.4 mm right of and 5.4 mm below that point). Only where it would then run over the
// printable area's right or bottom edge is it moved back towards the corner, and only where it
// is larger than the printable area is it scaled down (then it starts at the corner), so
// nothing is cut off.

namespace krv {

// Millimetres, y growing downward, origin at the paper's top-left corner.
struct MmRect {
  double left = 0, top = 0, width = 0, height = 0;
};

struct PagePlacement {
  double originX = 0;  // where the layout's point (0, 0) lies on the paper, in mm
  double originY = 0;
  double scale = 1;  // 1 prints the layout at its real size
};

PagePlacement PlaceLayout(const MmRect& paper, const MmRect& printable);  // the paper does not matter

// The layout's bounding box in mm on the paper for a placement (for checks and tests).
MmRect PlacedBounds(const PagePlacement& placement);

}  // namespace krv
