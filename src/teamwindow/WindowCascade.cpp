#include "teamwindow/WindowCascade.h"

namespace krv {

std::vector<FramePlacement> CascadeWindows(const std::vector<CascadeRequest>& windows) {
  std::vector<FramePlacement> placements;
  placements.reserve(windows.size());
  for (CascadeRequest request : windows) {
    request.previous = placements.empty() ? nullptr : &placements.back();
    placements.push_back(CascadePlacement(request));
  }
  return placements;
}

}  // namespace krv
