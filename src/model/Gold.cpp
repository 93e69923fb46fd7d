#include "model/Gold.h"

#include <limits>

namespace krv {

std::string FormatGold(std::string_view text) {
  if (text.find('.') != std::string_view::npos) return std::string(text);
  std::string out;
  if (!text.empty() && text.front() == '-') {
    out += '-';
    text.remove_prefix(1);
  }
  for (size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && (text.size() - i) % 3 == 0) out += '.';
    out += text[i];
  }
  return out;
}

std::string FormatGoldNumber(int64_t amount) { return FormatGold(std::to_string(amount)); }

int32_t ParseGold(std::string_view text) {
  size_t pos = 0;
  auto skipPoints = [&] {
    while (pos < text.size() && text[pos] == '.') ++pos;
  };
  skipPoints();
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
    ++pos;
    skipPoints();
  }
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t value = 0;
  for (skipPoints(); pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; skipPoints()) {
    value = value * 10 + (text[pos++] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(value >= kLimit ? kLimit - 1 : value);
}

}  // namespace krv
