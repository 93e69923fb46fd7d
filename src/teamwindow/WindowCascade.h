#pragma once
// "Fenster" → "Überlappend": the open team windows, in order, each a title bar's height right
// of and below the one before, as a new window is placed after the one opened before it
// (CascadePlacement). Each keeps the size it has; only a window that would reach beyond the
// main window's area gets smaller, never below its smallest size.

#include <vector>

#include "teamwindow/TeamWindowPlacement.h"

namespace krv {

// `windows`: each window's present size, smallest size, the area and the step (their
// `previous` is not read). The placements, in the same order.
std::vector<FramePlacement> CascadeWindows(const std::vector<CascadeRequest>& windows);

}  // namespace krv
