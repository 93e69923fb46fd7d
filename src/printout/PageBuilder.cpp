#include "printout/PageBuilder.h"

namespace krv {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  for (size_t hit; !from.empty() && (hit = text.find(from, start)) != std::string_view::npos;
       start = hit + from.size()) {
    out.append(text.substr(start, hit - start));
    out.append(to);
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace krv
