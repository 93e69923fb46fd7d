#pragma once
// Bitmap files of every header form, built byte by byte for the logo reader's tests.

#include <array>
#include <cstdint>
#include <string>

namespace krv::test {

struct BitmapSpec {
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

inline std::string BitmapBytes(const BitmapSpec& spec) {
  const uint32_t offset = 14 + spec.headerSize + static_cast<uint32_t>(spec.table.size());
  std::string s = "BM" + std::string(12 + spec.headerSize, '\0') + spec.table + spec.pixels;
  PutLittleEndian(s, 2, static_cast<uint32_t>(s.size()), 4);
  PutLittleEndian(s, 10, offset, 4);
  PutLittleEndian(s, 14, spec.headerSize, 4);
  if (spec.headerSize == 12) {
    PutLittleEndian(s, 18, static_cast<uint32_t>(spec.width), 2);
    PutLittleEndian(s, 20, static_cast<uint32_t>(spec.height), 2);
    PutLittleEndian(s, 22, 1, 2);
    PutLittleEndian(s, 24, spec.bits, 2);
    return s;
  }
  PutLittleEndian(s, 18, static_cast<uint32_t>(spec.width), 4);
  PutLittleEndian(s, 22, static_cast<uint32_t>(spec.height), 4);
  PutLittleEndian(s, 26, 1, 2);
  PutLittleEndian(s, 28, spec.bits, 2);
  if (spec.headerSize >= 40) {
    PutLittleEndian(s, 30, spec.compression, 4);
    PutLittleEndian(s, 34, spec.compression != 0 ? static_cast<uint32_t>(spec.pixels.size()) : 0, 4);
    PutLittleEndian(s, 46, spec.usedColors, 4);
  }
  for (size_t i = 0; i < 4; ++i)  // red, green and blue from 52 bytes on, alpha from 56
    if (spec.headerSize >= 56 || (spec.headerSize >= 52 && i < 3)) PutLittleEndian(s, 54 + 4 * i, spec.masks[i], 4);
  return s;
}

}  // namespace krv::test
