#pragma once
// One column of a page's list: heading, initial width in pixels and alignment.

namespace krv {

struct ListColumn {
  const char* heading;  // UTF-8
  int width;
  bool rightAligned;
};

}  // namespace krv
