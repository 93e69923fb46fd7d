#include "app/InstanceName.h"

#include <algorithm>

namespace krv {
namespace {

std::string DisplayOf(const DisplaySession& session) {
  if (session.platform == "xcb") return session.x11Display;
  if (session.platform.starts_with("wayland"))
    return session.waylandDisplay.empty() ? "wayland-0" : session.waylandDisplay;
  return session.platform;
}

}  // namespace

std::string InstanceSocketName(const DisplaySession& session) {
  std::string name = DisplayOf(session);
  // An X display "host:number.screen": the screens of one display are one session.
  if (const size_t colon = name.rfind(':'); colon != std::string::npos)
    if (const size_t dot = name.find('.', colon); dot != std::string::npos) name.erase(dot);
  std::replace(name.begin(), name.end(), '/', '_');  // a Wayland display may be a path
  return name.empty() ? "krashball" : "krashball-" + name;
}

}  // namespace krv
