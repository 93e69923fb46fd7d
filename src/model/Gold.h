#pragma once
// Gold amounts as the program shows them: "." between groups of three digits.

#include <cstdint>
#include <string>

namespace krv {

// "1.234.567"; a leading "-" stays in front of the first group.
std::string FormatGoldNumber(int64_t amount);

// An amount held at the ends of the 32-bit range, as the purchase and expense dialogs take it.
int32_t ClampedGold(int64_t amount);

}  // namespace krv
