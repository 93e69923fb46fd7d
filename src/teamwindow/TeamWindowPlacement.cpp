#include "teamwindow/TeamWindowPlacement.h"

#include <algorithm>
#include <utility>

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

FramePlacement KeepInsideArea(const FramePlacement& stored, const PlacementArea& area) {
  if (area.width <= 0 || area.height <= 0) return stored;
  const auto fit = [](int64_t start, int64_t size, int64_t room, int64_t smallest) {
    const int64_t fitted = std::max(std::min(size, room), smallest);
    return std::pair{static_cast<int32_t>(std::max<int64_t>(0, std::min(start, room - fitted))),
                     static_cast<int32_t>(fitted)};
  };
  const auto [left, width] = fit(stored.left, stored.sizeX, area.width, area.minWidth);
  const auto [top, height] = fit(stored.top, stored.sizeY, area.height, area.minHeight);
  return {left, top, width, height};
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
