#include "printout/BitmapPixels.h"

#include <gtest/gtest.h>

#include "model/Dib.h"
#include "support/BitmapFiles.h"

namespace krv {
namespace {

using test::BitmapLayout;
using Pixels = std::vector<uint32_t>;

// The pixels, or nothing for a file the reader refuses.
std::optional<Pixels> Decode(const BitmapLayout& layout) {
  CDib dib;
  try {
    dib.Load(test::BitmapBytes(layout));
  } catch (const DibError&) {
    return std::nullopt;
  }
  const std::optional<PixelImage> image = DecodeDib(dib);
  return image ? std::optional(image->pixels) : std::nullopt;
}

constexpr uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
// Two by two pixels: red and white on top, blue and black below.
const Pixels kRedWhiteBlueBlack{kRed, kWhite, kBlue, kBlack};
const Pixels kCheckered{kBlack, kWhite, kWhite, kBlack};

// A byte string with its zero bytes.
std::string operator""_b(const char* bytes, size_t size) { return std::string(bytes, size); }

const std::string kBlackWhite = "\0\0\0\0\xFF\xFF\xFF\0"_b;  // colour 0 black, 1 white
const std::string kBlackBlueRed = "\0\0\0\0\xFF\0\0\0\0\0\xFF\0"_b;
const std::string kRgb24 = "\xFF\0\0\0\0\0\0\0\0\0\xFF\xFF\xFF\xFF\0\0"_b;
const std::string kArgb32 = "\xFF\0\0\xFF\0\0\0\xFF\0\0\xFF\xFF\xFF\xFF\xFF\xFF"_b;
const std::string kRgb565 = "\x1F\0\0\0\0\xF8\xFF\xFF"_b;
const std::array<uint32_t, 4> kMasks565{0xF800, 0x07E0, 0x001F, 0};
const std::array<uint32_t, 4> kMasksArgb{0xFF0000, 0xFF00, 0xFF, 0xFF000000};
// The masks of a 40-byte header, after it.
const std::string kMasks565After40 = "\0\xF8\0\0\xE0\x07\0\0\x1F\0\0\0"_b;
const std::string kMasksArgbAfter40 = "\0\0\xFF\0\0\xFF\0\0\xFF\0\0\0\0\0\0\xFF"_b;
const std::string kPalette3 = "\0\0\0\0\0\xFF\xFF\xFF\xFF\xFF\0\0"_b;  // black, red, white, blue
const std::string kPalette4 = "\0\0\0\0\0\0\xFF\0\xFF\xFF\xFF\0\xFF\0\0\0"_b;
// Bottom row 3 x blue; top row literal red, blue, red; end of picture.
const std::string kRunLength = "\x03\x01\x00\x00\x00\x03\x02\x01\x02\x00\x00\x01"_b;
const std::string kBlackAlphas = "\0\0\0\xFF\0\0\0\0\0\0\0\x80"_b;  // full, none, half
const std::string kIndices8 = "\3\0\0\0\1\2\0\0"_b;

// One bitmap file per row and the pixels it must give, top row first; no pixels: the reader
// must refuse it and the sheet prints the invitation instead.
struct Case {
  const char* form;
  BitmapLayout layout;
  std::optional<Pixels> pixels;
};

// Catches a logo printed upside down, with red and blue swapped, or in wrong colours for a
// bit-field or palette form; one that prints as "Hier kann Ihr Team-Logo stehen!" because its
// header is not the 40-byte one (what image programs write by default).
const Case kFiles[] = {
    {"1 bit, bottom-up", {40, 2, 2, 1, 0, {}, kBlackWhite, "\x80\0\0\0\x40\0\0\0"_b}, kCheckered},
    {"1 bit, top-down", {40, 2, -2, 1, 0, {}, kBlackWhite, "\x40\0\0\0\x80\0\0\0"_b}, kCheckered},
    {"24 bits: blue, green, red", {40, 1, 1, 24, 0, {}, "", "\x10\x20\x30\0"_b}, {{0xFF302010}}},
    {"40, 5-6-5 masks", {40, 1, 1, 16, 3, {}, kMasks565After40, "\xE0\x07\0\0"_b}, {{kGreen}}},
    {"16 bits without masks: 5-5-5", {40, 1, 1, 16, 0, {}, "", "\x00\x7C\0\0"_b}, {{kRed}}},
    {"OS/2 1.x, 8 bits", {12, 2, 2, 8, 0, {}, kPalette3, kIndices8}, kRedWhiteBlueBlack},
    {"OS/2 2.x 64, 4 bits", {64, 2, 2, 4, 0, {}, kPalette4, "\x30\0\0\0\x12\0\0\0"_b, 4}, kRedWhiteBlueBlack},
    {"OS/2 2.x 16, 8 bits", {16, 2, 2, 8, 0, {}, kPalette4 + std::string(1008, '\0'), kIndices8}, kRedWhiteBlueBlack},
    {"40 bytes, 2 bits", {40, 2, 2, 2, 0, {}, kPalette4, "\xC0\0\0\0\x60\0\0\0"_b}, kRedWhiteBlueBlack},
    {"40, alpha masks", {40, 2, 2, 32, 6, {}, kMasksArgbAfter40, kArgb32}, kRedWhiteBlueBlack},
    {"52 bytes, 5-6-5", {52, 2, 2, 16, 3, kMasks565, "", kRgb565}, kRedWhiteBlueBlack},
    {"56 bytes, alpha", {56, 2, 2, 32, 3, kMasksArgb, "", kArgb32}, kRedWhiteBlueBlack},
    {"108 bytes, 24 bits", {108, 2, 2, 24, 0, {}, "", kRgb24}, kRedWhiteBlueBlack},
    {"124 bytes, 24 bits", {124, 2, 2, 24, 0, {}, "", kRgb24}, kRedWhiteBlueBlack},
    {"124 bytes, top-down", {124, 2, -2, 24, 0, {}, "", kRgb24.substr(8) + kRgb24.substr(0, 8)}, kRedWhiteBlueBlack},
    {"124 bytes, 5-6-5", {124, 2, 2, 16, 3, kMasks565, "", kRgb565}, kRedWhiteBlueBlack},
    {"124 bytes, alpha", {124, 2, 2, 32, 3, kMasksArgb, "", kArgb32}, kRedWhiteBlueBlack},

    // Run-length encoded 8-bit pixels: runs, literal runs and line ends; a stream that breaks off
    // leaves the rest black, a run longer than the row is cut at the edge. Catches overruns on
    // damaged files. Transparent pixels print as the white paper under them, a file whose alpha is
    // zero throughout (what many programs write for "no alpha") prints opaque: catches a logo with
    // a transparent background printed black, and one printed all white. Pictures the painter
    // cannot show give nothing.
    {"run-length", {40, 3, 2, 8, 1, {}, kBlackBlueRed, kRunLength, 3}, {{kRed, kBlue, kRed, kBlue, kBlue, kBlue}}},
    {"literal run beyond the data", {40, 3, 2, 8, 1, {}, kBlackBlueRed, "\x00\x09\x01"_b, 3}, Pixels(6, kBlack)},
    {"run beyond the row", {40, 2, 1, 8, 1, {}, kBlackBlueRed, "\xFF\x02\x00\x01"_b, 3}, {{kRed, kRed}}},
    {"alpha", {124, 3, 1, 32, 3, kMasksArgb, "", kBlackAlphas}, {{kBlack, kWhite, 0xFF7F7F7F}}},
    {"alpha zero throughout", {124, 2, 1, 32, 3, kMasksArgb, "", "\x10\x20\x30\0\0\0\0\0"_b}, {{0xFF302010, kBlack}}},
    {"no pixels", {40, 0, 1, 24, 0, {}, "", ""}, std::nullopt},
    {"no such depth", {40, 1, 1, 3, 0, {}, "", std::string(4, '\0')}, std::nullopt},
    {"JPEG inside", {40, 1, 1, 24, 4, {}, "", std::string(4, '\0')}, std::nullopt},
    // A 5 MB file that would take 160 MB as colours.
    {"8000 x 5001 x 1 bit", {40, 8000, 5001, 1, 0, {}, kBlackWhite, std::string(1000 * 5001, '\0')}, std::nullopt},
};

TEST(BitmapPixels, EveryFormRunLengthAlphaAndUnusableFiles) {
  for (const Case& c : kFiles) EXPECT_EQ(Decode(c.layout), c.pixels) << c.form;
}

}  // namespace
}  // namespace krv
