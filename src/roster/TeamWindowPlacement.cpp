#include "roster/TeamWindowPlacement.h"

namespace krv {

std::string TeamPlacementSection(const std::string& teamName) { return "Settings/MainWnd-" + teamName; }

bool IsStorablePlacement(const FramePlacement& p) {
  const int64_t right = int64_t{p.left} + p.sizeX;
  const int64_t bottom = int64_t{p.top} + p.sizeY;
  return right >= 0 && bottom >= 0 && p.sizeX > 0 && p.sizeY > 0;
}

bool IsRestorablePlacement(const std::string& teamName, const FramePlacement& stored) {
  return !teamName.empty() && stored.sizeX > 0 && stored.sizeY > 0;
}

}  // namespace krv
