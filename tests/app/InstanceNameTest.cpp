#include "app/InstanceName.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// Each display has a name of its own, the screens of one X display share it, a platform
// without a display is one display, and no display makes a name that leaves the runtime
// folder. Catches two sessions of one user handing files to each other's windows, a second
// program on the other screen of one display, and the variable of the wrong platform read.
TEST(InstanceName, OneNamePerDisplay) {
  const struct {
    DisplaySession session;
    const char* name;
  } cases[] = {
      {{"xcb", ":0", "wayland-0"}, "krashball-:0"},
      {{"xcb", ":0.1", ""}, "krashball-:0"},
      {{"xcb", ":1", ""}, "krashball-:1"},
      {{"xcb", "localhost:10.0", ""}, "krashball-localhost:10"},
      {{"xcb", "", ""}, "krashball"},
      {{"wayland", ":0", "wayland-1"}, "krashball-wayland-1"},
      {{"wayland-egl", "", ""}, "krashball-wayland-0"},
      {{"wayland", "", "/run/user/1000/wayland-1"}, "krashball-_run_user_1000_wayland-1"},
      {{"offscreen", ":0", ""}, "krashball-offscreen"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(InstanceSocketName(c.session), c.name) << c.session.platform << " " << c.session.x11Display;
}

}  // namespace
}  // namespace krv
