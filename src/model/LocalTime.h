#pragma once
// Today's local date and time as the program writes them into a team.

#include <string>

namespace krv {

// The current local time through strftime's `format`, e.g. "%d.%m.%y" for "07.12.26".
std::string LocalTimeText(const char* format);

}  // namespace krv
