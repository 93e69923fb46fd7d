#include "printout/ClassicBitmap.h"

#include "model/Dib.h"

namespace krv {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots an inch

void Put(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

}  // namespace

std::string ClassicBitmapFile(const PixelImage& image) {
  const uint64_t width = static_cast<uint64_t>(image.width);
  const uint64_t height = static_cast<uint64_t>(image.height);
  const uint64_t stride = (width * 3 + 3) / 4 * 4;
  const uint64_t pixelBytes = stride * height;
  const uint64_t offset = kFileHeaderSize + kClassicDibHeaderSize;
  std::string out;
  out.reserve(static_cast<size_t>(offset + pixelBytes));
  out += "BM";
  Put(out, offset + pixelBytes, 4);
  Put(out, 0, 4);  // reserved
  Put(out, offset, 4);
  Put(out, kClassicDibHeaderSize, 4);
  Put(out, width, 4);
  Put(out, height, 4);  // positive: the bottom row first
  Put(out, 1, 2);       // planes
  Put(out, 24, 2);
  Put(out, kDibRgb, 4);
  Put(out, pixelBytes, 4);
  Put(out, kPixelsPerMetre, 4);
  Put(out, kPixelsPerMetre, 4);
  Put(out, 0, 4);  // colours used
  Put(out, 0, 4);  // colours important
  for (uint64_t y = height; y-- > 0;) {
    const uint32_t* row = image.pixels.data() + y * width;
    for (uint64_t x = 0; x < width; ++x) Put(out, row[x] & 0xFFFFFFu, 3);  // blue, green, red
    out.append(static_cast<size_t>(stride - width * 3), '\0');
  }
  return out;
}

}  // namespace krv
