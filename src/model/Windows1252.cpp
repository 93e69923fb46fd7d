#include "model/Windows1252.h"

#include <array>
#include <cstdint>

namespace krv {
namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones map to themselves.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Windows-1252 byte for a code point, or -1 when there is none.
int ByteForCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

// Decodes one UTF-8 sequence at `pos`; returns false for a malformed one.
bool DecodeUtf8(std::string_view s, size_t& pos, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  int extra;
  if (b0 < 0x80) { cp = b0; ++pos; return true; }
  if ((b0 & 0xE0) == 0xC0) { cp = b0 & 0x1F; extra = 1; }
  else if ((b0 & 0xF0) == 0xE0) { cp = b0 & 0x0F; extra = 2; }
  else if ((b0 & 0xF8) == 0xF0) { cp = b0 & 0x07; extra = 3; }
  else { ++pos; return false; }
  if (pos + extra >= s.size()) { ++pos; return false; }
  for (int i = 1; i <= extra; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) { ++pos; return false; }
    cp = (cp << 6) | (b & 0x3F);
  }
  pos += extra + 1;
  return true;
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) out += c;
    else if (b < 0xA0) AppendUtf8(out, kHighControls[b - 0x80]);
    else AppendUtf8(out, b);
  }
  return out;
}

std::string Utf8ToWindows1252(std::string_view utf8, size_t* replaced) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const auto b0 = static_cast<unsigned char>(utf8[pos]);
    if (b0 < 0x80) { out += utf8[pos++]; continue; }
    char32_t cp = 0;
    const int byte = DecodeUtf8(utf8, pos, cp) ? ByteForCodePoint(cp) : -1;
    if (byte < 0) {
      out += '?';
      if (replaced) ++*replaced;
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

bool IsWindows1252Representable(std::string_view utf8) {
  size_t replaced = 0;
  Utf8ToWindows1252(utf8, &replaced);
  return replaced == 0;
}

}  // namespace krv
