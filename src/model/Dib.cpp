#include "model/Dib.h"

#include <cstdlib>

#include "model/FileIO.h"
#include "model/Format.h"

namespace krv {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr uint32_t kCoreHeaderSize = 12;  // OS/2 1.x: 16-bit sizes, three-byte colours
constexpr uint32_t kAlphaBitfields = 6;   // four masks after a 40-byte header
constexpr uint32_t kUnreadable = 0xFFFFFFFFu;

uint16_t Word(std::string_view b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}
uint32_t DWord(std::string_view b, size_t at) { return uint32_t{Word(b, at)} | (uint32_t{Word(b, at + 2)} << 16); }

// Windows writes 40, 52, 56, 108 and 124 bytes; OS/2 2.x any size from 16 to 64 but those.
bool IsOs2Header(uint32_t size) {
  return size == kCoreHeaderSize || (size >= 16 && size <= 64 && size != 40 && size != 52 && size != 56);
}

bool KnownDepth(uint16_t bits) {
  return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Everything the info header says, in one shape whatever its form.
struct InfoHeader {
  uint32_t size = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bits = 0;
  uint32_t compression = kDibRgb;
  uint32_t imageSize = 0;
  uint32_t usedColors = 0;
  std::array<uint32_t, 4> masks{};
  size_t tableStart = 0;  // where the colour table begins in the file
  size_t tableEntrySize = 4;
};

InfoHeader ReadInfoHeader(std::string_view b, uint32_t pixelOffset) {
  InfoHeader h;
  h.size = DWord(b, kFileHeaderSize);
  if (h.size < kCoreHeaderSize || (h.size > kCoreHeaderSize && h.size < 16))
    throw DibError(Format("Dieses Bitmap-Format wird nicht unterstützt (Kopf mit %lu Bytes).",
                          static_cast<unsigned long>(h.size)));
  if (h.size > pixelOffset - kFileHeaderSize) throw DibError("Der Kopf der Bilddatei ist beschädigt.");
  const size_t at = kFileHeaderSize;
  h.tableStart = at + h.size;
  if (h.size == kCoreHeaderSize) {
    h.width = Word(b, at + 4);
    h.height = Word(b, at + 6);
    h.bits = Word(b, at + 10);
    h.tableEntrySize = 3;
    return h;
  }
  // Headers shorter than 40 bytes end early; what they leave out is zero.
  auto field = [&](size_t offset) -> uint32_t { return offset + 4 <= h.size ? DWord(b, at + offset) : 0; };
  h.width = static_cast<int32_t>(field(4));
  h.height = static_cast<int32_t>(field(8));
  h.bits = Word(b, at + 14);
  h.compression = field(16);
  h.imageSize = field(20);
  h.usedColors = field(32);
  if (IsOs2Header(h.size)) {
    // OS/2's codes 3 and 4 are Huffman and 24-bit run-length pixels, which nothing here reads.
    if (h.compression > kDibRle4) h.compression = kUnreadable;
    return h;
  }
  if (h.compression != kDibBitfields && h.compression != kAlphaBitfields) return h;
  if (h.size >= 52) {
    for (size_t i = 0; i < 3; ++i) h.masks[i] = field(40 + 4 * i);
    h.masks[3] = field(52);
  } else {  // the masks follow a 40-byte header; a file whose pixels start earlier has none
    const size_t count = h.compression == kAlphaBitfields ? 4 : 3;
    if (h.tableStart + 4 * count <= pixelOffset) {
      for (size_t i = 0; i < count; ++i) h.masks[i] = DWord(b, h.tableStart + 4 * i);
      h.tableStart += 4 * count;
    }
  }
  h.compression = kDibBitfields;
  return h;
}

std::vector<DibColor> ReadColorTable(std::string_view b, const InfoHeader& h, uint32_t pixelOffset) {
  if (h.bits > 8) return {};  // a palette hint for screens of old; the pixels are colours themselves
  const size_t room = (pixelOffset - h.tableStart) / h.tableEntrySize;
  const uint64_t full = uint64_t{1} << h.bits;
  uint64_t entries = h.usedColors != 0 ? h.usedColors : full;
  if (h.size == kCoreHeaderSize) {
    if (entries > room) entries = room;  // OS/2 files often store fewer colours than the depth allows
  } else if (entries > room) {
    throw DibError("Die Farbtabelle der Bilddatei ist beschädigt.");
  }
  std::vector<DibColor> colors(static_cast<size_t>(entries));
  for (size_t i = 0; i < colors.size(); ++i) {
    const size_t at = h.tableStart + i * h.tableEntrySize;
    colors[i] = {static_cast<uint8_t>(b[at]), static_cast<uint8_t>(b[at + 1]), static_cast<uint8_t>(b[at + 2]), 0};
  }
  return colors;
}

}  // namespace

void CDib::Clear() {
  m_width = m_height = 0;
  m_bitsPerPixel = 0;
  m_compression = 0;
  m_headerSize = 0;
  m_colors.clear();
  m_masks = {};
  m_pixels.clear();
}

uint64_t CDib::RowStride() const {
  return (static_cast<uint64_t>(std::abs(int64_t{m_width})) * m_bitsPerPixel + 31) / 32 * 4;
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
  if (bytes.size() < kFileHeaderSize + 4) throw DibError("Die Bilddatei ist zu kurz.");
  if (Word(bytes, 0) != kBitmapType) throw DibError("Das ist keine Windows-Bitmap (BMP).");
  const uint32_t pixelOffset = DWord(bytes, 10);
  if (pixelOffset < kFileHeaderSize + kCoreHeaderSize || pixelOffset > bytes.size())
    throw DibError("Der Kopf der Bilddatei ist beschädigt.");
  const InfoHeader h = ReadInfoHeader(bytes, pixelOffset);
  if (!KnownDepth(h.bits))
    throw DibError(Format("Bitmaps mit %u Bits je Bildpunkt werden nicht unterstützt.", unsigned{h.bits}));
  std::vector<DibColor> colors = ReadColorTable(bytes, h, pixelOffset);

  m_width = h.width;
  m_height = h.height;
  m_bitsPerPixel = h.bits;
  const uint64_t rows = static_cast<uint64_t>(std::abs(int64_t{h.height}));
  const uint64_t available = bytes.size() - pixelOffset;
  const bool runLength = h.compression == kDibRle8 || h.compression == kDibRle4;
  uint64_t pixelBytes = 0;
  if (runLength) {  // a stream of its own length: the header's, else the rest of the file
    pixelBytes = h.imageSize != 0 && h.imageSize <= available ? h.imageSize : available;
  } else if (h.imageSize != 0 && h.imageSize <= available) {
    pixelBytes = h.imageSize;  // the header's image size where it is given (and present)
  } else {
    const uint64_t stride = RowStride();
    if (rows != 0 && stride > available / rows) {
      Clear();
      throw DibError("Die Bilddatei ist zu kurz für ihre Bildpunkte.");
    }
    pixelBytes = stride * rows;
  }
  m_compression = h.compression;
  m_headerSize = h.size;
  m_colors = std::move(colors);
  m_masks = h.masks;
  m_pixels.assign(bytes.begin() + pixelOffset, bytes.begin() + pixelOffset + static_cast<ptrdiff_t>(pixelBytes));
}

}  // namespace krv
