#pragma once
// Where a team's window was: remembered per team name in the application profile, section
// "Settings/MainWnd-<team name>" with "Left", "Top", "SizeX" and "SizeY".

#include <cstdint>
#include <string>

namespace krv {

std::string TeamPlacementSection(const std::string& teamName);

// A frame rectangle relative to the main window's client area.
struct FramePlacement {
  int32_t left = 0;
  int32_t top = 0;
  int32_t sizeX = 0;
  int32_t sizeY = 0;
};

// Stored only when right and bottom are not negative and the size is positive.
bool IsStorablePlacement(const FramePlacement& placement);

// Restored only for a named team whose stored size is positive in both directions (a
// damaged profile with a zero or negative size is ignored).
bool IsRestorablePlacement(const std::string& teamName, const FramePlacement& stored);

// The main window's client area and the smallest size the team window's form can be shown in.
struct PlacementArea {
  int32_t width = 0;
  int32_t height = 0;
  int32_t minWidth = 0;
  int32_t minHeight = 0;
};

// A stored placement as restored: inside the area, so that the header's figures on the right
// can be seen. A window larger than the area gets the area's size (never less than its
// smallest size) and moves left and up as far as it reaches beyond the right and bottom
// edge, never beyond the top left corner. An area not laid out yet (empty) changes nothing.
FramePlacement KeepInsideArea(const FramePlacement& stored, const PlacementArea& area);

// What a new team window without a stored placement needs to find its place.
struct CascadeRequest {
  const FramePlacement* previous = nullptr;  // the window opened before it (normal geometry), if any is open
  int32_t width = 0;                         // the size its form asks for
  int32_t height = 0;
  int32_t minWidth = 0;  // the smallest size its form can be shown in
  int32_t minHeight = 0;
  int32_t areaWidth = 0;  // the main window's client area
  int32_t areaHeight = 0;
  int32_t step = 0;  // one title bar height
};

// New windows cascade: each one a title bar height right of and below the window opened
// before it, so that every title stays visible. Where the window would reach beyond the area
// it gets smaller, down to its smallest size; below that the cascade starts again at the top
// left corner. The first window starts there, too.
FramePlacement CascadePlacement(const CascadeRequest& request);

}  // namespace krv
