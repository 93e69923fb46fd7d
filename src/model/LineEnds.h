#pragma once
// Multi-line texts of a team (career texts, match remarks, events) end their lines with
// "\r\n", in memory and in the file, as the program always stored them; the printout joins
// those lines with a blank.

#include <string>
#include <string_view>

namespace krv {

// The text with every line end ("\n", "\r" or "\r\n") as "\r\n".
std::string WithWindowsLineEnds(std::string_view text);

}  // namespace krv
