#pragma once
// The bytes of a Windows bitmap file with the classic 40-byte header, for logo tests.

#include <cstdint>
#include <string>

namespace krv::test {

// `table` (colour table or masks) follows the header, then `pixels` as stored (rows padded
// to 4 bytes, bottom row first for a positive height).
inline std::string BitmapFile(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                              const std::string& table, const std::string& pixels, uint32_t usedColors = 0) {
  std::string s = "BM" + std::string(52, '\0') + table + pixels;
  auto put = [&](size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s[at + i] = static_cast<char>(v >> (8 * i));
  };
  put(2, static_cast<uint32_t>(s.size()), 4);
  put(10, static_cast<uint32_t>(54 + table.size()), 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(width), 4);
  put(22, static_cast<uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, bits, 2);
  put(30, compression, 4);
  put(34, compression ? static_cast<uint32_t>(pixels.size()) : 0, 4);
  put(46, usedColors, 4);
  return s;
}

}  // namespace krv::test
