#include "model/Dib.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

void PutWord(std::string& s, size_t at, uint32_t v) {
  s[at] = static_cast<char>(v);
  s[at + 1] = static_cast<char>(v >> 8);
}
void PutDWord(std::string& s, size_t at, uint32_t v) {
  PutWord(s, at, v & 0xFFFF);
  PutWord(s, at + 2, v >> 16);
}

// A minimal bitmap: file header, 40-byte info header, colour table, pixels.
std::string Bitmap(int32_t width, int32_t height, uint16_t bits, uint32_t usedColors = 0, uint32_t imageSize = 0) {
  const uint32_t colors = usedColors ? usedColors : (bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : 0);
  const uint32_t offset = 14 + 40 + colors * 4;
  const uint32_t stride = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
  const uint32_t pixels = imageSize ? imageSize : stride * static_cast<uint32_t>(height < 0 ? -height : height);
  std::string s(offset + pixels, '\0');
  s[0] = 'B';
  s[1] = 'M';
  PutDWord(s, 2, static_cast<uint32_t>(s.size()));
  PutDWord(s, 10, offset);
  PutDWord(s, 14, 40);
  PutDWord(s, 18, static_cast<uint32_t>(width));
  PutDWord(s, 22, static_cast<uint32_t>(height));
  PutWord(s, 26, 1);
  PutWord(s, 28, bits);
  PutDWord(s, 34, imageSize);
  PutDWord(s, 46, usedColors);
  if (colors > 1) s[14 + 40 + 4 + 2] = static_cast<char>(0xFF);  // colour 1 is red
  return s;
}

// An image size in the header is taken as it stands, whatever the rows would need. (Colour
// tables by bit depth and by the used-colours count, the row padding to four bytes and top-down
// rows, read through to the pixels: BitmapPixels.EveryFormRunLengthAlphaAndUnusableFiles.)
TEST(Dib, ImageSizeTakenAsGiven) {
  CDib dib;
  dib.Load(Bitmap(2, 2, 4, 0, 3));
  EXPECT_EQ(dib.ColorTable().size(), 16u);
  EXPECT_EQ(dib.Pixels().size(), 3u);
}

// Every broken bitmap raises an error and leaves no half-read picture behind.
TEST(Dib, RefusesBrokenBitmaps) {
  CDib dib;
  dib.Load(Bitmap(3, 2, 24));
  EXPECT_THROW(dib.Load("BM1234"), DibError);
  EXPECT_TRUE(dib.IsEmpty());  // the previous picture is released first

  // Bitmaps with one field overwritten: not "BM", a header size no bitmap header has, an
  // unknown bit depth, a height claiming more pixels than the file has, too many colours.
  // (bit depth, offset, value, bytes)
  const std::tuple<uint16_t, size_t, uint32_t, size_t> damages[] = {
      {24, 0, 'X', 1}, {24, 14, 8, 4}, {24, 28, 7, 2}, {24, 22, 0x7FFFFFFF, 4}, {8, 46, 0xFFFFFFFF, 4}};
  for (const auto& [bits, at, value, bytes] : damages) {
    std::string damaged = Bitmap(2, 2, bits);
    for (size_t i = 0; i < bytes; ++i) damaged[at + i] = static_cast<char>(value >> (8 * i));
    EXPECT_THROW(dib.Load(damaged), DibError) << at;
  }
  const std::string full = Bitmap(4, 4, 8);
  EXPECT_THROW(dib.Load(full.substr(0, full.size() - 1)), DibError);  // pixels cut off
  EXPECT_THROW(dib.Load(full.substr(0, 100)), DibError);              // colour table cut off
  EXPECT_TRUE(dib.IsEmpty());

  try {
    dib.Read("/nonexistent/logo.bmp");
    FAIL();
  } catch (const DibError& e) {
    EXPECT_NE(std::string(e.what()).find("logo.bmp"), std::string::npos);
  }
}

}  // namespace
}  // namespace krv
