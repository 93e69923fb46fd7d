#pragma once
// A device-independent bitmap read from a Windows .bmp file: the team logo.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

class DibError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DibColor {
  uint8_t blue = 0, green = 0, red = 0, reserved = 0;
};

class CDib {
 public:
  // Reads a bitmap; the previous one is released first. Throws DibError (German message).
  void Read(const std::string& path);
  void Load(std::string_view bytes);
  void Clear();

  bool IsEmpty() const { return m_pixels.empty(); }
  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }  // negative for top-down bitmaps
  uint16_t BitsPerPixel() const { return m_bitsPerPixel; }
  uint32_t Compression() const { return m_compression; }
  const std::vector<DibColor>& ColorTable() const { return m_colors; }
  // Red, green and blue masks of a bit-field bitmap (compression 3); zero for the others.
  const std::array<uint32_t, 3>& ColorMasks() const { return m_masks; }
  const std::vector<uint8_t>& Pixels() const { return m_pixels; }
  // Bytes of one pixel row in the file (rows are padded to 4 bytes).
  uint32_t RowStride() const;

 private:
  int32_t m_width = 0;
  int32_t m_height = 0;
  uint16_t m_bitsPerPixel = 0;
  uint32_t m_compression = 0;
  std::vector<DibColor> m_colors;
  std::array<uint32_t, 3> m_masks{};
  std::vector<uint8_t> m_pixels;
};

}  // namespace krv
