#include "printout/BitmapPixels.h"

#include <bit>
#include <cstdlib>

#include "model/Dib.h"

namespace krv {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

uint32_t FromTable(const CDib& dib, uint32_t index) {
  const auto& table = dib.ColorTable();
  if (index >= table.size()) return kOpaque;  // black for an index the table lacks
  const DibColor& c = table[index];
  return kOpaque | uint32_t{c.red} << 16 | uint32_t{c.green} << 8 | c.blue;
}

// One channel picked by a colour mask and stretched to 8 bits.
uint32_t Channel(uint32_t value, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint32_t bits = static_cast<uint32_t>(std::popcount(mask >> shift));
  const uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
  if (max == 0) return 0;
  return static_cast<uint32_t>((uint64_t{(value & mask) >> shift} * 255 + max / 2) / max);
}

struct Masks {
  uint32_t red, green, blue, alpha;
};

// Colour masks: a bit-field bitmap's own, else (also for a bit-field file that lost them)
// the standard 5-5-5 or 8-8-8 without alpha.
Masks MasksOf(const CDib& dib) {
  const auto& m = dib.ColorMasks();
  if (dib.Compression() == kDibBitfields && (m[0] | m[1] | m[2]) != 0) return {m[0], m[1], m[2], m[3]};
  if (dib.BitsPerPixel() == 16) return {0x7C00, 0x03E0, 0x001F, 0};
  return {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
}

uint32_t ReadBits(const uint8_t* row, int64_t x, uint16_t bits) {
  switch (bits) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1u;
    case 2: return (row[x / 4] >> (6 - 2 * (x % 4))) & 3u;
    case 4: return (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xFu;
    case 8: return row[x];
    case 16: return row[2 * x] | uint32_t{row[2 * x + 1]} << 8;
    case 24: return row[3 * x] | uint32_t{row[3 * x + 1]} << 8 | uint32_t{row[3 * x + 2]} << 16;
    default:
      return row[4 * x] | uint32_t{row[4 * x + 1]} << 8 | uint32_t{row[4 * x + 2]} << 16 |
             uint32_t{row[4 * x + 3]} << 24;
  }
}

// A colour with partial transparency as it prints on white paper.
uint32_t OnWhite(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha) {
  auto blend = [alpha](uint32_t c) { return (c * alpha + 255 * (255 - alpha) + 127) / 255; };
  return kOpaque | blend(red) << 16 | blend(green) << 8 | blend(blue);
}

// True when some pixel's alpha is not zero. Many programs write zero alpha throughout, meaning
// none at all; only a picture with real alpha values gets transparent parts.
bool HasRealAlpha(const CDib& dib, uint64_t stride, const PixelImage& image, uint32_t alphaMask) {
  if (alphaMask == 0) return false;
  for (int32_t y = 0; y < image.height; ++y) {
    const uint8_t* row = dib.Pixels().data() + stride * static_cast<uint64_t>(y);
    for (int32_t x = 0; x < image.width; ++x)
      if (ReadBits(row, x, dib.BitsPerPixel()) & alphaMask) return true;
  }
  return false;
}

bool DecodeRows(const CDib& dib, PixelImage& image, bool bottomUp) {
  const uint16_t bits = dib.BitsPerPixel();
  const uint64_t stride = dib.RowStride();
  if (stride * static_cast<uint64_t>(image.height) > dib.Pixels().size()) return false;
  const Masks masks = MasksOf(dib);
  const bool alpha = bits > 8 && HasRealAlpha(dib, stride, image, masks.alpha);
  for (int32_t y = 0; y < image.height; ++y) {
    const uint8_t* row = dib.Pixels().data() + stride * static_cast<uint64_t>(bottomUp ? image.height - 1 - y : y);
    uint32_t* out = image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(image.width);
    for (int32_t x = 0; x < image.width; ++x) {
      const uint32_t value = ReadBits(row, x, bits);
      if (bits <= 8) {
        out[x] = FromTable(dib, value);
        continue;
      }
      const uint32_t red = Channel(value, masks.red), green = Channel(value, masks.green);
      const uint32_t blue = Channel(value, masks.blue);
      out[x] = alpha ? OnWhite(red, green, blue, Channel(value, masks.alpha)) : kOpaque | red << 16 | green << 8 | blue;
    }
  }
  return true;
}

// Run-length encoded pixels (always bottom-up). Writes stop at the picture's edges.
void DecodeRunLength(const CDib& dib, PixelImage& image, bool fourBits) {
  const std::vector<uint8_t>& in = dib.Pixels();
  size_t at = 0;
  int64_t x = 0, y = 0;  // y counted from the bottom
  auto put = [&](uint32_t index) {
    if (x < image.width && y < image.height)
      image.pixels[static_cast<size_t>(image.height - 1 - y) * static_cast<size_t>(image.width) +
                   static_cast<size_t>(x)] = FromTable(dib, index);
    ++x;
  };
  while (at + 1 < in.size() && y < image.height) {
    const uint8_t count = in[at], value = in[at + 1];
    at += 2;
    if (count > 0) {  // a run of one index (or of two alternating indices with four bits)
      for (int i = 0; i < count; ++i) put(fourBits ? (i % 2 ? value & 0xFu : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of picture
      return;
    } else if (value == 2) {  // move right and up
      if (at + 1 >= in.size()) return;
      x += in[at];
      y += in[at + 1];
      at += 2;
    } else {  // `value` literal indices, padded to a 16-bit boundary
      const size_t bytes = fourBits ? (value + 1u) / 2 : value;
      if (at + bytes > in.size()) return;
      for (int i = 0; i < value; ++i)
        put(fourBits ? (i % 2 ? in[at + i / 2] & 0xFu : in[at + i / 2] >> 4) : in[at + i]);
      at += bytes + bytes % 2;
    }
  }
}

}  // namespace

std::optional<PixelImage> DecodeDib(const CDib& dib) {
  const int64_t width = dib.Width();
  const int64_t height = std::abs(int64_t{dib.Height()});
  if (width <= 0 || height <= 0 || width * height > kMaxLogoPixels) return std::nullopt;
  const uint16_t bits = dib.BitsPerPixel();
  const uint32_t compression = dib.Compression();
  const bool rle = (compression == kDibRle8 && bits == 8) || (compression == kDibRle4 && bits == 4);
  const bool plain = compression == kDibRgb &&
                     (bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32);
  const bool masked = compression == kDibBitfields && (bits == 16 || bits == 32);
  if (!rle && !plain && !masked) return std::nullopt;

  PixelImage image;
  image.width = static_cast<int32_t>(width);
  image.height = static_cast<int32_t>(height);
  image.pixels.assign(static_cast<size_t>(width * height), kOpaque);
  if (rle) {
    if (dib.Height() < 0) return std::nullopt;  // run-length bitmaps are always bottom-up
    DecodeRunLength(dib, image, bits == 4);
    return image;
  }
  if (!DecodeRows(dib, image, dib.Height() > 0)) return std::nullopt;
  return image;
}

}  // namespace krv
