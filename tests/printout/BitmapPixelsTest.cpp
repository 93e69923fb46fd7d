#include "printout/BitmapPixels.h"

#include <gtest/gtest.h>

#include "model/Dib.h"
#include "support/BitmapFiles.h"

namespace krv {
namespace {

// A bitmap file: 40-byte header, then `table` (colour table or masks), then `pixels`.
std::string BitmapFile(int32_t width, int32_t height, uint16_t bits, uint32_t compression, const std::string& table,
                       const std::string& pixels, uint32_t usedColors = 0) {
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

// The pixels, or nothing for a file the reader refuses.
std::optional<PixelImage> Decode(const std::string& file) {
  CDib dib;
  try {
    dib.Load(file);
  } catch (const DibError&) {
    return std::nullopt;
  }
  return DecodeDib(dib);
}

const std::string kBlackWhite("\0\0\0\0\xFF\xFF\xFF\0", 8);  // colour 0 black, 1 white

// Rows come out top first, whichever way the file stores them; palette indices, 24-bit
// and 5-6-5 bit-field pixels give the right colours. Catches a logo printed upside down,
// with red and blue swapped, or a bit-field logo in wrong colours.
TEST(BitmapPixels, RowOrderAndColourFormats) {
  // 1 bit, 2 x 2, bottom-up: bottom row white-black, top row black-white.
  auto image = Decode(BitmapFile(2, 2, 1, 0, kBlackWhite, std::string("\x80\0\0\0\x40\0\0\0", 8)));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels, (std::vector<uint32_t>{0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000}));
  // The same picture stored top-down.
  image = Decode(BitmapFile(2, -2, 1, 0, kBlackWhite, std::string("\x40\0\0\0\x80\0\0\0", 8)));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels[1], 0xFFFFFFFFu);
  // 24 bits: blue, green, red in the file.
  image = Decode(BitmapFile(1, 1, 24, 0, "", std::string("\x10\x20\x30\0", 4)));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels[0], 0xFF302010u);
  // 16 bits with 5-6-5 masks: pure green.
  image = Decode(
      BitmapFile(1, 1, 16, 3, std::string("\0\xF8\0\0\xE0\x07\0\0\x1F\0\0\0", 12), std::string("\xE0\x07\0\0", 4)));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels[0], 0xFF00FF00u);
  // 16 bits without masks: 5-5-5, pure red.
  image = Decode(BitmapFile(1, 1, 16, 0, "", std::string("\x00\x7C\0\0", 4)));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels[0], 0xFFFF0000u);
}

// Run-length encoded 8-bit pixels: runs, literal runs and line ends. A stream that breaks
// off leaves the rest black instead of reading past the data. Catches overruns on damaged
// files.
TEST(BitmapPixels, RunLengthEncoded) {
  const std::string table("\0\0\0\0\xFF\0\0\0\0\0\xFF\0", 12);  // black, blue, red
  // Bottom row: 3 x blue; top row: literal red, blue, red; end of picture.
  const std::string stream("\x03\x01\x00\x00\x00\x03\x02\x01\x02\x00\x00\x01", 12);
  auto image = Decode(BitmapFile(3, 2, 8, 1, table, stream, 3));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels,
            (std::vector<uint32_t>{0xFFFF0000, 0xFF0000FF, 0xFFFF0000, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF}));
  // A literal run that claims more bytes than there are: stops, the rest stays black.
  image = Decode(BitmapFile(3, 2, 8, 1, table, std::string("\x00\x09\x01", 3), 3));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels[0], 0xFF000000u);
  // A run longer than the row is cut at the edge.
  image = Decode(BitmapFile(2, 1, 8, 1, table, std::string("\xFF\x02\x00\x01", 4), 3));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels.size(), 2u);
}

// Pictures the painter cannot show give nothing (the sheet then prints the invitation).
TEST(BitmapPixels, UnusableBitmaps) {
  EXPECT_FALSE(Decode(BitmapFile(0, 1, 24, 0, "", "")));
  EXPECT_FALSE(Decode(BitmapFile(1, 1, 3, 0, "", std::string(4, '\0'))));   // no such depth
  EXPECT_FALSE(Decode(BitmapFile(1, 1, 24, 4, "", std::string(4, '\0'))));  // JPEG inside
  // 8000 x 5001 pixels of one bit each: a 5 MB file that would take 160 MB as colours.
  EXPECT_FALSE(Decode(BitmapFile(8000, 5001, 1, 0, kBlackWhite, std::string(1000 * 5001, '\0'))));
}

// Two by two pixels: red and white on top, blue and black below, in every common form of
// bitmap file. Catches a logo that prints as "Hier kann Ihr Team-Logo stehen!" because its
// header is not the 40-byte one (what image programs write by default), or in wrong colours.
TEST(BitmapPixels, EveryCommonForm) {
  using test::BitmapLayout;
  const std::string rgb24 = std::string("\xFF\0\0\0\0\0\0\0", 8) + std::string("\0\0\xFF\xFF\xFF\xFF\0\0", 8);
  const std::string rgb24TopDown = rgb24.substr(8) + rgb24.substr(0, 8);
  const std::string argb32("\xFF\0\0\xFF\0\0\0\xFF\0\0\xFF\xFF\xFF\xFF\xFF\xFF", 16);
  const std::string rgb565("\x1F\0\0\0\0\xF8\xFF\xFF", 8);
  const std::array<uint32_t, 4> masks565{0xF800, 0x07E0, 0x001F, 0};
  const std::array<uint32_t, 4> masksArgb{0xFF0000, 0xFF00, 0xFF, 0xFF000000};
  const std::string palette3("\0\0\0\0\0\xFF\xFF\xFF\xFF\xFF\0\0", 12);  // black, red, white, blue
  const std::string palette4("\0\0\0\0\0\0\xFF\0\xFF\xFF\xFF\0\xFF\0\0\0", 16);
  const std::string indices8("\3\0\0\0\1\2\0\0", 8);
  const std::string masksAfterHeader("\0\0\xFF\0\0\xFF\0\0\xFF\0\0\0\0\0\0\xFF", 16);
  const struct {
    const char* form;
    BitmapLayout layout;
  } cases[] = {
      {"OS/2 1.x, 8 bits, three-byte colours", {12, 2, 2, 8, 0, {}, palette3, indices8}},
      {"OS/2 2.x, 64 bytes, 4 bits", {64, 2, 2, 4, 0, {}, palette4, std::string("\x30\0\0\0\x12\0\0\0", 8), 4}},
      {"OS/2 2.x, 16 bytes, 8 bits", {16, 2, 2, 8, 0, {}, palette4 + std::string(1008, '\0'), indices8}},
      {"40 bytes, 2 bits", {40, 2, 2, 2, 0, {}, palette4, std::string("\xC0\0\0\0\x60\0\0\0", 8)}},
      {"40 bytes, masks with alpha after it", {40, 2, 2, 32, 6, {}, masksAfterHeader, argb32}},
      {"52 bytes, 5-6-5", {52, 2, 2, 16, 3, masks565, "", rgb565}},
      {"56 bytes, alpha", {56, 2, 2, 32, 3, masksArgb, "", argb32}},
      {"108 bytes, 24 bits", {108, 2, 2, 24, 0, {}, "", rgb24}},
      {"124 bytes, 24 bits", {124, 2, 2, 24, 0, {}, "", rgb24}},
      {"124 bytes, top-down", {124, 2, -2, 24, 0, {}, "", rgb24TopDown}},
      {"124 bytes, 5-6-5", {124, 2, 2, 16, 3, masks565, "", rgb565}},
      {"124 bytes, alpha", {124, 2, 2, 32, 3, masksArgb, "", argb32}},
  };
  const std::vector<uint32_t> expected{0xFFFF0000, 0xFFFFFFFF, 0xFF0000FF, 0xFF000000};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form);
    const std::optional<PixelImage> image = Decode(test::BitmapBytes(c.layout));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, expected);
  }
}

// Transparent pixels print as the white paper under them; a file whose alpha is zero
// throughout (what many programs write for "no alpha") prints opaque. Catches a logo with
// a transparent background printed black, and one printed all white.
TEST(BitmapPixels, AlphaOnWhitePaper) {
  const std::array<uint32_t, 4> masks{0xFF0000, 0xFF00, 0xFF, 0xFF000000};
  // Black at full, none and half alpha.
  auto image =
      Decode(test::BitmapBytes({124, 3, 1, 32, 3, masks, "", std::string("\0\0\0\xFF\0\0\0\0\0\0\0\x80", 12)}));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels, (std::vector<uint32_t>{0xFF000000, 0xFFFFFFFF, 0xFF7F7F7F}));
  image = Decode(test::BitmapBytes({124, 2, 1, 32, 3, masks, "", std::string("\x10\x20\x30\0\0\0\0\0", 8)}));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels, (std::vector<uint32_t>{0xFF302010, 0xFF000000}));
}

}  // namespace
}  // namespace krv
