#include "teamwindow/TeamWindowPlacement.h"

#include <algorithm>

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

FramePlacement CascadePlacement(const CascadeRequest& r) {
  // Never smaller than the form allows, never larger than the area unless the form needs it.
  const auto fitted = [&r](int64_t left, int64_t top) {
    const int64_t width = std::max<int64_t>(std::min<int64_t>(r.width, r.areaWidth - left), r.minWidth);
    const int64_t height = std::max<int64_t>(std::min<int64_t>(r.height, r.areaHeight - top), r.minHeight);
    return FramePlacement{static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(width),
                          static_cast<int32_t>(height)};
  };
  if (r.previous) {
    const int64_t left = int64_t{r.previous->left} + r.step;
    const int64_t top = int64_t{r.previous->top} + r.step;
    const bool fits = left >= 0 && top >= 0 && left + r.minWidth <= r.areaWidth && top + r.minHeight <= r.areaHeight;
    if (fits) return fitted(left, top);
  }
  return fitted(0, 0);
}

}  // namespace krv
