#include "app/InstanceName.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// Each display has a name of its own, the screens of one X display share it, and no display
// makes a name that leaves the runtime folder. Catches two sessions of one user handing
// files to each other's windows, and a second program on the other screen of one display.
TEST(InstanceName, OneNamePerDisplay) {
  const struct {
    const char* display;
    const char* name;
  } cases[] = {
      {":0", "krashball-:0"},
      {":0.1", "krashball-:0"},
      {":1", "krashball-:1"},
      {"localhost:10.0", "krashball-localhost:10"},
      {"wayland-0", "krashball-wayland-0"},
      {"/run/user/1000/wayland-1", "krashball-_run_user_1000_wayland-1"},
      {"offscreen", "krashball-offscreen"},
      {"", "krashball"},
  };
  for (const auto& c : cases) EXPECT_EQ(InstanceSocketName(c.display), c.name) << c.display;
}

}  // namespace
}  // namespace krv
