#include "model/FileNameText.h"

namespace krv {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // + the byte, 0x80..0xFF

// The length of the valid UTF-8 sequence at `i` (its code point in `codePoint`), or 0.
size_t ValidSequence(std::string_view bytes, size_t i, char32_t& codePoint) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(i);
  size_t length;
  char32_t minimum;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) length = 2, minimum = 0x80, codePoint = lead & 0x1F;
  else if ((lead & 0xF0) == 0xE0) length = 3, minimum = 0x800, codePoint = lead & 0x0F;
  else if ((lead & 0xF8) == 0xF0) length = 4, minimum = 0x10000, codePoint = lead & 0x07;
  else return 0;
  if (i + length > bytes.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
  }
  // Over-long forms, surrogates and values beyond Unicode are not valid UTF-8.
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
  return length;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string FileNameToUtf16(std::string_view bytes) {
  std::u16string name;
  name.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    char32_t c = 0;
    if (const size_t length = ValidSequence(bytes, i, c)) {
      if (c < 0x10000) {
        name += static_cast<char16_t>(c);
      } else {
        name += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        name += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
      }
      i += length;
    } else {
      name += static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i]));
      ++i;
    }
  }
  return name;
}

std::string FileNameFromUtf16(std::u16string_view name) {
  std::string bytes;
  bytes.reserve(name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    const char16_t unit = name[i];
    if (IsHighSurrogate(unit) && i + 1 < name.size() && IsLowSurrogate(name[i + 1])) {
      AppendUtf8(bytes, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (name[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
      bytes += static_cast<char>(unit - kEscapeBase);
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(bytes, 0xFFFD);  // cannot come from a file name
    } else {
      AppendUtf8(bytes, unit);
    }
  }
  return bytes;
}

}  // namespace krv
