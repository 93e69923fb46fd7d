#pragma once
// Where the layout goes on the paper. The layout spans 266.7 x 195.1 mm; a landscape A4 or
// US Letter sheet is larger, but a printer's printable area may not be. The layout is
// centred on the paper at its real size, moved inside the printable area where the paper's
// centre would push it over an edge, and scaled down only when it is larger than the
// printable area (then centred in it), so nothing is cut off.

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

PagePlacement PlaceLayout(const MmRect& paper, const MmRect& printable);

// The layout's bounding box in mm on the paper for a placement (for checks and tests).
MmRect PlacedBounds(const PagePlacement& placement);

}  // namespace krv
