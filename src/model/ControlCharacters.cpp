#include "model/ControlCharacters.h"

#include "model/Format.h"

namespace krv {
namespace {

bool IsC0OrDel(unsigned char c) { return c < 0x20 || c == 0x7F; }
// U+0080..U+009F, in UTF-8 the pairs C2 80 .. C2 9F.
bool IsC1At(std::string_view s, size_t i) {
  return static_cast<unsigned char>(s[i]) == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
         static_cast<unsigned char>(s[i + 1]) <= 0x9F;
}

}  // namespace

bool HasControlCharacters(std::string_view utf8, bool multiLine) {
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (multiLine && (c == '\r' || c == '\n')) continue;
    if (IsC0OrDel(c) || IsC1At(utf8, i)) return true;
  }
  return false;
}

std::string EscapeControlCharacters(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (IsC0OrDel(c)) {
      out += Format("\\x%02x", c);
    } else if (IsC1At(utf8, i)) {
      out += Format("\\u%04x", static_cast<unsigned char>(utf8[++i]));
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace krv
