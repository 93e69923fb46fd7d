#pragma once
// A device-independent bitmap read from a Windows .bmp file: the team logo. Every common form
// is read: the Windows info headers of 40, 52, 56, 108 and 124 bytes, the OS/2 headers of 12
// and of 16 to 64 bytes, colour tables of three or four bytes an entry, colour masks (with or
// without alpha) and run-length encoded pixels.

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

// How the pixels are stored; OS/2 files use the same codes for the forms they share.
enum DibCompression : uint32_t { kDibRgb = 0, kDibRle8 = 1, kDibRle4 = 2, kDibBitfields = 3 };

// The info header every reader of Windows bitmaps knows, the program's own since its first day.
constexpr uint32_t kClassicDibHeaderSize = 40;

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
  uint32_t Compression() const { return m_compression; }  // a DibCompression or a code no reader here knows
  // The size of the file's info header (12 to 124 bytes; kClassicDibHeaderSize for the classic form).
  uint32_t HeaderSize() const { return m_headerSize; }
  // The colour table of a bitmap of 1 to 8 bits per pixel; empty for the others.
  const std::vector<DibColor>& ColorTable() const { return m_colors; }
  // Red, green, blue and alpha masks of a bit-field bitmap; zero for the others, and alpha zero
  // for a bitmap without transparency.
  const std::array<uint32_t, 4>& ColorMasks() const { return m_masks; }
  const std::vector<uint8_t>& Pixels() const { return m_pixels; }
  // Bytes of one pixel row in the file (rows are padded to 4 bytes).
  uint64_t RowStride() const;

 private:
  int32_t m_width = 0;
  int32_t m_height = 0;
  uint16_t m_bitsPerPixel = 0;
  uint32_t m_compression = 0;
  uint32_t m_headerSize = 0;
  std::vector<DibColor> m_colors;
  std::array<uint32_t, 4> m_masks{};
  std::vector<uint8_t> m_pixels;
};

}  // namespace krv
