#include "model/Gold.h"

#include <algorithm>
#include <limits>

namespace krv {

std::string FormatGoldNumber(int64_t amount) {
  const std::string digits = std::to_string(amount);
  const size_t first = amount < 0 ? 1 : 0;
  std::string out = digits.substr(0, first);
  for (size_t i = first; i < digits.size(); ++i) {
    if (i > first && (digits.size() - i) % 3 == 0) out += '.';
    out += digits[i];
  }
  return out;
}

int32_t ClampedGold(int64_t amount) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(amount, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace krv
