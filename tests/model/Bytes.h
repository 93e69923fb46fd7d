#pragma once
// File bytes written as numbers, for the archive and team file tests.

#include <initializer_list>
#include <string>

namespace krv::test {

inline std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

}  // namespace krv::test
