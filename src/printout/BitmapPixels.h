#pragma once
// The pixels of a Windows bitmap as 32-bit colours, top row first, for painting the logo.

#include <cstdint>
#include <optional>
#include <vector>

namespace krv {

class CDib;

struct PixelImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;  // 0xFFRRGGBB, row by row from the top
};

// Decodes 1, 2, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, with colour masks or run
// length encoded (8 and 4 bits). Pixels with alpha come out as they print on white paper.
// Unknown formats, empty and absurdly large pictures give nothing; a damaged run-length
// stream leaves the rest of the picture black.
std::optional<PixelImage> DecodeDib(const CDib& dib);

// More pixels than a logo could ever need on paper; beyond this a picture is not decoded.
constexpr int64_t kMaxLogoPixels = 40'000'000;

}  // namespace krv
