#pragma once
// Bitmap files of every header form, built byte by byte for the logo reader's tests.

#include <array>
#include <cstdint>
#include <string>

namespace krv::test {

struct BitmapLayout {
  uint32_t headerSize = 40;  // 12 (OS/2 1.x), 16 to 64 (OS/2 2.x), 40, 52, 56, 108, 124
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bits = 24;
  uint32_t compression = 0;
  std::array<uint32_t, 4> masks{};  // red, green, blue, alpha; in headers of 52 bytes and more
  std::string table;                // after the header: the colour table, or a 40-byte header's masks
  std::string pixels;
  uint32_t usedColors = 0;
};

inline void PutLittleEndian(std::string& s, size_t at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) s[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
}

inline std::string BitmapBytes(const BitmapLayout& layout) {
  const uint32_t offset = 14 + layout.headerSize + static_cast<uint32_t>(layout.table.size());
  std::string s = "BM" + std::string(12 + layout.headerSize, '\0') + layout.table + layout.pixels;
  PutLittleEndian(s, 2, static_cast<uint32_t>(s.size()), 4);
  PutLittleEndian(s, 10, offset, 4);
  PutLittleEndian(s, 14, layout.headerSize, 4);
  if (layout.headerSize == 12) {
    PutLittleEndian(s, 18, static_cast<uint32_t>(layout.width), 2);
    PutLittleEndian(s, 20, static_cast<uint32_t>(layout.height), 2);
    PutLittleEndian(s, 22, 1, 2);
    PutLittleEndian(s, 24, layout.bits, 2);
    return s;
  }
  PutLittleEndian(s, 18, static_cast<uint32_t>(layout.width), 4);
  PutLittleEndian(s, 22, static_cast<uint32_t>(layout.height), 4);
  PutLittleEndian(s, 26, 1, 2);
  PutLittleEndian(s, 28, layout.bits, 2);
  if (layout.headerSize >= 40) {
    PutLittleEndian(s, 30, layout.compression, 4);
    PutLittleEndian(s, 34, layout.compression != 0 ? static_cast<uint32_t>(layout.pixels.size()) : 0, 4);
    PutLittleEndian(s, 46, layout.usedColors, 4);
  }
  for (size_t i = 0; i < 4; ++i)  // red, green and blue from 52 bytes on, alpha from 56
    if (layout.headerSize >= 56 || (layout.headerSize >= 52 && i < 3))
      PutLittleEndian(s, 54 + 4 * i, layout.masks[i], 4);
  return s;
}

}  // namespace krv::test
