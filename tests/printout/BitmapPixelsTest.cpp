#include "printout/BitmapPixels.h"

#include <gtest/gtest.h>

#include "model/Dib.h"
#include "support/BitmapFile.h"

namespace krv {
namespace {

using test::BitmapFile;

std::optional<PixelImage> Decode(const std::string& file) {
  CDib dib;
  dib.Load(file);
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
  EXPECT_FALSE(Decode(BitmapFile(1, 1, 2, 0, "", std::string(4, '\0'))));   // no such depth
  EXPECT_FALSE(Decode(BitmapFile(1, 1, 24, 4, "", std::string(4, '\0'))));  // JPEG inside
  // 8000 x 5001 pixels of one bit each: a 5 MB file that would take 160 MB as colours.
  EXPECT_FALSE(Decode(BitmapFile(8000, 5001, 1, 0, kBlackWhite, std::string(1000 * 5001, '\0'))));
}

}  // namespace
}  // namespace krv
