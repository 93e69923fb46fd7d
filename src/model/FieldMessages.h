#pragma once
// The dialogs' standard check of a number field: one wording for every dialog, shown with the
// warning sign (NoticeKind::Warning), as the creation, the player sheet, the match and the
// settings refuse a number out of range alike.

#include <cstdint>
#include <string>

namespace krv {

// "Bitte geben Sie für „%s“ eine Zahl zwischen %ld und %ld ein."
std::string FieldRangeMessage(const std::string& field, int64_t low, int64_t high);

}  // namespace krv
