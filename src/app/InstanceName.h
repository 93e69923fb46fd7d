#pragma once
// Which running program a start hands its files to: one program per user and display. Two
// desktop sessions of one user (a second seat, a remote session) each have their own.

#include <string>

namespace krv {

// The name of the program's socket for a display (":0", "localhost:10.0", "wayland-0"),
// to be placed in the user's runtime folder. The screens of one X display share one name.
std::string InstanceSocketName(const std::string& display);

}  // namespace krv
