#include "app/InstanceName.h"

#include <algorithm>

namespace krv {

std::string InstanceSocketName(const std::string& display) {
  std::string name = display;
  // An X display "host:number.screen": the screens of one display are one session.
  if (const size_t colon = name.rfind(':'); colon != std::string::npos)
    if (const size_t dot = name.find('.', colon); dot != std::string::npos) name.erase(dot);
  std::replace(name.begin(), name.end(), '/', '_');  // a Wayland display may be a path
  return name.empty() ? "krashball" : "krashball-" + name;
}

}  // namespace krv
