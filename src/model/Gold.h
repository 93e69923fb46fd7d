#pragma once
// Gold amounts as the program shows them: "." between groups of three digits.

#include <cstdint>
#include <string>
#include <string_view>

namespace krv {

// Inserts "." between groups of three digits from the right; a text that already
// holds a "." is returned unchanged. A leading "-" stays in front.
std::string FormatGold(std::string_view text);
std::string FormatGoldNumber(int64_t amount);

// Removes every "." and reads a decimal integer: leading blanks and one sign allowed,
// reading stops at the first non-digit, no digits give 0. Values beyond the 32-bit
// range are held at its ends.
int32_t ParseGold(std::string_view text);

}  // namespace krv
