#pragma once
// Which running program a start hands its files to: one program per user and display. Two
// desktop sessions of one user (a second seat, a remote session) each have their own.

#include <string>

namespace krv {

// Where the program's windows go: the platform Qt draws on ("xcb", "wayland", "offscreen")
// and the display variables of the session ($DISPLAY, $WAYLAND_DISPLAY).
struct DisplaySession {
  std::string platform;
  std::string x11Display;
  std::string waylandDisplay;
};

// The name of the program's socket for the session's display, to be placed in the user's
// runtime folder. The screens of one X display share one name; a platform without a display
// (offscreen) counts as one display.
std::string InstanceSocketName(const DisplaySession& session);

}  // namespace krv
