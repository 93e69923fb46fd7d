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

}  // namespace krv
