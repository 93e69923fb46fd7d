#include "model/Windows1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace krv {
namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones map to themselves.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The UTF-8 form of each byte 0x80 to 0xFF: two or three bytes.
struct Utf8Form {
  std::array<char, 3> bytes;
  uint8_t length;
};

constexpr std::array<Utf8Form, 128> MakeHighHalf() {
  std::array<Utf8Form, 128> table{};
  for (size_t i = 0; i < table.size(); ++i) {
    const char32_t cp = i < kHighControls.size() ? kHighControls[i] : static_cast<char32_t>(0x80 + i);
    if (cp < 0x800) {
      table[i] = {{static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F)), 0}, 2};
    } else {
      table[i] = {{static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                   static_cast<char>(0x80 | (cp & 0x3F))},
                  3};
    }
  }
  return table;
}
constexpr std::array<Utf8Form, 128> kHighHalf = MakeHighHalf();

// Windows-1252 byte of each code point below 0x100, or -1 for the C1 controls that
// Windows-1252 uses for other characters.
constexpr std::array<int16_t, 256> MakeLatinBytes() {
  std::array<int16_t, 256> table{};
  for (size_t cp = 0; cp < table.size(); ++cp) table[cp] = static_cast<int16_t>(cp);
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] != 0x80 + i) table[0x80 + i] = -1;
  return table;
}
constexpr std::array<int16_t, 256> kLatinBytes = MakeLatinBytes();

// Windows-1252 byte for a code point, or -1 when there is none.
int ByteForCodePoint(char32_t cp) {
  if (cp < kLatinBytes.size()) return kLatinBytes[cp];
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

// Decodes one UTF-8 sequence at `pos`; returns false for a malformed one.
bool DecodeUtf8(std::string_view s, size_t& pos, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  int extra;
  if (b0 < 0x80) {
    cp = b0;
    ++pos;
    return true;
  }
  if ((b0 & 0xE0) == 0xC0) {
    cp = b0 & 0x1F;
    extra = 1;
  } else if ((b0 & 0xF0) == 0xE0) {
    cp = b0 & 0x0F;
    extra = 2;
  } else if ((b0 & 0xF8) == 0xF0) {
    cp = b0 & 0x07;
    extra = 3;
  } else {
    ++pos;
    return false;
  }
  if (pos + extra >= s.size()) {
    ++pos;
    return false;
  }
  for (int i = 1; i <= extra; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return false;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  pos += extra + 1;
  // The shortest form only ("\xc0\xaf" is no "/"), no surrogate halves, nothing beyond
  // Unicode; such a sequence counts as one malformed character.
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  return cp >= kSmallest[extra] && (cp < 0xD800 || cp > 0xDFFF) && cp <= 0x10FFFF;
}

}  // namespace

size_t AsciiPrefixLength(std::string_view text) {
  constexpr uint64_t kHighBits = 0x8080808080808080ull;
  const char* p = text.data();
  const size_t n = text.size();
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t word;
    std::memcpy(&word, p + i, 8);
    if (word & kHighBits) break;
  }
  while (i < n && !(static_cast<unsigned char>(p[i]) & 0x80)) ++i;
  return i;
}

void AssignWindows1252AsUtf8(std::string_view bytes, std::string& out) {
  const size_t ascii = AsciiPrefixLength(bytes);
  if (ascii == bytes.size()) {
    out.assign(bytes.data(), bytes.size());
    return;
  }
  // Sized once: each byte from 0x80 on grows by one or two bytes.
  size_t length = bytes.size();
  for (size_t i = ascii; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b >= 0x80) length += kHighHalf[b - 0x80].length - 1u;
  }
  out.resize(length);
  char* p = out.data();
  std::memcpy(p, bytes.data(), ascii);
  p += ascii;
  for (size_t i = ascii; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      *p++ = static_cast<char>(b);
      continue;
    }
    const Utf8Form& form = kHighHalf[b - 0x80];
    std::memcpy(p, form.bytes.data(), form.length);
    p += form.length;
  }
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  AssignWindows1252AsUtf8(bytes, out);
  return out;
}

size_t AppendUtf8AsWindows1252(std::string_view utf8, std::string& out) {
  size_t replaced = 0;
  size_t pos = 0;
  while (pos < utf8.size()) {
    const size_t ascii = AsciiPrefixLength(utf8.substr(pos));
    out.append(utf8.data() + pos, ascii);
    pos += ascii;
    if (pos == utf8.size()) break;
    char32_t cp = 0;
    const int byte = DecodeUtf8(utf8, pos, cp) ? ByteForCodePoint(cp) : -1;
    if (byte < 0) {
      out += '?';
      ++replaced;
    } else {
      out += static_cast<char>(byte);
    }
  }
  return replaced;
}

std::string Utf8ToWindows1252(std::string_view utf8, size_t* replaced) {
  std::string out;
  out.reserve(utf8.size());
  const size_t count = AppendUtf8AsWindows1252(utf8, out);
  if (replaced) *replaced += count;
  return out;
}

bool IsValidUtf8(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size()) {
    pos += AsciiPrefixLength(text.substr(pos));
    char32_t cp = 0;
    if (pos < text.size() && !DecodeUtf8(text, pos, cp)) return false;
  }
  return true;
}

bool IsWindows1252Representable(std::string_view utf8) {
  size_t replaced = 0;
  Utf8ToWindows1252(utf8, &replaced);
  return replaced == 0;
}

size_t CharacterCount(std::string_view utf8) {
  size_t characters = 0;
  for (unsigned char c : utf8) characters += (c & 0xC0) != 0x80 ? 1 : 0;  // continuation bytes do not count
  return characters;
}

}  // namespace krv
