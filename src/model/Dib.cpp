#include "model/Dib.h"

#include <cstdlib>

#include "model/FileIO.h"

namespace krv {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr uint32_t kBitfields = 3;

uint16_t Word(std::string_view b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}
uint32_t DWord(std::string_view b, size_t at) { return uint32_t{Word(b, at)} | (uint32_t{Word(b, at + 2)} << 16); }

uint64_t ColorTableEntries(uint32_t usedColors, uint16_t bitsPerPixel) {
  if (usedColors != 0) return usedColors;
  switch (bitsPerPixel) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;  // 16, 24 and 32 bits carry no colour table
  }
}

}  // namespace

void CDib::Clear() {
  m_width = m_height = 0;
  m_bitsPerPixel = 0;
  m_compression = 0;
  m_colors.clear();
  m_masks = {};
  m_pixels.clear();
}

uint32_t CDib::RowStride() const {
  return static_cast<uint32_t>((uint64_t{static_cast<uint32_t>(std::abs(int64_t{m_width}))} * m_bitsPerPixel + 31) /
                               32 * 4);
}

void CDib::Read(const std::string& path) {
  Clear();
  std::string bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const FileError& e) {
    throw DibError(e.what());
  }
  try {
    Load(bytes);
  } catch (const DibError& e) {
    throw DibError(FileMessage(path, e.what()));
  }
}

void CDib::Load(std::string_view bytes) {
  Clear();
  if (bytes.size() < kFileHeaderSize) throw DibError("Die Bilddatei ist zu kurz.");
  if (Word(bytes, 0) != kBitmapType) throw DibError("Das ist keine Windows-Bitmap (BMP).");
  const uint32_t pixelOffset = DWord(bytes, 10);
  if (pixelOffset < kFileHeaderSize + kInfoHeaderSize || pixelOffset > bytes.size())
    throw DibError("Der Kopf der Bilddatei ist beschädigt.");
  if (DWord(bytes, kFileHeaderSize) != kInfoHeaderSize)
    throw DibError("Dieses Bitmap-Format wird nicht unterstützt (nur der 40-Byte-Kopf).");

  const size_t info = kFileHeaderSize;
  const auto width = static_cast<int32_t>(DWord(bytes, info + 4));
  const auto height = static_cast<int32_t>(DWord(bytes, info + 8));
  const uint16_t bitsPerPixel = Word(bytes, info + 14);
  const uint32_t compression = DWord(bytes, info + 16);
  const uint32_t imageSize = DWord(bytes, info + 20);
  const uint32_t usedColors = DWord(bytes, info + 32);

  const uint64_t colorEntries = ColorTableEntries(usedColors, bitsPerPixel);
  if (colorEntries * 4 > pixelOffset - kFileHeaderSize - kInfoHeaderSize)
    throw DibError("Die Farbtabelle der Bilddatei ist beschädigt.");

  m_width = width;
  m_height = height;
  m_bitsPerPixel = bitsPerPixel;
  m_compression = compression;
  const uint64_t pixelBytes =
      imageSize != 0 ? imageSize : uint64_t{RowStride()} * static_cast<uint64_t>(std::abs(int64_t{height}));
  if (pixelBytes > bytes.size() - pixelOffset) {
    Clear();
    throw DibError("Die Bilddatei ist zu kurz für ihre Bildpunkte.");
  }

  m_colors.resize(colorEntries);
  for (uint64_t i = 0; i < colorEntries; ++i) {
    const size_t at = kFileHeaderSize + kInfoHeaderSize + i * 4;
    m_colors[i] = {static_cast<uint8_t>(bytes[at]), static_cast<uint8_t>(bytes[at + 1]),
                   static_cast<uint8_t>(bytes[at + 2]), static_cast<uint8_t>(bytes[at + 3])};
  }
  // The colour masks of a bit-field bitmap follow the header where a colour table would.
  if (compression == kBitfields && colorEntries == 0 && pixelOffset >= kFileHeaderSize + kInfoHeaderSize + 12)
    for (size_t i = 0; i < 3; ++i) m_masks[i] = DWord(bytes, kFileHeaderSize + kInfoHeaderSize + 4 * i);
  m_pixels.assign(bytes.begin() + pixelOffset, bytes.begin() + pixelOffset + static_cast<ptrdiff_t>(pixelBytes));
}

}  // namespace krv
