#pragma once
// The miscellaneous page: the special events list and the team logo line.

#include <array>

#include "teamwindow/ListColumn.h"

namespace krv {

enum EventColumn : int { kEventText, kEventColumnCount };

extern const std::array<ListColumn, kEventColumnCount> kEventColumns;  // "Ereignisse", 500

inline constexpr const char* kEventListName = "VerschListe";

}  // namespace krv
