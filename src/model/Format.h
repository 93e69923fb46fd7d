#pragma once
// printf-style formatting into a std::string, for the program's fixed message texts.

#include <cstdio>
#include <string>

namespace krv {

template <typename... Args>
std::string Format(const char* format, Args... args) {
  const int size = std::snprintf(nullptr, 0, format, args...);
  if (size <= 0) return {};
  std::string out(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, args...);
  out.resize(static_cast<size_t>(size));
  return out;
}

}  // namespace krv
